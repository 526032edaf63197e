#include "files/settings/CompanySettingsFile.h"
#include "files/settings/CompanySettingsTable.h"
#include "files/text/Cp932.h"
#include "files/settings/ReadSetting.h"
#include "files/text/TextFile.h"

#include "files/settings/CompanySettingsPrint.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using namespace yorozu;

namespace {

// Every key of the file in file order, typed out independently of the
// table in the code, so a mistyped or misplaced key there shows up here.
const std::vector<std::string> kKeys = {
    "[設定名]=", "[社名]=", "[社名LEFT]=", "[社名UP]=", "[支店]=", "[支店LEFT]=", "[支店UP]=",
    "[所属]=", "[所属LEFT]=", "[所属UP]=", "[担当]=", "[担当LEFT]=", "[担当UP]=", "[〒]=", "[〒LEFT]=",
    "[〒UP]=", "[住所]=", "[住所LEFT]=", "[住所UP]=", "[住所２]=", "[住所２LEFT]=", "[住所２UP]=",
    "[TEL]=", "[TEL_LEFT]=", "[TEL_UP]=", "[FAX]=", "[FAX_LEFT]=", "[FAX_UP]=", "[位置]=", "[縦線位置]=",
    "[敬称]=", "[font]=", "[消費税]=", "[金額枠]=", "[印鑑枠]=", "[明細枠]=", "[角]=", "[TEXT1]=",
    "[TEXT1_LEFT]=", "[TEXT1_UP]=", "[TEXT2]=", "[TEXT2_LEFT]=", "[TEXT2_UP]=", "[LOGO_NAME]=",
    "[LOGO_LEFT]=", "[LOGO_UP]=", "[納期]=", "[場所]=", "[条件]=", "[期限]=", "[印鑑LEFT]=", "[TITLE]=",
    "[TITLE印刷]=", "[タテ線]=", "[ヨコ線]=", "[形状線]=", "[形状線種]=", "[右]=", "[摘要]=", "[形状]=",
    "[平成]=", "[切捨て]=", "[確認]=", "[最下行]=", "[つづく]=", "[単価]=", "[固定色]=", "[DATA色]=",
    "[数値色]=", "[枠色]=", "[控枠色]=", "[固定font名]=", "[固定fontSize]=", "[DATAfont名]=",
    "[DATAfontSize]=", "[数値font名]=", "[数値fontSize]=", "[小計色]=", "[合計色]=", "[値引き色]=",
    "[備考枠]=", "[請求書枠色]=", "[請求書固定文字色]=", "[納品書枠色]=", "[納品書固定文字色]=",
    "[金融機関名]=", "[口座番号]=", "[名義]=", "[矢印ボタン確認]=", "[時間確認]=", "[経過時間]=",
    "[データ表示数]=", "[表紙TOP]=", "[表紙LEFT]=", "[MEMO]=", "[MEMO_数値]=", "[MEMO_WIDTH]=",
    "[数値_WIDTH]=", "[MEMO_DISP]=", "[MEMO_PRN]=", "[KAKUIN_NAME]=", "[KAKUIN_LEFT]=", "[KAKUIN_UP]=",
    "[IN_NAME]=", "[IN_LEFT]=", "[IN_UP]=", "[IN2_NAME]=", "[IN2_LEFT]=", "[IN2_UP]=", "[IN3_NAME]=",
    "[IN3_LEFT]=", "[IN3_UP]=", "[KOUJI_CHK]=",
};

// A value other than the default in every key, and a different one in each
// integer, so that two keys sharing a field or a key reaching no field
// cannot read back equal.
CompanySettings nonDefaultSettings()
{
    // The hand-added keys are never written, so they stay at their defaults.
    auto s = defaultCompanySettings(Orientation::Landscape, SettingsReader::Printing);
    s.settingName = "事務所のプリンタ";
    s.companyName = "株式会社よろず";
    s.companyNameLeft = -1;
    s.companyNameUp = 2;
    s.branch = "東京支店";
    s.branchLeft = 3;
    s.branchUp = -4;
    s.department = "営業部";
    s.departmentLeft = 5;
    s.departmentUp = 6;
    s.person = "山田太郎";
    s.personLeft = 7;
    s.personUp = 8;
    s.postalCode = "〒100-0001";
    s.postalCodeLeft = 9;
    s.postalCodeUp = 10;
    s.address = "東京都千代田区";
    s.addressLeft = 11;
    s.addressUp = 12;
    s.address2 = "丸の内ビル３階";
    s.address2Left = 13;
    s.address2Up = 14;
    s.tel = "TEL 03-1234-5678";
    s.telLeft = 15;
    s.telUp = 16;
    s.fax = "FAX 03-1234-5679";
    s.faxLeft = 17;
    s.faxUp = 18;
    s.sheetUp = 19;
    s.secondRulePosition = 20;
    s.honorific = "御中";
    s.companyFontSize = 21;
    s.printTax = true;
    s.amountFrameWidth = 22;
    s.sealFrameWidth = 23;
    s.detailFrameWidth = 24;
    s.cornerRounding = 25;
    s.text1 = "建設業許可";
    s.text1Left = 26;
    s.text1Up = 27;
    s.text2 = "誠実施工";
    s.text2Left = 28;
    s.text2Up = 29;
    s.logoFile = "/opt/yorozu/logo.bmp";
    s.logoLeft = 30;
    s.logoUp = 31;
    s.deliveryDateCaption = "納品日";
    s.deliveryPlaceCaption = "現場";
    s.paymentTermsCaption = "支払";
    s.validityCaption = "期限";
    s.sealFrameLeft = 32;
    s.titleCaption = "工事名";
    s.printTitle = true;
    s.verticalRuleWidth = 33;
    s.horizontalRuleWidth = 34;
    s.secondRuleWidth = 35;
    s.secondRuleStyle = 0;
    s.sheetLeft = -36;
    s.descriptionHeading = "品名";
    s.shapeHeading = "規格";
    s.eraDates = true;
    s.fractionMode = 2;
    s.confirmExit = true;
    s.omitTaxNote = false;
    s.omitContinuation = true;
    s.omitUnitPriceForOne = true;
    s.fixedColour = 255;
    s.dataColour = 65280;
    s.numberColour = 16711680;
    s.frameColour = 37;
    s.costCopyFrameColour = 38;
    s.fixedFontName = "ＭＳ 明朝";
    s.fixedFontSize = 39;
    s.dataFontName = "ＭＳ ゴシック";
    s.dataFontSize = 40;
    s.numberFontName = "Arial";
    s.numberFontSize = 41;
    s.subtotalColour = 42;
    s.totalColour = 43;
    s.discountColour = -16777201;
    s.remarkLines = 29;
    s.invoiceFrameColour = 44;
    s.invoiceFixedColour = 45;
    s.deliveryFrameColour = 46;
    s.deliveryFixedColour = 47;
    s.bankName = "よろず銀行";
    s.accountNumber = "普通 1234567";
    s.accountHolder = "カ）ヨロズ";
    s.confirmArrows = true;
    s.saveReminder = true;
    s.reminderMinutes = 48;
    s.recordCount = 49;
    s.coverUp = -50;
    s.coverLeft = 51;
    s.memoHeading = "備考";
    s.numericMemoHeading = "数量２";
    s.memoWidth = 52;
    s.numericMemoWidth = 53;
    s.showMemo = true;
    s.printMemo = true;
    s.companySealFile = "kakuin.bmp";
    s.companySealLeft = 54;
    s.companySealUp = 55;
    s.seal1File = "in1.bmp";
    s.seal1Left = 56;
    s.seal1Up = 57;
    s.seal2File = "in2.bmp";
    s.seal2Left = 58;
    s.seal2Up = 59;
    s.seal3File = "in3.bmp";
    s.seal3Left = 60;
    s.seal3Up = 61;
    s.coverTitle = true;
    return s;
}

std::string valueOf(const std::vector<std::string>& lines, const std::string& key)
{
    for (const auto& line : lines)
        if (line.rfind(key, 0) == 0)
            return line.substr(key.size());
    ADD_FAILURE() << "no line for " << key;
    return {};
}

const Orientation kOrientations[] = {Orientation::Landscape, Orientation::Portrait};
const SettingsReader kReaders[] = {SettingsReader::Printing, SettingsReader::Dialog};

} // namespace

