#pragma once

#include <QLineEdit>

namespace yorozu {

// A single-line edit whose text alignment is fixed to the right: the grand-total field.
class TRightEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TRightEdit(QWidget* parent = nullptr);
};

} // namespace yorozu
