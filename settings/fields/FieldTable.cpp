#include "settings/fields/FieldTable.h"

#include <array>

namespace yorozu {

namespace {

using P = SettingsPage;

constexpr const char* kLeftHint = "マイナスは左へ";
constexpr const char* kUpHint = "マイナスは上へ";

constexpr FieldLayout text(std::string_view key, const char* name, P page, int row, const char* caption)
{
    return {key, name, page, row, 0, caption};
}

constexpr FieldLayout number(std::string_view key, const char* name, P page, int row, int column,
                           const char* caption, int lowest, int highest, const char* hint = nullptr)
{
    return {key, name, page, row, column, caption, lowest, highest, FieldLead::Label, nullptr, hint};
}

// The right/left and down/up offsets beside a printed item, in millimetres.
constexpr FieldLayout left(std::string_view key, const char* name, P page, int row)
{
    return {key, name, page, row, 1, nullptr, -5000, 5000, FieldLead::None, nullptr, kLeftHint};
}
constexpr FieldLayout up(std::string_view key, const char* name, P page, int row)
{
    return {key, name, page, row, 2, nullptr, -5000, 5000, FieldLead::None, nullptr, kUpHint};
}

constexpr FieldLayout check(std::string_view key, const char* name, P page, int row, int column, const char* caption)
{
    return {key, name, page, row, column, caption, 0, 0, FieldLead::None};
}

constexpr FieldLayout combo(std::string_view key, const char* name, P page, int row, const char* caption,
                          const char* choices)
{
    return {key, name, page, row, 0, caption, 0, 0, FieldLead::Label, nullptr, nullptr, choices};
}

constexpr FieldLayout colour(std::string_view key, const char* name, int row, const char* caption, const char* question)
{
    return {key, name, P::FontsColours, row, 0, caption, 0, 0, FieldLead::ColourButton, question};
}

constexpr FieldLayout fontName(std::string_view key, const char* name, int row, const char* caption)
{
    return {key, name, P::FontsColours, row, 1, caption, 0, 0, FieldLead::FontButton};
}

constexpr FieldLayout fontSize(std::string_view key, const char* name, int row)
{
    return {key, name, P::FontsColours, row, 2, "サイズ", 0, 200};
}

constexpr FieldLayout image(std::string_view key, const char* name, P page, int row, const char* caption,
                          const char* question)
{
    return {key, name, page, row, 0, caption, 0, 0, FieldLead::ImageCaption, question};
}

constexpr std::array kFields{
    FieldLayout{"[設定名]=", "SET_NAME", P::Header, 0, 0, "設定名", 0, 0, FieldLead::Label, nullptr,
              "プリンタ名等を適当に入力してください。"},
    text("[社名]=", "K_NAME", P::Company, 1, "社名"),
    left("[社名LEFT]=", "K_NAME_LEFT", P::Company, 1),
    up("[社名UP]=", "K_NAME_UP", P::Company, 1),
    text("[支店]=", "siten", P::Company, 2, "支店等"),
    left("[支店LEFT]=", "siten_LEFT", P::Company, 2),
    up("[支店UP]=", "siten_UP", P::Company, 2),
    text("[所属]=", "buka", P::Company, 3, "所属"),
    left("[所属LEFT]=", "buka_LEFT", P::Company, 3),
    up("[所属UP]=", "buka_UP", P::Company, 3),
    text("[担当]=", "tanto", P::Company, 4, "担当者"),
    left("[担当LEFT]=", "tanto_LEFT", P::Company, 4),
    up("[担当UP]=", "tanto_UP", P::Company, 4),
    text("[〒]=", "ubin", P::Company, 5, "〒"),
    left("[〒LEFT]=", "ubin_LEFT", P::Company, 5),
    up("[〒UP]=", "ubin_UP", P::Company, 5),
    text("[住所]=", "add", P::Company, 6, "住所"),
    left("[住所LEFT]=", "add_LEFT", P::Company, 6),
    up("[住所UP]=", "add_UP", P::Company, 6),
    text("[住所２]=", "add2", P::Company, 7, "住所２"),
    left("[住所２LEFT]=", "add2_LEFT", P::Company, 7),
    up("[住所２UP]=", "add2_UP", P::Company, 7),
    text("[TEL]=", "tel", P::Company, 8, "TEL"),
    left("[TEL_LEFT]=", "tel_LEFT", P::Company, 8),
    up("[TEL_UP]=", "tel_UP", P::Company, 8),
    text("[FAX]=", "fax", P::Company, 9, "FAX"),
    left("[FAX_LEFT]=", "fax_LEFT", P::Company, 9),
    up("[FAX_UP]=", "fax_UP", P::Company, 9),
    number("[位置]=", "iti", P::Company, 14, 0, "全体の上下位置（mm）", -5000, 5000, kUpHint),
    number("[縦線位置]=", "TATESEN_ITI", P::Company, 16, 0, "２番目タテ罫線の位置（mm）", -5000, 5000, kLeftHint),
    combo("[敬称]=", "keisyou", P::Switches, 0, "顧客敬称", "御中|様"),
    number("[font]=", "FON", P::Company, 13, 0, "社名の文字サイズ（pt）", 0, 50),
    check("[消費税]=", "ZeiCheck", P::Switches, 5, 0, "消費税印刷する"),
    number("[金額枠]=", "KIN_WAKU", P::Lines, 0, 0, "金額枠の太さ", 0, 20),
    number("[印鑑枠]=", "IN_WAKU", P::Lines, 1, 0, "印鑑枠の太さ", 0, 20),
    number("[明細枠]=", "MEI_WAKU", P::Lines, 2, 0, "明細枠の太さ", 0, 20),
    number("[角]=", "MARU", P::Lines, 3, 0, "枠の角の丸み", 0, 300),
    text("[TEXT1]=", "TEXT1", P::Company, 10, "テキスト①"),
    left("[TEXT1_LEFT]=", "TEXT1_LEFT", P::Company, 10),
    up("[TEXT1_UP]=", "TEXT1_UP", P::Company, 10),
    text("[TEXT2]=", "TEXT2", P::Company, 11, "テキスト②"),
    left("[TEXT2_LEFT]=", "TEXT2_LEFT", P::Company, 11),
    up("[TEXT2_UP]=", "TEXT2_UP", P::Company, 11),
    image("[LOGO_NAME]=", "LOGO_NAME", P::Company, 12, "ロゴマークファイル", "ロゴマークを印字させなくします。"),
    left("[LOGO_LEFT]=", "LOGO_LEFT", P::Company, 12),
    up("[LOGO_UP]=", "LOGO_UP", P::Company, 12),
    text("[納期]=", "NOUKI", P::Captions, 1, "納期"),
    text("[場所]=", "BASYO", P::Captions, 2, "納入場所"),
    text("[条件]=", "JOKEN", P::Captions, 3, "支払条件"),
    text("[期限]=", "KIGEN", P::Captions, 4, "有効期限"),
    number("[印鑑LEFT]=", "INKAN_Left", P::Lines, 4, 0, "印鑑枠の左右位置（mm）", -5000, 5000, kLeftHint),
    text("[TITLE]=", "TITLE", P::Captions, 0, "タイトル"),
    check("[TITLE印刷]=", "TITLE_PRN", P::Captions, 0, 2, "印字する"),
    number("[タテ線]=", "TATE", P::Lines, 5, 0, "タテ罫線の太さ", 0, 20),
    number("[ヨコ線]=", "YOKO", P::Lines, 6, 0, "ヨコ罫線の太さ", 0, 20),
    number("[形状線]=", "KEIJYOU_SEN", P::Lines, 7, 0, "２番目タテ罫線の太さ", 0, 20),
    combo("[形状線種]=", "KEIJYOU_SENSYU", P::Lines, 8, "２番目タテ罫線形状", "実線|破線"),
    number("[右]=", "MIGI", P::Company, 15, 0, "全体の左右位置（mm）", -5000, 5000, kLeftHint),
    text("[摘要]=", "TEKIYOU", P::Captions, 5, "摘要欄の見出し"),
    text("[形状]=", "KEIJYOU", P::Captions, 6, "形状・寸法欄の見出し"),
    check("[平成]=", "HEISEI", P::Switches, 1, 0, "平成印字する"),
    combo("[切捨て]=", "KIRISUTE", P::Switches, 2, "端数処理", "切り捨て|切り上げ|四捨五入"),
    check("[確認]=", "KAKUNIN", P::Switches, 3, 0, "終了確認する"),
    check("[最下行]=", "SAIKAGYO", P::Switches, 4, 0, "「※上記金額には・・・」印字しない"),
    check("[つづく]=", "TUZUKU", P::Switches, 6, 0, "「次頁へつづく」 を印字しない"),
    check("[単価]=", "TANKA", P::Switches, 8, 0, "数量が１の時は単価を印刷しない"),
    colour("[固定色]=", "KOTEI_IRO", 0, "固定文字色", "印刷時の社名などの色を設定します。\r\n\r\n"),
    colour("[DATA色]=", "DATA_IRO", 1, "データ文字色", "印刷時の品名などの色を設定します。\r\n\r\n"),
    colour("[数値色]=", "SUUTI_IRO", 2, "数値色", "印刷時の数量や金額などの色を設定します。\r\n\r\n"),
    colour("[枠色]=", "WAKU_IRO", 3, "提出用枠線色", "印刷時の枠線の色を設定します。\r\n\r\n"),
    colour("[控枠色]=", "WAKU_HIKAE", 4, "原価用枠線色", "印刷時の控え用枠線の色を設定します。\r\n\r\n"),
    fontName("[固定font名]=", "KOTEI_FONT", 0, "固定文字フォント"),
    fontSize("[固定fontSize]=", "KOTEI_SIZE", 0),
    fontName("[DATAfont名]=", "DATA_FONT", 1, "データ文字フォント"),
    fontSize("[DATAfontSize]=", "DATA_SIZE", 1),
    fontName("[数値font名]=", "SUUTI_FONT", 2, "数値フォント"),
    fontSize("[数値fontSize]=", "SUUTI_SIZE", 2),
    colour("[小計色]=", "SYOKEI_IRO", 5, "小計文字色", "印刷時の小計行の色を設定します。\r\n\r\n"),
    colour("[合計色]=", "KEI_IRO", 6, "中計文字色", "印刷時の合計行の色を設定します。\r\n\r\n"),
    colour("[値引き色]=", "NEBIKI_IRO", 7, "値引き文字色", "印刷時の値引き行の色を設定します。\r\n\r\n"),
    number("[備考枠]=", "BIKOUWAKU", P::Switches, 7, 0, "備考欄の行数", 0, 29),
    colour("[請求書枠色]=", "WAKU_SEIQ", 8, "請求書枠線色", "印刷時の請求書枠線の色を設定します。\r\n\r\n"),
    colour("[請求書固定文字色]=", "SEIQ_KOTEI", 10, "請求書固定色",
           "印刷時の請求書固定文字の色を設定します。\r\n\r\n"),
    colour("[納品書枠色]=", "WAKU_NOHIN", 9, "納品書枠線色", "印刷時の納品書枠線の色を設定します。\r\n\r\n"),
    colour("[納品書固定文字色]=", "NOHIN_KOTEI", 11, "納品書固定色",
           "印刷時の納品書固定文字の色を設定します。\r\n\r\n"),
    text("[金融機関名]=", "KINYUU", P::Captions, 7, "振込先の金融機関名"),
    text("[口座番号]=", "KOUZA", P::Captions, 8, "口座番号"),
    text("[名義]=", "MEIGI", P::Captions, 9, "口座名義"),
    check("[矢印ボタン確認]=", "YAJI", P::Switches, 9, 0, "矢印ボタン操作時に確認をとる"),
    check("[時間確認]=", "JIKAN", P::Switches, 10, 0, "経過時間で登録確認をとる"),
    number("[経過時間]=", "JIKAN_KAZU", P::Switches, 10, 1, "間隔（分）", 1, 60),
    FieldLayout{"[データ表示数]=", "REC_KAZU", P::Switches, 11, 0, nullptr, 30, 99999, FieldLead::None, nullptr,
              nullptr, nullptr, true},
    number("[表紙TOP]=", "HYOSI_TOP", P::Seals, 5, 0, "表紙の上下位置", -1000, 1000, kUpHint),
    number("[表紙LEFT]=", "HYOSI_LEFT", P::Seals, 6, 0, "表紙の左右位置", -1000, 1000, kLeftHint),
    text("[MEMO]=", "MEMO", P::Captions, 10, "メモ欄の見出し（文字）"),
    text("[MEMO_数値]=", "MEMO_SUUTI", P::Captions, 11, "メモ欄の見出し（数値）"),
    number("[MEMO_WIDTH]=", "MEMO_WIDTH", P::Captions, 10, 1, "印字幅（mm）", 0, 300),
    number("[数値_WIDTH]=", "SUUTI_WIDTH", P::Captions, 11, 1, "印字幅（mm）", 0, 300),
    FieldLayout{"[MEMO_DISP]=", "MEMO_DISP", P::Captions, 12, 0, "メモ欄を表示する", 0, 0, FieldLead::None, nullptr,
              nullptr, nullptr, true},
    check("[MEMO_PRN]=", "MEMO_PRN", P::Captions, 10, 2, "印字する"),
    image("[KAKUIN_NAME]=", "KAKUIN_NAME", P::Seals, 4, "会社角印ファイル１", "社印を印字させなくします。"),
    left("[KAKUIN_LEFT]=", "KAKUIN_LEFT", P::Seals, 4),
    up("[KAKUIN_UP]=", "KAKUIN_UP", P::Seals, 4),
    image("[IN_NAME]=", "IN_NAME", P::Seals, 1, "個人印鑑ファイル１", "個人印鑑１を印字させなくします。"),
    left("[IN_LEFT]=", "IN_LEFT", P::Seals, 1),
    up("[IN_UP]=", "IN_UP", P::Seals, 1),
    image("[IN2_NAME]=", "IN2_NAME", P::Seals, 2, "個人印鑑ファイル２", "個人印鑑２を印字させなくします。"),
    left("[IN2_LEFT]=", "IN2_LEFT", P::Seals, 2),
    up("[IN2_UP]=", "IN2_UP", P::Seals, 2),
    image("[IN3_NAME]=", "IN3_NAME", P::Seals, 3, "個人印鑑ファイル３", "個人印鑑３を印字させなくします。"),
    left("[IN3_LEFT]=", "IN3_LEFT", P::Seals, 3),
    up("[IN3_UP]=", "IN3_UP", P::Seals, 3),
    check("[KOUJI_CHK]=", "KOUJI_CHK", P::Seals, 7, 0, "タイトルを印字する"),
};

} // namespace

std::span<const FieldLayout> settingsFields()
{
    return kFields;
}

const FieldLayout* findField(std::string_view key)
{
    for (const auto& f : kFields)
        if (f.key == key)
            return &f;
    return nullptr;
}

} // namespace yorozu
