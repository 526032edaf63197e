#pragma once

#include "files/support/ProgramFolder.h"
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
class WindowTest : public ::testing::Test, public ProgramFolder {
protected:
    ~WindowTest() override
    {
        window_.reset();
    }

    // Creates the window (the start-up runs) and shows it.
    TYorozu& start()
    {
        window_ = std::make_unique<TYorozu>(dir(), dialogs, desktop);
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
    std::unique_ptr<TYorozu> window_;
};

} // namespace yorozu::test
