#include "core/document/Estimate.h"
#include "files/estimate/EstimateFile.h"
#include "files/estimate/EstimateLayout.h"
#include "files/text/TextFile.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace yorozu;

namespace {

// Cell texts that take every way through the comma text and the code page:
// plain ASCII and Japanese, texts that need quotes, characters the code page
// cannot hold, malformed UTF-8, a line feed, carried bytes (alone, at a cell's end, and one
// that an edit put before a trail byte, which is refused).
const std::vector<std::string> kCells = {
    "",       "1",         "12345.5",     "見積",       "ｶﾅ\\~",         "a b",      "say \"hi\"", "x,y",
    "\t",     "😀",        "café",        "見積😀",     "a\nb",          "\r",       "abc\xEF\x9E\x81",
    "\xEF\x9E\x81 x",      "\xEF\x9E\x81@", "\xEF\x9D\x81", "株式会社　見本", "\xEF\xA3\xB0", "\xC0\xAF",
    "\xE0\x80\xAF", "\xED\xA0\x80", "x\xE3\x81", "\xE3\x81x", "\xEF\xBF\xBF", "ー～", "①Ⅱ㈱",
};

struct Encoded {
    std::string bytes;
    WriteResult result;
};

// The reference: the file's lines first, then encoded as every text file is.
Encoded throughLines(const Estimate& doc, int remarkRows)
{
    Encoded e;
    e.result = encodeTextLines(estimateFileLines(doc, remarkRows), e.bytes);
    return e;
}

Encoded direct(const Estimate& doc, int remarkRows)
{
    Encoded e;
    e.result = estimateFileBytes(doc, remarkRows, e.bytes);
    return e;
}

void expectSame(const Estimate& doc, int remarkRows)
{
    const auto a = throughLines(doc, remarkRows);
    const auto b = direct(doc, remarkRows);
    EXPECT_EQ(b.result.ok, a.result.ok);
    EXPECT_EQ(b.result.error, a.result.error);
    EXPECT_EQ(b.result.unmappable, a.result.unmappable);
    EXPECT_EQ(b.bytes, a.bytes);
}

} // namespace

// Saving builds the file's bytes straight from the sheet: the same bytes and
// the same refusal, with the same characters named, as the file's lines
// encoded one by one.
TEST(EstimateFile, BytesAreTheLinesEncoded)
{
    std::mt19937 engine(1210);
    for (int round = 0; round < 400; ++round) {
        Estimate doc;
        doc.KNAME = kCells[engine() % kCells.size()];
        doc.TITLE = "見本";
        const int rows = static_cast<int>(engine() % 12);
        doc.SG1.setRowCount(rows + 1);
        // Mostly clean rows, now and then a cell from the whole list.
        for (int r = 1; r <= rows; ++r)
            for (int c = 0; c < doc.SG1.colCount(); ++c)
                doc.SG1.setCell(c, r, engine() % 9 == 0 ? kCells[engine() % kCells.size()] : kCells[engine() % 6]);
        SCOPED_TRACE(round);
        expectSame(doc, static_cast<int>(engine() % 4));
    }
}

TEST(EstimateFile, EmptySheetAndHeadingsOnly)
{
    Estimate doc;
    expectSame(doc, 0);
    doc.SG1.setRowCount(1);
    expectSame(doc, 2);
    doc.SG1.setRowCount(0);
    expectSame(doc, 0);
}
