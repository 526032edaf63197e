// Editing the parts grid: the edit mode with its two floating editors, the
// row commands, the sort and the column widths.
#include "ui/parts/PartsPanel.h"

#include "controls/edits/LeftEdit.h"
#include "controls/numedit/SaNumEdit.h"
#include "core/calc/RateConversion.h"
#include "core/document/CommaText.h"
#include "core/document/Estimate.h"
#include "core/document/PartsSort.h"
#include "core/document/RowOps.h"
#include "files/parts/PartsWidths.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/parts/PartsHost.h"
#include "ui/parts/PartsMessages.h"
#include "ui/sheet/SheetModel.h"
#include "ui/sheet/SheetView.h"

#include <QApplication>
#include <QClipboard>
#include <QCollator>
#include <QFrame>
#include <QKeyEvent>
#include <QMenu>

#include <limits>

namespace yorozu {

namespace {

QFrame* makeEditorPanel(QWidget* parent, const char* name)
{
    auto* p = new QFrame(parent);
    p->setObjectName(QString::fromLatin1(name));
    p->setFrameStyle(QFrame::Box | QFrame::Plain);
    p->setAutoFillBackground(true);
    QPalette pal = p->palette();
    pal.setColor(QPalette::Window, QColor(255, 255, 0));
    p->setPalette(pal);
    p->hide();
    return p;
}

bool isTextColumn(int c)
{
    return c == col::Dai || c == col::Description || c == col::TaxExempt || c == col::Shape || c == col::Unit;
}

bool isNumericColumn(int c)
{
    return c == col::Quantity || c == col::UnitPrice || c == col::CostPrice;
}

// The rows an editor's vertical key moves the parts cursor by; 0 for any other key.
int verticalStep(int key)
{
    switch (key) {
    case Qt::Key_Up: return -1;
    case Qt::Key_Down: return 1;
    case Qt::Key_PageUp: return -23;
    case Qt::Key_PageDown: return 23;
    default: return 0;
    }
}

} // namespace

void PartsPanel::buildEditors()
{
    EditP2 = makeEditorPanel(SG2->viewport(), "EditP2");
    Edit2 = new TLeftEdit(EditP2);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setFrame(false);
    Edit2->setMaxLength(std::numeric_limits<int>::max());
    Edit2->move(1, 1);
    QPalette pal = Edit2->palette();
    pal.setColor(QPalette::Base, QColor(255, 255, 0));
    Edit2->setPalette(pal);
    connect(Edit2, &QLineEdit::textEdited, this, [this] { Edit2Change(); });

    NumP2 = makeEditorPanel(SG2->viewport(), "NumP2");
    NumEdit2 = new TSaNumEdit(NumP2);
    NumEdit2->setObjectName(QStringLiteral("NumEdit2"));
    NumEdit2->setBorderStyle(TSaNumEdit::bsNone);
    NumEdit2->setAutoSize(false);
    NumEdit2->setIntegerLength(9);
    NumEdit2->setDecimalLength(2);
    NumEdit2->setMinus(true);
    NumEdit2->setAutoSelect(true);
    NumEdit2->setErrorBeep(false);
    NumEdit2->setColor(QColor(255, 255, 0));
    NumEdit2->setAttribute(Qt::WA_InputMethodEnabled, false);
    NumEdit2->move(1, 1);
    connect(NumEdit2, &TSaNumEdit::changed, this, [this] { NumEdit2Change(); });
    connect(NumEdit2, &TSaNumEdit::keyDown, this, [this](int& key, Qt::KeyboardModifiers) {
        if (NumEdit2KeyDown(key))
            key = 0;
    });
}

void PartsPanel::buildMenu()
{
    PopupMenu = new QMenu(SG2);
    PopupMenu->setObjectName(QStringLiteral("PopupMenu3"));
    const std::pair<const char*, void (PartsPanel::*)()> items[] = {
        {"行挿入", &PartsPanel::N35Click},          {"行削除", &PartsPanel::N36Click},
        {"行複写", &PartsPanel::N37Click},          {"行貼り付け", &PartsPanel::N38Click},
        {nullptr, nullptr},
        {"編集モードON", &PartsPanel::ON1Click},    {"編集モードOFF", &PartsPanel::OFF1Click},
        {"部品ソート", &PartsPanel::N73Click},
        {nullptr, nullptr},
        {"セル幅設定保存（起動用）", &PartsPanel::N46Click}, {"セル幅設定呼出（起動用）", &PartsPanel::N48Click},
        {nullptr, nullptr},
        {"DB部品登録", nullptr},                   {"DB部品削除", nullptr},
        {nullptr, nullptr},
        {"部品ｸﾞﾘｯﾄﾞ閉じる", &PartsPanel::SpeedButton23Click},
    };
    for (const auto& [text, handler] : items) {
        if (!text) {
            PopupMenu->addSeparator();
            continue;
        }
        QAction* a = PopupMenu->addAction(QString::fromUtf8(text));
        if (handler)
            connect(a, &QAction::triggered, this, [this, h = handler] {
                // From an editor the command places the open editor again.
                const bool fromEditor = EditP2->isVisible() || NumP2->isVisible();
                (this->*h)();
                if (fromEditor && editMode_ && h != &PartsPanel::N36Click && h != &PartsPanel::OFF1Click &&
                    h != &PartsPanel::N73Click)
                    rowStep(1);
            });
    }
}

// ---- edit mode

void PartsPanel::setEditMode(bool on)
{
    editMode_ = on;
    SG2->setSelectionBehavior(on ? QAbstractItemView::SelectItems : QAbstractItemView::SelectRows);
    if (!on)
        hideEditors();
}

void PartsPanel::ON1Click()
{
    setEditMode(true);
    gridEditing_ = true;
    openEditor();
}

void PartsPanel::OFF1Click()
{
    setEditMode(false);
    SG2->setFocus(Qt::OtherFocusReason);
}

void PartsPanel::hideEditors()
{
    if (hasFocus() && SG2->isVisible() && (EditP2->isVisible() || NumP2->isVisible()))
        SG2->setFocus(Qt::OtherFocusReason);
    EditP2->hide();
    NumP2->hide();
}

void PartsPanel::placeEditor()
{
    const QRect r = SG2->cellRect(editCol_, editRow_);
    if (EditP2->isVisible()) {
        const int textWidth = Edit2->fontMetrics().horizontalAdvance(Edit2->text()) + 20;
        const int w = std::max(r.width(), textWidth);
        EditP2->setGeometry(r.x(), r.y(), w + (w > r.width() ? 2 : 0), r.height());
        Edit2->resize(std::max(1, EditP2->width() - 2), std::max(1, r.height() - 2));
    }
    if (NumP2->isVisible()) {
        NumP2->setGeometry(r);
        NumEdit2->resize(std::max(1, r.width() - 2), std::max(1, r.height() - 2));
    }
}

void PartsPanel::openEditor()
{
    if (!editMode_ || !isShown())
        return;
    editCol_ = currentCol();
    editRow_ = currentRow();
    const std::string& text = estimate_.SG2.cell(editCol_, editRow_);
    loading_ = true;
    if (isTextColumn(editCol_)) {
        if (NumP2->isVisible())
            SG2->setFocus(Qt::OtherFocusReason);
        NumP2->hide();
        Edit2->setText(QString::fromStdString(text));
        Edit2->setAttribute(Qt::WA_InputMethodEnabled, editCol_ != col::Dai);
        EditP2->show();
        EditP2->raise();
        placeEditor();
        Edit2->setFocus(Qt::OtherFocusReason);
        if (editCol_ == col::Dai)
            Edit2->selectAll();
        else
            Edit2->end(false);
    } else if (isNumericColumn(editCol_)) {
        if (EditP2->isVisible())
            SG2->setFocus(Qt::OtherFocusReason);
        EditP2->hide();
        NumEdit2->setDecimalLength(editCol_ == col::Quantity ? 3 : 2);
        NumEdit2->setText(QString::fromStdString(text));
        NumP2->show();
        NumP2->raise();
        placeEditor();
        NumEdit2->setFocus(Qt::OtherFocusReason);
        NumEdit2->selectAll();
    } else {
        hideEditors();
    }
    loading_ = false;
}

void PartsPanel::Edit2Change()
{
    if (loading_ || !isTextColumn(editCol_))
        return;
    estimate_.SG2.setCell(editCol_, editRow_, Edit2->text().toStdString());
    model_->rowChanged(editRow_);
    placeEditor();
}

void PartsPanel::NumEdit2Change()
{
    if (loading_ || !isNumericColumn(editCol_))
        return;
    estimate_.SG2.setCell(editCol_, editRow_, NumEdit2->Text().toStdString());
    SG2_GENKARITU(estimate_.SG2, editRow_);
    model_->rowChanged(editRow_);
}

void PartsPanel::editorMove(int c, int row)
{
    auto& g = estimate_.SG2;
    if (row > g.rowCount() - 1) {
        g.setRowCount(row + 1);
        g.setCell(col::No, row, std::to_string(row));
        gridChanged();
    }
    setCurrent(c, row);
    openEditor();
}

void PartsPanel::rowStep(int rows)
{
    const int last = estimate_.SG2.rowCount() - 1;
    const int target = std::clamp(currentRow() + rows, 1, last);
    if (target == currentRow())
        return; // past the last row: refused without a word
    setCurrent(currentCol(), target);
    openEditor();
}

bool PartsPanel::Edit2KeyDown(int key)
{
    const int c = editCol_;
    const int row = editRow_;
    const bool shape = estimate_.Sunpou;
    if (const int step = verticalStep(key)) {
        rowStep(step);
        return true;
    }
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        editorMove(c == col::Description ? (shape ? col::Shape : col::Unit) : c == col::Shape ? col::Unit : c + 1, row);
        return true;
    case Qt::Key_Right:
        if (Edit2->cursorPosition() < Edit2->text().size())
            return false;
        editorMove(c == col::Description ? (shape ? col::Shape : col::Unit) : c == col::Shape ? col::Unit : c + 1, row);
        return true;
    case Qt::Key_Left:
        if (Edit2->cursorPosition() > 0 || Edit2->hasSelectedText())
            return false;
        if ((c == col::Dai || c == col::Description) && row == 1)
            return true;
        if (c == col::Dai || c == col::Description)
            editorMove(col::CostPrice, row - 1);
        else if (c == col::Shape)
            editorMove(col::Description, row);
        else if (c == col::Unit)
            editorMove(shape ? col::Shape : col::Description, row);
        else
            editorMove(c - 1, row);
        return true;
    default:
        return false;
    }
}

