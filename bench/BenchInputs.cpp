#include "bench/BenchInputs.h"

#include "bench/EstimateGenerator.h"

#include "core/document/Estimate.h"
#include "files/estimate/EstimateLayout.h"
#include "files/text/TextFile.h"

#include <stdexcept>
#include <unistd.h>

namespace yorozu::bench {

namespace fs = std::filesystem;

namespace {

void writeLines(const fs::path& path, const std::vector<std::string>& lines)
{
    const auto written = writeTextLines(path, lines);
    if (!written)
        throw std::runtime_error("cannot write " + path.string() + ": " + written.error + written.unmappable);
}

} // namespace

BenchInputs::BenchInputs()
{
    root_ = fs::temp_directory_path() / ("yorozu-bench-" + std::to_string(::getpid()));
    programDir_ = root_ / "program";
    fs::create_directories(programDir_);
    // Portrait settings with the tax rows, the continuation rows and rounding
    // half away from zero, so every pass of the print copy has work to do.
    writeLines(programDir_ / "SET3.INI", {"[切捨て]=2", "[MEMO]=備考", "[消費税]=True", "[備考枠]=3", "[つづく]=0"});
    for (int lines : kSizes) {
        Estimate doc;
        generateEstimate(doc, lines);
        doc.setPRN_S(2); // "小計"
        doc.HASU_MODE = 2;
        doc.recalculateAll();
        writeLines(estimateFile(lines), estimateFileLines(doc, 3));
    }
}

BenchInputs::~BenchInputs()
{
    std::error_code ec;
    fs::remove_all(root_, ec);
}

fs::path BenchInputs::estimateFile(int lines) const
{
    return root_ / ("estimate" + std::to_string(lines) + ".qte");
}

const BenchInputs& benchInputs()
{
    static const BenchInputs inputs;
    return inputs;
}

} // namespace yorozu::bench
