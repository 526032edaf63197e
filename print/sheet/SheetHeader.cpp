#include "print/sheet/SheetHeader.h"

#include "core/calc/Format.h"
#include "core/calc/Numbers.h"
#include "core/document/Estimate.h"
#include "files/estimate/JapaneseEra.h"
#include "files/text/IntText.h"
#include "print/images/PrintImages.h"
#include "print/page/Faces.h"
#include "print/page/PageCanvas.h"
#include "print/sheet/SheetSettings.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace yorozu {

namespace {

struct Point {
    int x, y;
};

// Where the header's elements sit, in page units.
struct HeaderLayout {
    int left, right; // the table's edges: the title is centred between them
    Point noLabel, number;
    int numberLineX0, numberLineX1, numberLineY;
    int titleY, titleLine1, titleLine2;
    int dateY, eraX, yearX, eraYearX, nenX, monthX2, monthX1, gatsuX, dayX2, dayX1, nichiX;
    int dateLineX0, dateLineX1, dateLineY;
    int customerX, customerY, customerSplitY1, customerSplitY2, customerLineX1, customerLineY;
    Point intro1, intro2;
    int labelX, valueX, valueLineX1;
    std::array<int, 5> fieldY, fieldLineY;
    Point text1, text2, name, branch, department, person, postcode, address, tel, fax;
    Point amountBox0, amountBox1, amountLabel, amount, tankaText;
    int sealX0, sealX1, sealY0, sealY1, sealDivider1, sealDivider2;
    Point logo, kakuin, in1, in2, in3;
};

constexpr HeaderLayout kPortrait{
    252, 2758, {2160, 280}, {2250, 280}, 2160, 2600, 350, 250, 370, 378,
    400, 2060, 2140, 2200, 2280, 2370, 2390, 2430, 2520, 2540, 2580, 2020, 2680, 470,
    210, 568, 500, 574, 1600, 658, {308, 686}, {308, 740}, 280, 600, 1600,
    {850, 936, 1022, 1108, 1194}, {920, 1006, 1092, 1176, 1260},
    {1820, 570}, {1820, 640}, {1750, 770}, {1800, 882}, {1974, 882}, {1974, 966}, {1820, 1040}, {1820, 1110},
    {1850, 1190}, {2300, 1190},
    {252, 1286}, {1544, 1460}, {322, 1330}, {780, 1330}, {680, 1330},
    1974, 2655, 1270, 1478, 2198, 2422,
    {1650, 650}, {2000, 600}, {2370, 1300}, {2146, 1300}, {1922, 1300}};

constexpr HeaderLayout kLandscape{
    320, 3920, {3330, 160}, {3430, 160}, 3300, 3850, 240, 180, 300, 308,
    260, 3250, 3330, 3390, 3470, 3550, 3570, 3620, 3700, 3720, 3770, 3210, 3850, 330,
    350, 384, 316, 390, 1800, 468, {360, 500}, {360, 554}, 430, 750, 2000,
    {640, 726, 812, 896, 981}, {710, 796, 882, 966, 1050},
    {2820, 364}, {2820, 434}, {2700, 500}, {2700, 580}, {2874, 662}, {2874, 746}, {2720, 820}, {2720, 890},
    {2750, 970}, {3200, 970},
    {350, 1090}, {1600, 1264}, {430, 1130}, {850, 1130}, {750, 1130},
    2974, 3655, 1060, 1264, 3198, 3422,
    {2600, 400}, {3000, 450}, {3350, 1090}, {3126, 1090}, {2902, 1090}};

constexpr const char* kEstimateTitle = "御　見　積　書";
constexpr const char* kReference = "有 効 期 限";

const char* titleOf(SheetKind kind)
{
    switch (kind) {
    case SheetKind::Invoice: return "請　　求　　書";
    case SheetKind::Delivery: return "納　　品　　書";
    case SheetKind::Rough: return "概算御見積書";
    case SheetKind::Estimate: break;
    }
    return kEstimateTitle;
}

void fixedFont(PageCanvas& c, const SheetSettings& s)
{
    c.setFace(s.company.fixedFontName);
    c.setSize(s.fixedSize);
    c.setBold(false);
    c.setColour(s.fixedColour);
}

void numberFont(PageCanvas& c, const SheetSettings& s, int size)
{
    c.setFace(s.company.numberFontName);
    c.setSize(size);
    c.setBold(false);
    c.setColour(static_cast<std::uint32_t>(s.company.numberColour));
}

void dataFont(PageCanvas& c, const SheetSettings& s, int size)
{
    c.setFace(s.company.dataFontName);
    c.setSize(size);
    c.setBold(false);
    c.setColour(static_cast<std::uint32_t>(s.company.dataColour));
}

int centredDevice(PageCanvas& c, int x0, int x1, int w)
{
    const auto& g = c.geometry;
    return truncate((static_cast<long double>(x1 - x0) * g.sx - w) * 0.5L + static_cast<long double>(x0) * g.sx +
                    g.offX);
}

void drawTitle(PageCanvas& c, const SheetSettings& s, const HeaderLayout& L)
{
    c.setFace(s.company.fixedFontName);
    c.setSize(22);
    c.setBold(true);
    c.setColour(s.fixedColour);
    const std::string title = titleOf(s.kind);
    const int w1 = c.width(kEstimateTitle);
    const int estimateX = centredDevice(c, L.left, L.right, w1);
    const int y = c.geometry.mapY(L.titleY);
    if (s.kind == SheetKind::Rough) {
        // Six characters over the width of the seven of the estimate's title.
        const int w2 = c.width(title);
        const int w3 = c.width("御");
        const auto pitch = Roundoff(static_cast<Extended>(Roundoff(w1 - w2)) / 5) + Roundoff(w3);
        int x = estimateX;
        for (const auto ch : characters(title)) {
            c.textDevice(x, y, ch);
            x += static_cast<int>(pitch);
        }
    } else {
        c.centred(L.left, L.right, L.titleY, title);
    }
    c.setBold(false);
    c.setPen(3, s.frameColour);
    const int x0 = estimateX - c.geometry.scaledX(15);
    const int x1 = x0 + w1 + c.geometry.scaledX(30);
    c.lineDevice(x0, c.geometry.mapY(L.titleLine1), x1, c.geometry.mapY(L.titleLine1));
    c.lineDevice(x0, c.geometry.mapY(L.titleLine2), x1, c.geometry.mapY(L.titleLine2));
}

void drawDate(PageCanvas& c, const Estimate& doc, const SheetSettings& s, const HeaderLayout& L)
{
    c.setPen(1, s.frameColour);
    c.line(L.dateLineX0, L.dateLineY, L.dateLineX1, L.dateLineY);
    if (doc.DATE_CHECK)
        return;
    const Date& d = doc.DTP1;
    fixedFont(c, s);
    c.setSize(12);
    const bool era = s.company.eraDates;
    // The era is the one the date belongs to, so a date after April 2019 is
    // never printed as a Heisei year that did not exist.
    const EraYear e = japaneseEra(d);
    if (era)
        c.text(L.eraX, L.dateY, e.era);
    c.text(L.nenX, L.dateY, "年");
    c.text(L.gatsuX, L.dateY, "月");
    c.text(L.nichiX, L.dateY, "日");
    numberFont(c, s, s.numberSizeHeader);
    const int y = L.dateY + adjFor(c.font().size);
    if (era)
        c.text(L.eraYearX, y, std::to_string(e.year));
    else
        c.text(L.yearX, y, std::to_string(d.year));
    c.text(d.month >= 10 ? L.monthX2 : L.monthX1, y, std::to_string(d.month));
    c.text(d.day >= 10 ? L.dayX2 : L.dayX1, y, std::to_string(d.day));
}

// Leading ASCII and full-width spaces go.
std::string trimLeadingSpaces(std::string text)
{
    for (;;) {
        if (text.rfind(" ", 0) == 0)
            text.erase(0, 1);
        else if (text.rfind("　", 0) == 0)
            text.erase(0, 3);
        else
            return text;
    }
}

void drawCustomer(PageCanvas& c, const Estimate& doc, const SheetSettings& s, const HeaderLayout& L)
{
    c.setFace(s.company.dataFontName);
    c.setSize(16);
    c.setBold(true);
    c.setColour(static_cast<std::uint32_t>(s.company.dataColour));
    const auto amp = doc.KNAME.find('&');
    if (amp == std::string::npos) {
        const std::string text = doc.KNAME + " " + s.company.honorific;
        c.fit(text, 1400, 2, 1400, 256);
        c.centred(L.customerX, L.customerX + 1386, L.customerY, text);
    } else {
        const std::string first = doc.KNAME.substr(0, amp);
        const std::string second = doc.KNAME.substr(amp + 1) + " " + s.company.honorific;
        c.fit(first, 1400, 2, 1400, 256);
        c.text(L.customerX, L.customerSplitY1, first);
        c.text(L.customerX, L.customerSplitY2, second);
    }
    c.setBold(false);
    c.setPen(3, s.frameColour);
    c.line(L.customerX, L.customerLineY, L.customerLineX1, L.customerLineY);
}

void drawFields(PageCanvas& c, const Estimate& doc, const SheetSettings& s, const HeaderLayout& L)
{
    const auto& k = s.company;
    struct Field {
        std::string label, value;
        bool shown;
    };
    std::array<Field, 5> fields;
    fields[0] = {k.titleCaption, doc.Kouji, k.printTitle};
    if (s.kind == SheetKind::Invoice || s.kind == SheetKind::Delivery) {
        fields[1] = {"[振込み先]", "", true};
        fields[2] = {"金融機関名", k.bankName, true};
        fields[3] = {"口座番号", k.accountNumber, true};
        fields[4] = {"口座名義", k.accountHolder, true};
    } else {
        fields[1] = {k.deliveryDateCaption, doc.Nouki, true};
        fields[2] = {k.deliveryPlaceCaption, doc.Basyo, true};
        fields[3] = {k.paymentTermsCaption, doc.Joken, true};
        fields[4] = {k.validityCaption, doc.Kigen, true};
    }
    for (size_t i = 0; i < fields.size(); ++i) {
        if (!fields[i].shown)
            continue;
        const int y = L.fieldY[i];
        fixedFont(c, s);
        c.spread(L.labelX, y, fields[i].label, c.width(kReference));
        dataFont(c, s, s.dataSizeHeader);
        const auto fitted = c.fit(fields[i].value, 1000, i == 0 ? 8 : 6, 1000, 100);
        if (fitted.split) {
            c.text(L.valueX, y - 20, fitted.first);
            c.text(L.valueX, y + 25, fitted.second);
        } else {
            c.text(L.valueX, y, fitted.first);
        }
        c.setPen(1, s.frameColour, PenStyle::Dot);
        c.line(L.valueX, L.fieldLineY[i], L.valueLineX1, L.fieldLineY[i]);
    }
}

void drawCompany(PageCanvas& c, const SheetSettings& s, const HeaderLayout& L)
{
    const auto& k = s.company;
    c.setFace(kGothic);
    fixedFont(c, s);
    const auto at = [](Point base, int left, int up) { return Point{left * 14 + base.x, up * 14 + base.y}; };
    // Free texts: with both present the narrower is spread to the wider.
    const int w1 = c.width(k.text1), w2 = c.width(k.text2);
    const Point p1 = at(L.text1, k.text1Left, k.text1Up), p2 = at(L.text2, k.text2Left, k.text2Up);
    const bool both = !k.text1.empty() && !k.text2.empty();
    if (!k.text1.empty()) {
        if (both && w1 < w2)
            c.spread(p1.x, p1.y, k.text1, w2);
        else
            c.text(p1.x, p1.y, k.text1);
    }
    if (!k.text2.empty()) {
        if (both && w2 < w1)
            c.spread(p2.x, p2.y, k.text2, w1);
        else
            c.text(p2.x, p2.y, k.text2);
    }
    if (!k.companyName.empty()) {
        c.setSize(k.companyFontSize);
        c.setBold(true);
        const Point p = at(L.name, k.companyNameLeft, k.companyNameUp);
        c.text(p.x, p.y, k.companyName);
        c.setBold(false);
        c.setSize(s.fixedSize);
    }
    const auto put = [&](const std::string& text, const std::string& shown, Point base, int left, int up) {
        if (text.empty())
            return;
        const Point p = at(base, left, up);
        c.text(p.x, p.y, shown);
    };
    put(k.branch, k.branch, L.branch, k.branchLeft, k.branchUp);
    put(k.department, k.department, L.department, k.departmentLeft, k.departmentUp);
    put(k.person, "担当者   " + k.person, L.person, k.personLeft, k.personUp);
    put(k.postalCode, k.postalCode, L.postcode, k.postalCodeLeft, k.postalCodeUp);
    put(k.address, k.address, L.address, k.addressLeft, k.addressUp);
    put(k.address2, k.address2, L.address, k.address2Left, k.address2Up);
    put(k.tel, k.tel, L.tel, k.telLeft, k.telUp);
    put(k.fax, k.fax, L.fax, k.faxLeft, k.faxUp);
}

void drawBoxesAndImages(PageCanvas& c, const SheetSettings& s, const PrintImages& images, const HeaderLayout& L)
{
    const auto& k = s.company;
    const int corner = k.cornerRounding;
    c.setPen(k.amountFrameWidth, s.frameColour);
    c.roundRect(L.amountBox0.x, L.amountBox0.y, L.amountBox1.x, L.amountBox1.y, corner);
    const int sl = k.sealFrameLeft * 14;
    c.setPen(k.sealFrameWidth, s.frameColour);
    c.roundRect(sl + L.sealX0, L.sealY0, sl + L.sealX1, L.sealY1, corner);
    c.line(sl + L.sealDivider1, L.sealY0, sl + L.sealDivider1, L.sealY1);
    c.line(sl + L.sealDivider2, L.sealY0, sl + L.sealDivider2, L.sealY1);
    const auto place = [&c](const QImage& image, Point base, int left, int up) {
        c.image(left * 14 + base.x, up * 14 + base.y, image);
    };
    place(images.LogoImage, L.logo, k.logoLeft, k.logoUp);
    place(images.KakuinImage, L.kakuin, k.companySealLeft, k.companySealUp);
    place(images.InImage, L.in1, k.seal1Left, k.seal1Up);
    place(images.In2Image, L.in2, k.seal2Left, k.seal2Up);
    place(images.In3Image, L.in3, k.seal3Left, k.seal3Up);
}

void drawAmount(PageCanvas& c, const Estimate& doc, const SheetSettings& s, const HeaderLayout& L)
{
    c.setFace(kGothic);
    fixedFont(c, s);
    c.setSize(18);
    if (s.kind == SheetKind::Invoice)
        c.text(L.amountLabel.x, L.amountLabel.y, "請求金額");
    else if (!doc.TANKA)
        c.text(L.amountLabel.x, L.amountLabel.y, "合計金額");
    if (doc.TANKA) {
        dataFont(c, s, 18);
        c.text(L.tankaText.x, L.tankaText.y, "単価御見積り");
        return;
    }
    if (doc.KINGAKU_KEI == 0)
        return;
    std::string amount;
    const bool inclusive = s.kind == SheetKind::Invoice || s.kind == SheetKind::Delivery || s.company.printTax;
    if (!doc.HIKAZEI && !doc.UTIZEI && inclusive)
        amount = formatMoney(doc.ZEIKOMI_KEI);
    else
        amount = formatMoney(doc.KINGAKU_KEI / 10000 * 10000);
    numberFont(c, s, 18);
    c.text(L.amount.x, L.amount.y, "\\" + amount + ".-");
}

} // namespace

