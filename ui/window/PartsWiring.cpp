// The parts panel in the window: what it may ask of the window, the
// commands that reach it and the sheet's side of the drags.
#include "ui/window/PartsWiring.h"

#include "core/document/Estimate.h"
#include "files/settings/Set2File.h"
#include "ui/header/HeaderFields.h"
#include "ui/parts/PartsHost.h"
#include "ui/parts/PartsPanel.h"
#include "ui/sheet/SheetDrop.h"
#include "ui/sheet/SheetEditor.h"
#include "ui/sheet/SheetView.h"
#include "ui/sheet/TotalsGrid.h"
#include "controls/edits/LeftEdit.h"
#include "ui/window/CommandTable.h"
#include "ui/window/Yorozu1.h"

#include <QApplication>
#include <QComboBox>

namespace yorozu {

namespace {

class WindowPartsHost final : public PartsHost {
public:
    explicit WindowPartsHost(TYorozu& w) : w_(w) {}

    int sheetCol() const override { return w_.sheet().currentCol(); }
    int sheetRow() const override { return w_.sheet().currentGridRow(); }
    void setSheetCursor(int col, int row) override { w_.sheet().setCurrentCell(col, row); }
    void moveSheetCursor(int col, int row) override { w_.sheetEditor().moveTo(col, row); }
    void focusSheet() override { w_.sheetEditor().focusSheet(); }
    void sheetChanged() override { w_.estimate().notify(Change::Cells); }
    void recalculateLine(int row) override
    {
        w_.estimate().recalculateLine(row);
        w_.showTotals();
    }
    void focusCustomer() override { w_.header().KNAME->setFocus(Qt::OtherFocusReason); }
    void hideTotalsGrid() override
    {
        if (w_.totalsGrid().isShown())
            w_.totalsGrid().hide();
    }
    void beep() override { QApplication::beep(); }

    bool dropPart(QPoint globalPos, int partRow) override
    {
        auto& e = w_.estimate();
        const int row = dropPartOnSheet(w_.sheet(), e.SG1, e.SG2, partRow, globalPos);
        if (row == 0)
            return false;
        e.notify(Change::Cells);
        // The cursor follows the line it was on, which moved down.
        auto& sheet = w_.sheet();
        sheet.setCurrentCell(sheet.currentCol(), std::min(sheet.currentGridRow() + 1, e.SG1.rowCount() - 1));
        return true;
    }
    bool sheetLineDragged() const override { return lineDrag && lineDrag->dragging(); }
    void endSheetLineDrag() override
    {
        if (lineDrag)
            lineDrag->end();
    }

    LineDragSource* lineDrag = nullptr;

private:
    TYorozu& w_;
};

} // namespace

PartsPanel* installPartsPanel(TYorozu& w, QWidget* client, std::unique_ptr<PartsHost>& keep)
{
    auto host = std::make_unique<WindowPartsHost>(w);
    const auto& st = w.state();
    PartsPanel::Start start;
    start.autoClose = st.settings.partsAutoOpen;
    start.insertMode = st.settings.partsInsertMode;
    start.barWidth = startupPartsBarWidth(w.programDir());
    auto* panel = new PartsPanel(client, w.estimate(), w.dialogs(), w.programDir(), *host, w.state().colors.values,
                                 start);
    panel->setDefaultPageCaptions(st.partsCaptions);

    auto& hooks = w.hooks();
    w.commands().set(Command::PartsPanel, [panel] { panel->SpeedButton23Click(); });
    hooks.partsSave = [panel] { panel->BUHIN_KAKIDASI(); };
    hooks.partsReset = [panel] { panel->resetAfterSettings(); };

    auto& editor = w.sheetEditor();
    editor.partsPanelInUse = [panel] { return panel->inUse(); };
    editor.handToParts = [panel](bool fromNumeric) { return panel->takeOverFromSheet(fromNumeric); };
    editor.partsHasFocus = [panel] { return panel->hasFocus(); };
    editor.partsWheel = [panel](int step) { panel->wheel(step); };

    // A line of the sheet dragged off its text editor onto the grid.
    WindowPartsHost* h = host.get();
    h->lineDrag = new LineDragSource(
        editor.Edit1, [panel] { return panel->isShown(); }, [] { QApplication::beep(); },
        [&w, panel](QPoint at) { panel->dropSheetLine(at, w.sheet().currentGridRow()); });
    keep = std::move(host);
    return panel;
}

} // namespace yorozu
