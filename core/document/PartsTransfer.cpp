#include "core/document/PartsTransfer.h"

#include "core/calc/RateConversion.h"
#include "core/document/Estimate.h"
#include "core/document/RowOps.h"

namespace yorozu {

namespace {

constexpr int kDroppedColumns[] = {col::Description, col::Shape, col::Unit, col::UnitPrice, col::CostPrice};

void copyColumns(const StringGrid& from, int fromRow, StringGrid& to, int toRow)
{
    for (int c : kDroppedColumns)
        to.setCell(c, toRow, from.cell(c, fromRow));
}

} // namespace

void copyPartToSheetRow(const StringGrid& SG2, int partRow, StringGrid& SG1, int sheetRow)
{
    for (int c : {col::Description, col::TaxExempt, col::Shape, col::Unit, col::UnitPrice, col::CostPrice})
        SG1.setCell(c, sheetRow, SG2.cell(c, partRow));
}

void DRAG_DROP(const StringGrid& SG2, int partRow, StringGrid& SG1, int sheetRow)
{
    SG_INS(SG1, sheetRow);
    copyColumns(SG2, partRow, SG1, sheetRow);
}

void BUHIN_DROP(const StringGrid& SG1, int sheetRow, StringGrid& SG2, int partRow)
{
    SG_INS(SG2, partRow);
    copyColumns(SG1, sheetRow, SG2, partRow);
    SG2_GENKARITU(SG2, partRow);
}

} // namespace yorozu
