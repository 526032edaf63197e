#include "ui/ProgramFiles.h"

#include "core/Estimate.h"
#include "files/Cp932.h"
#include "files/ReadSetting.h"
#include "files/TextFile.h"

#include <charconv>
#include <stdexcept>

namespace yorozu {

namespace {

std::optional<int> strictInt(std::string_view s)
{
    int v = 0;
    const char* b = s.data();
    const char* e = s.data() + s.size();
    if (b != e && *b == '+')
        ++b;
    const auto r = std::from_chars(b, e, v);
    if (b == e || r.ec != std::errc() || r.ptr != e)
        return std::nullopt;
    return v;
}

void write(const std::filesystem::path& path, const std::vector<std::string>& lines)
{
    const auto r = writeTextLines(path, lines);
    if (!r)
        throw std::runtime_error(r.error.empty() ? "cannot write " + path.string() : r.error);
}

std::vector<std::string> readLines(const std::filesystem::path& path)
{
    const auto lines = readTextLines(path);
    if (!lines)
        throw std::runtime_error("cannot read " + path.string());
    return *lines;
}

const std::vector<std::string>& defaultWidthProfile()
{
    static const std::vector<std::string> lines = {"[形状]=1", "0=25",  "1=20",   "2=20",   "3=20",  "4=-1", "5=-1",
                                                   "6=-1",     "7=284", "8=-1",   "9=128",  "10=50", "11=40", "12=60",
                                                   "13=60",    "14=70", "15=70",  "16=39",  "17=60"};
    return lines;
}

} // namespace

std::string companyFileName(int MUKI)
{
    return MUKI == 1 ? "SET.INI" : "SET3.INI";
}

void copyLandscapeSettingsIfMissing(const std::filesystem::path& programDir)
{
    const auto portrait = programDir / "SET3.INI";
    const auto landscape = programDir / "SET.INI";
    if (std::filesystem::exists(portrait) || !std::filesystem::exists(landscape))
        return;
    std::filesystem::copy_file(landscape, portrait);
}

std::optional<std::vector<std::string>> readPickList(const std::filesystem::path& programDir, const std::string& fileName)
{
    const auto path = programDir / fileName;
    if (!std::filesystem::exists(path))
        return std::nullopt;
    return readLines(path);
}

void writePickList(const std::filesystem::path& programDir, const std::string& fileName,
                   const std::vector<std::string>& entries)
{
    write(programDir / fileName, entries);
}

std::optional<std::string> readNextNumber(const std::filesystem::path& programDir)
{
    const auto path = programDir / "BANGO.INI";
    if (!std::filesystem::exists(path))
        return std::nullopt;
    const auto lines = readLines(path);
    if (lines.empty() || lines.front().empty())
        return std::nullopt;
    return lines.front();
}

void CEL_WIDTH_SET(const std::filesystem::path& programDir, const std::string& fileName, Estimate& estimate)
{
    if (!std::filesystem::exists(programDir / fileName)) {
        estimate.SunpouClick(true);
        write(programDir / fileName, defaultWidthProfile());
        return;
    }
    const auto shape = strictInt(ReadSetting(programDir, fileName, "[形状]="));
    estimate.SunpouClick(shape.value_or(1) == 1);
    // The key of column 1 is a substring of column 11's line: the profile
    // keeps its lines in column order, so the first match is the right one.
    for (int k = 0; k < StringGrid::kColumns; ++k) {
        const auto v = strictInt(ReadSetting(programDir, fileName, std::to_string(k) + "="));
        estimate.SG1.setColWidth(k, v.value_or(-1));
    }
    estimate.notify(Change::Layout);
}

std::optional<CompanyWindowKeys> readCompanyWindowKeys(const std::filesystem::path& programDir,
                                                       const std::string& fileName, bool memoText)
{
    const auto path = programDir / fileName;
    if (!std::filesystem::exists(path))
        return std::nullopt;
    CompanyWindowKeys k;
    auto valueOf = [](const std::string& line, std::size_t bytes) {
        const auto eq = line.find('=');
        return eq == std::string::npos ? std::string() : cp932::truncateBytes(std::string_view(line).substr(eq + 1), bytes);
    };
    auto label = [&](const std::string& line, const char* key, std::string& target, const char* fallback) {
        if (line.find(key) == std::string::npos)
            return;
        const auto v = valueOf(line, 10);
        target = v.empty() ? fallback : v;
    };
    for (const auto& line : readLines(path)) {
        label(line, "[TITLE]=", k.titleLabel, "タイトル");
        label(line, "[納期]=", k.noukiLabel, "納期");
        label(line, "[場所]=", k.basyoLabel, "納入場所");
        label(line, "[条件]=", k.jokenLabel, "支払条件");
        label(line, "[期限]=", k.kigenLabel, "有効期限");
        if (line.find("[摘要]=") != std::string::npos) {
            const auto v = valueOf(line, 20);
            k.descriptionHeading = v.empty() ? "摘要" : v;
        }
        if (line.find("[形状]=") != std::string::npos) {
            const auto v = valueOf(line, 20);
            k.shapeHeading = v.empty() ? "形状・寸法" : v;
        }
        if (memoText && line.find("[MEMO]=") != std::string::npos)
            k.memoHeading = valueOf(line, 20);
        if (!memoText && line.find("[MEMO_数値]=") != std::string::npos)
            k.memoHeading = valueOf(line, 20);
        if (line.find("[切捨て]=") != std::string::npos) {
            const auto v = valueOf(line, 1);
            k.HASU_MODE = v == "1" ? 1 : v == "2" ? 2 : 0;
        }
        if (line.find("[確認]=") != std::string::npos && valueOf(line, 1) == "1")
            k.exitConfirmation = true;
        if (line.find("[縦線位置]=") != std::string::npos) {
            const auto v = valueOf(line, 100);
            if (!v.empty())
                k.verticalLine = strictInt(v).value_or(0) * 14;
        }
        for (int i = 0; i < 7; ++i) {
            const std::string key = "[部品" + std::to_string(i + 1) + "]=";
            if (line.find(key) != std::string::npos) {
                const auto v = valueOf(line, 12);
                if (!v.empty())
                    k.partsCaptions[static_cast<size_t>(i)] = v;
            }
        }
    }
    return k;
}

int settingInt(const std::filesystem::path& programDir, const std::string& fileName, const std::string& key)
{
    return strictInt(ReadSetting(programDir, fileName, key)).value_or(0);
}

} // namespace yorozu
