#include "files/estimate/EstimateRead.h"

#include "core/document/CommaText.h"
#include "core/document/Estimate.h"
#include "files/estimate/EstimateLayout.h"
#include "files/settings/OrientationSettings.h"
#include "files/settings/ReadSetting.h"
#include "files/text/Cp932.h"
#include "files/text/TextFile.h"

#include <algorithm>
#include <exception>

namespace yorozu {

std::string fileHasuModeName(const std::string& lineText)
{
    if (lineText == "0")
        return "切り捨て";
    if (lineText == "1")
        return "切り上げ";
    if (lineText == "2")
        return "四捨五入";
    return {};
}

std::string currentHasuModeName(int hasuMode)
{
    switch (hasuMode) {
    case 0: return "切捨て";
    case 1: return "切り上げ";
    case 2: return "四捨五入";
    default: return {};
    }
}

namespace {

// The lines by number; a short file reads as empty lines at its end. The
// fixed lines are decoded once; a row line is decoded when it is asked for,
// into one buffer, so ten thousand rows make no ten thousand strings.
class Lines {
public:
    explicit Lines(std::vector<std::string_view> raw) : raw_(std::move(raw))
    {
        fixed_.resize(std::min(raw_.size(), static_cast<size_t>(qte::kFirstRowLine - 1)));
        for (size_t i = 0; i < fixed_.size(); ++i)
            cp932::decodeAppend(raw_[i], fixed_[i]);
    }
    // Valid until the next call for a row line.
    const std::string& operator[](int number) const
    {
        static const std::string empty;
        const auto i = static_cast<size_t>(number - 1);
        if (i < fixed_.size())
            return fixed_[i];
        if (i >= raw_.size())
            return empty;
        row_.clear();
        cp932::decodeAppend(raw_[i], row_);
        return row_;
    }
    size_t size() const { return raw_.size(); }

private:
    std::vector<std::string_view> raw_;
    std::vector<std::string> fixed_;
    mutable std::string row_;
};

bool ticked(const std::string& text)
{
    return integerValue(text) != 0;
}

void readTaxOptions(Estimate& doc, const Lines& lines, std::vector<std::string>& messages)
{
    // Each box announces its own change; ticking one clears the other through
    // its click rule, so both "1" ends with only HIKAZEI ticked.
    const bool utizei = ticked(lines[qte::UTIZEI]);
    if (utizei != doc.UTIZEI) {
        messages.emplace_back(utizei ? "内税に設定を変更しました。" : "内税設定を変更しました。");
        doc.UTIZEIClick(utizei);
    }
    const bool hikazei = ticked(lines[qte::HIKAZEI]);
    if (hikazei != doc.HIKAZEI) {
        messages.emplace_back(hikazei ? "非課税に設定を変更しました。" : "非課税設定を変更しました。");
        doc.HIKAZEIClick(hikazei);
    }
}

void compareHasuMode(const Estimate& doc, const std::string& line, std::vector<std::string>& messages)
{
    if (integerValue(line) == doc.HASU_MODE)
        return;
    messages.push_back("端数処理方法が現在の設定と異なります。\r\n\r\n読込みデータは [ " + fileHasuModeName(line) +
                       " ] です。" + "\r\n" + "現在の設定は　[ " + currentHasuModeName(doc.HASU_MODE) + " ] です。" +
                       "\r\n" + "\r\n" + "変更が必要な場合は 「設定」 で変更してください。");
}

void compareRemarkRows(const std::filesystem::path& programDir, const std::string& line,
                       std::vector<std::string>& messages)
{
    if (integerValue(line) == remarkRowsSetting(programDir))
        return;
    messages.push_back("読込んだデータの備考行数は [ " + line + "行 ] です。" + "\r\n" + "\r\n" +
                       "変更が必要な場合は 「設定」 で変更してください。");
}

void readRows(Estimate& doc, const Lines& lines)
{
    // Row n comes from line kFirstRowLine + n - 1; the sheet grows once to
    // hold the last of them rather than a row at a time.
    const int last = static_cast<int>(lines.size()) - qte::kFirstRowLine + 1;
    if (last >= 1 && doc.SG1.rowCount() < last + 1)
        doc.SG1.setRowCount(last + 1);
    for (int n = 1; n <= last; ++n) {
        setRowFromCommaText(doc.SG1, n, lines[qte::kFirstRowLine + n - 1]);
        doc.SG1.setCell(col::No, n, std::to_string(n));
    }
}

void readInto(Estimate& doc, const Lines& lines, const std::filesystem::path& programDir, EstimateReadResult& result)
{
    doc.KNAME = lines[qte::KNAME];
    doc.Kouji = lines[qte::Kouji];
    doc.TITLE = lines[qte::TITLE];
    doc.Bangou = lines[qte::Bangou];
    // A date that does not convert leaves the date the document has (today after clearing).
    if (auto date = Date::parse(lines[qte::DTP1]))
        doc.DTP1 = *date;
    doc.Nouki = lines[qte::Nouki];
    doc.Basyo = lines[qte::Basyo];
    doc.Joken = lines[qte::Joken];
    doc.Kigen = lines[qte::Kigen];
    doc.notify(Change::Header);

    doc.memoMode = lines[qte::MemoMode] == "1" ? MemoMode::Text : MemoMode::Numeric;
    doc.notify(Change::Options);
    const bool showMemo = lines[qte::MemoShown] == "1";
    if (showMemo != doc.memoVisible())
        doc.setMemoVisible(showMemo);

    doc.setGYOUKAN(integerValue(lines[qte::GYOUKAN]));
    doc.setPRN_S(integerValue(lines[qte::PRN_S]));
    const int oldMuki = doc.MUKI;
    doc.setMUKI(integerValue(lines[qte::MUKI]));
    result.orientationChanged = doc.MUKI != oldMuki;

    // The memo heading comes from the settings of the orientation now in force.
    doc.SG1.setCell(col::Memo, 0, OrientationSettings::ofMUKI(programDir, doc.MUKI).memoHeading(doc.memoMode));

    readTaxOptions(doc, lines, result.messages);
    const bool sunpou = ticked(lines[qte::Sunpou]);
    if (sunpou != doc.Sunpou)
        doc.SunpouClick(sunpou);

    compareHasuMode(doc, lines[qte::HASU_MODE], result.messages);
    compareRemarkRows(programDir, lines[qte::RemarkRows], result.messages);

    // Line 20 holds the headings as they were written; the sheet keeps its own.
    readRows(doc, lines);
    doc.SG1.setColCount(StringGrid::kColumns);
    doc.notify(Change::Cells);
}

} // namespace

EstimateReadResult TXT_DATA_READ2(Estimate& doc, const std::filesystem::path& file,
                                  const std::filesystem::path& programDir)
{
    EstimateReadResult result;
    auto fail = [&](const std::string& why) {
        result.ok = false;
        result.error = "見積ファイルを読み込めませんでした。\r\n" + file.string() + (why.empty() ? "" : "\r\n" + why);
        return result;
    };
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec))
        return fail({});
    const auto bytes = readFileBytes(file);
    if (!bytes)
        return fail({});
    const Lines lines(splitLineViews(*bytes));
    try {
        readInto(doc, lines, programDir, result);
    } catch (const std::exception& e) {
        // A settings file that cannot be read ends the read where it is, as
        // any failure of a command does; what was read so far stays.
        return fail(e.what());
    }
    doc.recalculateAll();
    return result;
}

} // namespace yorozu
