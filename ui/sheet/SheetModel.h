#pragma once

#include <QAbstractTableModel>

#include <array>
#include <cstdint>

namespace yorozu {

class Estimate;
class StringGrid;

// A sheet grid as a table model (SG1, the totals grid SG_KEI or the parts
// grid SG2, each with its own look): model row r is grid row r + 1 (row 0 of
// the grid holds the headings, shown in the horizontal header), model column
// c is grid column c (column 0 the row numbers). Cells are read from the
// grid on demand, so a sheet of ten thousand rows costs what the visible
// part costs. The model never writes cells: the editors do, through the
// document, and the document's change notices come back here.
class SheetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using Colors = std::array<std::int32_t, 21>;
    enum class Look { Sheet, Totals, Parts };

    SheetModel(Estimate& estimate, StringGrid& grid, Look look, const Colors& colors, QObject* parent = nullptr);

    StringGrid& grid() const { return grid_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // After the cells changed: repaints, and follows a changed row count.
    void cellsChanged();
    // After one row changed (the editors' write-through).
    void rowChanged(int gridRow);
    // After the headings changed.
    void headingsChanged();

    // Display text of a grid cell as the sheet shows it.
    QString displayText(int col, int gridRow) const;

private:
    QVariant background(int col, int gridRow) const;
    QVariant foreground(int col, int gridRow) const;
    QVariant alignment(int col) const;

    Estimate& estimate_;
    StringGrid& grid_;
    Look look_;
    const Colors& colors_;
    int rows_;
};

// The grid text as the screen shows it: the IPA faces draw "\" as a
// backslash, so the yen sign the program stores as "\" is shown as "¥".
QString screenText(const std::string& text);

} // namespace yorozu
