#include "ui/colors/ColorTable.h"

namespace yorozu {

void ColorTable::fromSettings(const Set2Settings& s)
{
    values[Editor] = s.editorColor;
    values[Fixed] = s.fixedColor;
    values[Stripe] = s.stripeColor;
    values[FixedFont] = s.fixedFontColor;
    values[Fixed2] = s.partsFixedColor;
    values[Stripe2] = s.partsStripeColor;
    values[FixedFont2] = s.partsFixedFontColor;
    values[ColorBar] = values[ColorBarStored] = s.partsBarColor;
    for (std::size_t i = 0; i < s.columnTextColors.size(); ++i)
        values[FirstColumnFont + i] = s.columnTextColors[i];
    values[MemoFont] = s.memoTextColor;
}

void ColorTable::toSettings(Set2Settings& s) const
{
    s.editorColor = values[Editor];
    s.fixedColor = values[Fixed];
    s.stripeColor = values[Stripe];
    s.fixedFontColor = values[FixedFont];
    s.partsFixedColor = values[Fixed2];
    s.partsStripeColor = values[Stripe2];
    s.partsFixedFontColor = values[FixedFont2];
    // The stored copy is the bar colour while the parts grid lacks the focus.
    s.partsBarColor = values[ColorBarStored];
    for (std::size_t i = 0; i < s.columnTextColors.size(); ++i)
        s.columnTextColors[i] = values[FirstColumnFont + i];
    s.memoTextColor = values[MemoFont];
}

} // namespace yorozu
