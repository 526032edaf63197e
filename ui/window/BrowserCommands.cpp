// The browser's room in the window: what it needs of the window, and the
// window's commands that lead to it.
#include "files/estimate/EstimateRead.h"
#include "ui/browser/Browser.h"
#include "ui/browser/BrowserHost.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/sheet/SheetEditor.h"
#include "ui/sheet/SheetView.h"
#include "ui/sheet/TotalsGrid.h"
#include "ui/window/WindowRooms.h"
#include "ui/window/Yorozu1.h"

#include <QLineEdit>

namespace yorozu::browsing {

namespace {

class WindowBrowserHost final : public BrowserHost {
public:
    explicit WindowBrowserHost(TYorozu& w) : w_(w) {}

    void clearEstimate() override { w_.SpeedButton11Click(false); }
    void estimateRead(const EstimateReadResult& result) override
    {
        for (const auto& m : result.messages)
            w_.dialogs().information(QString::fromStdString(m));
        if (result.orientationChanged)
            w_.MUKIClick();
        else
            w_.showTotals();
        if (result.ok)
            w_.sheet().setCurrentCell(result.cursorCol, result.cursorRow);
    }
    void focusSheet() override { w_.sheetEditor().focusSheet(); }
    void setSheetCursor(int col, int row) override { w_.sheet().setCurrentCell(col, row); }
    void hideTotalsGrid() override
    {
        w_.estimate().SG_KEI_visible = false;
        w_.totalsGrid().hide();
    }

private:
    TYorozu& w_;
};

} // namespace

std::unique_ptr<BrowserHost> makeHost(TYorozu& w)
{
    return std::make_unique<WindowBrowserHost>(w);
}

void attach(TYorozu& w, Browser& b)
{
    auto& c = w.commands();
    c.set(Command::FilePanel, [&b] { b.SpeedButton3Click(); });
    c.set(Command::BrowseFirst, [&b] { b.SpeedButton7Click(); });
    c.set(Command::BrowsePrevious, [&b] { b.SpeedButton8Click(); });
    c.set(Command::BrowseNext, [&b] { b.SpeedButton9Click(); });
    c.set(Command::BrowseLast, [&b] { b.SpeedButton10Click(); });
    c.set(Command::Search, [&b] { b.SpeedButton19Click(); });
    auto& h = w.hooks();
    h.savedFile = [&b] { b.savedFile(); };
    h.selectLastFile = [&w, &b] {
        b.NETPATH->setText(QString::fromStdString(w.state().settings.NETPATH));
        b.selectLastFile();
    };
}

} // namespace yorozu::browsing