std::string printedNumber(const std::string& bangou)
{
    const auto n = parseInt(bangou);
    if (!n || *n == 0)
        return bangou;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%08d", *n);
    return buf;
}

void drawFirstPageHeader(PageCanvas& c, const Estimate& doc, const SheetSettings& s, const PrintImages& images)
{
    const HeaderLayout& L = s.landscape ? kLandscape : kPortrait;
    c.setFace(kGothic);
    fixedFont(c, s);
    c.text(L.noLabel.x, L.noLabel.y, "№  ");
    numberFont(c, s, s.numberSizeHeader);
    c.text(L.number.x, L.number.y + (c.font().size >= 14 ? -6 : 0), printedNumber(doc.Bangou));
    c.setPen(1, s.frameColour, PenStyle::Dot);
    c.line(L.numberLineX0, L.numberLineY, L.numberLineX1, L.numberLineY);

    drawTitle(c, s, L);
    drawDate(c, doc, s, L);
    drawCustomer(c, doc, s, L);

    fixedFont(c, s);
    c.setSize(9);
    if (s.kind == SheetKind::Invoice) {
        c.text(L.intro1.x, L.intro1.y, "下記の通り請求申し上げます。");
    } else if (s.kind == SheetKind::Delivery) {
        c.text(L.intro1.x, L.intro1.y, "下記の通り納品申し上げます。");
    } else {
        c.text(L.intro1.x, L.intro1.y, "下記の通りお見積り申し上げます。");
        c.text(L.intro2.x, L.intro2.y, "何卒ご用命賜りたくお願い申し上げます。");
    }
    drawFields(c, doc, s, L);
    drawCompany(c, s, L);
    drawBoxesAndImages(c, s, images, L);
    drawAmount(c, doc, s, L);
}

void drawLaterPageHeader(PageCanvas& c, const Estimate& doc, const SheetSettings& s)
{
    const Point customer = s.landscape ? Point{320, 270} : Point{252, 235};
    const Point number = s.landscape ? Point{3380, 270} : Point{2250, 230};
    const int unitPriceBoundary = s.landscape ? 3150 : 2122;
    std::string name = doc.KNAME;
    const auto amp = name.find('&');
    if (amp != std::string::npos)
        name = name.substr(0, amp) + trimLeadingSpaces(name.substr(amp + 1));
    const std::string text = name + " " + s.company.honorific;
    dataFont(c, s, s.dataSizeRows);
    c.fit(text, unitPriceBoundary - customer.x, 2, unitPriceBoundary - customer.x, 256);
    c.text(customer.x, customer.y, text);
    c.setFace(kGothic);
    numberFont(c, s, s.numberSizeHeader);
    c.text(number.x, number.y, "№ " + printedNumber(doc.Bangou));
}

} // namespace yorozu
