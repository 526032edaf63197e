// The row commands themselves: each changes the sheet through the document's
// row routines and recalculates what it changed.
#include "ui/rows/RowRoom.h"

#include "controls/numedit/NumEditText.h"
#include "core/document/CommaText.h"
#include "core/document/Headings.h"
#include "core/document/RowOps.h"
#include "files/settings/WidthProfile.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/sheet/SheetEditRules.h"
#include "ui/sheet/SheetEditor.h"
#include "ui/sheet/SheetEditorText.h"
#include "ui/sheet/SheetView.h"
#include "ui/window/WindowServices.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QItemSelectionModel>

#include <algorithm>

namespace yorozu {

namespace {

bool takesNumber(int c, MemoMode memoMode)
{
    // The computed columns too: a pasted figure there is replaced by the
    // recalculation, but never by a text.
    return c == col::Quantity || (c >= col::UnitPrice && c <= col::Rate)
           || (c == col::Memo && memoMode == MemoMode::Numeric);
}

} // namespace

void RowRoom::sheetChanged()
{
    context_.estimate.notify(Change::Cells);
}

void RowRoom::insertRow()
{
    auto& e = context_.estimate;
    // An empty row changes no total.
    SG_INS(e.SG1, sheet_.currentGridRow());
    sheetChanged();
    editor_.focusSheet();
}

void RowRoom::deleteRow()
{
    auto& e = context_.estimate;
    SG_DEL(e.SG1, sheet_.currentGridRow());
    sheetChanged();
    context_.window.recalculateAll();
    editor_.focusSheet();
}

void RowRoom::copyRow()
{
    QGuiApplication::clipboard()->setText(
        QString::fromStdString(rowCommaText(context_.estimate.SG1, sheet_.currentGridRow())));
    editor_.reloadOpenEditor();
}

void RowRoom::pasteRow()
{
    auto& e = context_.estimate;
    const int row = sheet_.currentGridRow();
    pasteRowText(e.SG1, row, QGuiApplication::clipboard()->text().toStdString());
    sheetChanged();
    editor_.reloadOpenEditor();
    context_.window.recalculateAll();
}

void RowRoom::blockCopy()
{
    int left = sheet_.currentCol(), right = left;
    int top = sheet_.currentGridRow(), bottom = top;
    const auto ranges = sheet_.selectionModel() ? sheet_.selectionModel()->selection() : QItemSelection();
    if (!ranges.isEmpty()) {
        // The rectangle the user dragged over (the selection is contiguous).
        const auto& r = ranges.first();
        if (r.width() > 1 || r.height() > 1) {
            left = r.left();
            right = r.right();
            top = r.top() + 1;
            bottom = r.bottom() + 1;
        }
    }
    block_ = copyBlock(context_.estimate.SG1, left, top, right, bottom);
    // The same cells as a spreadsheet takes them.
    RowBlock shown = block_;
    for (auto& cells : shown.cells)
        for (auto& c : cells)
            c = cellToEditor(c).toStdString();
    QGuiApplication::clipboard()->setText(QString::fromStdString(blockToTabText(shown)));
    editor_.reloadOpenEditor();
}

RowBlock RowRoom::clipboardBlock(int col) const
{
    RowBlock b;
    const auto rows = splitTabText(QGuiApplication::clipboard()->text().toStdString());
    if (rows.empty())
        return b;
    const MemoMode memo = context_.estimate.memoMode;
    size_t width = 0;
    for (const auto& cells : rows) {
        std::vector<std::string> converted;
        converted.reserve(cells.size());
        for (size_t k = 0; k < cells.size(); ++k) {
            const int c = col + static_cast<int>(k);
            std::string text = editorToCell(QString::fromStdString(cells[k]));
            // Each cell as typing into its column would have stored it.
            if (takesNumber(c, memo))
                text = filterNumberText(text, NumLimits{9, numericDecimals(c), true});
            else if (c == col::Dai)
                text = column1Text(text);
            converted.push_back(std::move(text));
        }
        width = std::max(width, converted.size());
        b.cells.push_back(std::move(converted));
    }
    // Taken as if copied from the columns it lands on: the cells are already
    // what their columns accept.
    b.left = col;
    b.right = col + static_cast<int>(width) - 1;
    b.top = 1;
    b.bottom = static_cast<int>(rows.size());
    return b;
}

void RowRoom::blockPaste(bool insert)
{
    const int c = sheet_.currentCol();
    const int row = sheet_.currentGridRow();
    const RowBlock fromClipboard = block_.empty() ? clipboardBlock(c) : RowBlock();
    const RowBlock& b = block_.empty() ? fromClipboard : block_;
    if (b.empty()) {
        doBeep(); // nothing copied yet: the sheet stays as it is
        return;
    }
    editor_.hideEditors();
    auto& e = context_.estimate;
    pasteBlock(e.SG1, b, c, row, insert);
    sheetChanged();
    editor_.focusSheet();
    context_.window.recalculateAll();
}

void RowRoom::dragMode()
{
    sheetDrag_ = true;
    const int c = sheet_.currentCol();
    if ((c >= col::Dai && c <= 4) || c == 6)
        textDrag_ = true;
    else
        numericDrag_ = true;
}

void RowRoom::rowMoved(int from, int to)
{
    moveSheetRow(context_.estimate.SG1, from, to);
    sheetChanged();
    // The cursor goes with the row it was on.
    sheet_.setCurrentCell(sheet_.currentCol(), to);
    sheetDrag_ = false;
    editor_.focusSheet();
}

void RowRoom::numbering()
{
    numberDescriptions(context_.estimate.SG1);
    sheetChanged();
    editor_.reloadOpenEditor();
    doBeep();
}

void RowRoom::indent()
{
    editor_.hideEditors();
    if (focusCustomer_)
        focusCustomer_();
    auto& e = context_.estimate;
    const bool beeps = indentDescriptions(e.SG1, e.SG1_END());
    sheetChanged();
    if (beeps)
        doBeep();
}

void RowRoom::unindent()
{
    editor_.hideEditors();
    if (focusCustomer_)
        focusCustomer_();
    unindentDescriptions(context_.estimate.SG1);
    sheetChanged();
    doBeep();
}

void RowRoom::memoAttribute()
{
    auto& e = context_.estimate;
    if (!e.memoVisible())
        return;
    const QString question = QStringLiteral("変更すると「 ") + QString::fromStdString(e.SG1.cell(col::Memo, 0))
                             + QStringLiteral(" 」の入力値は全て消去されます。\r\n");
    if (!context_.dialogs.question(question))
        return;
    editor_.hideEditors();
    for (int r = 1; r < e.SG1.rowCount(); ++r)
        e.SG1.setCell(col::Memo, r, std::string());
    e.memoMode = e.memoMode == MemoMode::Text ? MemoMode::Numeric : MemoMode::Text;
    refreshMemoCaption();
    const auto heading = context_.settings().memoHeading(e.memoMode);
    e.SG1.setCell(col::Memo, 0, heading);
    e.SG2.setCell(col::Memo, 0, heading);
    e.notify(Change::Layout);
    sheetChanged();
    editor_.moveTo(col::Memo, sheet_.currentGridRow());
}

void RowRoom::memoDisplay()
{
    auto& e = context_.estimate;
    editor_.hideEditors();
    e.setMemoVisible(!e.memoVisible());
    saveWidthProfiles();
    editor_.focusSheet();
}

void RowRoom::saveWidthProfiles()
{
    auto& e = context_.estimate;
    const std::pair<const char*, const char*> profiles[] = {
        {kWidthProfile2, kSaveWidthProfile2Question},
        {kWidthProfile1, kSaveWidthProfile1Question},
    };
    for (const auto& [file, question] : profiles) {
        if (context_.dialogs.question(QString::fromUtf8(question))) {
            const auto written = writeWidthProfile(context_.programDir, file, e.Sunpou, e.SG1.colWidths());
            if (written.ok)
                context_.dialogs.information(QString::fromUtf8(kWidthProfileSavedMessage));
            else
                context_.dialogs.warning(QStringLiteral("設定ファイルは保存できませんでした。\r\n"));
        }
        e.notify(Change::Layout);
    }
}

} // namespace yorozu
