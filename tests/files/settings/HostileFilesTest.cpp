// Every reader against files no program of ours writes: each reads to a
// defined result, without crash or hang, and what it read can be used on.
#include "files/settings/CompanySettingsFile.h"
#include "files/settings/CompanySettingsTable.h"
#include "files/text/Cp932.h"
#include "files/estimate/Numbering.h"
#include "files/settings/PickLists.h"
#include "files/settings/ReadSetting.h"
#include "files/settings/Set2File.h"
#include "files/text/TextFile.h"
#include "files/settings/WidthProfile.h"
#include "files/settings/WindowCompanySettings.h"

#include "core/document/Estimate.h"

#include "files/support/HostileFiles.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

using namespace yorozu;
using yorozu::test::hostileFiles;
namespace fs = std::filesystem;

namespace {

class HostileFilesTest : public testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::path(testing::TempDir()) / ("hostile_" + std::string(info->name()) + "_" + std::to_string(getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream out(dir_ / name, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return dir_ / name;
    }

    fs::path dir_;
};

// The test's literals are UTF-8; the files are code page 932.
std::string cp932Of(const std::string& utf8)
{
    auto e = cp932::encode(utf8);
    EXPECT_TRUE(e.ok) << utf8;
    return e.bytes;
}

// One reader as the program calls it: the file it reads from the program
// folder, and the call, which checks that what it read is usable.
struct Reader {
    const char* name;
    const char* fileName;
    std::function<void(const fs::path& dir)> read;
};

// Slow enough to be a hang or a quadratic pass even under the sanitizers.
constexpr auto kTooSlow = std::chrono::seconds(20);

std::vector<Reader> readers()
{
    return {
        {"readTextLines", "ANY.TXT",
         [](const fs::path& dir) {
             const auto lines = readTextLines(dir / "ANY.TXT");
             ASSERT_TRUE(lines.has_value());
             // Whatever was read writes back as it stood.
             EXPECT_TRUE(writeTextLines(dir / "COPY.TXT", *lines).ok);
         }},
        {"ReadSetting", "SET2.INI",
         [](const fs::path& dir) {
             for (const char* key : {"[行間]=", "[x]=", "", "\"", ","}) {
                 const auto value = ReadSetting(dir, "SET2.INI", key);
                 EXPECT_LE(cp932::byteLength(value), 200u) << key;
             }
         }},
        {"readCompanySettings", "SET3.INI",
         [](const fs::path& dir) {
             for (auto reader : {SettingsReader::Printing, SettingsReader::Dialog}) {
                 const auto s = readCompanySettings(dir / "SET3.INI", Orientation::Portrait, reader);
                 const auto saved = writeCompanySettings(dir / "SET.INI", s);
                 EXPECT_TRUE(saved.ok) << saved.error;
                 EXPECT_EQ(readTextLines(dir / "SET.INI")->size(), kCompanySettingKeyCount);
             }
         }},
        {"SET2_YOMIKOMI", "SET2.INI",
         [](const fs::path& dir) {
             const auto read = SET2_YOMIKOMI(dir, Set2Screen{});
             EXPECT_TRUE(read.fileFound);
             // What was read is written back and reads again without complaint.
             fs::create_directories(dir / "again");
             ASSERT_TRUE(SET2_KAKIDASI(dir / "again", read.settings).ok);
             EXPECT_TRUE(SET2_YOMIKOMI(dir / "again", Set2Screen{}).rejectedLines.empty());
             startupPartsBarWidth(dir);
         }},
        {"BANGOU_CALL", "BANGO.INI",
         [](const fs::path& dir) {
             const auto number = BANGOU_CALL(dir);
             // Whatever the line held, the next number is written whole.
             const auto next = BANGOU_KOUSIN(dir, number.value_or(""));
             EXPECT_TRUE(next.written);
             EXPECT_TRUE(next.write.ok) << next.write.error;
             EXPECT_EQ(BANGOU_CALL(dir), next.number);
         }},
        {"COMBO_YOMIKOMI", "Tani.LST",
         [](const fs::path& dir) {
             const auto entries = COMBO_YOMIKOMI(dir, PickList::Tani);
             ASSERT_TRUE(entries.has_value());
             EXPECT_TRUE(COMBO_KAKIDASI(dir, PickList::Tani, *entries).ok);
             EXPECT_EQ(COMBO_YOMIKOMI(dir, PickList::Tani), entries);
         }},
        {"CEL_WIDTH_SET", "SEL_WIDTH1.INI",
         [](const fs::path& dir) {
             Estimate doc;
             EXPECT_TRUE(CEL_WIDTH_SET(dir, doc, kWidthProfile1).applied);
             for (int k = 0; k < StringGrid::kColumns; ++k) {
                 EXPECT_GE(doc.SG1.colWidth(k), -1);
                 EXPECT_LE(doc.SG1.colWidth(k), 32767);
             }
         }},
        {"SET3_YOMIKOMI", "SET3.INI",
         [](const fs::path& dir) {
             for (auto memoMode : {MemoMode::Text, MemoMode::Numeric}) {
                 const auto s = readWindowCompanySettings(dir, 0, memoMode);
                 EXPECT_TRUE(s.fileFound);
                 EXPECT_GE(s.HASU_MODE, 0);
                 EXPECT_LE(s.HASU_MODE, 2);
                 Estimate doc;
                 applyWindowCompanySettings(s, doc);
             }
         }},
    };
}

} // namespace

TEST_F(HostileFilesTest, EveryReaderTakesEveryHostileFile)
{
    for (const auto& reader : readers())
        for (const auto& file : hostileFiles()) {
            SCOPED_TRACE(std::string(reader.name) + " on " + file.name);
            write(reader.fileName, file.bytes);
            const auto start = std::chrono::steady_clock::now();
            EXPECT_NO_THROW(reader.read(dir_));
            EXPECT_LT(std::chrono::steady_clock::now() - start, kTooSlow);
        }
}

TEST_F(HostileFilesTest, LinesOfHostileFiles)
{
    struct Row {
        const char* name;
        std::string bytes;
        std::vector<std::string> lines;
    };
    const std::vector<Row> rows = {
        {"empty", "", {}},
        {"only a line end", "\r\n", {""}},
        {"LF alone ends lines", "a\nb\n", {"a", "b"}},
        {"CR without LF stays in its line", "a\rb\r\n", {"a\rb"}},
        {"CR at the very end is a line end", "a\r", {"a"}},
        {"last line without a line end", "a\r\nb", {"a", "b"}},
        {"lines missing at the end are simply absent", "a\r\n\r\n", {"a", ""}},
        {"NUL bytes are text", std::string("a\0b\r\n\0", 6), {std::string("a\0b", 3), std::string("\0", 1)}},
        {"a lone lead byte does not swallow the line end", "\x82\r\nb\r\n", {"?", "b"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto lines = readTextLines(write("A.TXT", row.bytes));
        ASSERT_TRUE(lines.has_value());
        ASSERT_EQ(lines->size(), row.lines.size());
        for (std::size_t i = 0; i < lines->size(); ++i) {
            if (row.lines[i] != "?") {
                EXPECT_EQ((*lines)[i], row.lines[i]) << "line " << i;
            }
        }
    }

    const auto big = readTextLines(write("A.TXT", test::manyRows(100000, "[x]=1")));
    ASSERT_TRUE(big.has_value());
    EXPECT_EQ(big->size(), 100000u);
    const auto wide = readTextLines(write("A.TXT", std::string(1 << 20, 'x')));
    ASSERT_EQ(wide->size(), 1u);
    EXPECT_EQ(wide->front().size(), 1u << 20);
}

TEST_F(HostileFilesTest, ReadSettingOfHostileFiles)
{
    struct Row {
        const char* name;
        std::string bytes;
        const char* key;
        std::string value;
    };
    const std::string a200(200, 'a');
    std::string kana;
    for (int i = 0; i < 150; ++i)
        kana += "\x82\xa0";
    std::string kana99;
    for (int i = 0; i < 99; ++i)
        kana99 += "あ";
    const std::vector<Row> rows = {
        {"empty file", "", "[行間]=", ""},
        {"garbage, then the key", test::garbageBytes(4096) + "\r\n[\x8d\x73\x8a\xd4]=1\r\n", "[行間]=", "1"},
        {"NUL bytes before the key's line", std::string("[a]=\0\0\r\n", 8) + "[\x8d\x73\x8a\xd4]=1\r\n", "[行間]=", "1"},
        {"NUL bytes inside the value are kept", std::string("[a]=1\0" "2\r\n", 9), "[a]=", std::string("1\0" "2", 3)},
        {"key after a line of 1 MB", std::string(1 << 20, 'x') + "\r\n[a]=2\r\n", "[a]=", "2"},
        {"key at the start of a line of 1 MB", "[a]=" + std::string(1 << 20, 'a'), "[a]=", a200},
        {"key at row 100,000", test::manyRows(99999, "[x]=1") + "[a]=2\r\n", "[a]=", "2"},
        {"200 bytes never split a double-byte character", "[a]=b" + kana + "\r\n", "[a]=", "b" + kana99},
        {"CR without LF stays in the value", "[a]=1\r[b]=2\r\n", "[a]=", "1\r[b]=2"},
        {"a key behind a lone CR is found in that line", "[a]=1\r[b]=2\r\n", "[b]=", "2"},
        {"LF alone ends a line", "[a]=1\n[b]=2\n", "[a]=", "1"},
        {"last line without a line end", "[a]=1\r\n[b]=2", "[b]=", "2"},
        {"the line after a lone lead byte", "[a]=x\x82\r\n[b]=2\r\n", "[b]=", "2"},
        {"a key with nothing after it", "[a]=\r\n[a]=1\r\n", "[a]=", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        write("SET2.INI", row.bytes);
        EXPECT_EQ(ReadSetting(dir_, "SET2.INI", row.key), row.value);
    }

    // A lone lead byte at the end of a value (and of the file) reads as one
    // character of its own: what precedes it is intact and nothing is over 200 bytes.
    for (const std::string bytes : {"[a]=xy\x82\r\n", "[a]=xy\x82"}) {
        write("SET2.INI", bytes);
        const auto value = ReadSetting(dir_, "SET2.INI", "[a]=");
        EXPECT_EQ(value.substr(0, 2), "xy");
        EXPECT_LE(cp932::byteLength(value), 3u);
    }
}

TEST_F(HostileFilesTest, ReadSettingOfAFolderInPlaceOfTheFileIsAnError)
{
    fs::create_directory(dir_ / "SET2.INI");
    EXPECT_THROW(ReadSetting(dir_, "SET2.INI", "[a]="), std::runtime_error);
}

// Integer keys of the company settings: anything but a plain decimal integer
// within the int range reads as the key's default (15 for "[font]=").
TEST_F(HostileFilesTest, CompanySettingsNumbersOfHostileFiles)
{
    struct Row {
        const char* value;
        int fontSize;
    };
    const std::string digits400(400, '9');
    const std::vector<Row> rows = {
        {"12", 12},
        {" 12", 12},
        {"+12", 12},
        {"-12", -12},
        {"1,234", 15},
        {"1 234", 15},
        {"1e3", 15},
        {"1E3", 15},
        {"12.5", 15},
        {"nan", 15},
        {"NaN", 15},
        {"inf", 15},
        {"-inf", 15},
        {"0x10", 15},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", 15},
        {"-2147483649", 15},
        {digits400.c_str(), 15},
        {"\xef\xbc\x91\xef\xbc\x92", 15}, // full-width 12
        {"", 15},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string("[font]=") + row.value);
        const auto file = dir_ / "SET3.INI";
        ASSERT_TRUE(writeTextLines(file, {"[社名]=A", std::string("[font]=") + row.value}).ok);
        const auto s = readCompanySettings(file, Orientation::Portrait, SettingsReader::Printing);
        EXPECT_EQ(s.companyFontSize, row.fontSize);
        EXPECT_EQ(s.companyName, "A");
    }
}

TEST_F(HostileFilesTest, CompanySettingsTextOfHostileFiles)
{
    struct Row {
        const char* name;
        std::string bytes;
        std::string companyName;
        std::string tel;
    };
    const std::vector<Row> rows = {
        {"empty file gives the defaults", "", "", ""},
        {"a 1 MB value is cut to 200 bytes", "[社名]=" + std::string(1 << 20, 'n') + "\r\n[TEL]=1\r\n",
         std::string(200, 'n'), "1"},
        {"NUL bytes stay in the value", std::string("[社名]=a\0b\r\n", 15), std::string("a\0b", 3), ""},
        {"CR without LF: the later key is found inside the line", "[社名]=a\r[TEL]=1\r\n", "a\r[TEL]=1", "1"},
        {"LF alone", "[社名]=a\n[TEL]=1\n", "a", "1"},
        {"keys at the end of 100,000 rows", test::manyRows(100000, "x") + "[社名]=a\r\n[TEL]=1", "a", "1"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto file = write("SET3.INI", cp932Of(row.bytes));
        const auto s = readCompanySettings(file, Orientation::Portrait, SettingsReader::Dialog);
        EXPECT_EQ(s.companyName, row.companyName);
        EXPECT_EQ(s.tel, row.tel);
        EXPECT_EQ(s.companyFontSize, 15);
    }
}

// Colours of "SET2.INI" take only a plain decimal integer; any other number
// text keeps the default and names its line, and the lines after it still read.
TEST_F(HostileFilesTest, Set2NumbersOfHostileFiles)
{
    struct Row {
        std::string value;
        std::int32_t colour; // of "[色]=", default 0x00FFFF
        bool rejected;
    };
    const std::vector<Row> rows = {
        {"255", 255, false},
        {"-16777201", -16777201, false},
        {"1,234", 0x00FFFF, true},
        {"1e3", 0x00FFFF, true},
        {"12.5", 0x00FFFF, true},
        {"nan", 0x00FFFF, true},
        {"inf", 0x00FFFF, true},
        {"0x10", 0x00FFFF, true},
        {" 12", 0x00FFFF, true},
        {"2147483648", 0x00FFFF, true},
        // 20 bytes are read: 400 digits are cut to 20, which is no int.
        {std::string(400, '9'), 0x00FFFF, true},
        {std::string(400, '0') + "7", 0, false},
        {"", 0x00FFFF, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE("[色]=" + row.value);
        ASSERT_TRUE(writeTextLines(dir_ / "SET2.INI", {"[色]=" + row.value, "[行間]=2"}).ok);
        const auto read = SET2_YOMIKOMI(dir_, Set2Screen{});
        EXPECT_EQ(read.settings.editorColor, row.colour);
        EXPECT_EQ(read.rejectedLines.size(), row.rejected ? 1u : 0u);
        EXPECT_EQ(read.settings.GYOUKAN, 2);
    }

    // Window placement takes any text: a non-number is 0, a far position 0.
    for (const std::string& value : std::vector<std::string>{"1e3", "nan", "-inf", "9999", std::string(400, '9')}) {
        SCOPED_TRACE("[Top]=" + value);
        ASSERT_TRUE(writeTextLines(dir_ / "SET2.INI", {"[Top]=" + value, "[Left]=" + value}).ok);
        const auto read = SET2_YOMIKOMI(dir_, Set2Screen{1920, 700});
        EXPECT_EQ(read.settings.windowTop, 0);
        EXPECT_EQ(read.settings.windowLeft, 0);
        EXPECT_TRUE(read.rejectedLines.empty());
    }
}

TEST_F(HostileFilesTest, Set2LinesOfHostileFiles)
{
    const Set2Settings defaults;
    // Lines missing at the end: a file cut short after three keys keeps the
    // defaults for every key it lost.
    ASSERT_TRUE(writeTextLines(dir_ / "SET2.INI", {"[行間]=1", "[種別]=2", "[寸法]=0"}).ok);
    auto read = SET2_YOMIKOMI(dir_, Set2Screen{});
    EXPECT_EQ(read.settings.GYOUKAN, 1);
    EXPECT_EQ(read.settings.PRN_S, 2);
    EXPECT_FALSE(read.settings.Sunpou);
    EXPECT_EQ(read.settings.editorColor, defaults.editorColor);
    EXPECT_EQ(read.settings.MARUME, defaults.MARUME);
    EXPECT_TRUE(read.settings.partsAutoOpen);

    // A file cut inside a line: the half line is a line of its own.
    write("SET2.INI", cp932Of("[行間]=1\r\n[色]=25"));
    read = SET2_YOMIKOMI(dir_, Set2Screen{});
    EXPECT_EQ(read.settings.editorColor, 25);

    // CR without LF joins two keys into one line, and both take the text after
    // the line's first "=".
    write("SET2.INI", cp932Of("[行間]=1\r[種別]=2\r\n"));
    read = SET2_YOMIKOMI(dir_, Set2Screen{});
    EXPECT_EQ(read.settings.GYOUKAN, 1);
    EXPECT_EQ(read.settings.PRN_S, 1);

    // LF alone ends a line.
    write("SET2.INI", cp932Of("[行間]=1\n[種別]=2\n"));
    read = SET2_YOMIKOMI(dir_, Set2Screen{});
    EXPECT_EQ(read.settings.GYOUKAN, 1);
    EXPECT_EQ(read.settings.PRN_S, 2);

    // NUL bytes and a lone lead byte inside the data folder stay text; the
    // next line still reads.
    write("SET2.INI", "[DATA_PATH]=/a" + std::string("\0b\x82", 3) + cp932Of("\r\n[掛率]=0.8\r\n"));
    read = SET2_YOMIKOMI(dir_, Set2Screen{});
    EXPECT_EQ(read.settings.DATA_PATH.substr(0, 4), std::string("/a\0b", 4));
    EXPECT_EQ(read.settings.KAKERITU, "0.8");
}

// Column widths of a profile edited by hand: anything but an integer hides
// the column, and no integer makes a column narrower than hidden or so wide
// that the widths of the sheet no longer add up in an int.
TEST_F(HostileFilesTest, WidthProfileNumbersOfHostileFiles)
{
    struct Row {
        std::string value;
        int width;
    };
    const std::vector<Row> rows = {
        {"284", 284},      {"0", 0},          {"-1", -1},         {"-2", -1},
        {"-2147483648", -1}, {"2147483647", 32767}, {"32768", 32767}, {"2147483648", -1},
        {"1,234", -1},     {"1e3", -1},       {"nan", -1},        {"inf", -1},
        {"12.5", -1},      {std::string(400, '9'), -1}, {"", -1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE("7=" + row.value);
        std::vector<std::string> lines = {"[形状]=1"};
        for (int k = 0; k < StringGrid::kColumns; ++k)
            lines.push_back(std::to_string(k) + "=" + (k == 7 ? row.value : "10"));
        ASSERT_TRUE(writeTextLines(dir_ / kWidthProfile1, lines).ok);
        Estimate doc;
        ASSERT_TRUE(CEL_WIDTH_SET(dir_, doc, kWidthProfile1).applied);
        EXPECT_EQ(doc.SG1.colWidth(7), row.width);
        EXPECT_EQ(doc.SG1.colWidth(6), 10);
    }

    // Lines missing at the end: the columns without a line are hidden.
    ASSERT_TRUE(writeTextLines(dir_ / kWidthProfile1, {"[形状]=1", "0=25", "1=20"}).ok);
    Estimate doc;
    ASSERT_TRUE(CEL_WIDTH_SET(dir_, doc, kWidthProfile1).applied);
    EXPECT_EQ(doc.SG1.colWidth(1), 20);
    EXPECT_EQ(doc.SG1.colWidth(2), -1);
    EXPECT_EQ(doc.SG1.colWidth(17), -1);
}
