// Any bytes read as an estimate file must not crash the reader, and what it
// read, written and read again, must give the same document.
#include "core/document/Estimate.h"
#include "files/estimate/EstimateLayout.h"
#include "files/estimate/EstimateRead.h"
#include "files/text/TextFile.h"

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

bool sameDocument(const yorozu::Estimate& a, const yorozu::Estimate& b)
{
    return a.KNAME == b.KNAME && a.Kouji == b.Kouji && a.TITLE == b.TITLE && a.Bangou == b.Bangou &&
           a.DTP1 == b.DTP1 && a.Nouki == b.Nouki && a.Basyo == b.Basyo && a.Joken == b.Joken && a.Kigen == b.Kigen &&
           a.memoMode == b.memoMode && a.memoVisible() == b.memoVisible() && a.GYOUKAN == b.GYOUKAN &&
           a.PRN_S == b.PRN_S && a.MUKI == b.MUKI && a.UTIZEI == b.UTIZEI && a.HIKAZEI == b.HIKAZEI &&
           a.Sunpou == b.Sunpou && a.SG1.rowCount() == b.SG1.rowCount() && [&] {
               for (int r = 0; r < a.SG1.rowCount(); ++r)
                   if (a.SG1.row(r) != b.SG1.row(r))
                       return false;
               return true;
           }();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const fs::path dir = fs::temp_directory_path() / ("yorozu_fuzz_qte_" + std::to_string(::getpid()));
    static const bool made = [] {
        fs::create_directories(dir);
        std::atexit([] {
            std::error_code ec;
            fs::remove_all(dir, ec);
        });
        return true;
    }();
    (void)made;
    const auto file = dir / "in.qte";
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    yorozu::Estimate first;
    if (!yorozu::TXT_DATA_READ2(first, file, dir).ok)
        std::abort();
    // The writer refuses only text the code page cannot hold (or a line feed
    // inside a line), and says which: the characters it names fail alone.
    const auto written = yorozu::writeTextLines(file, yorozu::estimateFileLines(first, 0));
    if (!written) {
        std::string bytes;
        if (written.unmappable.empty())
            std::abort();
        if (written.unmappable.find('\n') == std::string::npos &&
            yorozu::encodeTextLines({written.unmappable}, bytes).ok)
            std::abort();
        return 0;
    }
    yorozu::Estimate second;
    // Same starting point: the first read may have changed widths and options.
    second.DTP1 = first.DTP1;
    if (!yorozu::TXT_DATA_READ2(second, file, dir).ok || !sameDocument(first, second))
        std::abort();
    return 0;
}
