// The line recalculation keeps the sums by each line's difference. Whatever
// happens to the sheet in between, its figures must be those of a pass over
// every row.
#include "core/calc/Keisan.h"
#include "core/calc/Numbers.h"
#include "core/calc/Totals.h"
#include "core/document/Estimate.h"
#include "core/document/RowOps.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace yorozu;

namespace {

// The figures of a full pass over a copy of the sheet as it stands.
void expectSameAsAFullPass(const Estimate& doc)
{
    Estimate fresh = doc;
    fresh.lineSums.forget();
    fresh.KINGAKU_KEI = URI_KEISAN(fresh);
    KEISAN_DISP(fresh);
    EXPECT_EQ(doc.KINGAKU_KEI, fresh.KINGAKU_KEI);
    EXPECT_EQ(doc.KAZEI_KEI, fresh.KAZEI_KEI);
    EXPECT_EQ(doc.GENKA_KEI, fresh.GENKA_KEI);
    EXPECT_EQ(doc.ZEI_GAKU, fresh.ZEI_GAKU);
    EXPECT_EQ(doc.TOTALKIN, fresh.TOTALKIN);
    EXPECT_EQ(doc.panels, fresh.panels);
}

} // namespace

TEST(RunningTotals, FollowEveryKindOfChangeLikeAFullPass)
{
    std::mt19937 random(2026);
    const char* numbers[] = {"", "0", "1", "3", "12.5", "-7", "999999999.99", "999999999.999", "0.53", "abc", "1e10"};
    Estimate doc;
    doc.SG1.setRowCount(60);
    doc.recalculateAll();
    for (int step = 0; step < 3000; ++step) {
        SCOPED_TRACE("step " + std::to_string(step));
        const int row = 1 + static_cast<int>(random() % 59);
        const auto pick = [&] { return numbers[random() % std::size(numbers)]; };
        switch (random() % 10) {
        case 0: // a row inserted or deleted, as the row commands do, with no recalculation yet
            if (random() % 2)
                SG_INS(doc.SG1, row);
            else
                SG_DEL(doc.SG1, row);
            break;
        case 1:
            if (random() % 2)
                doc.SG1.clearRow(row);
            else
                doc.SG1.moveRow(row, 1 + static_cast<int>(random() % (doc.SG1.rowCount() - 1)));
            break;
        case 2:
            N54Click(doc, row); // the tax-exempt mark of the line
            break;
        case 3:
            doc.HASU_MODE = static_cast<int>(random() % 3);
            doc.recalculateAll();
            break;
        default: { // a keystroke in one of the numeric cells of the line
            const int columns[] = {col::Quantity, col::UnitPrice, col::CostPrice};
            doc.SG1.setCell(columns[random() % 3], row, pick());
            doc.recalculateLine(row);
            break;
        }
        }
        // Every line recalculation leaves the figures of a full pass.
        if (step % 7 == 0) {
            const int other = 1 + static_cast<int>(random() % (doc.SG1.rowCount() - 1));
            doc.recalculateLine(other);
            expectSameAsAFullPass(doc);
            if (HasFailure())
                return;
        }
    }
}
