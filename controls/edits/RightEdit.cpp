#include "controls/edits/RightEdit.h"

namespace yorozu {

TRightEdit::TRightEdit(QWidget* parent)
    : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

} // namespace yorozu
