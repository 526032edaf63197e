#include "controls/edits/CenterEdit.h"

namespace yorozu {

TCenterEdit::TCenterEdit(QWidget* parent)
    : QLineEdit(parent)
{
    setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
}

} // namespace yorozu
