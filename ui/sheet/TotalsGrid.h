#pragma once

#include <QObject>

#include <array>
#include <cstdint>

class QWidget;

namespace yorozu {

class Estimate;
class SheetModel;
class SheetView;

// The totals grid SG_KEI on screen: hidden until the 集計 command shows it
// over the sheet; a right-button release or Esc closes it and gives the
// focus back to the sheet.
class TotalsGrid : public QObject {
    Q_OBJECT
public:
    TotalsGrid(Estimate& estimate, const std::array<std::int32_t, 21>& colors, QWidget* parent, QWidget* sheet);

    void show();
    void hide();
    bool isShown() const;
    SheetView& view() { return *view_; }
    SheetModel& model() { return *model_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Estimate& estimate_;
    SheetModel* model_;
    SheetView* view_;
    QWidget* sheet_;
};

} // namespace yorozu
