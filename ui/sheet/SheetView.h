#pragma once

#include <QTableView>

namespace yorozu {

class SheetModel;
class StringGrid;

// The sheet SG1 on screen: a table view over the sheet model with the
// grid's row height and column widths (a width of -1, or 0, hides the
// column), a vertical scroll bar only, and a current cell addressed as the
// grid addresses it (column, grid row from 1). The floating editors of the
// sheet are laid over the current cell's rectangle (cellRect) later; the
// view itself never edits.
class SheetView : public QTableView {
    Q_OBJECT
public:
    SheetView(SheetModel& model, QWidget* parent = nullptr);

    // Applies the grid's widths and row height to the view.
    void applyWidths();
    // Colours of the fixed cells (the header row and the row-number column).
    void setFixedColors(const QColor& fill, const QColor& text);

    int currentCol() const;
    int currentGridRow() const;
    void setCurrentCell(int col, int gridRow);
    // The rectangle of a cell in viewport coordinates, for an editor laid over it.
    QRect cellRect(int col, int gridRow) const;

signals:
    void currentCellChanged(int col, int gridRow);

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    StringGrid& grid_;
    SheetModel& model_;
    bool applying_ = false;
};

} // namespace yorozu
