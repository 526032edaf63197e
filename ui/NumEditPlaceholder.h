#pragma once

#include <QLineEdit>

namespace yorozu {

// Stand-in for the numeric edit control of `KAKERITU` and `MARUME` until the
// control itself is in the tree: a right-aligned line edit that takes digits
// and one decimal point within the given integer and decimal lengths.
class NumEditPlaceholder : public QLineEdit {
    Q_OBJECT
public:
    NumEditPlaceholder(int integerDigits, int decimals, QWidget* parent = nullptr);
};

} // namespace yorozu
