#pragma once

#include "controls/edits/LeftEdit.h"
#include "controls/numedit/SaNumEdit.h"
#include "core/document/Estimate.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/sheet/SheetEditor.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>

namespace yorozu::test {

// The sheet as the window shows it, reduced to what the editors need:
// model row r is grid row r + 1, model column c grid column c.
class TinySheetModel : public QAbstractTableModel {
public:
    explicit TinySheetModel(Estimate& e) : e_(e), rows_(e.SG1.rowCount() - 1) {}

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : rows_; }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : StringGrid::kColumns;
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid())
            return {};
        return QString::fromStdString(e_.SG1.cell(index.column(), index.row() + 1));
    }

    // Follows the grid's row count and repaints everything.
    void refresh()
    {
        const int rows = e_.SG1.rowCount() - 1;
        if (rows > rows_) {
            beginInsertRows({}, rows_, rows - 1);
            rows_ = rows;
            endInsertRows();
        }
        emit dataChanged(index(0, 0), index(rows_ - 1, StringGrid::kColumns - 1));
    }

private:
    Estimate& e_;
    int rows_;
};

class FakeDialogs : public Dialogs {
public:
    QStringList informations;
    void information(const QString& text) override { informations << text; }
    bool question(const QString&) override { return true; }
    void warning(const QString&) override {}
    std::optional<QString> input(const QString&, const QString&, const QString&) override { return {}; }
    QString openFile(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFile(const QString&, const QString&, const QString&) override { return {}; }
    QString chooseFolder(const QString&, const QString&) override { return {}; }
    std::optional<QColor> chooseColor(const QColor&) override { return {}; }
    std::optional<QFont> chooseFont(const QFont&) override { return {}; }
    bool printSetup(QPrinter&) override { return false; }
};

// A window with two header fields above the sheet and the editing on it.
class SheetEditorTest : public ::testing::Test {
protected:
    void SetUp() override { build(); }

    void build()
    {
        window_ = std::make_unique<QWidget>();
        window_->resize(1024, 640);
        auto* layout = new QVBoxLayout(window_.get());
        Kouji = new QLineEdit(window_.get());
        KNAME = new QComboBox(window_.get());
        KNAME->addItems({QStringLiteral("A社"), QStringLiteral("B社"), QStringLiteral("C社")});
        model_ = std::make_unique<TinySheetModel>(doc);
        view = new QTableView(window_.get());
        view->setModel(model_.get());
        view->verticalHeader()->hide();
        view->verticalHeader()->setDefaultSectionSize(20);
        view->setMinimumSize(979, 464);
        layout->addWidget(Kouji);
        layout->addWidget(KNAME);
        layout->addWidget(view);
        applyWidths();
        doc.addListener([this](Change) { model_->refresh(); });
        editor = std::make_unique<SheetEditor>(view, doc, std::filesystem::path(programDir.path().toStdString()),
                                               dialogs, [this](int) { model_->refresh(); });
        editor->beep = [this] { ++beeps; };
        window_->show();
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    }

    void TearDown() override
    {
        editor.reset();
        window_.reset();
    }

    void applyWidths()
    {
        for (int c = 0; c < StringGrid::kColumns; ++c) {
            const int w = doc.SG1.colWidth(c);
            view->setColumnHidden(c, w <= 0);
            if (w > 0)
                view->setColumnWidth(c, w);
        }
    }

    void setShape(bool shown)
    {
        doc.SunpouClick(shown);
        applyWidths();
    }
    void setMemo(bool shown)
    {
        doc.setMemoVisible(shown);
        applyWidths();
    }

    // The cursor on a cell with the sheet focused, as a click leaves it.
    void start(int c, int row)
    {
        view->setFocus();
        editor->moveTo(c, row);
    }
    QWidget* focus() const { return QApplication::focusWidget(); }
    void key(int k, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        QTest::keyClick(focus(), static_cast<Qt::Key>(k), m);
    }
    void type(const char* text) { QTest::keyClicks(focus(), QString::fromLatin1(text)); }
    // Text as an input method or a keyboard layout delivers it.
    void typeText(const QString& text)
    {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
        QApplication::sendEvent(focus(), &press);
    }
    void paste(const QString& text)
    {
        QGuiApplication::clipboard()->setText(text);
        key(Qt::Key_V, Qt::ControlModifier);
    }
    void wheel(QWidget* over, int angle)
    {
        const QPointF at(over->width() / 2.0, over->height() / 2.0);
        QWheelEvent e(at, over->mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
        QApplication::sendEvent(over, &e);
    }
    QPoint cellCenter(int c, int row) const { return view->visualRect(model_->index(row - 1, c)).center(); }
    std::string cell(int c, int row) const { return doc.SG1.cell(c, row); }
    int col() const { return editor->currentCol(); }
    TinySheetModel* model() const { return model_.get(); }
    int row() const { return editor->currentRow(); }

    QTemporaryDir programDir;
    Estimate doc;
    FakeDialogs dialogs;
    QTableView* view = nullptr;
    QLineEdit* Kouji = nullptr;
    QComboBox* KNAME = nullptr;
    std::unique_ptr<SheetEditor> editor;
    int beeps = 0;

private:
    std::unique_ptr<QWidget> window_;
    std::unique_ptr<TinySheetModel> model_;
};

} // namespace yorozu::test
