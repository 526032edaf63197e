#pragma once

#include "print/page/PageCanvas.h"
#include "print/page/TextMeasure.h"

namespace yorozu::test {

// Widths that a test can work out by hand: every character is `size` x 10
// device pixels wide, a full-width one twice that.
class FixedMeasure final : public TextMeasure {
public:
    int width(std::string_view utf8, const PrintFont& font) override
    {
        int w = 0;
        for (const auto ch : characters(utf8))
            w += (ch.size() > 1 ? 20 : 10) * font.size;
        return w;
    }
    int emHeight(const PrintFont& font) override { return font.size * 8; }
};

} // namespace yorozu::test
