#pragma once

#include "files/parts/PartsCatalogue.h"
#include "files/parts/PartsFiles.h"

#include <QObject>
#include <QPoint>

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

class QFrame;
class QLabel;
class QMenu;
class QToolButton;
class QWidget;

namespace yorozu {

class Dialogs;
class Estimate;
class PartsHost;
class SheetModel;
class SheetView;
class TLeftEdit;
class TSaNumEdit;

// The parts panel beside the sheet: the parts grid SG2 of the estimate, the
// department bar "大分類" and the page bar "小分類" above it, the grid's two
// floating editors and its mode buttons. It reads and writes one catalogue
// page at a time and copies parts into the sheet, by key, double-click or
// drag; a sheet line dragged onto the grid becomes a part.
class PartsPanel : public QObject {
    Q_OBJECT
public:
    using Colors = std::array<std::int32_t, 21>;

    // The settings the panel starts with ("SET2.INI").
    struct Start {
        bool autoClose = true;   // "[Pin]="
        bool insertMode = true;  // "[INS_MODE]="
        int barWidth = 997;      // from "[分類幅]="
    };

    PartsPanel(QWidget* client, Estimate& estimate, Dialogs& dialogs, std::filesystem::path programDir,
               PartsHost& host, const Colors& colors, Start start);
    ~PartsPanel() override;

    // ---- controls
    SheetView* SG2 = nullptr;
    QFrame* BUMON_Bar = nullptr;
    QFrame* BUHIN_Bar = nullptr;
    std::array<QToolButton*, kPartsDepartments> BUMON_BTN{};
    std::array<QToolButton*, kPartsPages> BUHIN_BTN{};
    QToolButton* AUTOBTN = nullptr;
    QToolButton* KIRIKAE_BTN = nullptr;
    QToolButton* INSBTN = nullptr;
    QToolButton* SpeedButton24 = nullptr; // default widths
    QFrame* EditP2 = nullptr;
    TLeftEdit* Edit2 = nullptr;
    QFrame* NumP2 = nullptr;
    TSaNumEdit* NumEdit2 = nullptr;
    QMenu* PopupMenu = nullptr; // the grid's menu; the editors' is the same with their placing

    // ---- commands
    void SpeedButton23Click();              // "部品": open or close
    void BUMON_BTNClick(int k);
    void BUHIN_BTNClick(int k);
    void AUTOBTNClick();
    void INSBTNClick();
    void KIRIKAE_BTNClick();
    void SG1toSG2();                        // the current part into the sheet's current row
    void N35Click();                        // "行挿入"
    void N36Click();                        // "行削除"
    void N37Click();                        // "行複写"
    void N38Click();                        // "行貼り付け"
    void ON1Click();                        // "編集モードON"
    void OFF1Click();                       // "編集モードOFF"
    void N73Click();                        // "部品ソート"
    void N46Click();                        // "セル幅設定保存（起動用）"
    void N48Click();                        // "セル幅設定呼出（起動用）"
    void SpeedButton24Click();              // default widths
    // The shape box changed: the grid shows its new widths.
    void shapeChanged();

    // ---- what the window asks
    bool inUse() const { return inUse_; }
    bool isShown() const;
    bool hasFocus() const;                  // the grid or one of its editors
    bool autoClose() const { return autoClose_; }
    bool insertMode() const { return insertMode_; }
    int barWidth() const { return barWidth_; }
    bool editMode() const { return editMode_; }
    const PartsCatalogue& catalogue() const { return catalogue_; }
    const PartsCaptions& captions() const { return captions_; }
    // The end of a sheet line while the panel is in use: from the text
    // editor the 部品 command runs, from the numeric editor the grid is
    // shown; the control that took the focus, or none.
    QWidget* takeOverFromSheet(bool fromNumeric);
    // The wheel while the grid has the focus.
    void wheel(int step);
    // The seven page captions of the company settings, shown until the
    // first opening reads the page list (and again after a reset).
    void setDefaultPageCaptions(const std::array<std::string, 7>& captions);
    // The page shown, written at shutdown; throws when it cannot be written.
    void BUHIN_KAKIDASI();
    // After the settings dialog: hidden, nothing loaded.
    void resetAfterSettings();
    // A sheet line released over the screen position: registered as a part
    // when it is over a data row of the grid.
    bool dropSheetLine(QPoint globalPos, int sheetRow);
    // Places the panel on the window's right side.
    void place();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildGrid(QWidget* client);
    void buildBars(QWidget* client);
    void buildEditors();
    void buildMenu();
    void layOutBars();
    void showPanel();
    void hidePanel();
    void refreshCaptions();
    void pressButtons();
    void afterSwitch(const PartsCatalogue::Step& step);
    void gridChanged();
    int currentRow() const;
    int currentCol() const;
    void setCurrent(int col, int row);
    // Copies by key and by double-click.
    void copyByKey();
    void copyByDoubleClick();
    bool gridKey(int key, Qt::KeyboardModifiers modifiers);
    void enterMove();
    // Editing.
    void setEditMode(bool on);
    void openEditor();
    void hideEditors();
    void placeEditor();
    void Edit2Change();
    void NumEdit2Change();
    bool Edit2KeyDown(int key);
    bool NumEdit2KeyDown(int key);
    void editorMove(int col, int row);
    void rowStep(int rows);
    // Drags.
    bool gridMouse(QEvent* event);
    bool barMouse(QFrame* bar, QEvent* event);
    void report(const PartsCatalogue::Step& step);

    Estimate& estimate_;
    Dialogs& dialogs_;
    std::filesystem::path programDir_;
    PartsHost& host_;
    const Colors& colors_;
    SheetModel* model_ = nullptr;
    PartsCatalogue catalogue_;
    PartsCaptions captions_;
    QLabel* BUMON_Caption = nullptr;
    QLabel* BUHIN_Caption = nullptr;
    bool inUse_ = false;
    bool autoClose_ = true;
    bool insertMode_ = true;
    bool editMode_ = false;
    bool gridEditing_ = true;  // the grid's own editing flag
    int barWidth_ = 997;
    int editCol_ = 0;
    int editRow_ = 0;
    bool loading_ = false;
    // The drag of a part off the grid: where the press was, and whether the
    // drag has started (the grid's automatic drag mode).
    QPoint pressPos_;
    bool pressed_ = false;
    bool dragging_ = false;
    // The drag of a bar.
    QPoint barPress_;
};

} // namespace yorozu
