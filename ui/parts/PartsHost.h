#pragma once

#include <QPoint>

namespace yorozu {

// What the parts panel needs of the window around it: the sheet's cursor
// and focus, its repaint after the panel changed rows, the line
// recalculation, and the places a dragged part may land.
class PartsHost {
public:
    virtual ~PartsHost() = default;

    virtual int sheetCol() const = 0;
    virtual int sheetRow() const = 0;
    // The cursor to a cell without moving the focus / with the focus to the
    // sheet, which opens the cell's editor.
    virtual void setSheetCursor(int col, int row) = 0;
    virtual void moveSheetCursor(int col, int row) = 0;
    virtual void focusSheet() = 0;
    // After the panel rewrote rows of the sheet: repaint, and the open editor
    // shows its cell again.
    virtual void sheetChanged() = 0;
    virtual void recalculateLine(int row) = 0;
    virtual void focusCustomer() = 0;  // the customer box KNAME
    virtual void hideTotalsGrid() = 0;
    virtual void beep() = 0;

    // A part dragged off the grid and released at a screen position; true
    // when the sheet took it.
    virtual bool dropPart(QPoint globalPos, int partRow) = 0;
    // Whether a line of the sheet is being dragged (the sheet or one of its
    // editors in automatic drag mode), its row, and the end of that drag.
    virtual bool sheetLineDragged() const = 0;
    virtual void endSheetLineDrag() = 0;
};

} // namespace yorozu
