#pragma once

#include "core/copies/PrintCopy.h"
#include "core/document/Estimate.h"
#include "files/settings/CompanySettings.h"
#include "files/settings/WindowCompanySettings.h"

#include <filesystem>
#include <string>

namespace yorozu {

// The company settings file of an orientation: "SET3.INI" for portrait,
// "SET.INI" for landscape. Nothing else in the program spells these names
// out for an orientation; every reader goes through here.
std::string companySettingsFileName(Orientation orientation);
// The same for the window's `MUKI` (1 "ヨコ", anything else "タテ").
std::string companyFileName(int MUKI);

// The save reminder of the orientation: "[時間確認]=1" turns it on, every
// "[経過時間]=" minutes.
struct SaveReminderSetting {
    bool on = false;
    int minutes = 0; // 0 when missing or not an integer
};

// The company settings of one orientation, read for whoever needs them:
// the window, the print copy, the renderers, the command-line companion.
// Every lookup reads the file as it is now; nothing is cached, so a change
// made by the settings dialog is seen by the next reading.
class OrientationSettings {
public:
    OrientationSettings(std::filesystem::path programDir, Orientation orientation);
    // The orientation of the window's `MUKI`.
    static OrientationSettings ofMUKI(std::filesystem::path programDir, int MUKI);

    Orientation orientation() const { return orientation_; }
    const std::string& fileName() const { return fileName_; }
    std::filesystem::path file() const { return programDir_ / fileName_; }

    // Every key as a typed field (renderers, settings dialog).
    CompanySettings company(SettingsReader reader) const;
    // What the main window takes from the file (SET1_YOMIKOMI / SET3_YOMIKOMI).
    WindowCompanySettings window(MemoMode memoMode) const;
    // The keys the print copy depends on.
    PrintCopySettings printCopy() const;
    // The heading of the memo column for a memo mode ("[MEMO]=" or "[MEMO_数値]=").
    std::string memoHeading(MemoMode memoMode) const;
    SaveReminderSetting saveReminder() const;
    // "[切捨て]=": the fraction mode a new estimate starts with; 0 unless 1 or 2.
    int defaultHasuMode() const;
    // "[備考枠]=": rows of the first page kept for the remarks box.
    int remarkRows() const;

private:
    std::string value(const char* key) const;
    int integer(const char* key) const;

    std::filesystem::path programDir_;
    Orientation orientation_;
    std::string fileName_;
};

} // namespace yorozu
