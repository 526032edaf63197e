#pragma once

#include "core/document/Estimate.h"
#include "files/text/TextFile.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace yorozu::test {

// A program folder and a data folder of their own for each test.
class EstimateFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        root_ = std::filesystem::temp_directory_path() /
                (std::string("yorozu_qte_") + info->test_suite_name() + "_" + info->name() + "_" +
                 std::to_string(::getpid()));
        std::filesystem::remove_all(root_);
        programDir = root_ / "prog";
        dataDir = root_ / "data";
        std::filesystem::create_directories(programDir);
        std::filesystem::create_directories(dataDir);
    }
    void TearDown() override { std::filesystem::remove_all(root_); }

    // Raw bytes, as another program or an older version may have left them.
    static void writeBytes(const std::filesystem::path& path, const std::string& bytes)
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    static std::string readBytes(const std::filesystem::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // Lines joined with CR LF; the texts must be ASCII or already code page 932.
    static std::string crlf(const std::vector<std::string>& lines)
    {
        std::string out;
        for (const auto& l : lines)
            out += l + "\r\n";
        return out;
    }
    // The twenty fixed lines of a file that matches a new document, so that
    // reading it changes no option and shows no message; tests change lines.
    static std::vector<std::string> neutralHeader()
    {
        return {"顧客", "工事", "登録名", "100", "2024/03/05", "納期", "場所", "条件", "期限",
                "1", "1", "0", "0", "0", "0", "0", "1", "0", "0",
                "№,大,中,小,,,,摘要,,形状・寸法,数量,単位,単価,原単価,見積金額,原価計,率,"};
    }
    static void writeLines(const std::filesystem::path& path, const std::vector<std::string>& lines)
    {
        ASSERT_TRUE(writeTextLines(path, lines));
    }
    std::vector<std::string> filesIn(const std::filesystem::path& dir) const
    {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(dir))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    std::filesystem::path programDir, dataDir;

private:
    std::filesystem::path root_;
};

} // namespace yorozu::test
