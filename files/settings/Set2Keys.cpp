#include "files/settings/Set2Keys.h"

#include "files/text/IntText.h"

#include <cstdlib>

namespace yorozu {

namespace {

using S = Set2Settings;
using Lines = std::vector<std::string>;

void addLine(Lines& lines, std::string_view key, std::string_view value)
{
    std::string line(key);
    line += value;
    lines.push_back(std::move(line));
}

void addLine(Lines& lines, std::string_view key, long long value)
{
    addLine(lines, key, std::to_string(value));
}

// ---- conversions, one per kind of value

// A radio group stored as 0, 1 or 2: "1" and "2" select, anything else keeps the choice.
template <auto M>
constexpr Set2Conversion choice12{
    [](S& s, std::string_view v, const Set2Screen&) {
        if (v == "1")
            s.*M = 1;
        else if (v == "2")
            s.*M = 2;
        return true;
    },
    [](const S& s, std::string_view key, Lines& out) { addLine(out, key, s.*M == 1 || s.*M == 2 ? s.*M : 0); }};

// A box that is on unless the file says "0".
template <auto M>
constexpr Set2Conversion clearedBy0{
    [](S& s, std::string_view v, const Set2Screen&) {
        if (v == "0")
            s.*M = false;
        return true;
    },
    [](const S& s, std::string_view key, Lines& out) { addLine(out, key, s.*M ? 1 : 0); }};

// A box (or a two-way choice held as an index) that is off unless the file says "1".
template <auto M>
constexpr Set2Conversion setBy1{
    [](S& s, std::string_view v, const Set2Screen&) {
        if (v == "1")
            s.*M = 1;
        return true;
    },
    [](const S& s, std::string_view key, Lines& out) { addLine(out, key, s.*M == 1 ? 1 : 0); }};

// A colour: the strict integer conversion.
template <auto M>
constexpr Set2Conversion colour{
    [](S& s, std::string_view v, const Set2Screen&) {
        const auto n = parseInt(v);
        if (n)
            s.*M = *n;
        return n.has_value();
    },
    [](const S& s, std::string_view key, Lines& out) { addLine(out, key, s.*M); }};

template <auto M, std::size_t I>
constexpr Set2Conversion colourAt{
    [](S& s, std::string_view v, const Set2Screen&) {
        const auto n = parseInt(v);
        if (n)
            (s.*M)[I] = *n;
        return n.has_value();
    },
    [](const S& s, std::string_view key, Lines& out) { addLine(out, key, (s.*M)[I]); }};

template <auto M>
constexpr Set2Conversion text{
    [](S& s, std::string_view v, const Set2Screen&) {
        s.*M = std::string(v);
        return true;
    },
    [](const S& s, std::string_view key, Lines& out) { addLine(out, key, s.*M); }};

template <auto M, std::size_t I>
constexpr Set2Conversion textAt{
    [](S& s, std::string_view v, const Set2Screen&) {
        (s.*M)[I] = std::string(v);
        return true;
    },
    [](const S& s, std::string_view key, Lines& out) { addLine(out, key, (s.*M)[I]); }};

// A folder: an empty value keeps the one the browser has.
template <auto M>
constexpr Set2Conversion nonEmptyText{
    [](S& s, std::string_view v, const Set2Screen&) {
        if (!v.empty())
            s.*M = std::string(v);
        return true;
    },
    [](const S& s, std::string_view key, Lines& out) { addLine(out, key, s.*M); }};

template <auto M>
constexpr Set2Conversion writtenFlag{
    nullptr, [](const S& s, std::string_view key, Lines& out) { addLine(out, key, s.*M ? 1 : 0); }};

// The window is either the design width or as wide as the screen.
constexpr Set2Conversion windowWidthValue{
    [](S& s, std::string_view v, const Set2Screen& screen) {
        s.windowWidth = intOr(v, 0) > 1024 ? screen.screenWidth : 1024;
        return true;
    },
    [](const S& s, std::string_view key, Lines& out) { addLine(out, key, s.windowWidth); }};

// A stored position is used only when it is within one window size of the
// screen's corner, so a window never opens out of reach.
int windowPosition(std::string_view v, int extent)
{
    if (v.empty())
        return 0;
    const long long n = intOr(v, 0);
    return std::llabs(n) <= extent ? static_cast<int>(n) : 0;
}

constexpr Set2Conversion windowTopValue{
    [](S& s, std::string_view v, const Set2Screen& screen) {
        s.windowTop = windowPosition(v, screen.windowHeight);
        return true;
    },
    [](const S& s, std::string_view key, Lines& out) { addLine(out, key, s.windowTop < 0 ? 0 : s.windowTop); }};

constexpr Set2Conversion windowLeftValue{
    [](S& s, std::string_view v, const Set2Screen&) {
        s.windowLeft = windowPosition(v, s.windowWidth);
        return true;
    },
    [](const S& s, std::string_view key, Lines& out) { addLine(out, key, s.windowLeft < 0 ? 0 : s.windowLeft); }};

constexpr Set2Conversion memoModeValue{
    [](S& s, std::string_view v, const Set2Screen&) {
        if (v == "0")
            s.memoMode = MemoMode::Numeric;
        return true;
    },
    [](const S& s, std::string_view key, Lines& out) { addLine(out, key, s.memoMode == MemoMode::Text ? 1 : 0); }};

constexpr Set2Conversion partsBarWidthValue{
    nullptr, [](const S& s, std::string_view key, Lines& out) {
        addLine(out, key, s.partsBarWidth == 997 ? 0 : s.partsBarWidth == 632 ? 1 : 2);
    }};

// Function keys belong to menu items: "[Fk]=i" gives Fk to the item at
// position i. An item holds one key, so the lines are written item by item in
// menu order, all at the place of "[F1]=".
void writeFunctionKeys(const S& s, std::string_view, Lines& out)
{
    for (int pos = 0; pos < S::kMenuItems; ++pos) {
        const int k = s.menuItemFunctionKeys[static_cast<std::size_t>(pos)];
        if (k >= 1 && k <= S::kFunctionKeys)
            addLine(out, "[F" + std::to_string(k) + "]=", pos);
    }
}

template <int K>
bool readFunctionKey(S& s, std::string_view v, const Set2Screen&)
{
    const int pos = intOr(v, 0);
    if (pos < 0 || pos >= S::kMenuItems)
        return false;
    s.menuItemFunctionKeys[static_cast<std::size_t>(pos)] = K;
    return true;
}

template <int K>
constexpr Set2Conversion functionKey{readFunctionKey<K>, K == 1 ? writeFunctionKeys : nullptr};

// clang-format off
constexpr Set2Key kKeys[] = {
    {"[行間]=",        1,   choice12<&S::GYOUKAN>},
    {"[種別]=",        1,   choice12<&S::PRN_S>},
    {"[寸法]=",        1,   clearedBy0<&S::Sunpou>},
    {"[画面ワイド]=",  6,   windowWidthValue},
    {"[向き]=",        1,   setBy1<&S::MUKI>},
    {"[色]=",          20,  colour<&S::editorColor>},
    {"[固定]=",        20,  colour<&S::fixedColor>},
    {"[縞]=",          20,  colour<&S::stripeColor>},
    {"[固定Font]=",    20,  colour<&S::fixedFontColor>},
    {"[文字1]=",       20,  colourAt<&S::columnTextColors, 0>},
    {"[文字2]=",       20,  colourAt<&S::columnTextColors, 1>},
    {"[文字3]=",       20,  colourAt<&S::columnTextColors, 2>},
    {"[文字4]=",       20,  colourAt<&S::columnTextColors, 3>},
    {"[文字5]=",       20,  colourAt<&S::columnTextColors, 4>},
    {"[文字6]=",       20,  colourAt<&S::columnTextColors, 5>},
    {"[文字7]=",       20,  colourAt<&S::columnTextColors, 6>},
    {"[文字8]=",       20,  colourAt<&S::columnTextColors, 7>},
    {"[文字9]=",       20,  colourAt<&S::columnTextColors, 8>},
    {"[文字10]=",      20,  colourAt<&S::columnTextColors, 9>},
    {"[文字11]=",      20,  colourAt<&S::columnTextColors, 10>},
    {"[文字17]=",      20,  colour<&S::memoTextColor>},
    {"[キー]=",        0,   writtenFlag<&S::functionKeyBarShown>},
    {"[DATA_PATH]=",   500, nonEmptyText<&S::DATA_PATH>},
    {"[掛率]=",        5,   text<&S::KAKERITU>},
    {"[丸め]=",        5,   text<&S::MARUME>},
    {"[Top]=",         4,   windowTopValue},
    {"[Left]=",        4,   windowLeftValue},
    {"[固定2]=",       20,  colour<&S::partsFixedColor>},
    {"[縞2]=",         20,  colour<&S::partsStripeColor>},
    {"[固定Font2]=",   20,  colour<&S::partsFixedFontColor>},
    {"[color_bar]=",   20,  colour<&S::partsBarColor>},
    {"[Pin]=",         10,  clearedBy0<&S::partsAutoOpen>},
    {"[INS_MODE]=",    10,  clearedBy0<&S::partsInsertMode>},
    {"[NetPath]=",     200, text<&S::NETPATH>},
    {"[F1]=",          5,   functionKey<1>},
    {"[F2]=",          5,   functionKey<2>},
    {"[F3]=",          5,   functionKey<3>},
    {"[F4]=",          5,   functionKey<4>},
    {"[F5]=",          5,   functionKey<5>},
    {"[F6]=",          5,   functionKey<6>},
    {"[F7]=",          5,   functionKey<7>},
    {"[F8]=",          5,   functionKey<8>},
    {"[F9]=",          5,   functionKey<9>},
    {"[F10]=",         5,   functionKey<10>},
    {"[F11]=",         5,   functionKey<11>},
    {"[F12]=",         5,   functionKey<12>},
    {"[ST7_HINT]=",    5,   textAt<&S::labelHints, 0>},
    {"[ST8_HINT]=",    5,   textAt<&S::labelHints, 1>},
    {"[ST9_HINT]=",    5,   textAt<&S::labelHints, 2>},
    {"[ST10_HINT]=",   5,   textAt<&S::labelHints, 3>},
    {"[ST11_HINT]=",   5,   textAt<&S::labelHints, 4>},
    {"[ST12_HINT]=",   5,   textAt<&S::labelHints, 5>},
    {"[ST13_HINT]=",   5,   textAt<&S::labelHints, 6>},
    {"[ST14_HINT]=",   5,   textAt<&S::labelHints, 7>},
    {"[ST15_HINT]=",   5,   textAt<&S::labelHints, 8>},
    {"[ST16_HINT]=",   5,   textAt<&S::labelHints, 9>},
    {"[ST17_HINT]=",   5,   textAt<&S::labelHints, 10>},
    {"[ST18_HINT]=",   5,   textAt<&S::labelHints, 11>},
    {"[MEMO_MOJI]=",   1,   memoModeValue},
    {"[利益率]=",      1,   setBy1<&S::RIEKI_RITU>},
    {"[分類幅]=",      0,   partsBarWidthValue},
};
// clang-format on

} // namespace

std::span<const Set2Key> set2Keys()
{
    return kKeys;
}

} // namespace yorozu
