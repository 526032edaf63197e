// What closing the window writes: the pick lists, "SET2.INI" and the parts page.
#include "files/settings/CompanySettingsFile.h"
#include "files/settings/PickLists.h"
#include "files/settings/Set2File.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/parts/PartsPanel.h"
#include "ui/window/FunctionKeys.h"
#include "files/settings/ProgramFiles.h"
#include "ui/window/WindowRooms.h"
#include "ui/window/Yorozu1.h"
#include "ui/browser/Browser.h"

#include <QLineEdit>

#include <QComboBox>

namespace yorozu::shutdown {

void FormClose(TYorozu& w)
{
    // Every step is tried even when one fails, so a single unwritable list
    // does not cost the user the window settings; one message tells of it.
    bool failed = false;
    const std::function<void()> steps[] = {
        [&w] { COMBO_KAKIDASI(w); },
        [&w] { SET2_KAKIDASI(w); },
        [&w] { CommandHooks::run(w.hooks().partsSave); },
    };
    for (const auto& step : steps) {
        try {
            step();
        } catch (...) {
            failed = true;
        }
    }
    if (failed)
        w.dialogs().warning(QString::fromUtf8(kSettingsNotSaved));
}

void COMBO_KAKIDASI(TYorozu& w)
{
    bool failed = false;
    for (const auto& [list, combo] : startup::pickListCombos(w)) {
        std::vector<std::string> entries;
        for (int i = 0; i < combo->count(); ++i)
            entries.push_back(combo->itemText(i).toStdString());
        if (!yorozu::COMBO_KAKIDASI(w.programDir(), list, entries))
            failed = true;
    }
    if (failed)
        throw std::runtime_error("a pick list could not be written");
}

void SET2_KAKIDASI(TYorozu& w)
{
    const auto& e = w.estimate();
    Set2Settings s = w.state().settings;
    s.GYOUKAN = std::max(0, e.GYOUKAN);
    s.PRN_S = std::max(0, e.PRN_S);
    s.Sunpou = e.Sunpou;
    s.windowWidth = w.width();
    s.MUKI = e.MUKI == 1 ? 1 : 0;
    w.state().colors.toSettings(s);
    s.functionKeyBarShown = true;
    s.DATA_PATH = w.state().dataPath;
    s.NETPATH = w.browser().NETPATH->text().toStdString();
    s.KAKERITU = e.KAKERITU;
    s.MARUME = e.MARUME;
    const QPoint at = w.pos();
    s.windowTop = at.y();
    s.windowLeft = at.x();
    for (int pos = 0; pos < Set2Settings::kMenuItems; ++pos)
        s.menuItemFunctionKeys[static_cast<size_t>(pos)] = w.keys().functionKeyOf(pos).value_or(0);
    for (int n = 1; n <= 12; ++n)
        s.labelHints[static_cast<size_t>(n - 1)] = w.keys().hint(n).toStdString();
    s.memoMode = e.memoMode;
    s.RIEKI_RITU = e.RIEKI_RITU;
    if (const PartsPanel* parts = w.partsPanel()) {
        s.partsBarWidth = parts->barWidth();
        s.partsAutoOpen = parts->autoClose();
        s.partsInsertMode = parts->insertMode();
    }
    const auto r = yorozu::SET2_KAKIDASI(w.programDir(), s);
    if (!r)
        throw std::runtime_error(r.error);
}

} // namespace yorozu::shutdown
