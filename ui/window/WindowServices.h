#pragma once

class QWidget;

namespace yorozu {

// What a room asks of the window it sits in, and nothing more: repaint and
// focus the sheet, the current row, the wait cursor, the progress bar and
// the full recalculation with its totals on screen. The window implements
// it; a test can give a room a recorder instead.
class WindowServices {
public:
    // The sheet's cells after a change the document's notices do not describe.
    virtual void repaintSheet() = 0;
    virtual void focusSheet() = 0;
    // The sheet's current row (1 is the first data row).
    virtual int currentRow() const = 0;
    virtual void setWaitCursor(bool on) = 0;
    // Shows the progress bar at a position out of a maximum and lets pending
    // window events run, so the bar repaints and Esc reaches the window.
    virtual void showProgress(int position, int maximum) = 0;
    virtual void hideProgress() = 0;
    // The full recalculation, its results shown in the header and the status bar.
    virtual void recalculateAll() = 0;
    // Parent for a room's own widgets, menus and windows.
    virtual QWidget* widget() = 0;

    virtual ~WindowServices() = default;
};

} // namespace yorozu
