#include "core/copies/PrintCopyFixtures.h"

#include "core/copies/PrintCopy.h"

#include <gtest/gtest.h>

using namespace yorozu;
using yorozu::testing::CopyRow;
using yorozu::testing::Line;

namespace {

const std::string S = label::Syokei, C = label::Cyukei, D = label::Daikei, TOTAL = label::Sougoukei,
                  BEFORE = label::NebikiMae, AFTER = label::NebikiAto, NET = label::Zeinuki, TAX = label::Syohizei;

struct PrintCopyCase {
    const char* name;
    int printKind; // PRN_S
    std::vector<Line> lines;
    std::vector<CopyRow> expected;
    bool taxRows = false;
    bool utizei = false, hikazei = false, seiq = false;
};

// Continuation rows stay out of these cases: each sheet fits one page.
PrintCopySettings onePage(bool taxRows)
{
    PrintCopySettings s;
    s.taxRows = taxRows;
    return s;
}

const std::vector<Line> twoLargeGroups = {
    {"A", "", "", "A1", "1000", "800"},
    {"", "", "", "A2", "2000", "1000"},
    {"B", "", "", "B1", "3000", "1500"},
};

const std::vector<Line> largeAndMiddle = {
    {"A", "a1", "", "1", "1000", "500"},
    {"", "", "", "2", "1000", "500"},
    {"", "a2", "", "3", "2000", "1000"},
    {"B", "b1", "", "4", "4000", "1000"},
};

const std::vector<Line> threeLevels = {
    {"A", "a1", "s1", "1", "1000", "500"},
    {"", "", "s2", "2", "1000", "500"},
    {"", "a2", "s3", "3", "2000", "1000"},
    {"B", "b1", "s4", "4", "4000", "1000"},
};

const std::vector<Line> withDiscount = {
    {"", "", "", "工事", "60000", "30000"},
    {"", "", "", "材料", "40000", "20000"},
    {"\\", "", "", "■　値　引　き", "-5000", ""},
};

const PrintCopyCase cases[] = {
    {"plain kind ignores the classifications", 0, twoLargeGroups,
     {{"A", "", "", "A1", "1000", "800", ""},
      {"", "", "", "A2", "2000", "1000", ""},
      {"B", "", "", "B1", "3000", "1500", ""},
      {"%", "", "", TOTAL, "6000", "3300", "55"}}},
    {"large classifications only", 2, twoLargeGroups,
     {{"A", "", "", "A1", "1000", "800", ""},
      {"A", "", "", "A2", "2000", "1000", ""},
      {"$", "", "", S, "3000", "1800", "60"},
      {"B", "", "", "B1", "3000", "1500", ""},
      {"$", "", "", S, "3000", "1500", "50"},
      {"%", "", "", TOTAL, "6000", "3300", "55"}}},
    {"large and middle", 2, largeAndMiddle,
     {{"A", "a1", "", "1", "1000", "500", ""},
      {"A", "a1", "", "2", "1000", "500", ""},
      {"$", "$", "", S, "2000", "1000", "50"},
      {"A", "a2", "", "3", "2000", "1000", ""},
      {"$", "$", "", S, "2000", "1000", "50"},
      {"$", "", "", C, "4000", "2000", "50"},
      {"B", "b1", "", "4", "4000", "1000", ""},
      {"$", "$", "", S, "4000", "1000", "25"},
      {"$", "", "", C, "4000", "1000", "25"},
      {"%", "", "", TOTAL, "8000", "3000", "37.5"}}},
    {"large, middle and small shift the labels", 1, threeLevels,
     {{"A", "a1", "s1", "1", "1000", "500", ""},
      {"$", "", "$", S, "1000", "500", "50"},
      {"A", "a1", "s2", "2", "1000", "500", ""},
      {"$", "", "$", S, "1000", "500", "50"},
      {"$", "$", "", C, "2000", "1000", "50"},
      {"A", "a2", "s3", "3", "2000", "1000", ""},
      {"$", "", "$", S, "2000", "1000", "50"},
      {"$", "$", "", C, "2000", "1000", "50"},
      {"$", "", "", D, "4000", "2000", "50"},
      {"B", "b1", "s4", "4", "4000", "1000", ""},
      {"$", "", "$", S, "4000", "1000", "25"},
      {"$", "$", "", C, "4000", "1000", "25"},
      {"$", "", "", D, "4000", "1000", "25"},
      {"%", "", "", TOTAL, "8000", "3000", "37.5"}}},
    {"a # line neither splits nor joins its group", 2,
     {{"A", "", "", "A1", "1000", "500"},
      {"#", "", "", "note", "", ""},
      {"", "", "", "A2", "1000", "500"},
      {"B", "", "", "B1", "2000", "1000"}},
     {{"A", "", "", "A1", "1000", "500", ""},
      {"#", "", "", "note", "", "", ""},
      {"A", "", "", "A2", "1000", "500", ""},
      {"$", "", "", S, "2000", "1000", "50"},
      {"B", "", "", "B1", "2000", "1000", ""},
      {"$", "", "", S, "2000", "1000", "50"},
      {"%", "", "", TOTAL, "4000", "2000", "50"}}},
    {"lines above the first classification stay outside every group", 2,
     {{"", "", "", "intro", "500", "100"}, {"A", "", "", "A1", "1000", "500"}},
     {{"", "", "", "intro", "500", "100", ""},
      {"A", "", "", "A1", "1000", "500", ""},
      {"$", "", "", S, "1000", "500", "50"},
      {"%", "", "", TOTAL, "1500", "600", "40"}}},
    {"discount summary without tax rows", 0, withDiscount,
     {{"", "", "", "工事", "60000", "30000", ""},
      {"", "", "", "材料", "40000", "20000", ""},
      {"%", "", "", BEFORE, "100000", "50000", "50"},
      {"\\", "", "", "■　値　引　き", "-5000", "", ""},
      {"%", "", "", TOTAL, "95000", "50000", "52.6"}}},
    {"discount summary with tax rows", 0, withDiscount,
     {{"", "", "", "工事", "60000", "30000", ""},
      {"", "", "", "材料", "40000", "20000", ""},
      {"%", "", "", BEFORE, "100000", "50000", "50"},
      {"\\", "", "", "■　値　引　き", "-5000", "", ""},
      {"%", "", "", AFTER, "95000", "50000", "52.6"},
      {"%", "", "", TAX, "4750", "", ""},
      {"%", "", "", TOTAL, "99750", "", ""}},
     true},
    {"a discount closes the last group", 2,
     {{"A", "", "", "A1", "10000", "5000"}, {"\\", "", "", "値引", "-1000", ""}},
     {{"A", "", "", "A1", "10000", "5000", ""},
      {"$", "", "", S, "10000", "5000", "50"},
      {"%", "", "", BEFORE, "10000", "5000", "50"},
      {"\\", "", "", "値引", "-1000", "", ""},
      {"%", "", "", TOTAL, "9000", "5000", "55.6"}}},
    {"tax added on top when the settings ask for it", 0, {{"", "", "", "x", "10000", ""}},
     {{"", "", "", "x", "10000", "", ""},
      {"%", "", "", NET, "10000", "", ""},
      {"%", "", "", TAX, "500", "", ""},
      {"%", "", "", TOTAL, "10500", "", ""}},
     true},
    {"an invoice gets tax rows whatever the settings say", 0, {{"", "", "", "x", "10000", ""}},
     {{"", "", "", "x", "10000", "", ""},
      {"%", "", "", NET, "10000", "", ""},
      {"%", "", "", TAX, "500", "", ""},
      {"%", "", "", TOTAL, "10500", "", ""}},
     false, false, false, true},
    {"tax-exempt estimate has one total", 0, {{"", "", "", "x", "10000", "6000"}},
     {{"", "", "", "x", "10000", "6000", ""}, {"%", "", "", TOTAL, "10000", "6000", "60"}}, true, false, true},
    {"tax-exempt estimate ends with the discount summary", 0, withDiscount,
     {{"", "", "", "工事", "60000", "30000", ""},
      {"", "", "", "材料", "40000", "20000", ""},
      {"%", "", "", BEFORE, "100000", "50000", "50"},
      {"\\", "", "", "■　値　引　き", "-5000", "", ""},
      {"%", "", "", AFTER, "95000", "50000", "52.6"}},
     true, false, true},
    {"totals go in front of the closing lines", 2,
     {{"A", "", "", "A1", "1000", "500"}, {"@", "", "", "以上", "", ""}, {"@", "", "", "備考", "", ""}},
     {{"A", "", "", "A1", "1000", "500", ""},
      {"$", "", "", S, "1000", "500", "50"},
      {"%", "", "", TOTAL, "1000", "500", "50"},
      {"@", "", "", "以上", "", "", ""},
      {"@", "", "", "備考", "", "", ""}}},
    {"totals go in front of a single closing line at the end", 0,
     {{"", "", "", "x", "1000", ""}, {"@", "", "", "以上", "", ""}},
     {{"", "", "", "x", "1000", "", ""},
      {"%", "", "", NET, "1000", "", ""},
      {"%", "", "", TAX, "50", "", ""},
      {"%", "", "", TOTAL, "1050", "", ""},
      {"@", "", "", "以上", "", "", ""}},
     true},
};

TEST(PrintCopy, RowsForEachKindOfSheet)
{
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Estimate doc;
        doc.setPRN_S(c.printKind);
        yorozu::testing::fillSheet(doc, c.lines);
        doc.UTIZEI = c.utizei;
        doc.HIKAZEI = c.hikazei;
        doc.SEIQ = c.seiq;
        yorozu::testing::setOuterTaxMoney(doc);
        const auto result = SYOKEI_MAKE(doc, onePage(c.taxRows));
        EXPECT_TRUE(result.completed);
        EXPECT_EQ(yorozu::testing::copyRows(doc.SGP), c.expected);
    }
}

