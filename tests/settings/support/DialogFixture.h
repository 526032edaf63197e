#pragma once

#include "files/support/ProgramFolder.h"
#include "settings/dialog/SetYorozu.h"
#include "ui/dialogs/ScriptedDialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace yorozu::test {

// The settings dialog on a fresh program folder, every box answered from a script.
class SettingsDialogTest : public ::testing::Test, public ProgramFolder {
protected:
    ~SettingsDialogTest() override
    {
        dialog_.reset();
    }

    // Every file of the program folder with its bytes, to see that nothing changed.
    std::map<std::string, std::string> snapshot() const
    {
        std::map<std::string, std::string> files;
        for (const auto& e : std::filesystem::directory_iterator(dir()))
            files[e.path().filename().string()] = readBytes(e.path());
        return files;
    }

    // Creates the dialog on the orientation's settings and shows it.
    TSetYorozu& open(Orientation orientation = Orientation::Landscape, QTimer* reminder = nullptr)
    {
        dialog_ = std::make_unique<TSetYorozu>(dir(), orientation, dialogs, reminder);
        dialog_->show();
        return *dialog_;
    }
    TSetYorozu& d() { return *dialog_; }

    template <class W = QWidget>
    W* control(const char* name)
    {
        auto* w = dialog_->findChild<W*>(QString::fromUtf8(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QLineEdit* edit(const char* name) { return control<QLineEdit>(name); }

    // Types the text as key presses, one character each (a character
    // beyond the BMP in one press), as an input method delivers it.
    static void type(QWidget* w, const QString& text)
    {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const int n = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
            const QString ch = text.mid(i, n);
            i += n - 1;
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, ch);
            QApplication::sendEvent(w, &press);
            QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, ch);
            QApplication::sendEvent(w, &release);
        }
    }

    ScriptedDialogs dialogs;

private:
    std::unique_ptr<TSetYorozu> dialog_;
};

} // namespace yorozu::test
