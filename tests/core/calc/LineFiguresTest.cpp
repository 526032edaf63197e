#include "core/document/Estimate.h"
#include "core/calc/Keisan.h"
#include "core/calc/Numbers.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace yorozu;

namespace {

// Texts a line can hold: integers, decimals with .5 ties, products that lie
// a hair off a whole number in binary (0.53 x 100), negatives, zero in its
// spellings, texts that read as zero, huge and tiny values and the exponent
// form; some are past the 64-bit range so the figures are pinned.
const std::vector<std::string> kTexts = {
    "", "0", "0.", ".", "-", "00", "0.0", "1", "2", "3", "-1", "10", "100", "0.5", "1.5", "2.5", "-0.5",
    "-2.5", "0.53", "1.1", "0.07", "0.29", "33.3", "12345.678", "-9876.54", "99999999", "123456789012",
    "1e12", "1.5E20", "9.2233720368547758E18", "1e30", "-1e30", "1e-20", "0.0001", "0.00005", "abc", " 7 ",
    "1234567890123456789", "3.3333333333333333333", "0.9999", "0.99995", "19.99"};

} // namespace

// The sum pass takes the figures KEISAN gives back in place of reading the
// cells it has just written: they must be exactly what reading gives.
TEST(LineFigures, AreWhatTheWrittenCellsRead)
{
    std::mt19937 engine(7);
    for (const int mode : {0, 1, 2}) {
        for (int i = 0; i < 20000; ++i) {
            Estimate doc;
            doc.HASU_MODE = mode;
            doc.UTIZEI = engine() % 2 == 0;
            StringGrid& g = doc.SG1;
            auto pick = [&] {
                if (engine() % 4 == 0) {
                    // Random money with up to three decimals and either sign.
                    const auto value = static_cast<long long>(engine() % 2000000000) - 1000000000;
                    const int decimals = static_cast<int>(engine() % 4);
                    std::string text = std::to_string(value);
                    if (decimals > 0 && text.size() > static_cast<size_t>(decimals) + 1)
                        text.insert(text.size() - static_cast<size_t>(decimals), ".");
                    return text;
                }
                return kTexts[engine() % kTexts.size()];
            };
            g.setCell(col::Quantity, 1, pick());
            g.setCell(col::UnitPrice, 1, pick());
            g.setCell(col::CostPrice, 1, pick());
            const LineFigures figures = recalculateLineFigures(doc, 1);
            // The cells hold HASU_SYORI of the product, as a line always has.
            auto product = [&](int a, int b) {
                const std::string& x = g.cell(a, 1);
                const std::string& y = g.cell(b, 1);
                return x.empty() || y.empty() ? std::string() : HASU_SYORI(readNumber(x) * readNumber(y), mode);
            };
            EXPECT_EQ(g.cell(col::Amount, 1), product(col::Quantity, col::UnitPrice));
            EXPECT_EQ(g.cell(col::CostTotal, 1), product(col::Quantity, col::CostPrice));
            EXPECT_EQ(static_cast<Extended>(figures.amount), readNumber(g.cell(col::Amount, 1)))
                << g.cell(col::Quantity, 1) << " x " << g.cell(col::UnitPrice, 1) << " mode " << mode;
            EXPECT_EQ(static_cast<Extended>(figures.costTotal), readNumber(g.cell(col::CostTotal, 1)))
                << g.cell(col::Quantity, 1) << " x " << g.cell(col::CostPrice, 1) << " mode " << mode;
        }
    }
}

// HASU_SYORI in two steps writes the same text as before for every mode.
TEST(LineFigures, HasuTextReadsBackAsItsWholeNumber)
{
    std::mt19937_64 engine(11);
    for (const int mode : {0, 1, 2, 5}) {
        for (int i = 0; i < 50000; ++i) {
            const auto whole = static_cast<std::int64_t>(engine()) >> (engine() % 64);
            const std::string text = hasuText(whole, mode);
            EXPECT_EQ(readNumber(text), static_cast<Extended>(whole)) << whole;
            EXPECT_EQ(text.empty(), whole == 0 && mode != 1 && mode != 2) << whole;
        }
    }
}