TEST(CompanySettingsLines, AreTheKeysInFileOrder)
{
    ASSERT_EQ(kKeys.size(), 113u);
    const auto lines = companySettingsLines(nonDefaultSettings());
    ASSERT_EQ(lines.size(), kKeys.size());
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        SCOPED_TRACE(kKeys[i]);
        EXPECT_EQ(lines[i].rfind(kKeys[i], 0), 0u) << lines[i];
    }
}

TEST(CompanySettingsLines, EveryKeyFindsItsOwnLine)
{
    // A key that is a substring of an earlier key's line would read that line.
    const auto lines = companySettingsLines(defaultCompanySettings(Orientation::Landscape, SettingsReader::Printing));
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        SCOPED_TRACE(kKeys[i]);
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_EQ(lines[j].find(kKeys[i]), std::string::npos) << lines[j];
    }
}

TEST(CompanySettingsLines, ReadBackUnchangedForEveryReader)
{
    const auto original = nonDefaultSettings();
    const auto lines = companySettingsLines(original);
    for (auto orientation : kOrientations)
        for (auto reader : kReaders) {
            SCOPED_TRACE(static_cast<int>(orientation) * 10 + static_cast<int>(reader));
            // The fixture must really differ from the defaults in every key.
            const auto defaults = companySettingsLines(defaultCompanySettings(orientation, reader));
            for (std::size_t i = 0; i < lines.size(); ++i)
                EXPECT_NE(lines[i], defaults[i]) << "fixture keeps the default of " << kKeys[i];
            EXPECT_EQ(companySettingsFromLines(lines, orientation, reader), original);
        }
}

