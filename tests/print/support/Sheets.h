#pragma once

#include "core/document/Estimate.h"
#include "files/text/TextFile.h"

#include <filesystem>
#include <string>
#include <vector>

namespace yorozu::test {

// Plain lines "description, quantity, unit, unit price": the recalculation
// fills in the amounts.
struct SheetLine {
    std::string mark, description, quantity, unit, unitPrice;
};

inline void fillLines(Estimate& doc, const std::vector<SheetLine>& lines)
{
    doc.SG1.setRowCount(std::max<int>(31, static_cast<int>(lines.size()) + 2));
    doc.SG1.renumber();
    int r = 1;
    for (const auto& l : lines) {
        doc.SG1.setCell(col::Dai, r, l.mark);
        doc.SG1.setCell(col::Description, r, l.description);
        doc.SG1.setCell(col::Quantity, r, l.quantity);
        doc.SG1.setCell(col::Unit, r, l.unit);
        doc.SG1.setCell(col::UnitPrice, r, l.unitPrice);
        ++r;
    }
}

// n numbered lines of one yen each.
inline std::vector<SheetLine> numberedLines(int n)
{
    std::vector<SheetLine> lines;
    for (int i = 1; i <= n; ++i)
        lines.push_back({"", "品目" + std::to_string(i), "1", "式", "1"});
    return lines;
}

// A settings file of the program folder, written as the program writes one.
inline void writeSettings(const std::filesystem::path& dir, const std::string& name,
                          const std::vector<std::string>& lines)
{
    writeTextLines(dir / name, lines);
}

} // namespace yorozu::test
