// Runs every case and prints the goal table; adds the peak memory of the
// command-line companion building the print copy of the largest estimate.
#include "bench/BenchInputs.h"
#include "bench/GoalTable.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

extern char** environ;

namespace {

#ifdef YOROZU_CLI_PATH
// Peak resident memory of "yorozu-cli print-copy" on the file, in MB, from
// the child's own rusage; the output is thrown away. Negative on failure.
double cliPeakMegabytes(const yorozu::bench::BenchInputs& in, int lines)
{
    std::vector<std::string> args = {YOROZU_CLI_PATH, "--program-dir", in.programDir().string(), "print-copy",
                                     in.estimateFile(lines).string()};
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, YOROZU_CLI_PATH, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return -1;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return static_cast<double>(usage.ru_maxrss) / 1024.0; // ru_maxrss is in kilobytes
}
#endif

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    const auto& inputs = yorozu::bench::benchInputs();
    // Colours only on a terminal: the table is often kept in a file.
    yorozu::bench::GoalTableReporter reporter(::isatty(STDOUT_FILENO) ? benchmark::ConsoleReporter::OO_ColorTabular
                                                                      : benchmark::ConsoleReporter::OO_Tabular);
#ifdef YOROZU_CLI_PATH
    const double mb = cliPeakMegabytes(inputs, 10000);
    if (mb < 0)
        std::fprintf(stderr, "yorozu-cli print-copy failed; no memory row\n");
    else
        reporter.addMemoryRow("peak memory: yorozu-cli print-copy, 10,000 lines", mb, 40);
#else
    (void)inputs;
#endif
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
