// yorozu-cli: the estimate computations of the window without the window,
// for scripts, bulk conversion and comparing results.
#include "CliOptions.h"
#include "Commands.h"

#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

namespace {

// The window reads its settings from the folder of its executable; so do we by default.
std::filesystem::path executableDir(const char* argv0)
{
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        exe = std::filesystem::absolute(argv0 ? argv0 : "", ec);
    return exe.parent_path();
}

} // namespace

int main(int argc, char** argv)
{
    using namespace yorozu::cli;
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const auto parsed = parseArguments(args, executableDir(argc > 0 ? argv[0] : nullptr));
    if (parsed.helpRequested) {
        std::cout << usageText();
        return kExitOk;
    }
    if (!parsed.options) {
        std::cerr << "yorozu-cli: " << parsed.error << "\n\n" << usageText();
        return kExitUsage;
    }
    return runCommand(*parsed.options, std::cout, std::cerr);
}
