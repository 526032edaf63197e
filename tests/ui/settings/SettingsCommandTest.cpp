// The settings command of the main window: the dialog over the window, and
// what the window takes in when it closes.
#include "ui/parts/PartsPanel.h"
#include "ui/support/WindowFixture.h"

#include "files/settings/OrientationSettings.h"
#include "print/dispatch/PrintDispatch.h"
#include "print/printer/PrintDevice.h"
#include "print/sheet/SheetLayouts.h"
#include "settings/dialog/SetYorozu.h"
#include "settings/fields/NumberField.h"
#include "ui/header/HeaderFields.h"
#include "ui/settings/SettingsRoom.h"

#include <QComboBox>
#include <QImage>

namespace yorozu::test {
namespace {

using Kind = ScriptedDialogs::Kind;

// The first page of the sheet print the window would make now, on the
// reference printer.
Page printedFirstPage(TYorozu& window, Estimate& doc, ScriptedDialogs& dialogs, const std::filesystem::path& dir)
{
    ReferencePrinter printer(600, Paper::A4);
    SheetLayouts layouts;
    PrintDispatch dispatch({doc, dir, window.state().images}, dialogs, printer, layouts);
    dialogs.printSetups = {true};
    dialogs.inputs = {QString("1"), QString("1")};
    dispatch.print();
    EXPECT_EQ(printer.jobs, 1);
    return printer.printed.pages.empty() ? Page{} : printer.printed.pages.front();
}

const PageItem* textItem(const Page& page, const std::string& text)
{
    for (const auto& item : page)
        if (item.kind == ItemKind::Text && item.text == text)
            return &item;
    return nullptr;
}

template <class W>
W* in(TSetYorozu& d, const char* name)
{
    auto* w = d.findChild<W*>(QString::fromUtf8(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

TEST_F(WindowTest, WhatTheDialogRegistersTheWindowAndThePrintTakeIn)
{
    writeFile("SET3.INI", {"[社名]=旧社名", "[切捨て]=0"});
    QImage logo(8, 8, QImage::Format_RGB32);
    logo.fill(Qt::red);
    ASSERT_TRUE(logo.save(QString::fromStdString((dir() / "logo.bmp").string())));
    start();
    ASSERT_EQ(doc().MUKI, 0) << "portrait: the dialog works on SET3.INI";
    w().commands().run(Command::PartsPanel);
    ASSERT_TRUE(w().partsPanel()->catalogue().opened());
    doc().HASU_MODE = 0;
    fillLine(1, "端数の出る行", "1", "10.5");
    const Page before = printedFirstPage(w(), doc(), dialogs, dir());
    const PageItem* oldName = textItem(before, "旧社名");
    ASSERT_NE(oldName, nullptr) << "the company name of the settings is printed";

    bool hiddenMeanwhile = false;
    w().settingsRoom().run = [&](TSetYorozu& dlg) {
        dlg.show();
        hiddenMeanwhile = !w().isVisible();
        auto* name = in<QLineEdit>(dlg, "K_NAME");
        name->setText("株式会社よろず工務店");
        in<NumberField>(dlg, "K_NAME_LEFT")->setValue(12);
        in<QLineEdit>(dlg, "NOUKI")->setText("納品日");
        in<QComboBox>(dlg, "KIRISUTE")->setCurrentIndex(1);
        in<QLineEdit>(dlg, "LOGO_NAME")->setText(QString::fromStdString((dir() / "logo.bmp").string()));
        in<NumberField>(dlg, "BIKOUWAKU")->setValue(4);
        dialogs.answers = {true};
        dlg.SpeedButton4Click();
    };
    w().commands().trigger(Command::SettingsDialog);

    EXPECT_TRUE(hiddenMeanwhile) << "the main window is hidden while the dialog is open";
    EXPECT_TRUE(w().isVisible());
    EXPECT_EQ(dialogs.texts(Kind::Information), QStringList{"登録しました。"});
    // The window re-read the settings and the images and recalculated.
    EXPECT_EQ(w().header().NoukiLabel->text(), "納品日");
    EXPECT_EQ(doc().HASU_MODE, 1);
    EXPECT_EQ(doc().SG1.cell(col::Amount, 1), "11") << "recalculated under the new fraction mode";
    EXPECT_FALSE(w().state().images.LogoImage.isNull());
    // The parts panel is hidden and the next opening is a first one.
    EXPECT_FALSE(w().partsPanel()->catalogue().opened());
    EXPECT_FALSE(w().partsPanel()->isShown());

    // What the next print reads.
    const auto settings = OrientationSettings::ofMUKI(dir(), doc().MUKI);
    const auto company = settings.company(SettingsReader::Printing);
    EXPECT_EQ(company.companyName, "株式会社よろず工務店");
    EXPECT_EQ(company.companyNameLeft, 12);
    EXPECT_EQ(settings.printCopy().remarkRows, 4);

    // The next print shows the new name, moved by the new position.
    const Page after = printedFirstPage(w(), doc(), dialogs, dir());
    EXPECT_EQ(textItem(after, "旧社名"), nullptr);
    const PageItem* newName = textItem(after, "株式会社よろず工務店");
    ASSERT_NE(newName, nullptr);
    EXPECT_NE(newName->x, oldName->x) << "[社名LEFT]= moves the name on the page";
}

TEST_F(WindowTest, ClosingTheDialogWithoutRegisteringChangesNoFile)
{
    writeFile("SET3.INI", {"[社名]=そのまま"});
    start();
    const auto before = bytes("SET3.INI");
    w().settingsRoom().run = [&](TSetYorozu& dlg) {
        dlg.show();
        in<QLineEdit>(dlg, "K_NAME")->setText("変えたつもり");
        dlg.reject();
    };
    w().commands().trigger(Command::SettingsDialog);
    EXPECT_EQ(bytes("SET3.INI"), before);
    EXPECT_FALSE(std::filesystem::exists(dir() / "BUMON0.LST"));
    EXPECT_TRUE(w().isVisible());
}

} // namespace
} // namespace yorozu::test
