#include "files/estimate/TextExport.h"

#include "core/document/CommaText.h"
#include "core/document/Estimate.h"
#include "files/estimate/EstimateLayout.h"
#include "files/estimate/EstimateSave.h"
#include "files/estimate/FileNameCheck.h"
#include "files/estimate/JapaneseEra.h"
#include "files/text/TextFile.h"

#include <cstdio>
#include <system_error>

namespace yorozu {

namespace fs = std::filesystem;

namespace {

constexpr int kExportHeaderLines = 11;

std::string twoDigits(int n)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d", n);
    return buf;
}

} // namespace

std::string textExportFileName(const Estimate& doc, const Date& today)
{
    const auto era = japaneseEra(today);
    return era.era + std::to_string(era.year) + "年" + twoDigits(today.month) + "月" + twoDigits(today.day) + "日" +
           "【" + withoutControlCharacters(doc.Bangou) + "】" + withoutControlCharacters(doc.TITLE) + ".qte";
}

TextExportResult TXT_DATA_WRITE(const Estimate& doc, const fs::path& programDir, const Date& today,
                                const AskYesNo& ask)
{
    using Status = TextExportResult::Status;
    TextExportResult result;
    for (const auto* part : {&doc.Bangou, &doc.TITLE}) {
        if (auto message = FNAME_CHECK(*part))
            return {Status::Refused, *message, {}};
    }
    result.file = programDir / fs::path(textExportFileName(doc, today));
    std::error_code ec;
    if (fs::exists(result.file, ec) && !ask("同名ファイルが存在します。\r\n上書きしますか？"))
        return {Status::Cancelled, {}, result.file};

    // The heading lines 12 to 20 are not part of the export; the grid rows
    // follow line 11 directly, headings first.
    auto lines = estimateHeaderLines(doc, 0, kExportHeaderLines);
    for (int r = 0; r < doc.SG1.rowCount(); ++r)
        lines.push_back(rowCommaText(doc.SG1, r));
    const auto written = writeTextLines(result.file, lines);
    if (!written) {
        result.status = Status::Failed;
        result.message = !written.unmappable.empty() ? unmappableMessage(written.unmappable)
                                                     : "出力できませんでした。\r\n" + result.file.string();
        return result;
    }
    result.message = "出力しました。";
    return result;
}

} // namespace yorozu
