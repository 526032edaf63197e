#include "files/parts/PartsCatalogue.h"

#include "core/document/StringGrid.h"
#include "files/parts/ProgramFileName.h"

#include <stdexcept>

namespace yorozu {

namespace fs = std::filesystem;

namespace {

bool inRange(int department, int page)
{
    return department >= 1 && department <= kPartsDepartments && page >= 1 && page <= kPartsPages;
}

} // namespace

PartsCatalogue::PartsCatalogue(fs::path programDir) : programDir_(std::move(programDir))
{
    for (auto& d : rows_)
        d.fill(1);
}

int PartsCatalogue::rememberedRow(int department, int page) const
{
    if (!inRange(department, page))
        return 1;
    return rows_[static_cast<std::size_t>(department - 1)][static_cast<std::size_t>(page - 1)];
}

void PartsCatalogue::remember(int row)
{
    if (inRange(department_, page_))
        rows_[static_cast<std::size_t>(department_ - 1)][static_cast<std::size_t>(page_ - 1)] = row;
}

WriteResult PartsCatalogue::writeShown(const StringGrid& SG2) const
{
    if (shownUnreadable_)
        return {};
    return BUHIN_KAKIDASI(programDir_, SG2, department_, page_);
}

PartsCatalogue::Step PartsCatalogue::load(StringGrid& SG2, Step step)
{
    const fs::path path = programFilePath(programDir_, partsFileName(department_, page_));
    shownUnreadable_ = SG_YOMIKOMI(SG2, path) == PartsFileRead::Unreadable;
    if (shownUnreadable_)
        step.unreadable = path.filename().string();
    step.switched = true;
    int row = rememberedRow(department_, page_);
    if (row < 1)
        row = 1;
    if (row > SG2.rowCount() - 1)
        row = SG2.rowCount() - 1;
    step.row = row;
    return step;
}

PartsCatalogue::Step PartsCatalogue::open(StringGrid& SG2, PartsCaptions& captions)
{
    department_ = 1;
    page_ = 1;
    Step step = load(SG2, {});
    for (int list : {0, 1}) {
        try {
            BUMON_YOMIKOMI(programDir_, list, captions);
        } catch (const std::runtime_error&) {
            if (step.unreadable.empty())
                step.unreadable = partsListName(list);
        }
    }
    return step;
}

PartsCatalogue::Step PartsCatalogue::switchPage(StringGrid& SG2, int currentRow, int k)
{
    Step step;
    remember(currentRow);
    step.write = writeShown(SG2);
    if (!step.write)
        return step;
    page_ = k;
    return load(SG2, std::move(step));
}

PartsCatalogue::Step PartsCatalogue::switchDepartment(StringGrid& SG2, PartsCaptions& captions, int currentRow, int k)
{
    Step step;
    remember(currentRow);
    step.write = writeShown(SG2);
    if (!step.write)
        return step;
    std::string listProblem;
    try {
        BUMON_YOMIKOMI(programDir_, k, captions);
    } catch (const std::runtime_error&) {
        listProblem = partsListName(k);
    }
    department_ = k;
    step = load(SG2, std::move(step));
    if (step.unreadable.empty())
        step.unreadable = listProblem;
    return step;
}

WriteResult PartsCatalogue::save(const StringGrid& SG2) const
{
    return writeShown(SG2);
}

void PartsCatalogue::reset()
{
    department_ = 0;
    page_ = 0;
    shownUnreadable_ = false;
}

} // namespace yorozu
