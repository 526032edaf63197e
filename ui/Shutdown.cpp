// What closing the window writes: the pick lists, "SET2.INI" and the parts page.
#include "ui/Dialogs.h"
#include "ui/FunctionKeys.h"
#include "ui/ProgramFiles.h"
#include "ui/WindowRooms.h"
#include "ui/Yorozu1.h"

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
        w.dialogs().warning(QStringLiteral("設定ファイルは保存できませんでした。\r\n"));
}

void COMBO_KAKIDASI(TYorozu& w)
{
    bool failed = false;
    for (const auto& [file, combo] : startup::pickListFiles(w)) {
        std::vector<std::string> entries;
        for (int i = 0; i < combo->count(); ++i)
            entries.push_back(combo->itemText(i).toStdString());
        try {
            writePickList(w.programDir(), file, entries);
        } catch (...) {
            failed = true;
        }
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
    s.keyBarShown = true;
    s.dataPath = w.state().dataPath;
    s.KAKERITU = e.KAKERITU;
    s.MARUME = e.MARUME;
    const QPoint at = w.pos();
    s.top = at.y();
    s.left = at.x();
    for (int k = 1; k <= 12; ++k)
        s.functionKeys[static_cast<size_t>(k - 1)] = w.keys().positionOf(k);
    for (int n = 1; n <= 12; ++n)
        s.labelHints[static_cast<size_t>(n - 1)] = w.keys().hint(n).toStdString();
    s.memoText = e.memoMode == MemoMode::Text;
    s.RIEKI_RITU = e.RIEKI_RITU;
    writeSet2(w.programDir(), s);
}

} // namespace yorozu::shutdown
