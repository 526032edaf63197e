#pragma once

#include <filesystem>
#include <string>

namespace yorozu::bench {

// The estimate sizes every case runs at.
inline constexpr int kSizes[] = {300, 3000, 10000};

// A temporary program folder with the company settings the cases use, and
// one generated ".qte" file per size beside it, written at start in code
// page 932 by the program's own writer. Removed when the run ends.
class BenchInputs {
public:
    BenchInputs();
    ~BenchInputs();
    BenchInputs(const BenchInputs&) = delete;
    BenchInputs& operator=(const BenchInputs&) = delete;

    const std::filesystem::path& programDir() const { return programDir_; }
    std::filesystem::path estimateFile(int lines) const;

private:
    std::filesystem::path root_;
    std::filesystem::path programDir_;
};

// The one set of inputs of this run (made by the first call).
const BenchInputs& benchInputs();

} // namespace yorozu::bench
