#pragma once

#include <QWidget>

#include <optional>

class QToolButton;

namespace yorozu {

class TSaNumEdit;

// A whole-number field of the settings dialog: the program's numeric edit
// with spin buttons beside it (and the Up and Down keys doing the same),
// kept within its range. A value typed beyond the range is brought back to
// it when the field is left.
class NumberField final : public QWidget {
    Q_OBJECT
public:
    NumberField(int lowest, int highest, QWidget* parent = nullptr);

    // Nothing while the field is empty.
    std::optional<int> value() const;
    // The value within the range, `whenEmpty` (brought into the range) while empty.
    int valueOr(int whenEmpty) const;
    void setValue(int value);
    void setEmpty();
    int lowest() const { return lowest_; }
    int highest() const { return highest_; }
    TSaNumEdit* edit() const { return edit_; }

    void stepBy(int steps);

private:
    int clamp(int value) const;

    int lowest_, highest_;
    TSaNumEdit* edit_;
    QToolButton* up_;
    QToolButton* down_;
};

} // namespace yorozu
