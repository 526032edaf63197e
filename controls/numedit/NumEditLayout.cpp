#include "controls/numedit/NumEditLayout.h"

#include <algorithm>

namespace yorozu {

NumLayout layoutNumEdit(const NumLayoutInput& in)
{
    NumLayout out;
    switch (in.vertAlign) {
    case NumVertAlign::Top:
        out.textTop = in.topMargin;
        break;
    case NumVertAlign::Bottom:
        out.textTop = in.clientHeight - in.textHeight - in.bottomMargin;
        break;
    case NumVertAlign::VCenter:
        out.textTop = in.topMargin + (in.clientHeight - in.textHeight - in.topMargin - in.bottomMargin) / 2;
        break;
    }

    // A value wider than its template (possible only without a fixed option,
    // where the template is the value itself) still ends where it should.
    const int area = std::max(in.templateWidth, in.numberWidth);
    switch (in.align) {
    case NumAlign::Right: {
        const int numberEnd = in.clientWidth - in.rightMarkWidth - in.rightMargin - 1;
        out.templateX = numberEnd - area;
        out.leftMarkX = out.templateX - in.leftMarkWidth;
        break;
    }
    case NumAlign::Left:
        out.leftMarkX = in.leftMargin;
        out.templateX = out.leftMarkX + in.leftMarkWidth;
        break;
    case NumAlign::Center: {
        const int block = in.leftMarkWidth + area + in.rightMarkWidth;
        const int room = in.clientWidth - in.leftMargin - in.rightMargin;
        out.leftMarkX = in.leftMargin + (room - block) / 2;
        out.templateX = out.leftMarkX + in.leftMarkWidth;
        break;
    }
    }
    out.numberX = out.templateX + area - in.numberWidth;
    out.rightMarkX = out.templateX + area;
    out.fillLeft = out.leftMarkX;
    out.fillRight = out.rightMarkX + in.rightMarkWidth;
    out.caretX = out.numberX + in.typedWidth - 1;
    return out;
}

} // namespace yorozu
