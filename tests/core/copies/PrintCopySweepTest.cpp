// The passes build their output in one forward sweep. These tests hold them
// against the plain walk that inserts rows into the grid one at a time, on
// generated sheets, cell by cell (row numbers included). Their speed is the
// benchmarks' concern.
#include "core/copies/PrintCopyFixtures.h"

#include "core/copies/Continuation.h"
#include "core/calc/Numbers.h"
#include "core/copies/PrintCopy.h"
#include "core/document/RowOps.h"
#include "core/copies/Survey.h"

#include <gtest/gtest.h>

#include <random>

using namespace yorozu;

namespace {

struct LiteralLevel {
    int key;
    int markColumn;
    std::string label;
    bool (*passed)(const StringGrid&, int);
};

void writeSubtotal(StringGrid& g, int r, const LiteralLevel& level, std::int64_t amount, std::int64_t cost,
                   const Estimate& doc)
{
    g.setCell(col::Dai, r, "$");
    if (level.markColumn)
        g.setCell(level.markColumn, r, "$");
    g.setCell(col::Description, r, level.label);
    g.setCell(col::Amount, r, std::to_string(amount / 10000));
    g.setCell(col::CostTotal, r, std::to_string(cost / 10000));
    g.setCell(col::Rate, r, RITU_CALL(g.cell(col::Amount, r), g.cell(col::CostTotal, r), doc));
}

// The walk as written for the grid: insert at r, read the row now at r again.
void literalSubtotals(StringGrid& g, const LiteralLevel& level, const Estimate& doc)
{
    bool open = false;
    std::string label;
    std::int64_t amount = 0, cost = 0;
    int r = 1;
    for (; r <= g.rowCount() - 1; ++r) {
        if (g.cell(col::Dai, r) == "@" || g.cell(col::Dai, r) == "\\")
            break;
        const std::string v = g.cell(level.key, r);
        const bool passed = level.passed(g, r);
        auto close = [&] {
            SG_INS(g, r);
            writeSubtotal(g, r, level, amount, cost, doc);
            open = false;
            amount = cost = 0;
            label.clear();
        };
        if (!v.empty() && v != label && !passed) {
            label = v;
            if (open)
                close();
        }
        if (v.empty() && open && !passed)
            close();
        if (!v.empty() && !level.passed(g, r)) {
            open = true;
            amount = addToFixed(amount, readNumber(g.cell(col::Amount, r)));
            cost = addToFixed(cost, readNumber(g.cell(col::CostTotal, r)));
        }
    }
    if (open) {
        if (r <= g.rowCount() - 1) {
            SG_INS(g, r);
        } else {
            g.setRowCount(g.rowCount() + 1);
            r = g.rowCount() - 1;
        }
        writeSubtotal(g, r, level, amount, cost, doc);
    }
}

void literalContinuation(StringGrid& g, PageCapacity cap, int b, int start, bool firstBreak)
{
    int i = start;
    for (int j = 1; j != g.rowCount() - 1; ++j) {
        if (b != 0 && g.cell(col::Dai, j + 1) == "@")
            break;
        const bool closing = b != 0 && g.cell(col::Dai, j) == "@";
        auto insert = [&] {
            SG_INS(g, j);
            g.setCell(col::Dai, j, "~");
            g.setCell(col::Description, j, "次頁へつづく");
            i = 0;
        };
        if (firstBreak && j == cap.first && !closing)
            insert();
        if (i == cap.later && j < g.rowCount() - 1 && !closing)
            insert();
        ++i;
    }
}

StringGrid toGrid(const GridRows& rows)
{
    StringGrid g;
    GridRows copy = rows;
    storeGridRows(g, std::move(copy));
    return g;
}

std::vector<std::string> texts(const GridRows& rows)
{
    return yorozu::testing::rowTexts(toGrid(rows));
}

// A sheet of `n` lines with codes from small alphabets, notes, a discount and closing lines.
std::vector<yorozu::testing::Line> generatedSheet(std::mt19937& rng, int n)
{
    std::uniform_int_distribution<int> pick(0, 99);
    std::vector<yorozu::testing::Line> lines;
    for (int i = 0; i < n; ++i) {
        yorozu::testing::Line l;
        l.description = "line " + std::to_string(i);
        const int p = pick(rng);
        if (p < 8)
            l.dai = std::string(1, static_cast<char>('A' + pick(rng) % 4));
        else if (p < 10)
            l.dai = "#";
        if (pick(rng) < 20)
            l.cyu = std::string(1, static_cast<char>('a' + pick(rng) % 3));
        if (pick(rng) < 30)
            l.syo = std::to_string(pick(rng) % 3);
        if (pick(rng) < 85) {
            l.amount = std::to_string(pick(rng) * 100);
            l.cost = pick(rng) < 70 ? std::to_string(pick(rng) * 60) : "";
        }
        lines.push_back(l);
    }
    if (pick(rng) < 50)
        lines[static_cast<size_t>(n - 3)] = {"\\", "", "", "値引", "-500", ""};
    if (pick(rng) < 50)
        lines.push_back({"@", "", "", "以上", "", ""});
    return lines;
}

TEST(PrintCopySweep, SubtotalsMatchTheRowByRowWalk)
{
    std::mt19937 rng(20261210);
    for (int round = 0; round < 60; ++round) {
        SCOPED_TRACE(::testing::Message() << "round " << round);
        Estimate doc;
        doc.setPRN_S(2);
        yorozu::testing::fillSheet(doc, generatedSheet(rng, 20 + round * 3));
        doc.RIEKI_RITU = round % 2 == 1;
        doc.UTIZEI = round % 3 == 1;

        GridRows rows = SGP_CLEAR(doc.SG1_END());
        SGP_COPY(rows, doc);
        PrintCopyFlags flags;
        NEBIKI_TANKA(rows, flags);
        DAI_CYU_SYO(rows, flags);
        StringGrid literal = toGrid(rows);

        const std::string cyuLabel = flags.SYO_ARI ? label::Cyukei : label::Syokei;
        const std::string daiLabel = flags.SYO_ARI && flags.CYU_ARI ? label::Daikei
                                     : flags.CYU_ARI                ? label::Cyukei
                                                                    : label::Syokei;
        if (flags.SYO_ARI) {
            SYO_KEI(rows, flags, doc, {});
            literalSubtotals(literal,
                             {col::Syo, col::Syo, label::Syokei,
                              [](const StringGrid& g, int r) { return g.cell(col::Syo, r) == "$"; }},
                             doc);
            ASSERT_EQ(texts(rows), yorozu::testing::rowTexts(literal)) << "small pass";
        }
        if (flags.CYU_ARI) {
            CYU_KEI(rows, flags, doc, {});
            literalSubtotals(literal,
                             {col::Cyu, col::Cyu, cyuLabel,
                              [](const StringGrid& g, int r) { return g.cell(col::Dai, r) == "$"; }},
                             doc);
            ASSERT_EQ(texts(rows), yorozu::testing::rowTexts(literal)) << "middle pass";
        }
        if (flags.DAI_ARI) {
            DAI_KEI(rows, flags, doc, {});
            literalSubtotals(literal,
                             {col::Dai, 0, daiLabel,
                              [](const StringGrid& g, int r) {
                                  return g.cell(col::Dai, r) == "#" || g.cell(col::Dai, r) == "$";
                              }},
                             doc);
            ASSERT_EQ(texts(rows), yorozu::testing::rowTexts(literal)) << "large pass";
        }

        for (const int b : {0, 2}) {
            for (const int kind : {1, 2}) {
                SCOPED_TRACE(::testing::Message() << "b " << b << " kind " << kind);
                doc.setPRN_S(kind);
                doc.setGYOUKAN(round % 3);
                doc.setMUKI(round % 2);
                PrintCopySettings s;
                s.remarkRows = b;
                GridRows paged = rows;
                TUZUKU(paged, doc, s);
                StringGrid literalPaged = toGrid(rows);
                literalContinuation(literalPaged, pageCapacity(doc.MUKI, doc.GYOUKAN, b), b, kind == 1 ? 1 : 0,
                                    kind != 1);
                ASSERT_EQ(texts(paged), yorozu::testing::rowTexts(literalPaged));
            }
        }
    }
}

} // namespace
