#pragma once

#include "core/document/Estimate.h"
#include "ui/window/CommandHooks.h"
#include "ui/window/CommandTable.h"
#include "ui/app/Desktop.h"
#include "ui/window/RoomContext.h"
#include "ui/window/WindowServices.h"
#include "ui/window/WindowState.h"

#include <QMainWindow>

#include <filesystem>
#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QTimer;

namespace yorozu {

class Browser;
class BrowserHost;
class Dialogs;
class FunctionKeys;
class HeaderFields;
class OptionControls;
class PartsHost;
class PartsPanel;
class PickListCommands;
class SheetEditor;
class SheetModel;
class RowRoom;
class PrintRoom;
class SettingsRoom;
class SheetView;
class StatusPanels;
class ToolBar;
class TotalsGrid;
class WindowKeys;

// The main window. It shows and edits the estimate it owns; the estimate's
// own rules live in the document. Every command of the window is an entry
// point here that hands the work to the room it belongs to. A room is given
// a RoomContext (roomContext()), never the window.
class TYorozu : public QMainWindow, public WindowServices {
    Q_OBJECT
public:
    // Construction runs the start-up sequence on the program folder. An
    // empty desktop stands for the one the window is shown on.
    TYorozu(std::filesystem::path programDir, Dialogs& dialogs, Desktop desktop = {}, QWidget* parent = nullptr);
    ~TYorozu() override;

    // ---- what the rooms are given
    RoomContext roomContext();

    // ---- WindowServices
    void repaintSheet() override;
    void focusSheet() override;
    int currentRow() const override;
    void setWaitCursor(bool on) override;
    void showProgress(int position, int maximum) override;
    void hideProgress() override;
    void recalculateAll() override;
    QWidget* widget() override { return this; }

    // ---- the window's own parts, for its own files and the tests
    Estimate& estimate() { return estimate_; }
    Dialogs& dialogs() { return dialogs_; }
    const Desktop& desktop() const { return desktop_; }
    const std::filesystem::path& programDir() const { return programDir_; }
    WindowState& state() { return state_; }
    CommandTable& commands() { return commands_; }
    CommandHooks& hooks() { return hooks_; }
    HeaderFields& header() { return *header_; }
    OptionControls& options() { return *options_; }
    FunctionKeys& keys() { return *keys_; }
    StatusPanels& status() { return *status_; }
    SheetView& sheet() { return *sheet_; }
    SheetEditor& sheetEditor() { return *sheetEditor_; }
    SheetModel& sheetModel() { return *sheetModel_; }
    ToolBar& toolBar() { return *toolBar_; }
    PickListCommands& pickLists() { return *pickLists_; }
    SettingsRoom& settingsRoom() { return *settingsRoom_; }
    RowRoom& rowRoom() { return *rowRoom_; }
    TotalsGrid& totalsGrid() { return *totalsGrid_; }
    PartsPanel* partsPanel() { return partsPanel_; }
    Browser& browser() { return *browser_; }
    QComboBox* CB1 = nullptr;   // the unit list of the sheet's unit editor
    QTimer* Timer1 = nullptr;   // the save reminder
    QLabel* DATA_PATH = nullptr;

    // ---- life cycle
    void FormCreate();
    void FormActivate();
    void MUKIClick();
    void FormClose();

    // ---- settings files of the window
    void SET2_YOMIKOMI();
    void SET2_KAKIDASI();
    void SET1_YOMIKOMI(); // "SET.INI", landscape
    void SET3_YOMIKOMI(); // "SET3.INI", portrait
    void COMBO_YOMIKOMI();
    void COMBO_KAKIDASI();
    void BANGOU_CALL();

    // ---- commands
    void SpeedButton4Click();              // exit with questions
    void Exit1Click();                     // exit, Ctrl+1
    void SpeedButton11Click(bool ask = true); // clear
    void N18Click();                       // asks, then clears
    void Timer1Timer();                    // save reminder
    void SpeedButton16Click();             // the manual
    void SpeedButton25Click();             // the web page
    void StaticText16Click();              // wide display
    void SpeedButton12Click();             // totals by classification
    void SpeedButton22Click();             // sheet widths back to the defaults
    void KAKERITU_IKATUClick();            // rate conversion menu
    void N76Click();                       // unit price := cost x multiplier
    void N77Click();                       // unit price := unit price x multiplier
    void MENU_ITEM(std::optional<int> functionKey);
    void runMenuItem(int position);
    void runLabel(int n);

    // Closes the window once an exit command has decided so. Any other close
    // (the title bar's button, the desktop) runs the exit command first.
    void closeForGood();

    // Moves the focus along the tab order, as Enter and Shift+Enter do.
    void moveFocus(bool next) { focusNextPrevChild(next); }

    // The full-recalculation results on screen: TOTALKIN and panels 2 to 7.
    void showTotals();

    static constexpr int kDesignWidth = 1024;
    static constexpr int kDesignHeight = 740;
    // The design height counts the title bar and frame; the client area is what Qt sizes.
    static constexpr int kFrameAllowance = 34;
    // Gives the window an outer height, title bar and frame included.
    void setOuterHeight(int height);
    // Shrinks and moves the window as far as needed to lie inside the
    // desktop's work area (a high-DPI desktop, a small screen, a saved
    // position off screen).
    void fitIntoWorkArea();
    // The sheet's top edge and its least height; below the least window
    // size the window's contents scroll.
    static constexpr int kSheetTop = 185;
    static constexpr int kMinSheetHeight = 110;
    static constexpr int kKeysHeight = 20;      // the function-key label bar
    static constexpr int kKeysBottomMargin = 6; // between the bar and the status bar
    static constexpr int kPathHeight = 18;      // the data folder's line between the sheet and the bar

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWidgets();
    void registerOwnCommands();
    // Lays the window's contents out on its client area: the sheet takes the
    // width and the height it is given, the label bar stays at the bottom.
    void layoutClient();
    void onDocumentChange(Change change);

    std::filesystem::path programDir_;
    Dialogs& dialogs_;
    Desktop desktop_;
    Estimate estimate_;
    WindowState state_;
    CommandTable commands_;
    CommandHooks hooks_;
    ToolBar* toolBar_ = nullptr;
    HeaderFields* header_ = nullptr;
    OptionControls* options_ = nullptr;
    FunctionKeys* keys_ = nullptr;
    StatusPanels* status_ = nullptr;
    SheetModel* sheetModel_ = nullptr;
    SheetView* sheet_ = nullptr;
    SheetEditor* sheetEditor_ = nullptr;
    PickListCommands* pickLists_ = nullptr;
    std::unique_ptr<SettingsRoom> settingsRoom_;
    RowRoom* rowRoom_ = nullptr;
    PrintRoom* printRoom_ = nullptr;
    TotalsGrid* totalsGrid_ = nullptr;
    WindowKeys* windowKeys_ = nullptr;
    std::unique_ptr<PartsHost> partsHost_;
    PartsPanel* partsPanel_ = nullptr;
    bool exitDecided_ = false;
    std::unique_ptr<BrowserHost> browserHost_;
    Browser* browser_ = nullptr;
};

} // namespace yorozu
