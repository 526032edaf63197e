// The window's own commands: exit, clear, the save reminder, the manual and
// web-page buttons and the wide display.
#include "core/calc/Numbers.h"
#include "ui/app/AppException.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/window/FunctionKeys.h"
#include "ui/header/HeaderFields.h"
#include "files/settings/OrientationSettings.h"
#include "ui/sheet/SheetEditor.h"
#include "ui/sheet/SheetView.h"
#include "ui/window/StatusPanels.h"
#include "ui/window/WindowRooms.h"
#include "ui/window/Yorozu1.h"

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <chrono>

namespace yorozu::commands {

bool mayExit(TYorozu& w)
{
    if (!w.state().exitConfirmation)
        return true;
    auto& d = w.dialogs();
    if (!d.question(QStringLiteral("終了します。")))
        return false;
    const auto& e = w.estimate();
    if (e.SG1_END() < 1 && e.KNAME.empty())
        return true;
    if (!d.question(QStringLiteral("保存しますか？")))
        return true;
    // Saving keeps the window open: the user closes it once the estimate is stored.
    w.commands().run(Command::Save);
    return false;
}

void exitWithQuestions(TYorozu& w)
{
    if (mayExit(w))
        w.closeForGood();
}

void exitAfterQuestion(TYorozu& w)
{
    QApplication::beep();
    if (w.state().exitConfirmation && !w.dialogs().question(QStringLiteral("終了します。")))
        return;
    w.closeForGood();
}

void clear(TYorozu& w, bool ask)
{
    auto& d = w.dialogs();
    if (ask && !d.question(QStringLiteral("白紙に戻します。")))
        return;
    auto& e = w.estimate();
    // Nothing typed before the clear reaches the new estimate: a pending
    // operation is dropped and no editor stays on an old cell.
    w.sheetEditor().cancelEditing();
    w.header().KNAME->setFocus();
    w.header().showFocus();
    e.Tanto.clear();
    e.clear();
    // A cleared sheet is a new estimate: saving it adds a file.
    w.state().currentFile.clear();
    e.TOTALKIN.clear();
    e.SG_KEI_visible = false;
    w.sheet().setCurrentCell(1, 1);
    w.recalculateAll();
    w.BANGOU_CALL();
    if (e.MUKI == 0) {
        // Portrait estimates come back to the fraction mode the settings prescribe.
        const int mode = OrientationSettings(w.programDir(), Orientation::Portrait).defaultHasuMode();
        if (mode != e.HASU_MODE &&
            d.question(QStringLiteral("端数処理を規定値( ") + QString::fromStdString(hasuModeName(mode)) +
                       QStringLiteral(" )に変更します。"))) {
            e.HASU_MODE = mode;
            w.status().setText(7, QString::fromStdString(hasuModeName(mode)));
        }
    }
    w.sheet().viewport()->update();
}

void saveReminder(TYorozu& w)
{
    auto& st = w.state();
    if (w.estimate().SG1_KARA() <= 0 || !w.isVisible() || st.reminderOpen)
        return;
    // Keys already on their way belong to the field they were typed into.
    QCoreApplication::processEvents(QEventLoop::ExcludeSocketNotifiers);
    const auto idle = std::chrono::steady_clock::now() - st.lastInput;
    if (idle < st.reminderPause) {
        // The user is typing: ask once there is a pause.
        if (!st.reminderDue) {
            st.reminderDue = true;
            const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(st.reminderPause - idle);
            QTimer::singleShot(std::max<long long>(1, wait.count()), &w, [&w] {
                w.state().reminderDue = false;
                guarded("Timer1Timer", [&w] { w.Timer1Timer(); });
            });
        }
        return;
    }
    st.reminderOpen = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{st.reminderOpen};
    if (w.dialogs().question(QStringLiteral("保存しますか？")))
        w.commands().run(Command::Save);
}

void openManual(TYorozu& w)
{
    const auto manual = w.programDir() / "Rakumi_MAN.htm";
    if (!std::filesystem::is_regular_file(manual)) {
        w.dialogs().information(QStringLiteral("解説書ファイルは組み込まれていません。\r\n\r\n"));
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(manual.string())));
}

void openWebPage(TYorozu& w)
{
    if (w.dialogs().question(QString::fromUtf8(kHomePageQuestion)))
        QDesktopServices::openUrl(QUrl(QString::fromLatin1(kHomePage)));
}

void wideDisplay(TYorozu& w)
{
    const int screenWidth = w.desktop().screen().width();
    if (screenWidth > TYorozu::kDesignWidth && w.width() == TYorozu::kDesignWidth)
        w.resize(screenWidth, w.height());
    else
        w.resize(TYorozu::kDesignWidth, w.height());
}

} // namespace yorozu::commands