TEST(PrintCopy, TaxIncludedPricesShowTheNetTotal)
{
    Estimate doc;
    yorozu::testing::fillSheet(doc, {{"", "", "", "a", "10500", ""}, {"", "", "", "b", "21000", ""}});
    doc.UTIZEI = true;
    doc.KINGAKU_KEI = 31500 * 10000LL;
    doc.ZEI_GAKU = 1500 * 10000LL;
    doc.ZEIKOMI_KEI = 31500 * 10000LL;
    SYOKEI_MAKE(doc, onePage(false));
    const std::vector<CopyRow> expected = {{"", "", "", "a", "10500", "", ""},
                                           {"", "", "", "b", "21000", "", ""},
                                           {"%", "", "", NET, "30000", "", ""},
                                           {"%", "", "", TAX, "1500", "", ""},
                                           {"%", "", "", TOTAL, "31500", "", ""}};
    EXPECT_EQ(yorozu::testing::copyRows(doc.SGP), expected);
}

TEST(PrintCopy, TaxIncludedDiscountKeepsTheNetRow)
{
    Estimate doc;
    yorozu::testing::fillSheet(doc, {{"", "", "", "a", "21000", ""}, {"\\", "", "", "値引", "-10500", ""}});
    doc.UTIZEI = true;
    doc.KINGAKU_KEI = 10500 * 10000LL;
    doc.ZEI_GAKU = 500 * 10000LL;
    doc.ZEIKOMI_KEI = 10500 * 10000LL;
    SYOKEI_MAKE(doc, onePage(false));
    const auto rows = yorozu::testing::copyRows(doc.SGP);
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[1].description, BEFORE);
    EXPECT_EQ(rows[1].amount, "21000");
    EXPECT_EQ(rows[3].description, TOTAL) << "without the tax setting the summary's last row reads as the total";
    EXPECT_EQ(rows[4].description, NET);
    EXPECT_EQ(rows[4].amount, "10000");
    EXPECT_EQ(rows[6].amount, "10500");
}