TEST(CompanySettingsLines, WriteTheValueFormsOfTheFile)
{
    auto s = nonDefaultSettings();
    auto on = companySettingsLines(s);
    EXPECT_EQ(valueOf(on, "[消費税]="), "True");
    EXPECT_EQ(valueOf(on, "[TITLE印刷]="), "True");
    EXPECT_EQ(valueOf(on, "[平成]="), "1");
    EXPECT_EQ(valueOf(on, "[最下行]="), "0");
    EXPECT_EQ(valueOf(on, "[切捨て]="), "2");
    EXPECT_EQ(valueOf(on, "[形状線種]="), "0");
    EXPECT_EQ(valueOf(on, "[敬称]="), "御中");
    EXPECT_EQ(valueOf(on, "[値引き色]="), "-16777201");

    s.printTax = false;
    s.printTitle = false;
    s.eraDates = false;
    s.omitTaxNote = true;
    s.honorific = "様";
    s.companyNameLeft = -5000;
    auto off = companySettingsLines(s);
    EXPECT_EQ(valueOf(off, "[消費税]="), "False");
    EXPECT_EQ(valueOf(off, "[TITLE印刷]="), "Fale");
    EXPECT_EQ(valueOf(off, "[平成]="), "0");
    EXPECT_EQ(valueOf(off, "[最下行]="), "1");
    EXPECT_EQ(valueOf(off, "[敬称]="), "様");
    EXPECT_EQ(valueOf(off, "[社名LEFT]="), "-5000");
}

