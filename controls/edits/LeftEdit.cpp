#include "controls/edits/LeftEdit.h"

namespace yorozu {

TLeftEdit::TLeftEdit(QWidget* parent)
    : QLineEdit(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

} // namespace yorozu