TEST(PrintCopy, UnitPriceOfQuantityOneIsHiddenOnlyWhenAsked)
{
    for (const bool hide : {false, true}) {
        SCOPED_TRACE(hide ? "[単価]=1" : "[単価]=0");
        Estimate doc;
        Line one{"", "", "", "一式", "500", ""};
        Line oneDecimal = one;
        oneDecimal.quantity = "1.0";
        yorozu::testing::fillSheet(doc, {one, oneDecimal});
        yorozu::testing::setOuterTaxMoney(doc);
        auto settings = onePage(false);
        settings.hideUnitPriceOfOne = hide;
        SYOKEI_MAKE(doc, settings);
        EXPECT_EQ(doc.SGP.cell(col::UnitPrice, 1), hide ? "" : "500");
        EXPECT_EQ(doc.SGP.cell(col::UnitPrice, 2), "500") << "the test is on the text, so 1.0 keeps its price";
        EXPECT_EQ(doc.SG1.cell(col::UnitPrice, 1), "500");
    }
}

TEST(PrintCopy, DiscountLineLosesItsUnitPriceInTheCopyOnly)
{
    Estimate doc;
    yorozu::testing::fillSheet(doc, withDiscount);
    yorozu::testing::setOuterTaxMoney(doc);
    const auto result = SYOKEI_MAKE(doc, onePage(false));
    EXPECT_TRUE(result.flags.NEBIKI_ARI);
    EXPECT_EQ(result.flags.NEBIKI_GAKU, -5000 * 10000LL);
    EXPECT_EQ(doc.SGP.cell(col::UnitPrice, 4), "");
    EXPECT_EQ(doc.SG1.cell(col::UnitPrice, 3), "-5000");
}

