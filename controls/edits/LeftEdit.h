#pragma once

#include <QLineEdit>

namespace yorozu {

// A single-line edit whose text alignment is fixed to the left: the sheet's and the parts grid's text editors.
class TLeftEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TLeftEdit(QWidget* parent = nullptr);
};

} // namespace yorozu
