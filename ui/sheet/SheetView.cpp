#include "ui/sheet/SheetView.h"

#include "core/document/StringGrid.h"
#include "ui/sheet/SheetDelegate.h"
#include "ui/sheet/SheetModel.h"

#include <QHeaderView>

namespace yorozu {

SheetView::SheetView(SheetModel& model, QWidget* parent) : QTableView(parent), grid_(model.grid()), model_(model)
{
    setModel(&model_);
    setItemDelegate(new SheetDelegate(this));
    verticalHeader()->hide();
    // Fixed-size rows keep a ten-thousand-row sheet as cheap as a short one.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setFixedHeight(grid_.defaultRowHeight() + 1);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setWordWrap(false);
    setTabKeyNavigation(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Highlight, QColor(0, 255, 255));
    pal.setColor(QPalette::HighlightedText, Qt::black);
    setPalette(pal);
    // The user's width changes belong to the document: the profiles save them.
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int section, int, int newSize) {
        if (!applying_ && newSize > 0)
            grid_.setColWidth(section, newSize);
    });
    applyWidths();
}

void SheetView::applyWidths()
{
    applying_ = true;
    verticalHeader()->setDefaultSectionSize(grid_.defaultRowHeight());
    for (int c = 0; c < grid_.colCount(); ++c) {
        const int w = grid_.colWidth(c);
        if (w <= 0) {
            setColumnHidden(c, true);
        } else {
            setColumnHidden(c, false);
            setColumnWidth(c, w);
        }
    }
    applying_ = false;
}

void SheetView::setFixedColors(const QColor& fill, const QColor& text)
{
    horizontalHeader()->setStyleSheet(QStringLiteral("QHeaderView::section { background-color: %1; color: %2; "
                                                     "border: 0px; border-right: 1px solid #606060; "
                                                     "border-bottom: 1px solid #606060; padding: 0px; }")
                                          .arg(fill.name(), text.name()));
}

int SheetView::currentCol() const
{
    const auto i = currentIndex();
    return i.isValid() ? i.column() : 1;
}

int SheetView::currentGridRow() const
{
    const auto i = currentIndex();
    return i.isValid() ? i.row() + 1 : 1;
}

void SheetView::setCurrentCell(int col, int gridRow)
{
    const auto i = model_.index(gridRow - 1, col);
    if (!i.isValid())
        return;
    setCurrentIndex(i);
    scrollTo(i);
}

QRect SheetView::cellRect(int col, int gridRow) const
{
    return visualRect(model_.index(gridRow - 1, col));
}

void SheetView::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    if (current.isValid())
        emit currentCellChanged(current.column(), current.row() + 1);
}

} // namespace yorozu