TEST(CompanySettingsDefaults, FollowTheReaderAndTheOrientation)
{
    struct Case {
        Orientation orientation;
        SettingsReader reader;
        int ruleWidth;
        int memoWidth;
    };
    const Case cases[] = {
        {Orientation::Landscape, SettingsReader::Printing, 1, 27},
        {Orientation::Portrait, SettingsReader::Printing, 1, 25},
        {Orientation::Landscape, SettingsReader::Dialog, 0, 27},
        {Orientation::Portrait, SettingsReader::Dialog, 0, 20},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.orientation) * 10 + static_cast<int>(c.reader));
        const auto d = defaultCompanySettings(c.orientation, c.reader);
        EXPECT_EQ(d.verticalRuleWidth, c.ruleWidth);
        EXPECT_EQ(d.horizontalRuleWidth, c.ruleWidth);
        EXPECT_EQ(d.memoWidth, c.memoWidth);
        EXPECT_EQ(d.numericMemoWidth, c.memoWidth);

        EXPECT_EQ(d.settingName, "");
        EXPECT_EQ(d.companyName, "");
        EXPECT_EQ(d.honorific, "");
        EXPECT_EQ(d.companyFontSize, 15);
        EXPECT_FALSE(d.printTax);
        EXPECT_EQ(d.amountFrameWidth, 7);
        EXPECT_EQ(d.sealFrameWidth, 7);
        EXPECT_EQ(d.detailFrameWidth, 8);
        EXPECT_EQ(d.cornerRounding, 30);
        EXPECT_EQ(d.deliveryDateCaption, "納期");
        EXPECT_EQ(d.deliveryPlaceCaption, "納入場所");
        EXPECT_EQ(d.paymentTermsCaption, "支払条件");
        EXPECT_EQ(d.validityCaption, "有効期限");
        EXPECT_EQ(d.titleCaption, "タイトル");
        EXPECT_FALSE(d.printTitle);
        EXPECT_EQ(d.secondRuleWidth, 1);
        EXPECT_EQ(d.secondRuleStyle, 1) << "dashed";
        EXPECT_EQ(d.descriptionHeading, "摘要");
        EXPECT_EQ(d.shapeHeading, "形状・寸法");
        EXPECT_EQ(d.fractionMode, 0);
        EXPECT_TRUE(d.omitTaxNote) << "an absent key prints no tax note";
        EXPECT_FALSE(d.omitContinuation);
        EXPECT_EQ(d.fixedFontSize, 10);
        EXPECT_EQ(d.dataFontSize, 10);
        EXPECT_EQ(d.numberFontSize, 10);
        EXPECT_EQ(d.reminderMinutes, 0);
        EXPECT_EQ(d.recordCount, 300);
        EXPECT_EQ(d.memoHeading, "");
        EXPECT_FALSE(d.coverTitle);
    }
}

TEST(CompanySettingsDefaults, FillOnlyTheKeysAFileLacks)
{
    const std::vector<std::string> lines = {
        "[社名]=有限会社テスト",
        "[font]=18",
        "[タテ線]=3",
        "[MEMO_WIDTH]=30",
    };
    const auto s = companySettingsFromLines(lines, Orientation::Portrait, SettingsReader::Printing);
    auto expected = defaultCompanySettings(Orientation::Portrait, SettingsReader::Printing);
    expected.companyName = "有限会社テスト";
    expected.companyFontSize = 18;
    expected.verticalRuleWidth = 3;
    expected.memoWidth = 30;
    EXPECT_EQ(s, expected);
}

