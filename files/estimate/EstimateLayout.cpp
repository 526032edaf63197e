#include "files/estimate/EstimateLayout.h"

#include "core/document/CommaText.h"
#include "core/document/Estimate.h"
#include "files/text/IntText.h"
#include "files/settings/OrientationSettings.h"

#include <algorithm>

namespace yorozu {

int integerValue(std::string_view text, int fallback)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    return intOr(text, fallback);
}

int remarkRowsSetting(const std::filesystem::path& programDir)
{
    return OrientationSettings(programDir, Orientation::Portrait).remarkRows();
}

namespace {

const char* flag(bool on)
{
    return on ? "1" : "0";
}

} // namespace

std::vector<std::string> estimateHeaderLines(const Estimate& doc, int remarkRows, int count)
{
    std::vector<std::string> lines = {
        doc.KNAME,
        doc.Kouji,
        doc.TITLE,
        doc.Bangou,
        doc.DTP1.toString(),
        doc.Nouki,
        doc.Basyo,
        doc.Joken,
        doc.Kigen,
        flag(doc.memoMode == MemoMode::Text),
        flag(doc.SG1.colWidth(col::Memo) >= 1),
        std::to_string(doc.GYOUKAN),
        std::to_string(doc.PRN_S),
        std::to_string(doc.MUKI),
        flag(doc.UTIZEI),
        flag(doc.HIKAZEI),
        flag(doc.Sunpou),
        std::to_string(doc.HASU_MODE),
        std::to_string(remarkRows),
        rowCommaText(doc.SG1, 0),
    };
    if (count >= 0 && static_cast<size_t>(count) < lines.size())
        lines.resize(static_cast<size_t>(count));
    return lines;
}

std::vector<std::string> estimateFileLines(const Estimate& doc, int remarkRows)
{
    auto lines = estimateHeaderLines(doc, remarkRows);
    lines.reserve(lines.size() + static_cast<size_t>(std::max(doc.SG1.rowCount() - 1, 0)));
    for (int r = 1; r < doc.SG1.rowCount(); ++r)
        lines.push_back(rowCommaText(doc.SG1, r));
    return lines;
}

} // namespace yorozu
