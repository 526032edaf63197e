#pragma once

#include <QObject>
#include <QPoint>

#include <functional>

class QTableView;
class QWidget;

namespace yorozu {

class StringGrid;

// The sheet's side of moving lines between the sheet and the parts grid.

// The data row of the sheet under a screen position; 0 over the headings or
// outside the cells.
int sheetRowAt(const QTableView& sheet, QPoint globalPos);

// A part dropped onto the sheet (DRAG_DROP): inserted as a new row at the
// data row under the position. The row, or 0 when the position is on no
// data row (nothing changes then).
int dropPartOnSheet(const QTableView& sheet, StringGrid& SG1, const StringGrid& SG2, int partRow, QPoint globalPos);

// Starts a drag of a line from a control of the sheet (its text editor): a
// move of more than 5 pixels with the left button held, while `allowed`
// says so, beeps and puts the control into its automatic drag mode; the
// release hands the screen position to `dropped`. The control keeps working
// as before otherwise.
class LineDragSource : public QObject {
    Q_OBJECT
public:
    LineDragSource(QWidget* source, std::function<bool()> allowed, std::function<void()> started,
                   std::function<void(QPoint globalPos)> dropped);

    bool dragging() const { return dragging_; }
    // The drag mode back to manual (after a drop, or when the drag ends).
    void end();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* source_;
    std::function<bool()> allowed_;
    std::function<void()> started_;
    std::function<void(QPoint)> dropped_;
    QPoint press_;
    bool pressed_ = false;
    bool dragging_ = false;
};

} // namespace yorozu
