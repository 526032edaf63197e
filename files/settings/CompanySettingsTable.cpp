#include "files/settings/CompanySettingsTable.h"

#include "files/text/Cp932.h"
#include "files/text/IntText.h"

#include <algorithm>
#include <array>
#include <optional>

namespace yorozu {

namespace {

using S = CompanySettings;

constexpr SettingDefaults same(std::string_view value)
{
    return {value, value, value, value};
}

constexpr SettingRow text(std::string_view key, std::string S::*field, std::size_t maxBytes = 200,
                          std::string_view def = {})
{
    return {key, SettingForm::Text, field, same(def), maxBytes};
}

constexpr SettingRow integer(std::string_view key, int S::*field, SettingDefaults def = same("0"))
{
    return {key, SettingForm::Integer, field, def};
}

constexpr SettingRow colour(std::string_view key, int S::*field)
{
    return {key, SettingForm::Colour, field, same("0")};
}

constexpr SettingRow onOff(std::string_view key, bool S::*field)
{
    return {key, SettingForm::Switch, field, same("0")};
}

constexpr SettingRow choice(std::string_view key, int S::*field, int choices, std::string_view def)
{
    return {key, SettingForm::Choice, field, same(def), 200, INT_MIN, choices};
}

// The rule widths: the printing draws 1 when the key is absent, the dialog shows 0.
constexpr SettingDefaults kRuleWidth{"1", "0", "1", "0"};
// The memo column widths: printing 27 / 25, dialog 27 / 20 (landscape / portrait).
constexpr SettingDefaults kMemoWidth{"27", "27", "25", "20"};

constexpr std::array<SettingRow, kCompanySettingKeyCount> kRows{{
    text("[設定名]=", &S::settingName, 100),
    text("[社名]=", &S::companyName),
    integer("[社名LEFT]=", &S::companyNameLeft),
    integer("[社名UP]=", &S::companyNameUp),
    text("[支店]=", &S::branch),
    integer("[支店LEFT]=", &S::branchLeft),
    integer("[支店UP]=", &S::branchUp),
    text("[所属]=", &S::department),
    integer("[所属LEFT]=", &S::departmentLeft),
    integer("[所属UP]=", &S::departmentUp),
    text("[担当]=", &S::person),
    integer("[担当LEFT]=", &S::personLeft),
    integer("[担当UP]=", &S::personUp),
    text("[〒]=", &S::postalCode),
    integer("[〒LEFT]=", &S::postalCodeLeft),
    integer("[〒UP]=", &S::postalCodeUp),
    text("[住所]=", &S::address),
    integer("[住所LEFT]=", &S::addressLeft),
    integer("[住所UP]=", &S::addressUp),
    text("[住所２]=", &S::address2),
    integer("[住所２LEFT]=", &S::address2Left),
    integer("[住所２UP]=", &S::address2Up),
    text("[TEL]=", &S::tel),
    integer("[TEL_LEFT]=", &S::telLeft),
    integer("[TEL_UP]=", &S::telUp),
    text("[FAX]=", &S::fax),
    integer("[FAX_LEFT]=", &S::faxLeft),
    integer("[FAX_UP]=", &S::faxUp),
    integer("[位置]=", &S::sheetUp),
    integer("[縦線位置]=", &S::secondRulePosition),
    {"[敬称]=", SettingForm::Honorific, &S::honorific, same("")},
    integer("[font]=", &S::companyFontSize, same("15")),
    {"[消費税]=", SettingForm::TrueFalse, &S::printTax, same("False")},
    integer("[金額枠]=", &S::amountFrameWidth, same("7")),
    integer("[印鑑枠]=", &S::sealFrameWidth, same("7")),
    integer("[明細枠]=", &S::detailFrameWidth, same("8")),
    integer("[角]=", &S::cornerRounding, same("30")),
    text("[TEXT1]=", &S::text1),
    integer("[TEXT1_LEFT]=", &S::text1Left),
    integer("[TEXT1_UP]=", &S::text1Up),
    text("[TEXT2]=", &S::text2),
    integer("[TEXT2_LEFT]=", &S::text2Left),
    integer("[TEXT2_UP]=", &S::text2Up),
    text("[LOGO_NAME]=", &S::logoFile),
    integer("[LOGO_LEFT]=", &S::logoLeft),
    integer("[LOGO_UP]=", &S::logoUp),
    text("[納期]=", &S::deliveryDateCaption, 10, "納期"),
    text("[場所]=", &S::deliveryPlaceCaption, 10, "納入場所"),
    text("[条件]=", &S::paymentTermsCaption, 10, "支払条件"),
    text("[期限]=", &S::validityCaption, 10, "有効期限"),
    integer("[印鑑LEFT]=", &S::sealFrameLeft),
    text("[TITLE]=", &S::titleCaption, 10, "タイトル"),
    {"[TITLE印刷]=", SettingForm::TrueFale, &S::printTitle, same("Fale")},
    integer("[タテ線]=", &S::verticalRuleWidth, kRuleWidth),
    integer("[ヨコ線]=", &S::horizontalRuleWidth, kRuleWidth),
    integer("[形状線]=", &S::secondRuleWidth, same("1")),
    choice("[形状線種]=", &S::secondRuleStyle, 2, "1"),
    integer("[右]=", &S::sheetLeft),
    text("[摘要]=", &S::descriptionHeading, 20, "摘要"),
    text("[形状]=", &S::shapeHeading, 20, "形状・寸法"),
    onOff("[平成]=", &S::eraDates),
    choice("[切捨て]=", &S::fractionMode, 3, "0"),
    onOff("[確認]=", &S::confirmExit),
    {"[最下行]=", SettingForm::OffOnlyAt0, &S::omitTaxNote, same("1")},
    onOff("[つづく]=", &S::omitContinuation),
    onOff("[単価]=", &S::omitUnitPriceForOne),
    colour("[固定色]=", &S::fixedColour),
    colour("[DATA色]=", &S::dataColour),
    colour("[数値色]=", &S::numberColour),
    colour("[枠色]=", &S::frameColour),
    colour("[控枠色]=", &S::costCopyFrameColour),
    text("[固定font名]=", &S::fixedFontName),
    integer("[固定fontSize]=", &S::fixedFontSize, same("10")),
    text("[DATAfont名]=", &S::dataFontName),
    integer("[DATAfontSize]=", &S::dataFontSize, same("10")),
    text("[数値font名]=", &S::numberFontName),
    integer("[数値fontSize]=", &S::numberFontSize, same("10")),
    colour("[小計色]=", &S::subtotalColour),
    colour("[合計色]=", &S::totalColour),
    colour("[値引き色]=", &S::discountColour),
    integer("[備考枠]=", &S::remarkLines),
    colour("[請求書枠色]=", &S::invoiceFrameColour),
    colour("[請求書固定文字色]=", &S::invoiceFixedColour),
    colour("[納品書枠色]=", &S::deliveryFrameColour),
    colour("[納品書固定文字色]=", &S::deliveryFixedColour),
    text("[金融機関名]=", &S::bankName),
    text("[口座番号]=", &S::accountNumber),
    text("[名義]=", &S::accountHolder),
    onOff("[矢印ボタン確認]=", &S::confirmArrows),
    onOff("[時間確認]=", &S::saveReminder),
    integer("[経過時間]=", &S::reminderMinutes),
    {"[データ表示数]=", SettingForm::Integer, &S::recordCount, same("300"), 200, 30},
    integer("[表紙TOP]=", &S::coverUp),
    integer("[表紙LEFT]=", &S::coverLeft),
    text("[MEMO]=", &S::memoHeading, 20),
    text("[MEMO_数値]=", &S::numericMemoHeading, 20),
    integer("[MEMO_WIDTH]=", &S::memoWidth, kMemoWidth),
    integer("[数値_WIDTH]=", &S::numericMemoWidth, kMemoWidth),
    onOff("[MEMO_DISP]=", &S::showMemo),
    onOff("[MEMO_PRN]=", &S::printMemo),
    text("[KAKUIN_NAME]=", &S::companySealFile),
    integer("[KAKUIN_LEFT]=", &S::companySealLeft),
    integer("[KAKUIN_UP]=", &S::companySealUp),
    text("[IN_NAME]=", &S::seal1File),
    integer("[IN_LEFT]=", &S::seal1Left),
    integer("[IN_UP]=", &S::seal1Up),
    text("[IN2_NAME]=", &S::seal2File),
    integer("[IN2_LEFT]=", &S::seal2Left),
    integer("[IN2_UP]=", &S::seal2Up),
    text("[IN3_NAME]=", &S::seal3File),
    integer("[IN3_LEFT]=", &S::seal3Left),
    integer("[IN3_UP]=", &S::seal3Up),
    onOff("[KOUJI_CHK]=", &S::coverTitle),
}};

// "[切捨]=" keeps any integer: a value other than 0, 1 and 2 leaves the
// amounts unchanged, which the printing decides.
constexpr std::array<SettingRow, 3> kReadOnlyRows{{
    integer("[最小Font]=", &S::smallestFontSize, same("8")),
    integer("[最小Font2]=", &S::smallestFontSize2, same("8")),
    integer("[切捨]=", &S::netFractionMode),
}};

// Decimal integer with optional leading blanks and sign, nothing after it,
// within the int range; anything else is no number.
std::optional<int> parseInteger(std::string_view s)
{
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    return parseInt(s);
}

int readInteger(const SettingRow& row, std::string_view value, std::string_view def)
{
    const int n = parseInteger(value).value_or(parseInteger(def).value_or(0));
    if (row.form == SettingForm::Choice && (n < 0 || n >= row.choices))
        return parseInteger(def).value_or(0);
    return std::max(n, row.lowest);
}

bool readSwitch(SettingForm form, std::string_view value)
{
    switch (form) {
    case SettingForm::TrueFalse:
    case SettingForm::TrueFale:
        return value == "True";
    case SettingForm::OffOnlyAt0:
        return value != "0";
    default:
        return value == "1";
    }
}

// A line break inside a value would split its line and shift every key after it.
std::string oneLine(std::string_view value, std::size_t maxBytes)
{
    std::string s(value);
    std::replace(s.begin(), s.end(), '\r', ' ');
    std::replace(s.begin(), s.end(), '\n', ' ');
    return cp932::truncateBytes(s, maxBytes);
}

} // namespace

std::span<const SettingRow> companySettingRows()
{
    return kRows;
}

std::span<const SettingRow> companySettingReadOnlyRows()
{
    return kReadOnlyRows;
}

void readSettingValue(const SettingRow& row, const std::string* value, Orientation orientation,
                      SettingsReader reader, CompanySettings& settings)
{
    const std::string_view def = row.defaults.forReader(orientation, reader);
    const std::string_view text = value ? std::string_view(*value) : def;
    if (auto* s = std::get_if<std::string S::*>(&row.field))
        settings.*(*s) = cp932::truncateBytes(text, row.maxBytes);
    else if (auto* i = std::get_if<int S::*>(&row.field))
        settings.*(*i) = readInteger(row, text, def);
    else
        settings.*std::get<bool S::*>(row.field) = readSwitch(row.form, text);
}

std::string writeSettingValue(const SettingRow& row, const CompanySettings& settings)
{
    switch (row.form) {
    case SettingForm::Text:
        return oneLine(settings.*std::get<std::string S::*>(row.field), row.maxBytes);
    case SettingForm::Honorific:
        return settings.*std::get<std::string S::*>(row.field) == "御中" ? "御中" : "様";
    case SettingForm::Integer:
    case SettingForm::Colour:
    case SettingForm::Choice:
        return std::to_string(std::max(settings.*std::get<int S::*>(row.field), row.lowest));
    case SettingForm::TrueFalse:
        return settings.*std::get<bool S::*>(row.field) ? "True" : "False";
    case SettingForm::TrueFale:
        return settings.*std::get<bool S::*>(row.field) ? "True" : "Fale";
    case SettingForm::Switch:
    case SettingForm::OffOnlyAt0:
        return settings.*std::get<bool S::*>(row.field) ? "1" : "0";
    }
    return {};
}

} // namespace yorozu
