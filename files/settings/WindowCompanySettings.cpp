#include "files/settings/WindowCompanySettings.h"

#include "files/text/Cp932.h"
#include "files/text/IntText.h"
#include "files/settings/OrientationSettings.h"
#include "files/settings/ReadSetting.h"

namespace yorozu {

namespace {

WindowCompanySettings readKeys(const std::filesystem::path& programDir, std::string_view fileName,
                               MemoMode memoMode)
{
    WindowCompanySettings s;
    const auto lines = readSettingLines(programDir, fileName, &s.fileFound);
    if (!s.fileFound)
        return s;

    // The value of a key cut to its byte limit; nothing when no line holds the key.
    const auto value = [&lines](std::string_view key, std::size_t bytes) -> std::optional<std::string> {
        auto v = findSettingIfPresent(lines, key);
        if (v)
            *v = cp932::truncateBytes(*v, bytes);
        return v;
    };
    // An empty value restores the default, as does a missing key.
    const auto label = [&value](std::string& field, std::string_view key) {
        const auto v = value(key, 10);
        if (v && !v->empty())
            field = *v;
    };

    label(s.KoujiLabel, "[TITLE]=");
    label(s.NoukiLabel, "[納期]=");
    label(s.BasyoLabel, "[場所]=");
    label(s.JokenLabel, "[条件]=");
    label(s.KigenLabel, "[期限]=");

    if (const auto v = value("[摘要]=", 20); v && !v->empty())
        s.descriptionHeading = *v;
    if (const auto v = value("[形状]=", 20); v && !v->empty()) {
        s.shapeHeading = *v;
        s.SunpouCaption = *v;
    }
    const bool text = memoMode == MemoMode::Text;
    if (const auto v = value(text ? "[MEMO]=" : "[MEMO_数値]=", 20)) {
        s.memoHeading = *v;
        s.MEMO_FLG_CAP = text ? "文字" : "数値";
    }

    if (const auto v = value("[切捨て]=", 1))
        s.HASU_MODE = *v == "1" ? 1 : *v == "2" ? 2 : 0;
    if (const auto v = value("[確認]=", 1))
        s.exitConfirmation = *v == "1";
    // A position that is not a number leaves the rule where it was rather
    // than ending the reading half-way.
    if (const auto v = value("[縦線位置]=", 100); v && !v->empty()) {
        if (const auto mm = parseInt(*v); mm && *mm >= -100000 && *mm <= 100000)
            s.verticalLinePosition = *mm * 14;
    }
    for (std::size_t i = 0; i < s.partsButtonCaptions.size(); ++i) {
        const auto v = value("[部品" + std::to_string(i + 1) + "]=", 12);
        if (v && !v->empty())
            s.partsButtonCaptions[i] = *v;
    }
    return s;
}

} // namespace

WindowCompanySettings SET1_YOMIKOMI(const std::filesystem::path& programDir, MemoMode memoMode)
{
    return readKeys(programDir, companySettingsFileName(Orientation::Landscape), memoMode);
}

WindowCompanySettings SET3_YOMIKOMI(const std::filesystem::path& programDir, MemoMode memoMode)
{
    auto s = readKeys(programDir, companySettingsFileName(Orientation::Portrait), memoMode);
    s.partsMemoHeading = "メモ";
    return s;
}

WindowCompanySettings readWindowCompanySettings(const std::filesystem::path& programDir, int MUKI,
                                                MemoMode memoMode)
{
    return OrientationSettings::ofMUKI(programDir, MUKI).window(memoMode);
}

void applyWindowCompanySettings(const WindowCompanySettings& s, Estimate& estimate)
{
    if (s.partsMemoHeading)
        estimate.SG2.setCell(col::Memo, 0, *s.partsMemoHeading);
    if (s.fileFound) {
        for (StringGrid* grid : {&estimate.SG1, &estimate.SG2}) {
            grid->setCell(col::Description, 0, s.descriptionHeading);
            grid->setCell(col::Shape, 0, s.shapeHeading);
            if (s.memoHeading)
                grid->setCell(col::Memo, 0, *s.memoHeading);
        }
        estimate.HASU_MODE = s.HASU_MODE;
    }
    estimate.notify(Change::Layout);
}

} // namespace yorozu
