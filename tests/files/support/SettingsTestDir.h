#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace yorozu::test {

// A program folder of its own for every test, removed afterwards.
class ProgramDirTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        static std::atomic<int> counter{0};
        dir_ = std::filesystem::temp_directory_path() /
               ("yorozu-settings-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    // Raw bytes, so that a test states exactly what is on disk.
    void writeRaw(const std::string& name, const std::string& bytes) const
    {
        std::ofstream out(dir_ / name, std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    std::string readRaw(const std::string& name) const
    {
        std::ifstream in(dir_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    bool exists(const std::string& name) const { return std::filesystem::exists(dir_ / name); }

    std::filesystem::path dir_;
};

} // namespace yorozu::test
