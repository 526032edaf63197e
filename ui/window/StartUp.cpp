// The start-up sequence of the main window and the files it reads once.
#include "core/calc/Numbers.h"
#include "files/settings/CompanySettingsSlots.h"
#include "files/estimate/Numbering.h"
#include "files/settings/PickLists.h"
#include "files/settings/OrientationSettings.h"
#include "files/settings/Set2File.h"
#include "files/settings/WidthProfile.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/window/FunctionKeys.h"
#include "ui/header/HeaderFields.h"
#include "ui/header/OptionControls.h"
#include "files/settings/ProgramFiles.h"
#include "ui/sheet/SheetModel.h"
#include "ui/sheet/SheetView.h"
#include "ui/window/StatusPanels.h"
#include "ui/colors/WinColor.h"
#include "ui/window/WindowRooms.h"
#include "ui/window/Yorozu1.h"

#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QTimer>

#include <algorithm>

namespace yorozu::startup {

namespace {

int screenWidth(const TYorozu& w)
{
    return w.desktop().screen().width();
}

// The pick lists and the combo each fills, in the order they are read and written.
QComboBox* comboOf(TYorozu& w, PickList list)
{
    auto& h = w.header();
    switch (list) {
    case PickList::Kokyaku:
        return h.KNAME;
    case PickList::Nouki:
        return h.Nouki;
    case PickList::Basyo:
        return h.Basyo;
    case PickList::Joken:
        return h.Joken;
    case PickList::Kigen:
        return h.Kigen;
    case PickList::Tanto:
        return h.Tanto;
    case PickList::Tani:
        break;
    }
    return w.CB1;
}

void applyFixedColors(TYorozu& w)
{
    const auto& c = w.state().colors;
    w.sheet().setFixedColors(fromWinColor(c[ColorTable::Fixed]), fromWinColor(c[ColorTable::FixedFont]));
}

// The heading of the memo column from the company settings of the orientation.
void memoHeading(TYorozu& w)
{
    auto& e = w.estimate();
    const auto heading = OrientationSettings::ofMUKI(w.programDir(), e.MUKI).memoHeading(e.memoMode);
    e.SG1.setCell(col::Memo, 0, heading);
    e.SG2.setCell(col::Memo, 0, heading);
}

} // namespace

std::vector<std::pair<PickList, QComboBox*>> pickListCombos(TYorozu& w)
{
    std::vector<std::pair<PickList, QComboBox*>> out;
    for (const auto& f : kPickListFiles)
        out.emplace_back(f.list, comboOf(w, f.list));
    return out;
}

void FormCreate(TYorozu& w)
{
    auto& e = w.estimate();
    auto& st = w.state();
    // 1. AppException is the application object's: nothing escapes a handler.
    // 2. The parts panel starts with nothing loaded and row 1 remembered
    // everywhere: it is built after the start-up, from the settings read here.
    // 3.
    w.resize(TYorozu::kDesignWidth, w.height());
    w.setOuterHeight(TYorozu::kDesignHeight);
    // 4.
    copyLandscapeSettingsToPortrait(w.programDir());
    // 5.
    e.SG1.renumber();
    e.SG2.renumber();
    // 6. Fonts are sized in pixels here, so a large-font system needs no correction.
    // 7.
    st.images.clear();
    // 8.
    SET2_YOMIKOMI(w);
    // 9. and 10. The grids take their layout; the memo heading comes from the settings.
    setUpSheetGrid(e.SG1, e.Sunpou);
    setUpPrintCopyGrid(e.SGP, e.Sunpou);
    setUpSurveyGrid(e.SGS, e.Sunpou);
    setUpPartsGrid(e.SG2, e.Sunpou);
    memoHeading(w);
    e.notify(Change::Layout);
    // 11. The parts buttons' layout is read by the parts panel.
    // 12.
    activation::readCompanySettings(w, e.MUKI);
    // 13.
    CEL_WIDTH_SET(w.programDir(), e, kWidthProfile2);
    // 14.
    CommandHooks::run(w.hooks().selectLastFile);
    // 15.
    w.DATA_PATH->setText(QString::fromStdString(st.dataPath));
    w.DATA_PATH->resize(std::max(417, w.DATA_PATH->sizeHint().width()), w.DATA_PATH->height());
    // 16.
    setUpTotalsGrid(e.SG_KEI, e.Sunpou);
    e.SG_KEI_visible = false;
    // 17.
    COMBO_YOMIKOMI(w);
    // 18.
    w.status().setText(7, QString::fromStdString(hasuModeName(e.HASU_MODE)));
    // 19.
    const QDate today = QDate::currentDate();
    e.DTP1 = Date{today.year(), today.month(), today.day()};
    e.notify(Change::Header);
    // 20.
    BANGOU_CALL(w);
    // 21. The save reminder.
    if (const auto reminder = OrientationSettings::ofMUKI(w.programDir(), e.MUKI).saveReminder(); reminder.on) {
        // No interval means no reminder: a zero-interval timer would ask without
        // pause, and beyond about 35,000 minutes the milliseconds overflow.
        const int minutes = reminder.minutes;
        if (minutes > 0 && minutes <= 35000) {
            w.Timer1->setInterval(minutes * 60000);
            w.Timer1->start();
        }
    }
}

void SET2_YOMIKOMI(TYorozu& w)
{
    auto& e = w.estimate();
    auto& st = w.state();
    const int sw = screenWidth(w);
    st.settings = yorozu::SET2_YOMIKOMI(w.programDir(), Set2Screen{sw, w.height()}).settings;
    const auto& s = st.settings;
    st.colors.fromSettings(s);
    e.setGYOUKAN(s.GYOUKAN);
    e.setPRN_S(s.PRN_S);
    if (!s.Sunpou)
        e.SunpouClick(false);
    w.resize(s.windowWidth, w.height());
    e.setMUKI(s.MUKI);
    applyFixedColors(w);
    e.KAKERITU = s.KAKERITU;
    e.MARUME = s.MARUME;
    w.move(s.windowLeft, s.windowTop);
    // An unusable data folder leaves the browser on the start-up folder.
    std::error_code ec;
    if (st.dataPath.empty())
        st.dataPath = std::filesystem::current_path(ec).string();
    if (!s.DATA_PATH.empty()) {
        if (std::filesystem::is_directory(s.DATA_PATH, ec))
            st.dataPath = s.DATA_PATH;
        else
            w.dialogs().information(QString::fromUtf8(kDataPathFailedMessage));
    }
    for (int pos = 0; pos < Set2Settings::kMenuItems; ++pos)
        if (const int k = s.menuItemFunctionKeys[static_cast<size_t>(pos)])
            w.keys().assign(k, pos);
    for (int n = 1; n <= 12; ++n)
        w.keys().setHint(n, QString::fromStdString(s.labelHints[static_cast<size_t>(n - 1)]));
    e.memoMode = s.memoMode;
    if (s.RIEKI_RITU)
        e.RIEKI_RITU = true;
    e.notify(Change::Options);
}

void COMBO_YOMIKOMI(TYorozu& w)
{
    for (const auto& [list, combo] : pickListCombos(w)) {
        auto entries = yorozu::COMBO_YOMIKOMI(w.programDir(), list);
        if (!entries)
            continue;
        QStringList items;
        for (const auto& s : *entries)
            items << QString::fromStdString(s);
        // The customer and unit lists are sorted lists: loading sorts them.
        if (list == PickList::Kokyaku || list == PickList::Tani)
            std::stable_sort(items.begin(), items.end(),
                             [](const QString& a, const QString& b) { return QString::localeAwareCompare(a, b) < 0; });
        const QString text = combo->currentText();
        combo->clear();
        combo->addItems(items);
        // Loading a list never fills the field.
        combo->setEditText(text);
        combo->setProperty("chosenIndex", -1);
    }
}

void BANGOU_CALL(TYorozu& w)
{
    if (const auto n = yorozu::BANGOU_CALL(w.programDir())) {
        w.estimate().Bangou = *n;
        w.estimate().notify(Change::Header);
    }
}

} // namespace yorozu::startup
