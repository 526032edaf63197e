#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace yorozu {

// The installed face that stands for a Windows face of the settings: the
// four Japanese system faces go to the IPA fonts, any other name is asked
// for as it stands.
QString installedFace(std::string_view windowsFace);

// The text as the printer draws it: the Japanese faces show the yen mark
// where the text holds a backslash, and the IPA fonts would draw a backslash.
QString printedText(std::string_view utf8);

// The face the sheets start with before any key names one.
inline constexpr const char* kGothic = "ＭＳ ゴシック";
inline constexpr const char* kPGothic = "ＭＳＰ ゴシック";

} // namespace yorozu
