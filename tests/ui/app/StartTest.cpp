// The start of the program: Japanese whatever the system's language, the
// program folder named in the window, an estimate handed over by the desktop.
#include "ui/support/WindowFixture.h"

#include "files/estimate/EstimateFile.h"
#include "ui/app/Japanese.h"
#include "ui/app/OpenAtStart.h"
#include "ui/app/ProgramFolderHint.h"
#include "ui/app/StartArguments.h"
#include "ui/dialogs/QtDialogs.h"
#include "ui/header/HeaderFields.h"

#include <QCalendarWidget>
#include <QCoreApplication>
#include <QInputDialog>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QTranslator>

namespace yorozu::test {
namespace {

// Japanese for the length of one test; the process's locale and translators come back afterwards.
class JapaneseTest : public WindowTest {
protected:
    JapaneseTest() : before_(QLocale()) { loaded_ = useJapanese(*QCoreApplication::instance()); }
    ~JapaneseTest() override
    {
        for (auto* t : QCoreApplication::instance()->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
        QLocale::setDefault(before_);
    }
    bool loaded_ = false;

private:
    QLocale before_;
};

TEST_F(JapaneseTest, DateFieldsCalendarIsJapaneseAndStartsOnSunday)
{
    auto& win = start();
    QCalendarWidget* calendar = win.header().DTP1->calendarWidget();
    ASSERT_NE(calendar, nullptr);
    EXPECT_EQ(calendar->firstDayOfWeek(), Qt::Sunday);
    calendar->setCurrentPage(2018, 3);
    auto* month = calendar->findChild<QToolButton*>(QStringLiteral("qt_calendar_monthbutton"));
    ASSERT_NE(month, nullptr);
    EXPECT_EQ(month->text(), QStringLiteral("3月"));
    EXPECT_EQ(calendar->locale().dayName(7, QLocale::ShortFormat), QStringLiteral("日"));
}

TEST_F(JapaneseTest, QtsOwnTextsComeFromTheJapaneseTranslations)
{
    ASSERT_TRUE(loaded_) << "Qt's Japanese translations (qt6-translations-l10n) are not installed";
    QLineEdit edit;
    std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    QStringList texts;
    for (auto* a : menu->actions())
        if (!a->isSeparator())
            texts << a->text();
    ASSERT_FALSE(texts.isEmpty());
    for (const auto& t : texts) {
        SCOPED_TRACE(t.toStdString());
        bool ascii = true;
        for (QChar c : t)
            ascii = ascii && c.unicode() < 0x80;
        EXPECT_FALSE(ascii);
    }
}

TEST(MessageBoxButtons, CarryTheProgramsOwnJapaneseTexts)
{
    auto question = makeMessageBox(nullptr, QMessageBox::Question, QStringLiteral("白紙に戻します。"), true);
    ASSERT_NE(question->button(QMessageBox::Yes), nullptr);
    ASSERT_NE(question->button(QMessageBox::No), nullptr);
    EXPECT_EQ(question->button(QMessageBox::Yes)->text(), QStringLiteral("はい"));
    EXPECT_EQ(question->button(QMessageBox::No)->text(), QStringLiteral("いいえ"));
    EXPECT_EQ(static_cast<QAbstractButton*>(question->defaultButton()), question->button(QMessageBox::Yes));
    EXPECT_EQ(question->buttons().size(), 2);

    auto info = makeMessageBox(nullptr, QMessageBox::Information, QStringLiteral("登録しました。\r\n"), false);
    ASSERT_EQ(info->buttons().size(), 1);
    EXPECT_EQ(info->buttons().front()->text(), QStringLiteral("OK"));
    // Windows line ends in the program's texts would show as a stray character.
    EXPECT_EQ(info->text(), QStringLiteral("登録しました。\n"));

    auto input = makeInputBox(nullptr, QStringLiteral("掛率"), QStringLiteral("掛率を入力"), QStringLiteral("1.2"));
    EXPECT_EQ(input->okButtonText(), QStringLiteral("OK"));
    EXPECT_EQ(input->cancelButtonText(), QStringLiteral("キャンセル"));
    EXPECT_EQ(input->textValue(), QStringLiteral("1.2"));
}

TEST(StartArguments, TheFirstNonOptionArgumentIsTheEstimate)
{
    const auto cwd = std::filesystem::current_path();
    struct Case {
        const char* name;
        QStringList args;
        std::optional<std::filesystem::path> file;
    };
    const Case cases[] = {
        {"nothing", {"yorozu"}, std::nullopt},
        {"absolute path", {"yorozu", "/tmp/見積/a.qte"}, "/tmp/見積/a.qte"},
        {"relative path", {"yorozu", "a.qte"}, cwd / "a.qte"},
        {"options skipped", {"yorozu", "--x", "/tmp/b.qte"}, "/tmp/b.qte"},
        {"file URL", {"yorozu", "file:///tmp/%E8%A6%8B%E7%A9%8D.qte"}, "/tmp/見積.qte"},
        {"remote URL refused", {"yorozu", "http://example.org/a.qte"}, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(estimateFileArgument(c.args), c.file);
    }
}

using StartTest = WindowTest;

TEST_F(StartTest, ManualButtonsHintNamesTheProgramFolder)
{
    auto& win = start();
    showProgramFolder(win, dir());
    auto* manual = win.findChild<QAbstractButton*>(QStringLiteral("SpeedButton16"));
    ASSERT_NE(manual, nullptr);
    EXPECT_EQ(manual->toolTip(),
              QStringLiteral("解説書を表示します。\nプログラムフォルダ: ") + QString::fromStdString(dir().string()));
}

TEST_F(StartTest, EstimateHandedOverOpensInTheWindow)
{
    {
        Estimate saved;
        saved.KNAME = "株式会社　山田商店";
        saved.SG1.setCell(col::Description, 1, "足場架払い");
        saved.SG1.setCell(col::Quantity, 1, "120");
        saved.SG1.setCell(col::UnitPrice, 1, "1200");
        ASSERT_TRUE(writeEstimateFile(dir() / "倉庫.qte", saved, 0));
    }
    auto& win = start();
    fillLine(3, "前の見積", "1", "5");
    openEstimateAtStart(win, dir() / "倉庫.qte");
    EXPECT_EQ(doc().KNAME, "株式会社　山田商店");
    EXPECT_EQ(doc().SG1.cell(col::Description, 1), "足場架払い");
    EXPECT_EQ(doc().SG1.cell(col::Amount, 1), "144000");
    EXPECT_EQ(doc().SG1.cell(col::Description, 3), "");
    EXPECT_EQ(win.header().KNAME->currentText(), QStringLiteral("株式会社　山田商店"));
    EXPECT_TRUE(dialogs.texts(ScriptedDialogs::Kind::Warning).isEmpty());
    // Its folder is the data folder now, and the file the current one.
    EXPECT_EQ(win.state().dataPath, dir().string());
    EXPECT_EQ(win.state().currentFile, dir() / "倉庫.qte");
}

// A file that turns the paper brings that orientation's settings in at once,
// as a click on the orientation would: its fraction mode matches the file's,
// so the read has nothing to report, and the window agrees with yorozu-cli.
TEST_F(StartTest, EstimateThatTurnsThePaperTakesThatOrientationsSettings)
{
    writeFile("SET3.INI", {"[切捨て]=0"});
    writeFile("SET.INI", {"[切捨て]=2"});
    {
        Estimate saved;
        saved.MUKI = 1;
        saved.HASU_MODE = 2;
        saved.SG1.setCell(col::Description, 1, "足場架払い");
        ASSERT_TRUE(writeEstimateFile(dir() / "横.qte", saved, 0));
    }
    auto& win = start();
    ASSERT_EQ(doc().MUKI, 0);
    dialogs.shown.clear();
    openEstimateAtStart(win, dir() / "横.qte");
    EXPECT_EQ(doc().MUKI, 1);
    EXPECT_EQ(doc().HASU_MODE, 2);
    EXPECT_TRUE(dialogs.texts(ScriptedDialogs::Kind::Information).isEmpty()) << dialogs.texts().join("|").toStdString();
}

TEST_F(StartTest, EstimateThatCannotBeReadSaysSo)
{
    auto& win = start();
    openEstimateAtStart(win, dir() / "無い.qte");
    const auto warnings = dialogs.texts(ScriptedDialogs::Kind::Warning);
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings.front().contains(QStringLiteral("無い.qte")));
}

} // namespace
} // namespace yorozu::test
