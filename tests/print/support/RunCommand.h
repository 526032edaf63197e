#pragma once

#include <cstdio>
#include <memory>
#include <string>

namespace yorozu {

// Standard output of a shell command (pdftotext, pdfinfo, lpstat...); empty
// when it cannot be started.
inline std::string commandOutput(const std::string& command)
{
    std::string out;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe)
        return out;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, pipe.get())) > 0)
        out.append(buf, n);
    return out;
}

} // namespace yorozu
