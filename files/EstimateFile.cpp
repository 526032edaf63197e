#include "files/EstimateFile.h"

#include "core/CommaText.h"
#include "core/Estimate.h"
#include "files/EstimateLayout.h"
#include "files/TextLinesEncoder.h"

namespace yorozu {

WriteResult estimateFileBytes(const Estimate& doc, int remarkRows, std::string& bytes)
{
    const auto header = estimateHeaderLines(doc, remarkRows);
    const StringGrid& g = doc.SG1;
    // The UTF-8 text is never shorter than its code page form: its size
    // (cells, commas, line ends; quotes are rare) is room enough up front.
    std::size_t expected = 0;
    for (const auto& line : header)
        expected += line.size() + 2;
    for (int r = 1; r < g.rowCount(); ++r) {
        const auto& cells = g.row(r);
        expected += cells.size() + 1;
        for (const auto& cell : cells)
            expected += cell.size();
    }
    TextLinesEncoder encoder(bytes, expected);
    for (const auto& line : header)
        encoder.add(line);
    std::string line;
    for (int r = 1; r < g.rowCount(); ++r) {
        line.clear();
        appendCommaText(g.row(r), line);
        encoder.add(line);
    }
    return encoder.finish();
}

WriteResult writeEstimateFile(const std::filesystem::path& path, const Estimate& doc, int remarkRows,
                              const FileOps& ops)
{
    std::string bytes;
    auto r = estimateFileBytes(doc, remarkRows, bytes);
    if (!r.ok)
        return r;
    return writeFileAtomic(path, bytes, ops);
}

} // namespace yorozu
