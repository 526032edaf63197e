// Any cell text: the lenient reader takes it; a text the strict reader
// accepts reads as the correctly rounded extended value (the C library's
// strtold is the reference), and everything written from it reads back.
#include "core/calc/Format.h"
#include "core/calc/Numbers.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <locale.h>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace yorozu;
    const std::string text(reinterpret_cast<const char*>(data), size);
    const Extended lenient = readNumber(text);
    Extended strict = 0;
    bool ok = true;
    try {
        strict = strictNumber(text);
    } catch (const ConversionError&) {
        ok = false;
    }
    // The lenient reading is the strict one, or 0 where that fails.
    if (ok ? !(strict == lenient) : lenient != 0)
        std::abort();
    if (ok) {
        static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
        const Extended reference = strtold_l(text.c_str(), nullptr, cLocale);
        if (reference != strict && !(reference == 0 && strict == 0))
            std::abort();
        const std::string general = formatGeneral(strict);
        if (formatGeneral(strictNumber(general)) != general)
            std::abort();
        for (int mode = 0; mode <= 2; ++mode) {
            const std::string amount = HASU_SYORI(strict, mode);
            if (!amount.empty())
                (void)strictNumber(amount);
        }
        for (const char* picture : {"###,##0.##", "###,##0.###", "###.#", "##0.0", "#"}) {
            const std::string shown = formatPicture(strict, picture);
            if (shown.size() > 200 && std::fabs(strict) < 1e30L)
                std::abort();
        }
    }
    for (int decimals : {2, 3}) {
        try {
            (void)STR_COMMA(text, decimals);
        } catch (const ConversionError&) {
        }
    }
    (void)MOJITOKAZU(text);
    (void)ZEN_HAN(text);
    return 0;
}
