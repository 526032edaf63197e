#include "files/settings/OrientationSettings.h"

#include "files/settings/CompanySettingsFile.h"
#include "files/settings/ProgramFiles.h"
#include "files/settings/ReadSetting.h"
#include "files/text/IntText.h"


namespace yorozu {

std::string companySettingsFileName(Orientation orientation)
{
    return orientation == Orientation::Portrait ? "SET3.INI" : "SET.INI";
}

std::string companyFileName(int MUKI)
{
    return companySettingsFileName(orientationOfMUKI(MUKI));
}

OrientationSettings::OrientationSettings(std::filesystem::path programDir, Orientation orientation)
    : programDir_(std::move(programDir)), orientation_(orientation), fileName_(companySettingsFileName(orientation))
{
}

OrientationSettings OrientationSettings::ofMUKI(std::filesystem::path programDir, int MUKI)
{
    return OrientationSettings(std::move(programDir), orientationOfMUKI(MUKI));
}

std::string OrientationSettings::value(const char* key) const
{
    return ReadSetting(programDir_, fileName_, key);
}

int OrientationSettings::integer(const char* key) const
{
    return settingInt(programDir_, fileName_, key);
}

CompanySettings OrientationSettings::company(SettingsReader reader) const
{
    return readCompanySettings(file(), orientation_, reader);
}

WindowCompanySettings OrientationSettings::window(MemoMode memoMode) const
{
    return orientation_ == Orientation::Landscape ? SET1_YOMIKOMI(programDir_, memoMode)
                                                  : SET3_YOMIKOMI(programDir_, memoMode);
}

PrintCopySettings OrientationSettings::printCopy() const
{
    return PrintCopySettings::fromValues(value("[単価]="), value("[消費税]="), value("[つづく]="), value("[備考枠]="));
}

std::string OrientationSettings::memoHeading(MemoMode memoMode) const
{
    return value(memoMode == MemoMode::Text ? "[MEMO]=" : "[MEMO_数値]=");
}

SaveReminderSetting OrientationSettings::saveReminder() const
{
    return {value("[時間確認]=") == "1", integer("[経過時間]=")};
}

int OrientationSettings::defaultHasuMode() const
{
    const int mode = integer("[切捨て]=");
    return mode == 1 || mode == 2 ? mode : 0;
}

int OrientationSettings::remarkRows() const
{
    // Leading blanks are allowed here, as the estimate file's own integer lines allow them.
    const std::string raw = value("[備考枠]=");
    std::string_view text = raw;
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    return intOr(text, 0);
}

} // namespace yorozu
