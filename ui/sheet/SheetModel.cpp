#include "ui/sheet/SheetModel.h"

#include "core/document/Estimate.h"
#include "core/calc/Numbers.h"
#include "ui/colors/WinColor.h"

#include <QBrush>
#include <QColor>

#include <cmath>
#include <cstdlib>

namespace yorozu {

namespace {

bool isNumberColumn(int col, const Estimate& e, SheetModel::Look look)
{
    switch (col) {
    case col::Quantity:
    case col::UnitPrice:
    case col::CostPrice:
    case col::Amount:
    case col::CostTotal:
        return true;
    case col::Memo:
        // The totals grid keeps the gross profit there.
        return look == SheetModel::Look::Totals || e.memoMode == MemoMode::Numeric;
    default:
        return false;
    }
}

bool looksNumeric(const std::string& s)
{
    if (s.empty())
        return false;
    char* end = nullptr;
    std::strtod(s.c_str(), &end);
    return end && *end == '\0';
}

// "##0.0" followed by "%": one decimal, half away from zero.
QString percentText(const std::string& s)
{
    if (s.empty())
        return {};
    if (!looksNumeric(s))
        return QString::fromStdString(s);
    const double v = std::strtod(s.c_str(), nullptr);
    const double r = std::round(std::abs(v) * 10.0) / 10.0;
    return (v < 0 && r != 0 ? QStringLiteral("-") : QString()) + QString::number(r, 'f', 1) + QStringLiteral("%");
}

} // namespace

QString screenText(const std::string& text)
{
    QString s = QString::fromStdString(text);
    s.replace(QLatin1Char('\\'), QChar(0x00A5));
    return s;
}

SheetModel::SheetModel(Estimate& estimate, StringGrid& grid, Look look, const Colors& colors, QObject* parent)
    : QAbstractTableModel(parent), estimate_(estimate), grid_(grid), look_(look), colors_(colors),
      rows_(grid.rowCount() - 1)
{
}

int SheetModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows_;
}

int SheetModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : grid_.colCount();
}

QString SheetModel::displayText(int col, int gridRow) const
{
    const std::string& text = grid_.cell(col, gridRow);
    if (col == col::Rate)
        return percentText(text);
    if (isNumberColumn(col, estimate_, look_)) {
        if (text.empty())
            return {};
        if (!looksNumeric(text))
            // A numeric memo that is no number is not shown; other cells show their raw text.
            return col == col::Memo ? QString() : screenText(text);
        return QString::fromStdString(STR_COMMA(text, estimate_.editorDecimals));
    }
    return screenText(text);
}

QVariant SheetModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int col = index.column();
    const int gridRow = index.row() + 1;
    switch (role) {
    case Qt::DisplayRole:
        return displayText(col, gridRow);
    case Qt::EditRole:
        return QString::fromStdString(grid_.cell(col, gridRow));
    case Qt::BackgroundRole:
        return background(col, gridRow);
    case Qt::ForegroundRole:
        return foreground(col, gridRow);
    case Qt::TextAlignmentRole:
        return alignment(col);
    default:
        return {};
    }
}

QVariant SheetModel::background(int col, int gridRow) const
{
    if (col == col::No)
        return QBrush(look_ == Look::Totals ? QColor(0, 255, 255) : fromWinColor(colors_[look_ == Look::Parts ? 4 : 1]));
    if (look_ == Look::Totals) {
        if (grid_.cell(col::TaxExempt, gridRow) == "1")
            return QBrush(QColor(0, 255, 0));
        return QBrush(gridRow % 2 == 0 ? QColor(209, 211, 254) : QColor(Qt::white));
    }
    if (col == col::Cyu)
        return QBrush(QColor(157, 255, 255));
    if (col == col::Dai || col == col::Syo)
        return QBrush(Qt::white);
    if (grid_.cell(col::TaxExempt, gridRow) == "1")
        return QBrush(QColor(0, 255, 0));
    if (gridRow % 2 == 0)
        return QBrush(fromWinColor(colors_[look_ == Look::Parts ? 5 : 2]));
    return QBrush(Qt::white);
}

QVariant SheetModel::foreground(int col, int gridRow) const
{
    if (isNumberColumn(col, estimate_, look_)) {
        const std::string& t = grid_.cell(col, gridRow);
        if (t.find('.') != std::string::npos)
            return QBrush(QColor(255, 0, 255));
        if (!t.empty() && t[0] == '-')
            return QBrush(QColor(255, 0, 0));
    }
    static const int fontSlots[StringGrid::kColumns] = {3, 9, -1, -1, -1, -1, 10, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20};
    if ((col >= 2 && col <= 5) || (col == col::No && look_ == Look::Totals))
        return QBrush(QColor(0, 0, 128));
    const int slot = fontSlots[col];
    return QBrush(fromWinColor(colors_[static_cast<size_t>(slot)]));
}

QVariant SheetModel::alignment(int col) const
{
    if ((col >= col::Dai && col <= 5) || col == col::Unit || col == col::No || col == col::Rate)
        return QVariant::fromValue(Qt::AlignHCenter | Qt::AlignVCenter);
    if (isNumberColumn(col, estimate_, look_))
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
}

QVariant SheetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal) {
        if (role == Qt::DisplayRole)
            return screenText(grid_.cell(section, 0));
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(Qt::AlignCenter);
        return {};
    }
    if (role == Qt::DisplayRole)
        return section + 1;
    return {};
}

void SheetModel::cellsChanged()
{
    const int rows = grid_.rowCount() - 1;
    if (rows > rows_) {
        beginInsertRows({}, rows_, rows - 1);
        rows_ = rows;
        endInsertRows();
    } else if (rows < rows_) {
        beginRemoveRows({}, rows, rows_ - 1);
        rows_ = rows;
        endRemoveRows();
    }
    if (rows_ > 0)
        emit dataChanged(index(0, 0), index(rows_ - 1, columnCount() - 1));
}

void SheetModel::rowChanged(int gridRow)
{
    if (gridRow < 1 || gridRow > rows_)
        return;
    emit dataChanged(index(gridRow - 1, 0), index(gridRow - 1, columnCount() - 1));
}

void SheetModel::headingsChanged()
{
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

} // namespace yorozu
