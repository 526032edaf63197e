#include "ui/NumEditPlaceholder.h"

#include <QRegularExpressionValidator>

namespace yorozu {

NumEditPlaceholder::NumEditPlaceholder(int integerDigits, int decimals, QWidget* parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QString pattern = QStringLiteral("\\d{0,%1}").arg(integerDigits);
    if (decimals > 0)
        pattern += QStringLiteral("(\\.\\d{0,%1})?").arg(decimals);
    setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), this));
}

} // namespace yorozu
