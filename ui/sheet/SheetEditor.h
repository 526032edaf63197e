#pragma once

#include "core/calc/Enzan.h"
#include "ui/sheet/SheetEditRules.h"

#include <QColor>
#include <QObject>
#include <QPointer>

#include <filesystem>
#include <functional>
#include <memory>

class QComboBox;
class QKeyEvent;
class QFrame;
class QLabel;
class QMenu;
class QTableView;
class QWidget;

namespace yorozu {

class Dialogs;
class Estimate;
class TLeftEdit;
class TSaNumEdit;

// The in-place editing of the sheet SG1. The sheet never edits its own
// cells: a text editor, a numeric editor and a unit combo float over the
// current cell, write every change straight into the cell and move the
// cursor on with the keys a clerk types without taking the mouse.
//
// The sheet is a table view whose model row r shows grid row r + 1 (the
// headings sit in the horizontal header) and whose column c is grid column
// c. The editors are children of its viewport. After every write the
// cellsChanged callback tells the model which grid row to repaint; 0 means
// the whole sheet, whose row count may have grown.
class SheetEditor : public QObject {
    Q_OBJECT
public:
    using CellsChanged = std::function<void(int gridRow)>;

    // `unitList` is an existing unit combo to lay over the cells (the
    // window's CB1, which keeps its pick list); without one the editor makes
    // its own and fills it from "Tani.LST" of the program folder.
    SheetEditor(QTableView* sheet, Estimate& estimate, std::filesystem::path programDir, Dialogs& dialogs,
                CellsChanged cellsChanged, QComboBox* unitList = nullptr);
    // Delete the editor before the sheet and the widgets it watches: their
    // events still reach it while they are being taken down.
    ~SheetEditor() override;

    // ---- the floating controls
    QFrame* EditP = nullptr;
    TLeftEdit* Edit1 = nullptr;
    QFrame* NumP = nullptr;
    TSaNumEdit* NumEdit1 = nullptr;
    QComboBox* CB1 = nullptr;
    QLabel* SIKI = nullptr;
    // The context menu of the sheet and both editors (the window adds its
    // row commands to it), and that of the unit combo.
    QMenu* PopupMenu1 = nullptr;
    QMenu* PopupMenu2 = nullptr;

    // ---- what other rooms plug in
    // The parts panel: whether it is in use, and handing the focus to it at
    // the end of a line, giving back the control that took the focus (none:
    // the sheet keeps it). From the text editor the 部品 command runs; from
    // the numeric editor the parts grid is shown.
    std::function<bool()> partsPanelInUse;
    std::function<QWidget*(bool fromNumeric)> handToParts;
    // The wheel while the parts grid or one of its editors holds the focus;
    // the argument is +1 for the next row, -1 for the previous one.
    std::function<bool()> partsHasFocus;
    std::function<void(int step)> partsWheel;
    // Every key pressed in the window, before the editors act on it (they
    // may take it for themselves): the window notes Esc and Shift.
    std::function<void(const QKeyEvent&)> keySeen;
    // The system beep ("非課税マーク"); tests count it.
    std::function<void()> beep;
    // The editor colour of the display settings, read whenever an editor
    // opens (the settings may have changed it).
    std::function<QColor()> editorColor;

    // ---- state
    Enzan& enzan() { return enzan_; }
    int currentCol() const;
    int currentRow() const;
    SheetEditorKind openEditor() const;

    // Places, loads and shows one editor over a cell, hiding the other two.
    // The focus does not move.
    void INP_EDIT(int col, int row);
    void INP_NUMERIC(int col, int row);
    void INP_CB1(int col, int row);
    // Hides all three (before a command that rebuilds the sheet).
    void hideEditors();
    // Drops a pending in-cell operation with its label and takes every
    // editor down: after a clear nothing typed before it may reach the new
    // estimate.
    void cancelEditing();
    // Loads the open editor again from its cell, after a command rewrote the
    // cell under it (row commands, loading an estimate); none is opened.
    void reloadOpenEditor();

