#include "files/parts/PartsFiles.h"

#include "core/document/CommaText.h"
#include "core/document/StringGrid.h"
#include "files/parts/ProgramFileName.h"
#include "files/text/TextFile.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace yorozu {

namespace fs = std::filesystem;

namespace {

constexpr int kEmptyPageRows = 31;

// Whether something is there under the path; a folder or a place we may not
// look into counts as there, so that it is reported rather than replaced.
bool present(const fs::path& path)
{
    std::error_code ec;
    return fs::symlink_status(path, ec).type() != fs::file_type::not_found;
}

} // namespace

std::string partsListName(int department)
{
    return "BUMON" + std::to_string(department) + ".LST";
}

std::string partsFileName(int department, int page)
{
    return "BUHIN" + std::to_string(department) + "_" + std::to_string(page) + ".LST";
}

void SG2_HAKUSI(StringGrid& SG2)
{
    const int keep = std::min(SG2.rowCount(), kEmptyPageRows);
    for (int r = 1; r < keep; ++r)
        SG2.clearRow(r);
    SG2.setRowCount(kEmptyPageRows);
    SG2.renumber();
}

PartsFileRead SG_YOMIKOMI(StringGrid& SG2, const fs::path& path)
{
    SG2_HAKUSI(SG2);
    if (!present(path))
        return PartsFileRead::Missing;
    std::error_code ec;
    if (fs::is_directory(path, ec))
        return PartsFileRead::Unreadable;
    const auto lines = readTextLines(path);
    if (!lines)
        return PartsFileRead::Unreadable;
    const int count = static_cast<int>(lines->size());
    if (count + 1 > SG2.rowCount())
        SG2.setRowCount(count + 1);
    for (int k = 1; k <= count; ++k) {
        setRowFromCommaText(SG2, k, (*lines)[static_cast<std::size_t>(k - 1)]);
        SG2.setCell(0, k, std::to_string(k));
    }
    return PartsFileRead::Loaded;
}

WriteResult BUHIN_KAKIDASI(const fs::path& programDir, const StringGrid& SG2, int department, int page)
{
    const int last = std::min(SG2.rowCount() - 1, kPartsFileRows);
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(std::max(last, 0)));
    for (int r = 1; r <= last; ++r)
        lines.push_back(rowCommaText(SG2, r));
    return writeTextLines(programFilePath(programDir, partsFileName(department, page)), lines);
}

bool BUMON_YOMIKOMI(const fs::path& programDir, int list, PartsCaptions& captions)
{
    captions.pages.fill(std::string{});
    const fs::path path = programFilePath(programDir, partsListName(list));
    if (!present(path))
        return false;
    const auto lines = readTextLines(path);
    if (!lines)
        throw std::runtime_error("cannot read " + path.string());
    auto& target = list == 0 ? captions.departments : captions.pages;
    target.fill(std::string{});
    const std::size_t n = std::min(lines->size(), target.size());
    for (std::size_t i = 0; i < n; ++i)
        target[i] = (*lines)[i];
    return true;
}

} // namespace yorozu
