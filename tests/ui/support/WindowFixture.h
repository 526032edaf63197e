#pragma once

#include "files/text/TextFile.h"
#include "ui/dialogs/ScriptedDialogs.h"
#include "ui/window/Yorozu1.h"
#include "ui/support/UrlRecorder.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace yorozu::test {

// A main window on a fresh program folder, with every box answered from a script.
class WindowTest : public ::testing::Test {
protected:
    WindowTest()
    {
        auto pattern = (std::filesystem::temp_directory_path() / "yorozu-window-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("mkdtemp failed");
        dir_ = pattern;
    }
    ~WindowTest() override
    {
        window_.reset();
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }

    const std::filesystem::path& dir() const { return dir_; }

    void writeFile(const std::string& name, const std::vector<std::string>& lines)
    {
        ASSERT_TRUE(writeTextLines(dir_ / name, lines).ok) << name;
    }
    std::vector<std::string> readFile(const std::string& name) const
    {
        return readTextLines(dir_ / name).value_or(std::vector<std::string>{});
    }
    std::string bytes(const std::string& name) const
    {
        std::ifstream in(dir_ / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    // Creates the window (the start-up runs) and shows it.
    TYorozu& start()
    {
        window_ = std::make_unique<TYorozu>(dir_, dialogs, desktop);
        window_->show();
        return *window_;
    }
    TYorozu& w() { return *window_; }
    Estimate& doc() { return window_->estimate(); }

    // Puts a priced line into a row of the sheet.
    void fillLine(int row, const std::string& description, const std::string& quantity, const std::string& price)
    {
        auto& g = doc().SG1;
        g.setCell(col::Description, row, description);
        g.setCell(col::Quantity, row, quantity);
        g.setCell(col::UnitPrice, row, price);
        doc().notify(Change::Cells);
    }

    ScriptedDialogs dialogs;
    // An office screen: the test platform's own is 800 x 600, which the
    // window would have to shrink into.
    Desktop desktop{[] { return QRect(0, 0, 1280, 1024); }, [] { return QRect(0, 0, 1280, 1024); }};

private:
    std::filesystem::path dir_;
    std::unique_ptr<TYorozu> window_;
};

} // namespace yorozu::test
