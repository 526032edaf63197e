#pragma once

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QComboBox;

namespace yorozu {

enum class PickList;

class TYorozu;
class Browser;
class BrowserHost;

namespace browsing {
// What the browser needs of the window.
std::unique_ptr<BrowserHost> makeHost(TYorozu& w);
// Points the window's browser commands at it.
void attach(TYorozu& w, Browser& browser);
} // namespace browsing

// The rooms the main window's entry points hand their work to. Each takes
// the window it works on; the window stays a thin list of commands.
namespace startup {
void FormCreate(TYorozu& w);
void SET2_YOMIKOMI(TYorozu& w);
void COMBO_YOMIKOMI(TYorozu& w);
void BANGOU_CALL(TYorozu& w);
// The seven pick lists with their combos, in the order they are read and written.
std::vector<std::pair<PickList, QComboBox*>> pickListCombos(TYorozu& w);
} // namespace startup

namespace activation {
void FormActivate(TYorozu& w);
void MUKIClick(TYorozu& w);
// Reads the main-window keys of the company settings of an orientation.
void readCompanySettings(TYorozu& w, int MUKI);
} // namespace activation

namespace shutdown {
void FormClose(TYorozu& w);
void SET2_KAKIDASI(TYorozu& w);
void COMBO_KAKIDASI(TYorozu& w);
} // namespace shutdown

namespace commands {
void save(TYorozu& w);       // the estimate into the data folder, then the next number
void textExport(TYorozu& w); // Ctrl+0
void exitWithQuestions(TYorozu& w);
// The questions of the exit command; true when the window may close.
bool mayExit(TYorozu& w);
void exitAfterQuestion(TYorozu& w);
void clear(TYorozu& w, bool ask);
void saveReminder(TYorozu& w);
void openManual(TYorozu& w);
void openWebPage(TYorozu& w);
void wideDisplay(TYorozu& w);
void totalsByClassification(TYorozu& w);
void resetSheetWidths(TYorozu& w);
void rateConversionMenu(TYorozu& w);
void rateConversion(TYorozu& w, int sourceColumn);
} // namespace commands

// The maker's page the web-page button opens, and its question.
inline constexpr const char* kHomePage = "https://yorozu-mitsumori.example.jp/";
inline constexpr const char* kHomePageQuestion = "ホームページを表示します。\r\nインターネットに接続しますか？";

} // namespace yorozu
