// yorozu-cli: the estimate computations of the window without the window,
// for scripts, bulk conversion and comparing results.
#include "CliOptions.h"
#include "Commands.h"
#include "files/program/ProgramFolder.h"

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    using namespace yorozu::cli;
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    // Without --program-dir the folder is the one the window would use.
    const auto parsed = parseArguments(args, [&] {
        const auto folder = yorozu::resolveProgramFolder(yorozu::currentProgramFolderInputs(argc > 0 ? argv[0] : nullptr));
        return DefaultProgramDir{folder.path, folder.error};
    });
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
