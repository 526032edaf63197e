#include "ui/sheet/SheetEditor.h"

#include "controls/edits/LeftEdit.h"
#include "controls/numedit/NumEditText.h"
#include "controls/numedit/SaNumEdit.h"
#include "core/document/Estimate.h"
#include "core/calc/Keisan.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/sheet/SheetEditorText.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>

// The context-menu commands on the current cell and on the unit list.
namespace yorozu {

namespace {

bool takesNumber(int c, MemoMode memoMode)
{
    return c == col::Quantity || c == col::UnitPrice || c == col::CostPrice
           || (c == col::Memo && memoMode == MemoMode::Numeric);
}

} // namespace

void SheetEditor::buildMenus()
{
    PopupMenu1 = new QMenu(sheet_);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    auto add = [this](QMenu* menu, const char* name, const QString& caption, auto slot) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    add(PopupMenu1, "N7", QStringLiteral("セルコピー"), [this] { N7Click(); });
    add(PopupMenu1, "N9", QStringLiteral("セル貼り付け"), [this] { N9Click(); });
    add(PopupMenu1, "N12", QStringLiteral("セル削除"), [this] { N12Click(); });
    add(PopupMenu1, "N54", QStringLiteral("非課税マーク"), [this] { N54Click(); });
    PopupMenu1->addSeparator();
    // The standard items act on the editor that is open.
    add(PopupMenu1, "Undo", QStringLiteral("元に戻す(&U)"), [this] {
        if (NumP->isVisible())
            NumEdit1->undo();
        else
            Edit1->undo();
    })->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Backspace));
    add(PopupMenu1, "Copy", QStringLiteral("コピー(&C)"), [this] {
        if (NumP->isVisible()) {
            NumEdit1->selectAll();
            NumEdit1->copyToClipboard();
        } else {
            Edit1->copy();
        }
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    add(PopupMenu1, "Paste", QStringLiteral("貼り付け(&P)"), [this] {
        if (NumP->isVisible())
            NumEdit1->pasteFromClipboard();
        else if (EditP->isVisible())
            Edit1->paste();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));

    sheet_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(sheet_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(sheet_->viewport()->mapToGlobal(at)); });
    connect(Edit1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(Edit1->mapToGlobal(at)); });
    NumEdit1->setPopupMenu(PopupMenu1);

    PopupMenu2 = new QMenu(sheet_);
    PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
    add(PopupMenu2, "N3", QStringLiteral("単位登録"), [this] { N3Click(); });
    add(PopupMenu2, "N4", QStringLiteral("単位削除"), [this] { N4Click(); });
    for (QWidget* w : {static_cast<QWidget*>(CB1), static_cast<QWidget*>(CB1->lineEdit())})
        connect(w, &QWidget::customContextMenuRequested, this,
                [this, w](const QPoint& at) { PopupMenu2->popup(w->mapToGlobal(at)); });
}

void SheetEditor::N7Click()
{
    QGuiApplication::clipboard()->setText(QString::fromStdString(estimate_.SG1.cell(currentCol(), currentRow())));
    reloadOpenEditor();
}

void SheetEditor::N9Click()
{
    const int c = currentCol();
    const int row = currentRow();
    if (c < col::Dai)
        return; // the row numbers are the program's
    std::string text = editorToCell(QGuiApplication::clipboard()->text());
    // A number cell takes the number the numeric editor would have accepted
    // ("1,234" is 1234), and column 1 keeps its reserved marks out, so that
    // a paste cannot store what typing could not.
    if (takesNumber(c, estimate_.memoMode))
        text = filterNumberText(text, NumLimits{9, numericDecimals(c), true});
    else if (c == col::Dai)
        text = column1Text(text);
    estimate_.SG1.setCell(c, row, text);
    estimate_.recalculateAll();
    written(0);
    reloadOpenEditor();
}

void SheetEditor::N12Click()
{
    const int c = currentCol();
    const int row = currentRow();
    if (c < col::Dai)
        return;
    QGuiApplication::clipboard()->setText(QString::fromStdString(estimate_.SG1.cell(c, row)));
    estimate_.SG1.setCell(c, row, std::string());
    // An emptied quantity or price must not leave its old amount behind.
    estimate_.recalculateLine(row);
    written(row);
    reloadOpenEditor();
}

void SheetEditor::N54Click()
{
    const int row = currentRow();
    yorozu::N54Click(estimate_, row);
    written(row);
    sheet_->viewport()->update();
    if (beep)
        beep();
    else
        QApplication::beep();
}

void SheetEditor::N3Click()
{
    const QString text = CB1->currentText();
    if (text.isEmpty())
        return;
    loading_ = true;
    CB1->insertItem(0, text);
    CB1->setEditText(text);
    loading_ = false;
}

void SheetEditor::N4Click()
{
    const QString text = CB1->currentText();
    const int chosen = CB1->currentIndex();
    if (chosen >= 0 && chosen < CB1->count() && CB1->itemText(chosen) == text) {
        loading_ = true;
        CB1->removeItem(chosen);
        CB1->setCurrentIndex(-1);
        CB1->setEditText(text);
        loading_ = false;
        return;
    }
    dialogs_.information(text + QStringLiteral("は登録がありません。"));
}

} // namespace yorozu
