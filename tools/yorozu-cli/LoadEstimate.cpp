#include "LoadEstimate.h"

#include "core/document/Estimate.h"
#include "files/estimate/EstimateRead.h"
#include "files/estimate/OpenEstimate.h"
#include "files/settings/Set2File.h"
#include "files/settings/WindowCompanySettings.h"

#include <exception>

namespace yorozu::cli {

namespace {

// The part of the window's start-up that shapes the document: the options
// "SET2.INI" keeps between runs and the grid layout that follows them.
void applySet2(Estimate& doc, const Set2Settings& s)
{
    doc.setGYOUKAN(s.GYOUKAN);
    doc.setPRN_S(s.PRN_S);
    if (!s.Sunpou)
        doc.SunpouClick(false);
    doc.setMUKI(s.MUKI);
    doc.KAKERITU = s.KAKERITU;
    doc.MARUME = s.MARUME;
    doc.memoMode = s.memoMode;
    doc.RIEKI_RITU = s.RIEKI_RITU;
    // The sheet's numeric editor starts with 2 decimals and changes only while it edits a cell.
    doc.editorDecimals = 2;
    setUpSheetGrid(doc.SG1, doc.Sunpou);
    setUpPrintCopyGrid(doc.SGP, doc.Sunpou);
    setUpSurveyGrid(doc.SGS, doc.Sunpou);
    setUpPartsGrid(doc.SG2, doc.Sunpou);
    setUpTotalsGrid(doc.SG_KEI, doc.Sunpou);
}

void readCompanySettings(Estimate& doc, const std::filesystem::path& programDir)
{
    applyWindowCompanySettings(readWindowCompanySettings(programDir, doc.MUKI, doc.memoMode), doc);
}

} // namespace

LoadResult loadEstimate(Estimate& doc, const std::filesystem::path& programDir, const std::filesystem::path& file)
{
    LoadResult result;
    try {
        applySet2(doc, SET2_YOMIKOMI(programDir, Set2Screen{}).settings);
        readCompanySettings(doc, programDir);
        doc.recalculateAll();
    } catch (const std::exception& e) {
        result.ok = false;
        result.error = std::string("設定ファイルを読み込めませんでした。\n") + programDir.string() + "\n" + e.what();
        return result;
    }

    doc.clear();
    auto read = openEstimate(doc, programDir, file);
    result.messages = std::move(read.messages);
    if (!read.ok) {
        result.ok = false;
        result.error = read.error;
    }
    return result;
}

} // namespace yorozu::cli