TEST(CompanySettingsValues, ReadAsTheirReadersTestThem)
{
    struct Case {
        const char* line;
        bool (*check)(const CompanySettings&);
    };
    const Case cases[] = {
        {"[font]=abc", [](const CompanySettings& s) { return s.companyFontSize == 15; }},
        {"[font]=", [](const CompanySettings& s) { return s.companyFontSize == 15; }},
        {"[font]=12pt", [](const CompanySettings& s) { return s.companyFontSize == 15; }},
        {"[社名LEFT]=-12", [](const CompanySettings& s) { return s.companyNameLeft == -12; }},
        {"[社名LEFT]= +7", [](const CompanySettings& s) { return s.companyNameLeft == 7; }},
        {"[社名LEFT]=+-7", [](const CompanySettings& s) { return s.companyNameLeft == 0; }},
        {"[社名LEFT]=7 ", [](const CompanySettings& s) { return s.companyNameLeft == 0; }},
        {"[社名LEFT]=99999999999", [](const CompanySettings& s) { return s.companyNameLeft == 0; }},
        {"[データ表示数]=10", [](const CompanySettings& s) { return s.recordCount == 30; }},
        {"[データ表示数]=", [](const CompanySettings& s) { return s.recordCount == 300; }},
        {"[データ表示数]=45", [](const CompanySettings& s) { return s.recordCount == 45; }},
        {"[切捨て]=1", [](const CompanySettings& s) { return s.fractionMode == 1; }},
        {"[切捨て]=5", [](const CompanySettings& s) { return s.fractionMode == 0; }},
        {"[形状線種]=", [](const CompanySettings& s) { return s.secondRuleStyle == 1; }},
        {"[形状線種]=0", [](const CompanySettings& s) { return s.secondRuleStyle == 0; }},
        {"[形状線種]=7", [](const CompanySettings& s) { return s.secondRuleStyle == 1; }},
        {"[消費税]=True", [](const CompanySettings& s) { return s.printTax; }},
        {"[消費税]=1", [](const CompanySettings& s) { return !s.printTax; }},
        {"[消費税]=true", [](const CompanySettings& s) { return !s.printTax; }},
        {"[TITLE印刷]=True", [](const CompanySettings& s) { return s.printTitle; }},
        {"[TITLE印刷]=Fale", [](const CompanySettings& s) { return !s.printTitle; }},
        {"[平成]=1", [](const CompanySettings& s) { return s.eraDates; }},
        {"[平成]=True", [](const CompanySettings& s) { return !s.eraDates; }},
        {"[最下行]=0", [](const CompanySettings& s) { return !s.omitTaxNote; }},
        {"[最下行]=", [](const CompanySettings& s) { return s.omitTaxNote; }},
        {"[敬称]=殿", [](const CompanySettings& s) { return s.honorific == "殿" && s.honorificIndex() == 1; }},
        {"[敬称]=御中", [](const CompanySettings& s) { return s.honorificIndex() == 0; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_TRUE(c.check(companySettingsFromLines({c.line}, Orientation::Landscape, SettingsReader::Dialog)));
    }
}

TEST(CompanySettingsValues, HandAddedHonorificIsSavedAsTheDialogShowsIt)
{
    auto s = defaultCompanySettings(Orientation::Landscape, SettingsReader::Dialog);
    for (const char* honorific : {"殿", ""}) {
        SCOPED_TRACE(honorific);
        s.honorific = honorific;
        EXPECT_EQ(valueOf(companySettingsLines(s), "[敬称]="), "様");
    }
}

TEST(CompanySettingsValues, RecordCountIsSavedAtLeast30)
{
    auto s = defaultCompanySettings(Orientation::Landscape, SettingsReader::Dialog);
    s.recordCount = 10;
    EXPECT_EQ(valueOf(companySettingsLines(s), "[データ表示数]="), "30");
}

TEST(CompanySettingsValues, LineBreaksInATextDoNotSplitTheFile)
{
    auto s = nonDefaultSettings();
    s.companyName = "株式会社\r\nよろず";
    const auto lines = companySettingsLines(s);
    ASSERT_EQ(lines.size(), 113u);
    EXPECT_EQ(valueOf(lines, "[社名]="), "株式会社  よろず");
}

TEST(CompanySettingsByteLimits, CutCodePage932BytesOnWholeCharacters)
{
    struct Case {
        std::string key;
        std::string CompanySettings::*field;
        std::size_t limit;
    };
    const Case cases[] = {
        {"[設定名]=", &CompanySettings::settingName, 100},
        {"[納期]=", &CompanySettings::deliveryDateCaption, 10},
        {"[TITLE]=", &CompanySettings::titleCaption, 10},
        {"[摘要]=", &CompanySettings::descriptionHeading, 20},
        {"[MEMO_数値]=", &CompanySettings::numericMemoHeading, 20},
        {"[社名]=", &CompanySettings::companyName, 200},
        {"[LOGO_NAME]=", &CompanySettings::logoFile, 200},
    };
    // One single-byte letter first, so that the limit falls inside a
    // double-byte character.
    const std::string longText = "a" + [] {
        std::string s;
        for (int i = 0; i < 150; ++i)
            s += "あ";
        return s;
    }();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        const std::string expected = cp932::truncateBytes(longText, c.limit);
        ASSERT_EQ(cp932::byteLength(expected), c.limit - 1);

        const auto read = companySettingsFromLines({c.key + longText}, Orientation::Landscape, SettingsReader::Printing);
        EXPECT_EQ(read.*c.field, expected);

        auto s = defaultCompanySettings(Orientation::Landscape, SettingsReader::Printing);
        s.*c.field = longText;
        EXPECT_EQ(valueOf(companySettingsLines(s), c.key), expected);
    }
}

TEST(CompanySettingsLookup, MatchesTheSingleKeyLookup)
{
    // Keys in the middle of lines, keys twice, a value that holds a later
    // key: reading the whole file at once must see what the single-key
    // lookup sees.
    const auto dir = std::filesystem::path(testing::TempDir()) / "company_lookup";
    std::filesystem::create_directories(dir);
    const std::vector<std::string> lines = {
        "メモ [支店]=本店 [社名]=中の社名",
        "[社名]=二番目",
        "[設定名]=持ち込み [TEL]=03-0000",
        "[TEL]=03-1111",
        "[TITLE]=",
        "[font]=16",
        "[font]=17",
    };
    ASSERT_TRUE(writeTextLines(dir / "SET.INI", lines));
    const auto s = companySettingsFromLines(lines, Orientation::Landscape, SettingsReader::Printing);
    EXPECT_EQ(s.companyName, ReadSetting(dir, "SET.INI", "[社名]="));
    EXPECT_EQ(s.companyName, "中の社名");
    EXPECT_EQ(s.branch, ReadSetting(dir, "SET.INI", "[支店]="));
    EXPECT_EQ(s.settingName, ReadSetting(dir, "SET.INI", "[設定名]="));
    EXPECT_EQ(s.tel, "03-0000") << "the value of another key shadows the line of [TEL]=";
    EXPECT_EQ(s.titleCaption, "") << "a present, empty key is not absent";
    EXPECT_EQ(s.companyFontSize, 16);
    std::filesystem::remove_all(dir);
}

TEST(CompanySettingsReadOnlyKeys, AreReadButNeverWritten)
{
    const auto d = defaultCompanySettings(Orientation::Landscape, SettingsReader::Printing);
    EXPECT_EQ(d.smallestFontSize, 8);
    EXPECT_EQ(d.smallestFontSize2, 8);
    EXPECT_EQ(d.netFractionMode, 0);

    // "[切捨]=" and "[切捨て]=" are different keys; neither finds the other's line.
    const std::vector<std::string> lines = {"[切捨て]=2", "[最小Font2]=6", "[最小Font]=7", "[切捨]=5"};
    const auto s = companySettingsFromLines(lines, Orientation::Landscape, SettingsReader::Printing);
    EXPECT_EQ(s.fractionMode, 2);
    EXPECT_EQ(s.netFractionMode, 5) << "any integer is kept";
    EXPECT_EQ(s.smallestFontSize, 7);
    EXPECT_EQ(s.smallestFontSize2, 6);

    const auto written = companySettingsLines(s);
    EXPECT_EQ(written.size(), 113u);
    for (const auto& line : written)
        for (const char* key : {"[最小Font]=", "[最小Font2]=", "[切捨]="})
            EXPECT_EQ(line.find(key), std::string::npos) << line;
}