bool PartsPanel::NumEdit2KeyDown(int key)
{
    const int c = editCol_;
    const int row = editRow_;
    auto& g = estimate_.SG2;
    const bool lastRow = row >= g.rowCount() - 1;
    const auto setCell = [&](const std::string& text) {
        g.setCell(c, row, text);
        SG2_GENKARITU(g, row);
        model_->rowChanged(row);
    };
    const auto store = [&] { setCell(NumEdit2->Text().toStdString()); };
    if (const int step = verticalStep(key)) {
        rowStep(step);
        return true;
    }
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Right:
        store();
        if (c == col::CostPrice) {
            if (key != Qt::Key_Right || !lastRow)
                editorMove(col::Description, row + 1);
        } else if (c == col::Quantity) {
            editorMove(col::Unit, row);
        } else if (c == col::UnitPrice) {
            editorMove(col::CostPrice, row);
        }
        return true;
    case Qt::Key_Left:
        store();
        if (c == col::Quantity)
            editorMove(estimate_.Sunpou ? col::Shape : col::Description, row);
        else if (c == col::UnitPrice)
            editorMove(col::Unit, row);
        else if (c == col::CostPrice)
            editorMove(col::UnitPrice, row);
        return true;
    case Qt::Key_Delete:
        NumEdit2->setText(QString());
        setCell("");
        return true;
    case Qt::Key_Backspace:
        setCell("");
        return false; // the control removes its character, and the cell follows
    default:
        return false;
    }
}

