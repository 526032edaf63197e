#pragma once

#include <QLineEdit>

namespace yorozu {

// A single-line edit whose text alignment is fixed to the centred: position fields and the preview's page field.
class TCenterEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TCenterEdit(QWidget* parent = nullptr);
};

} // namespace yorozu