TEST(PrintCopy, TwoDiscountLinesStopTheCopy)
{
    Estimate doc;
    doc.setPRN_S(2);
    yorozu::testing::fillSheet(doc, {{"A", "", "", "A1", "1000", ""},
                                     {"\\", "", "", "値引", "-100", ""},
                                     {"\\", "", "", "値引", "-200", ""}});
    yorozu::testing::setOuterTaxMoney(doc);
    const auto result = SYOKEI_MAKE(doc, onePage(true));
    EXPECT_FALSE(result.completed);
    EXPECT_EQ(result.message, "値引きが複数あります。\r\n処理を中止します。");
    for (const auto& row : yorozu::testing::copyRows(doc.SGP)) {
        EXPECT_NE(row.dai, "$") << "no subtotal step may run";
        EXPECT_NE(row.dai, "%") << "no total step may run";
    }
}

TEST(PrintCopy, SheetStaysUntouchedAndEveryRunStartsAfresh)
{
    Estimate doc;
    doc.setPRN_S(1);
    doc.Sunpou = false;
    auto lines = threeLevels;
    lines[0].memo = "memo";
    yorozu::testing::fillSheet(doc, lines);
    doc.SG1.setCell(col::Shape, 1, "100x200");
    yorozu::testing::setOuterTaxMoney(doc);
    const auto sheetBefore = yorozu::testing::rowTexts(doc.SG1);
    doc.SGP.setRowCount(200);
    doc.SGP.setCell(col::Description, 150, "left over from the last print");

    SYOKEI_MAKE(doc, onePage(true));
    const auto first = yorozu::testing::rowTexts(doc.SGP);
    SYOKEI_MAKE(doc, onePage(true));

    EXPECT_EQ(yorozu::testing::rowTexts(doc.SG1), sheetBefore);
    EXPECT_EQ(yorozu::testing::rowTexts(doc.SGP), first) << "subtotal and total rows must not pile up";
    EXPECT_EQ(doc.SGP.rowCount(), 4 + 9 + 3 + 1);
    EXPECT_EQ(doc.SGP.cell(col::Shape, 1), "") << "the shape is left out while its column is hidden";
    EXPECT_EQ(doc.SGP.cell(col::Memo, 1), "memo");
    EXPECT_EQ(doc.SGP.cell(col::Description, 0), doc.SG1.cell(col::Description, 0)) << "headings stay";
}

TEST(PrintCopy, FlagsTellWhichLevelsAreInUse)
{
    struct Case {
        const char* name;
        std::vector<Line> lines;
        bool dai, cyu, syo;
    };
    const Case flagCases[] = {
        {"none", {{"", "", "", "x", "1", ""}}, false, false, false},
        {"middle codes without a large one are dropped", {{"", "m", "s", "x", "1", ""}}, false, false, false},
        {"# and closing marks are no classification", {{"#", "", "", "x", "1", ""}, {"@", "", "", "y", "", ""}}, false,
         false, false},
        {"large only", twoLargeGroups, true, false, false},
        {"small codes without a middle one are dropped", {{"A", "", "s", "x", "1", ""}}, true, false, false},
        {"all three", threeLevels, true, true, true},
    };
    for (const auto& c : flagCases) {
        SCOPED_TRACE(c.name);
        Estimate doc;
        doc.setPRN_S(2);
        yorozu::testing::fillSheet(doc, c.lines);
        const auto result = SYOKEI_MAKE(doc, onePage(false));
        EXPECT_EQ(result.flags.DAI_ARI, c.dai);
        EXPECT_EQ(result.flags.CYU_ARI, c.cyu);
        EXPECT_EQ(result.flags.SYO_ARI, c.syo);
        if (!c.cyu) {
            EXPECT_EQ(doc.SGP.cell(col::Syo, 1), "");
        }
    }
}

