#include "settings/fields/ByteLimitValidator.h"

#include "files/text/Cp932.h"

namespace yorozu {

QValidator::State ByteLimitValidator::validate(QString& input, int& pos) const
{
    if (cp932::byteLength(input.toStdString()) <= maxBytes_)
        return Acceptable;
    // The characters just typed or pasted end at the cursor: drop them from
    // there backwards until the text fits, then from the end if the text was
    // already too long without them.
    while (cp932::byteLength(input.toStdString()) > maxBytes_ && !input.isEmpty()) {
        int at = pos > 0 ? pos : int(input.size());
        const int width = at >= 2 && input.at(at - 1).isLowSurrogate() && input.at(at - 2).isHighSurrogate() ? 2 : 1;
        input.remove(at - width, width);
        if (pos > 0)
            pos -= width;
    }
    return Acceptable;
}

} // namespace yorozu
