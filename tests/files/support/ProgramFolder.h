#pragma once

#include "files/support/TempFolder.h"
#include "files/text/TextFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace yorozu::test {

// A fresh program folder for a test of the window or a dialog, with its
// settings files written and read through the program's own text layer.
class ProgramFolder {
public:
    const std::filesystem::path& dir() const { return folder_.path(); }

    void writeFile(const std::string& name, const std::vector<std::string>& lines)
    {
        ASSERT_TRUE(writeTextLines(dir() / name, lines).ok) << name;
    }
    std::vector<std::string> readFile(const std::string& name) const
    {
        return readTextLines(dir() / name).value_or(std::vector<std::string>{});
    }
    std::string bytes(const std::string& name) const { return readBytes(dir() / name); }

private:
    TempFolder folder_;
};

} // namespace yorozu::test
