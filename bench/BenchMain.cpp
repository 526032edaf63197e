// Runs every case and prints the goal table; adds the peak memory of the
// command-line companion building the print copy of the largest estimate.
// Exits non-zero when any row of the table misses.
#include "bench/BenchInputs.h"
#include "bench/GoalTable.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

extern char** environ;

namespace {

// Runs a program with its output thrown away and gives its peak resident
// memory in kilobytes from its rusage, or an error text.
struct SpawnResult {
    long maxRssKb = -1;
    std::string error;
};

SpawnResult spawnAndMeasure(std::vector<std::string> args)
{
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    SpawnResult r;
    if (spawned != 0) {
        r.error = std::string("cannot start ") + argv[0] + ": " + std::strerror(spawned);
        return r;
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) {
        r.error = "lost the child";
        return r;
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        r.error = "exit status " + std::to_string(WIFEXITED(status) ? WEXITSTATUS(status) : -1);
        return r;
    }
    r.maxRssKb = usage.ru_maxrss;
    return r;
}

// On Linux a child's ru_maxrss is at least the peak of the process it was
// spawned from (exec keeps the old image's high-water mark), so a child of
// the benchmark, once the inputs are generated, reports the benchmark's own
// memory. The launcher is forked at the very start, while the benchmark is
// still small, and spawns the measured program on request: its children
// carry only its own few megabytes.
class Launcher {
public:
    Launcher()
    {
        int toChild[2], toParent[2];
        if (::pipe(toChild) != 0 || ::pipe(toParent) != 0)
            return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(toChild[1]);
            ::close(toParent[0]);
            serve(toChild[0], toParent[1]);
            ::_exit(0);
        }
        ::close(toChild[0]);
        ::close(toParent[1]);
        out_ = toChild[1];
        in_ = toParent[0];
    }
    ~Launcher()
    {
        if (out_ >= 0)
            ::close(out_);
        if (in_ >= 0)
            ::close(in_);
        if (pid_ > 0)
            ::waitpid(pid_, nullptr, 0);
    }

    SpawnResult run(const std::vector<std::string>& args)
    {
        if (pid_ <= 0)
            return {-1, "no launcher"};
        std::string request;
        for (const auto& a : args)
            request.append(a).push_back('\0');
        request.push_back('\0');
        if (!writeAll(out_, request))
            return {-1, "launcher gone"};
        std::string reply;
        char c = 0;
        while (::read(in_, &c, 1) == 1 && c != '\n')
            reply.push_back(c);
        SpawnResult r;
        const auto space = reply.find(' ');
        if (space == std::string::npos)
            return {-1, "launcher gave no answer"};
        r.maxRssKb = std::strtol(reply.c_str(), nullptr, 10);
        r.error = reply.substr(space + 1);
        return r;
    }

private:
    static bool writeAll(int fd, const std::string& s)
    {
        size_t done = 0;
        while (done < s.size()) {
            const ssize_t n = ::write(fd, s.data() + done, s.size() - done);
            if (n <= 0)
                return false;
            done += static_cast<size_t>(n);
        }
        return true;
    }

    // Requests are NUL-separated arguments ending in an empty one; answers
    // "KILOBYTES ERROR\n".
    static void serve(int in, int out)
    {
        std::vector<std::string> args;
        std::string current;
        char c = 0;
        while (::read(in, &c, 1) == 1) {
            if (c != '\0') {
                current.push_back(c);
                continue;
            }
            if (!current.empty()) {
                args.push_back(current);
                current.clear();
                continue;
            }
            const SpawnResult r = spawnAndMeasure(args);
            writeAll(out, std::to_string(r.maxRssKb) + " " + r.error + "\n");
            args.clear();
        }
    }

    pid_t pid_ = -1;
    int out_ = -1, in_ = -1;
};

} // namespace

int main(int argc, char** argv)
{
    // Before anything of size exists.
    Launcher launcher;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    const auto& inputs = yorozu::bench::benchInputs();
    // Colours only on a terminal: the table is often kept in a file.
    yorozu::bench::GoalTableReporter reporter(::isatty(STDOUT_FILENO) ? benchmark::ConsoleReporter::OO_ColorTabular
                                                                      : benchmark::ConsoleReporter::OO_Tabular);
#ifdef YOROZU_CLI_PATH
    const std::vector<std::string> args = {YOROZU_CLI_PATH, "--program-dir", inputs.programDir().string(),
                                           "print-copy", inputs.estimateFile(10000).string()};
    const SpawnResult alone = launcher.run(args);
    reporter.addMemoryRow("peak memory: yorozu-cli print-copy, 10,000 lines", alone.maxRssKb / 1024.0, 40,
                          alone.error);
    // The same program spawned from the benchmark itself, for comparison:
    // what the row would say if it inherited the benchmark's peak.
    const SpawnResult inherited = spawnAndMeasure(args);
    const SpawnResult launcherFloor = launcher.run({"/bin/true"});
    char note[256];
    std::snprintf(note, sizeof note,
                  "memory: the companion alone %.1f MB (the launcher's own floor, /bin/true: %.1f MB); "
                  "spawned from the benchmark after its inputs it would read %.1f MB",
                  alone.maxRssKb / 1024.0, launcherFloor.maxRssKb / 1024.0, inherited.maxRssKb / 1024.0);
    reporter.addNote(note);
#else
    (void)inputs;
    reporter.addMemoryRow("peak memory: yorozu-cli print-copy, 10,000 lines", -1, 40, "built without the companion");
#endif
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return reporter.misses() == 0 ? 0 : 1;
}