TEST(PrintCopy, MiddleLabelEndsWithItsLargeGroup)
{
    // B reuses no middle code: its lines must not inherit a1 from A.
    Estimate doc;
    doc.setPRN_S(2);
    yorozu::testing::fillSheet(doc, {{"A", "a1", "", "1", "1000", ""},
                                     {"B", "", "", "2", "2000", ""},
                                     {"", "", "", "3", "3000", ""}});
    yorozu::testing::setOuterTaxMoney(doc);
    SYOKEI_MAKE(doc, onePage(false));
    const std::vector<CopyRow> expected = {{"A", "a1", "", "1", "1000", "", ""},
                                           {"$", "$", "", S, "1000", "0", ""},
                                           {"$", "", "", C, "1000", "0", ""},
                                           {"B", "", "", "2", "2000", "", ""},
                                           {"B", "", "", "3", "3000", "", ""},
                                           {"$", "", "", C, "5000", "0", ""},
                                           {"%", "", "", TOTAL, "6000", "0", ""}};
    EXPECT_EQ(yorozu::testing::copyRows(doc.SGP), expected);
}

TEST(PrintCopy, ProgressFollowsTheRows)
{
    Estimate doc;
    doc.setPRN_S(2);
    yorozu::testing::fillSheet(doc, threeLevels);
    int calls = 0;
    bool inRange = true;
    SYOKEI_MAKE(doc, onePage(false), [&](int position, int maximum) {
        ++calls;
        inRange = inRange && position >= 1 && position <= maximum;
    });
    EXPECT_GT(calls, 3);
    EXPECT_TRUE(inRange);
}

TEST(PrintCopy, BuiltRightAfterTheFullRecalculation)
{
    // Prices typed, amounts and money fields from the calculation, as printing runs them.
    Estimate doc;
    doc.setPRN_S(2);
    const struct {
        const char *dai, *quantity, *price, *cost;
    } typed[] = {{"A", "2", "30000", "20000"}, {"", "1", "40000", "10000"}, {"\\", "1", "-5000", ""}};
    int r = 1;
    for (const auto& t : typed) {
        doc.SG1.setCell(col::Dai, r, t.dai);
        doc.SG1.setCell(col::Description, r, "line");
        doc.SG1.setCell(col::Quantity, r, t.quantity);
        doc.SG1.setCell(col::UnitPrice, r, t.price);
        doc.SG1.setCell(col::CostPrice, r, t.cost);
        ++r;
    }
    doc.recalculateAll();
    ASSERT_EQ(doc.KINGAKU_KEI, 95000 * 10000LL);
    const auto result = SYOKEI_MAKE(doc, onePage(true));
    ASSERT_TRUE(result.completed);
    const std::vector<CopyRow> expected = {{"A", "", "", "line", "60000", "40000", "66.7"},
                                           {"A", "", "", "line", "40000", "10000", "25"},
                                           {"$", "", "", S, "100000", "50000", "50"},
                                           {"%", "", "", BEFORE, "100000", "50000", "50"},
                                           {"\\", "", "", "line", "-5000", "", ""},
                                           {"%", "", "", AFTER, "95000", "50000", "52.6"},
                                           {"%", "", "", TAX, "4750", "", ""},
                                           {"%", "", "", TOTAL, "99750", "", ""}};
    EXPECT_EQ(yorozu::testing::copyRows(doc.SGP), expected);
}

TEST(PrintCopySettings, ReadFromTheRawValues)
{
    const auto on = PrintCopySettings::fromValues("1", "True", "1", "3");
    EXPECT_TRUE(on.hideUnitPriceOfOne);
    EXPECT_TRUE(on.taxRows);
    EXPECT_TRUE(on.noContinuation);
    EXPECT_EQ(on.remarkRows, 3);
    const auto off = PrintCopySettings::fromValues("0", "False", "", "");
    EXPECT_FALSE(off.hideUnitPriceOfOne);
    EXPECT_FALSE(off.taxRows);
    EXPECT_FALSE(off.noContinuation);
    EXPECT_EQ(off.remarkRows, 0);
    EXPECT_FALSE(PrintCopySettings::fromValues("", "true", "", "").taxRows) << "only the exact True switches it on";
    EXPECT_EQ(PrintCopySettings::fromValues("", "", "", "abc").remarkRows, 0);
    EXPECT_EQ(PrintCopySettings::fromValues("", "", "", "-4").remarkRows, 0);
}

} // namespace
