#include "ui/Set2Settings.h"

#include "files/Cp932.h"
#include "files/TextFile.h"

#include <charconv>
#include <cstdlib>
#include <stdexcept>
#include <string_view>

namespace yorozu {

namespace {

const char* const kFile = "SET2.INI";

// The colour keys in the order they are written, with their slots.
struct ColorKey {
    const char* key;
    int slot;
};
const ColorKey kColorKeys1[] = {
    {"[色]=", Set2Settings::Editor}, {"[固定]=", Set2Settings::Fixed}, {"[縞]=", Set2Settings::Stripe},
    {"[固定Font]=", Set2Settings::FixedFont}, {"[文字1]=", 9}, {"[文字2]=", 10}, {"[文字3]=", 11},
    {"[文字4]=", 12}, {"[文字5]=", 13}, {"[文字6]=", 14}, {"[文字7]=", 15}, {"[文字8]=", 16},
    {"[文字9]=", 17}, {"[文字10]=", 18}, {"[文字11]=", 19}, {"[文字17]=", Set2Settings::MemoFont}};
const ColorKey kColorKeys2[] = {{"[固定2]=", Set2Settings::Fixed2}, {"[縞2]=", Set2Settings::Stripe2},
                                {"[固定Font2]=", Set2Settings::FixedFont2}};

std::optional<long long> strictInt(std::string_view s)
{
    long long v = 0;
    const char* b = s.data();
    const char* e = s.data() + s.size();
    if (b != e && *b == '+')
        ++b;
    const auto r = std::from_chars(b, e, v);
    if (b == e || r.ec != std::errc() || r.ptr != e)
        return std::nullopt;
    return v;
}

int lenientInt(std::string_view s)
{
    const auto v = strictInt(s);
    return v ? static_cast<int>(*v) : 0;
}

// The value of a line: the text after its first "=", at most maxBytes.
std::string valueOf(const std::string& line, std::size_t maxBytes)
{
    const auto eq = line.find('=');
    if (eq == std::string::npos)
        return {};
    return cp932::truncateBytes(std::string_view(line).substr(eq + 1), maxBytes);
}

bool has(const std::string& line, std::string_view key)
{
    return line.find(key) != std::string::npos;
}

void readColor(const std::string& line, const ColorKey& k, Set2Settings& s)
{
    if (!has(line, k.key))
        return;
    if (const auto v = strictInt(valueOf(line, 20))) {
        s.colors[static_cast<size_t>(k.slot)] = static_cast<std::int32_t>(*v);
        if (k.slot == Set2Settings::ColorBar)
            s.colors[Set2Settings::ColorBarStored] = static_cast<std::int32_t>(*v);
    }
}

std::string fkeyKey(int k)
{
    return "[F" + std::to_string(k) + "]=";
}

std::string hintKey(int label)
{
    return "[ST" + std::to_string(label + 7) + "_HINT]=";
}

} // namespace

std::array<std::int32_t, Set2Settings::SlotCount> Set2Settings::defaultColors()
{
    std::array<std::int32_t, SlotCount> c{};
    c[Editor] = 0x00FFFF;
    c[Fixed] = 0xFF8080;
    c[Stripe] = 0xFED3D1;
    c[FixedFont] = 0xFFFFFF;
    c[Fixed2] = -16777201; // the system button face
    c[Stripe2] = 0xF2F3F4;
    c[FixedFont2] = 0;
    c[ColorBar] = c[ColorBarStored] = 0x00FF00;
    for (int i = FirstColumnFont; i < MemoFont; ++i)
        c[static_cast<size_t>(i)] = 0;
    c[MemoFont] = 0xFF0000;
    return c;
}

Set2Settings readSet2(const std::filesystem::path& programDir, int screenWidth, int windowHeight)
{
    Set2Settings s;
    const auto path = programDir / kFile;
    if (!std::filesystem::exists(path))
        return s;
    const auto lines = readTextLines(path);
    if (!lines)
        throw std::runtime_error("cannot read " + path.string());
    for (const auto& line : *lines) {
        if (has(line, "[行間]=")) {
            const auto v = valueOf(line, 1);
            if (v == "1" || v == "2")
                s.GYOUKAN = v == "1" ? 1 : 2;
        }
        if (has(line, "[種別]=")) {
            const auto v = valueOf(line, 1);
            if (v == "1" || v == "2")
                s.PRN_S = v == "1" ? 1 : 2;
        }
        if (has(line, "[寸法]=") && valueOf(line, 1) == "0")
            s.Sunpou = false;
        if (has(line, "[画面ワイド]=")) {
            const auto v = strictInt(valueOf(line, 6));
            s.wide = v && *v > 1024;
        }
        if (has(line, "[向き]=") && valueOf(line, 1) == "1")
            s.MUKI = 1;
        for (const auto& k : kColorKeys1)
            readColor(line, k, s);
        if (has(line, "[DATA_PATH]=")) {
            const auto v = valueOf(line, 500);
            if (!v.empty())
                s.dataPath = v;
        }
        if (has(line, "[掛率]="))
            s.KAKERITU = valueOf(line, 5);
        if (has(line, "[丸め]="))
            s.MARUME = valueOf(line, 5);
        if (has(line, "[Top]=")) {
            const auto v = valueOf(line, 4);
            if (!v.empty()) {
                const int t = lenientInt(v);
                s.top = std::abs(t) <= windowHeight ? t : 0;
            }
        }
        if (has(line, "[Left]=")) {
            const auto v = valueOf(line, 4);
            if (!v.empty()) {
                const int l = lenientInt(v);
                s.left = std::abs(l) <= (s.wide ? screenWidth : 1024) ? l : 0;
            }
        }
        if (screenWidth == 1024)
            s.top = s.left = 0;
        for (const auto& k : kColorKeys2)
            readColor(line, k, s);
        readColor(line, {"[color_bar]=", Set2Settings::ColorBar}, s);
        if (has(line, "[Pin]=") && valueOf(line, 10) == "0")
            s.partsAutoOpen = false;
        if (has(line, "[INS_MODE]=") && valueOf(line, 10) == "0")
            s.partsInsertMode = false;
        if (has(line, "[NetPath]="))
            s.netPath = valueOf(line, 200);
        for (int k = 1; k <= 12; ++k)
            if (has(line, fkeyKey(k))) {
                // A position outside the menu assigns nothing rather than failing the start.
                const int pos = lenientInt(valueOf(line, 5));
                if (pos >= 0 && pos <= 24)
                    s.functionKeys[static_cast<size_t>(k - 1)] = pos;
            }
        for (int i = 0; i < 12; ++i)
            if (has(line, hintKey(i)))
                s.labelHints[static_cast<size_t>(i)] = valueOf(line, 5);
        if (has(line, "[MEMO_MOJI]=") && valueOf(line, 1) == "0")
            s.memoText = false;
        if (has(line, "[利益率]=") && valueOf(line, 1) == "1")
            s.RIEKI_RITU = true;
    }
    return s;
}

void writeSet2(const std::filesystem::path& programDir, const Set2Settings& s)
{
    std::vector<std::string> out;
    auto add = [&out](std::string key, const std::string& value) { out.push_back(std::move(key) + value); };
    auto num = [](long long v) { return std::to_string(v); };
    add("[行間]=", num(s.GYOUKAN.value_or(0)));
    add("[種別]=", num(s.PRN_S.value_or(0)));
    add("[寸法]=", s.Sunpou ? "1" : "0");
    add("[画面ワイド]=", num(s.windowWidth));
    add("[向き]=", s.MUKI == 1 ? "1" : "0");
    for (const auto& k : kColorKeys1)
        add(k.key, num(s.colors[static_cast<size_t>(k.slot)]));
    add("[キー]=", s.keyBarShown ? "1" : "0");
    add("[DATA_PATH]=", s.dataPath);
    add("[掛率]=", s.KAKERITU);
    add("[丸め]=", s.MARUME);
    add("[Top]=", num(s.top < 0 ? 0 : s.top));
    add("[Left]=", num(s.left < 0 ? 0 : s.left));
    for (const auto& k : kColorKeys2)
        add(k.key, num(s.colors[static_cast<size_t>(k.slot)]));
    add("[color_bar]=", num(s.colors[Set2Settings::ColorBarStored]));
    add("[Pin]=", s.partsAutoOpen ? "1" : "0");
    add("[INS_MODE]=", s.partsInsertMode ? "1" : "0");
    add("[NetPath]=", s.netPath);
    // One line per menu item holding a key, in menu order.
    for (int pos = 0; pos <= 24; ++pos)
        for (int k = 1; k <= 12; ++k)
            if (s.functionKeys[static_cast<size_t>(k - 1)] == pos)
                add(fkeyKey(k), num(pos));
    for (int i = 0; i < 12; ++i)
        add(hintKey(i), s.labelHints[static_cast<size_t>(i)]);
    add("[MEMO_MOJI]=", s.memoText ? "1" : "0");
    add("[利益率]=", s.RIEKI_RITU ? "1" : "0");
    add("[分類幅]=", num(s.partsLayout));
    const auto r = writeTextLines(programDir / kFile, out);
    if (!r)
        throw std::runtime_error(r.error);
}

} // namespace yorozu