// ---- row commands

void PartsPanel::N35Click()
{
    SG_INS(estimate_.SG2, currentRow());
    gridChanged();
}

void PartsPanel::N36Click()
{
    SG_DEL(estimate_.SG2, currentRow());
    gridChanged();
    SG2->setFocus(Qt::OtherFocusReason);
}

void PartsPanel::N37Click()
{
    QApplication::clipboard()->setText(QString::fromStdString(rowCommaText(estimate_.SG2, currentRow())));
}

void PartsPanel::N38Click()
{
    const int row = currentRow();
    setRowFromCommaText(estimate_.SG2, row, QApplication::clipboard()->text().toStdString());
    estimate_.SG2.setCell(col::No, row, std::to_string(row));
    SG2_GENKARITU(estimate_.SG2, row);
    gridChanged();
}

void PartsPanel::N73Click()
{
    QCollator collator{QLocale()};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    sortParts(estimate_.SG2, [&collator](const std::string& a, const std::string& b) {
        return collator.compare(QString::fromStdString(a), QString::fromStdString(b)) < 0;
    });
    gridChanged();
}

// ---- column widths

void PartsPanel::N46Click()
{
    if (!dialogs_.question(QString::fromUtf8(kSavePartsWidthsQuestion)))
        return;
    const auto r = writePartsWidths(programDir_, estimate_.SG2);
    if (!r) {
        dialogs_.warning(QString::fromUtf8(kPartsNotSaved));
        return;
    }
    dialogs_.information(QString::fromUtf8(kPartsWidthsSaved));
}

void PartsPanel::N48Click()
{
    host_.beep();
    if (!dialogs_.question(QString::fromUtf8(kLoadPartsWidthsQuestion)))
        return;
    readPartsWidths(programDir_, estimate_.SG2);
    estimate_.SunpouClick(estimate_.SG2.colWidth(col::Shape) != -1);
    SG2->applyWidths();
    host_.focusCustomer();
}

void PartsPanel::SpeedButton24Click()
{
    if (!dialogs_.question(QString::fromUtf8(kDefaultPartsWidthsQuestion)))
        return;
    setPartsGridWidths(estimate_.SG2, estimate_.Sunpou);
    SG2->applyWidths();
    host_.focusCustomer();
}

void PartsPanel::shapeChanged()
{
    SG2->applyWidths();
}

} // namespace yorozu