    // The cursor to a cell and the focus to the sheet, which opens the
    // column's editor and gives it the focus (the sheet keeps it on the
    // computed columns).
    void moveTo(int col, int row);
    void focusSheet();

    // In-cell arithmetic completed into the current cell / into the cell it
    // started on (after a mouse press moved the cursor). False when a pending
    // operation could not complete (a division by zero): it stays pending
    // and the caller stops.
    bool ENZAN();
    bool ENZAN2();
    // Home and End of the window: the first or last row, column 1.
    void FormKeyDown(bool home);

    // ---- cell commands of the context menu
    void N7Click();  // "セルコピー"
    void N9Click();  // "セル貼り付け"
    void N12Click(); // "セル削除"
    void N54Click(); // "非課税マーク"
    // ---- unit list commands
    void N3Click(); // "単位登録"
    void N4Click(); // "単位削除"

    // The editor colour of the display settings.
    void setEditorColor(const QColor& color);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls(QComboBox* unitList);
    void buildMenus();
    void loadUnitList();

    // Opening from the sheet: the column's editor over the current cell.
    void openForCurrent(bool giveFocus);
    void placeOpenEditor();
    void showOnly(QWidget* shown, QWidget* focusTarget);
    void fitTextEditor(bool fromChange);
    QRect cellRect(int col, int row) const;
    void setCurrent(int col, int row);
    // Applies a move of the rules: appends the row, moves the cursor, and
    // either keeps the open editor on the new cell or focuses the sheet.
    void applyMove(const CellMove& move, SheetEditorKind keep);
    // The end of a line: the parts panel takes over when it is in use.
    void finishLine(bool fromNumeric);
    void written(int row);
    // The line left as it was by Esc or Backspace is put right once the
    // cursor or the focus leaves it.
    void settleStaleLine();
    // After a command outside the editors rewrote the sheet (row commands,
    // loading, pasting), the open editor shows its cell again, so that the
    // next keystroke does not write an old text into a shifted row.
    void syncOpenEditor();

    // Editor events.
    void Edit1Change();
    bool Edit1KeyDown(int key, Qt::KeyboardModifiers modifiers);
    bool Edit1KeyPress(const QString& text);
    void NumEdit1Change();
    void NumEdit1KeyDown(int& key, Qt::KeyboardModifiers modifiers);
    void NumEdit1KeyPress(QChar& ch);
    void CB1Change();
    bool CB1KeyDown(int key, Qt::KeyboardModifiers modifiers);
    bool SG1KeyDown(int key, Qt::KeyboardModifiers modifiers, const QString& text);
    bool FormMouseWheel(QWidget* target, int angleDelta);
    bool keyEvent(QObject* watched, QKeyEvent* event);
    // Tab and Shift+Tab: the next / previous shown cell of the line, on to
    // the next line at its end.
    bool tabMove(bool forward);
    void showSiki();
    Enzan::EditorEcho editorEcho();

    QTableView* sheet_;
    // Kept apart from the sheet: its events still arrive while the sheet is being destroyed.
    QWidget* viewport_;
    Estimate& estimate_;
    std::filesystem::path programDir_;
    Dialogs& dialogs_;
    CellsChanged cellsChanged_;
    Enzan enzan_;
    QColor editorColor_{255, 255, 0};
    int editCol_ = 0; // the cell the open editor serves
    int editRow_ = 0;
    bool loading_ = false;   // an editor is being loaded: its change is no edit
    bool moving_ = false;    // our own cursor move: the sheet does not reopen
    bool mouseDown_ = false; // between press and release on the sheet
    int staleRow_ = 0;       // a row whose numeric cell was emptied without recalculation
    int wheelRest_ = 0;      // wheel angle not yet turned into a row
    bool ctrlAlone_ = false; // Ctrl is down in the unit combo and no other key came yet
    QObject* windowFilter_ = nullptr;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true); // the document's listener outlives us
};

} // namespace yorozu
