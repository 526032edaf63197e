#include "print/sheet/EstimateSheet.h"

#include "core/calc/Format.h"
#include "core/calc/Numbers.h"
#include "core/copies/Continuation.h"
#include "core/copies/PrintCopy.h"
#include "core/document/Estimate.h"
#include "print/page/Faces.h"
#include "print/page/PageCanvas.h"
#include "print/sheet/SheetHeader.h"
#include "print/sheet/SheetSettings.h"

#include <algorithm>
#include <cmath>

namespace yorozu {

namespace {

// Column boundaries of the detail table, page units.
struct Columns {
    int left = 0, desc = 0, shape = 0, qty = 0, unit = 0, price = 0, amount = 0, right = 0;
    int memoW = 0;
    bool sunpou = true;
    int descRight() const { return sunpou ? desc : shape; }
};

Columns columnsFor(const SheetSettings& s, const Estimate& doc)
{
    Columns c;
    const auto& k = s.company;
    if (k.printMemo && doc.memoVisible())
        c.memoW = (doc.memoMode == MemoMode::Numeric ? k.numericMemoWidth : k.memoWidth) * 14;
    c.sunpou = doc.Sunpou;
    const bool L = s.landscape;
    c.left = L ? 320 : 252;
    c.desc = k.secondRulePosition * 14 + (L ? 1600 : 1000);
    c.shape = (L ? 2700 : 1792) - c.memoW;
    c.qty = (L ? 2980 : 1982) - c.memoW;
    c.unit = (L ? 3150 : 2122) - c.memoW;
    c.price = (L ? 3530 : 2428) - c.memoW;
    c.amount = (L ? 3920 : 2758) - c.memoW;
    c.right = L ? 3920 : 2758;
    return c;
}

// Vertical layout of the table on a page, page units.
struct Vertical {
    int frameTop, heading, firstLine, frameBottom, firstRow, rowSlots, footerY;
};

Vertical verticalFor(bool landscape, bool first, int lineCode)
{
    const int i = lineCode == 100 ? 1 : lineCode == 80 ? 2 : 0;
    if (!landscape) {
        if (first) {
            constexpr int bottom[] = {3882, 3942, 3959}, row[] = {1670, 1662, 1653}, rowSlots[] = {19, 23, 29},
                          footer[] = {0, 50, 70};
            return {1500, 1545, 1639, bottom[i], row[i], rowSlots[i], 3900 + footer[i]};
        }
        constexpr int bottom[] = {3882, 3956, 3976}, row[] = {490, 479, 468}, rowSlots[] = {29, 35, 44},
                      footer[] = {0, 70, 90};
        return {320, 365, 456, bottom[i], row[i], rowSlots[i], 3900 + footer[i]};
    }
    if (first) {
        constexpr int bottom[] = {2716, 2716, 2778}, row[] = {1448, 1438, 1428}, rowSlots[] = {11, 13, 17},
                      footer[] = {0, -10, 40};
        return {1300, 1330, 1417, bottom[i], row[i], rowSlots[i], 2746 + footer[i]};
    }
    constexpr int bottom[] = {2716, 2774, 2796}, row[] = {505, 495, 485}, rowSlots[] = {19, 23, 29},
                  footer[] = {0, 55, 70};
    return {356, 386, 474, bottom[i], row[i], rowSlots[i], 2746 + footer[i]};
}

constexpr std::uint32_t kRed = 255;
constexpr std::uint32_t kBlue = 16711680;

// A number cell in a picture, negative values as "▲" and the magnitude.
std::string pictureText(const std::string& cell, const char* picture)
{
    if (cell.empty())
        return {};
    const Extended x = readNumber(cell);
    if (x < 0)
        return "▲" + formatPicture(-x, picture);
    return formatPicture(x, picture);
}

std::string amountText(const std::string& cell)
{
    if (cell.empty())
        return {};
    const Extended x = readNumber(cell);
    if (x < 0)
        return "▲" + formatThousands(-x, 0);
    return formatThousands(x, 0, 10);
}

bool isOneOf(const std::string& mark, std::initializer_list<const char*> marks)
{
    for (const char* m : marks)
        if (mark == m)
            return true;
    return false;
}

class SheetPainter {
public:
    SheetPainter(PageCanvas& canvas, const Estimate& doc, const SheetSettings& s, int lineCode)
        : c_(canvas), doc_(doc), s_(s), k_(s.company), h_(lineCode), cols_(columnsFor(s, doc))
    {
        minDesc_ = lineCode == 80 ? 6 : k_.smallestFontSize;
        minMemo_ = lineCode == 80 ? 6 : k_.smallestFontSize2;
    }

    void table(const Vertical& v, int remarkRows)
    {
        c_.setFace(kGothic);
        c_.setPen(k_.detailFrameWidth, s_.frameColour);
        c_.roundRect(cols_.left, v.frameTop, cols_.right, v.frameBottom, k_.cornerRounding);
        headings(v);
        const int b = std::clamp(remarkRows, 0, v.rowSlots - 1);
        for (int n = 0; n < v.rowSlots; ++n) {
            if (b > 0 && n > v.rowSlots - b)
                break;
            const bool thick = n == 0 || (b > 0 && n == v.rowSlots - b);
            c_.setPen(thick ? k_.detailFrameWidth : k_.horizontalRuleWidth, s_.frameColour);
            const int y = v.firstLine + n * h_;
            c_.line(cols_.left, y, cols_.right, y);
        }
        const int bottom = v.frameBottom - b * h_;
        if (cols_.sunpou) {
            c_.setPen(k_.verticalRuleWidth, s_.frameColour, PenStyle::Dot);
            c_.line(cols_.desc, v.frameTop, cols_.desc, bottom);
        }
        c_.setPen(k_.verticalRuleWidth, s_.frameColour);
        for (int x : {cols_.shape, cols_.qty, cols_.unit, cols_.price})
            c_.line(x, v.frameTop, x, bottom);
        if (cols_.memoW != 0)
            c_.line(cols_.amount, v.frameTop, cols_.amount, bottom);
    }

    void row(int r, int Y)
    {
        const auto& g = doc_.SGP;
        const std::string& mark = g.cell(1, r);
        const std::string& desc = g.cell(col::Description, r);
        const int v = doc_.GENKA_P ? -25 : 0;

        const auto dataColour = static_cast<std::uint32_t>(k_.dataColour);
        const auto numberColour = static_cast<std::uint32_t>(k_.numberColour);
        std::uint32_t descColour = dataColour, unitColour = dataColour;
        std::uint32_t qtyColour = numberColour, priceColour = numberColour, amountColour = numberColour;
        if (isOneOf(mark, {"*", "~"}))
            descColour = qtyColour = unitColour = priceColour = amountColour = static_cast<std::uint32_t>(k_.subtotalColour);
        else if (mark == "\\")
            descColour = qtyColour = unitColour = priceColour = amountColour = static_cast<std::uint32_t>(k_.discountColour);
        else if (isOneOf(mark, {"!", "$", "|", "_", "^"}))
            qtyColour = unitColour = priceColour = static_cast<std::uint32_t>(k_.totalColour);
        if (desc == label::Syokei)
            amountColour = static_cast<std::uint32_t>(k_.subtotalColour);
        else if (desc == label::Cyukei)
            amountColour = static_cast<std::uint32_t>(k_.totalColour);

        description(r, Y, mark, desc, descColour);
        if (cols_.sunpou)
            fitted(g.cell(col::Shape, r), cols_.desc + 10, cols_.shape - cols_.desc - 20,
                   cols_.shape - cols_.desc - 30, Y, dataColour, minDesc_);

        // Quantity, unit, unit price, amount.
        const int numberSize = s_.numberSizeGiven ? s_.numberSizeRows : (doc_.GENKA_P ? 11 : 12);
        c_.setFace(k_.numberFontName);
        c_.setSize(numberSize);
        c_.setBold(false);
        const int adj = adjFor(numberSize);
        c_.setColour(qtyColour);
        c_.right(cols_.qty, Y + v + adj, pictureText(g.cell(col::Quantity, r), "###,##0.###"));

        const std::string& unit = g.cell(col::Unit, r);
        if (!unit.empty()) {
            c_.setFace(k_.dataFontName);
            c_.setSize(s_.dataSizeGiven ? s_.dataSizeRows : (doc_.GENKA_P ? 11 : 12));
            c_.setColour(unitColour);
            const auto f = c_.fit(unit, 140, 2, 140, 256);
            c_.centred(cols_.qty, cols_.unit, Y + v + 2 * f.steps, unit);
        }

        c_.setFace(k_.numberFontName);
        c_.setSize(numberSize);
        c_.setColour(priceColour);
        c_.right(cols_.price, Y + v + adj, pictureText(g.cell(col::UnitPrice, r), "###,##0.##"));
        std::string amount = amountText(g.cell(col::Amount, r));
        if (mark == "_" && !amount.empty())
            amount = "(" + amount + ")";
        c_.setColour(amountColour);
        c_.right(cols_.amount, Y + v + adj, amount);

        if (cols_.memoW != 0 && k_.printMemo)
            memo(r, Y);
        if (doc_.GENKA_P)
            costLine(r, Y, mark);
    }

    void remarks(int firstRemark, int Y, const Vertical& v, int remarkRows)
    {
        const auto& g = doc_.SGP;
        const int last = g.rowCount() - 1;
        const int stop = v.frameBottom - remarkRows * h_;
        while (Y < stop)
            Y += h_;
        c_.setFace(kPGothic);
        c_.setFace(k_.dataFontName);
        c_.setSize(s_.dataSizeRows);
        c_.setColour(static_cast<std::uint32_t>(k_.dataColour));
        Y += 30;
        const int x = cols_.left + 100;
        const int available = cols_.right - 100 - x;
        // One size for every line: the one at which the longest fits.
        int size = s_.dataSizeRows;
        for (int r = firstRemark; r <= last; ++r) {
            if (g.cell(1, r) != "@")
                continue;
            c_.setSize(size);
            c_.fit(g.cell(col::Description, r), available, 2, available, 256);
            size = std::min(size, c_.font().size);
        }
        c_.setSize(size);
        const int step = h_ == 118 ? 70 : h_ == 100 ? 70 : 64;
        const int limit = static_cast<int>(std::ceil(static_cast<long double>(c_.geometry.sy) * (v.frameBottom - 10)));
        for (int r = firstRemark; r <= last; ++r) {
            if (g.cell(1, r) != "@")
                continue;
            c_.text(x, Y, g.cell(col::Description, r));
            Y += step;
            if (truncate(c_.emHeight() + static_cast<long double>(Y) * c_.geometry.sy) >= limit)
                break;
        }
    }

    void footer(const Vertical& v, bool first, int pageNumber)
    {
        c_.setFace(k_.fixedFontName);
        c_.setSize(s_.fixedSize >= 11 ? s_.fixedSize - 1 : s_.fixedSize);
        c_.setBold(false);
        c_.setColour(s_.fixedColour);
        const bool estimate = s_.kind != SheetKind::Invoice && s_.kind != SheetKind::Delivery;
        const bool note = estimate && !doc_.HIKAZEI && !k_.omitTaxNote;
        const bool included = doc_.UTIZEI || (k_.printTax && !doc_.TANKA);
        const char* noteText = s_.landscape
                                   ? (included ? "※上記金額には消費税が含まれます。" : "※上記金額には消費税が含まれません。")
                                   : (included ? "※上記金額は消費税を含みます。" : "※上記金額は消費税を含みません。");
        if (!first) {
            c_.text(cols_.left, v.footerY, k_.companyName);
            c_.centred(cols_.left, cols_.right, v.footerY, "【 " + std::to_string(pageNumber) + " 】");
        }
        if (note)
            c_.rightEdge(cols_.right, v.footerY, noteText);
    }

private:
    void headings(const Vertical& v)
    {
        c_.setFace(kPGothic);
        c_.setFace(k_.fixedFontName);
        c_.setSize(s_.fixedSize >= 11 ? s_.fixedSize - 1 : s_.fixedSize);
        c_.setBold(false);
        c_.setColour(s_.fixedColour);
        const int y = v.heading + adjFor(c_.font().size);
        std::string descHeading = cols_.sunpou ? "摘　　  　　要" : "摘　　  　　　　　　要";
        if (!s_.descriptionHeading.empty())
            descHeading = s_.descriptionHeading;
        c_.centred(cols_.left, cols_.descRight(), y, descHeading);
        if (cols_.sunpou)
            c_.centred(cols_.desc, cols_.shape, y, s_.shapeHeading.empty() ? "形状・寸法" : s_.shapeHeading);
        c_.centred(cols_.shape, cols_.shape + 190, y, "数 量");
        c_.centred(cols_.qty, cols_.qty + 140, y, "単位");
        c_.centred(cols_.unit, cols_.unit + 306, y, "単　価");
        c_.centred(cols_.price, cols_.price + 330, y, "金　額");
        if (cols_.memoW != 0)
            c_.centred(cols_.amount, cols_.amount + cols_.memoW, y, doc_.SG1.cell(col::Memo, 0));
    }

    // Shrinks a row text into its column, splitting it in two at the minimum.
    void fitted(const std::string& text, int x, int available, int splitWidth, int Y, std::uint32_t colour,
                int minimum, int indent = 0)
    {
        if (text.empty())
            return;
        c_.setFace(kPGothic);
        c_.setFace(k_.dataFontName);
        c_.setSize(s_.dataSizeRows);
        c_.setBold(false);
        c_.setColour(colour);
        const auto f = c_.fit(text, available, minimum, splitWidth, 256);
        const int dx = c_.geometry.mapX(x) + indent;
        if (!f.split) {
            c_.textDevice(dx, c_.geometry.mapY(Y + 2 * f.steps), f.first);
            return;
        }
        const int up = h_ == 80 ? 3 : 15, down = h_ == 80 ? 32 : 30;
        c_.textDevice(dx, c_.geometry.mapY(Y + 2 * f.steps - up), f.first);
        c_.textDevice(dx, c_.geometry.mapY(Y + 2 * f.steps + down), f.second);
    }

    void description(int r, int Y, const std::string& mark, const std::string& desc, std::uint32_t colour)
    {
        if (mark == "*" && !doc_.GENKA_P) {
            c_.setFace(kPGothic);
            c_.setFace(k_.dataFontName);
            c_.setSize(s_.dataSizeRows);
            c_.setColour(static_cast<std::uint32_t>(k_.subtotalColour));
            c_.centred(cols_.unit, cols_.price, Y + 4, "【小 計】");
            return;
        }
        const bool centredHere = isOneOf(mark, {"~", "%"});
        const bool centredInPrice = isOneOf(mark, {"$", "_", "^", "|"});
        if (centredHere || centredInPrice) {
            if (desc.empty())
                return;
            c_.setFace(kPGothic);
            c_.setFace(k_.dataFontName);
            c_.setSize(s_.dataSizeRows);
            std::uint32_t centredColour = static_cast<std::uint32_t>(k_.dataColour);
            if (mark == "~")
                centredColour = static_cast<std::uint32_t>(k_.totalColour);
            else if (centredInPrice && desc == label::Syokei)
                centredColour = static_cast<std::uint32_t>(k_.subtotalColour);
            else if (centredInPrice && desc == label::Cyukei)
                centredColour = static_cast<std::uint32_t>(k_.totalColour);
            c_.setColour(centredColour);
            const int width = cols_.descRight() - cols_.left - 30;
            const auto f = c_.fit(desc, width, 2, width, 256);
            if (centredHere)
                c_.centred(cols_.left, cols_.descRight(), Y + 2 * f.steps, desc);
            else
                c_.centred(cols_.unit, cols_.price, Y + 2 * f.steps, desc);
            return;
        }
        std::string text = desc.substr(0, std::min<size_t>(desc.size(), 256 * 3));
        int indent = 0;
        if (text.rfind("　", 0) == 0) {
            c_.setFace(kPGothic);
            c_.setFace(k_.dataFontName);
            c_.setSize(s_.dataSizeRows);
            const int n = stripLeadingIdeographicSpaces(text);
            std::string spaces;
            for (int i = 0; i < n; ++i)
                spaces += "　";
            indent = c_.width(spaces);
        }
        const int column = cols_.descRight() - cols_.left;
        fitted(text, cols_.left + 18, column - 30 - indent, column - 30, Y, colour, minDesc_, indent);
        (void)r;
    }

    void memo(int r, int Y)
    {
        const std::string& text = doc_.SGP.cell(col::Memo, r);
        if (text.empty())
            return;
        if (doc_.memoMode == MemoMode::Text) {
            fitted(text, cols_.amount + 10, cols_.memoW - 20, cols_.memoW - 30, Y,
                   static_cast<std::uint32_t>(k_.dataColour), minMemo_);
            return;
        }
        c_.setFace(k_.numberFontName);
        c_.setColour(static_cast<std::uint32_t>(k_.dataColour));
        c_.right(cols_.right, Y + adjFor(c_.font().size), amountText(text));
    }

    void costLine(int r, int Y, const std::string& mark)
    {
        const auto& g = doc_.SGP;
        const int y = Y + 25;
        c_.setFace(k_.numberFontName);
        c_.setSize(11);
        const bool plain = mark != "@" && mark != "#";
        const std::string& amountCell = g.cell(col::Amount, r);
        const std::string& costCell = g.cell(col::CostTotal, r);
        if (plain && !amountCell.empty() && !costCell.empty()) {
            Extended amount = readNumber(amountCell);
            if (doc_.UTIZEI) {
                const Extended net = amount / 1.05L;
                switch (k_.netFractionMode) {
                case 0: amount = Int(net); break;
                case 1: amount = std::ceil(net); break;
                case 2: amount = static_cast<Extended>(Roundoff(net)); break;
                default: break;
                }
            }
            if (amount != 0) {
                const Extended margin = amount - readNumber(costCell);
                c_.setColour(kRed);
                c_.right(cols_.qty, y,
                         margin < 0 ? "▲" + formatPicture(-margin, "###,##0.###") : formatPicture(margin, "###,##0.###"));
            }
        }
        const std::string& rate = g.cell(col::Rate, r);
        if (plain && !rate.empty()) {
            c_.setColour(kBlue);
            c_.centred(cols_.qty, cols_.unit, y, rate + "%");
        }
        c_.setColour(kRed);
        c_.right(cols_.price, y, pictureText(g.cell(col::CostPrice, r), "###,##0.##"));
        c_.right(cols_.amount, y, amountText(costCell));
    }

    PageCanvas& c_;
    const Estimate& doc_;
    const SheetSettings& s_;
    const CompanySettings& k_;
    int h_;
    Columns cols_;
    int minDesc_ = 8, minMemo_ = 8;
};

} // namespace

PageList layoutEstimateSheet(const Estimate& doc, const std::filesystem::path& programDir, const PrintImages& images,
                             int lineCode, PageRange range, PrintArea area, TextMeasure& measure)
{
    const SheetSettings s = SheetSettings::read(programDir, doc);
    PageList out;
    out.dpi = area.dpi;
    out.width = area.width;
    out.height = area.height;
    out.landscape = s.landscape;
    auto geometry = PageGeometry::forSheet(area.width, area.height, s.landscape, s.company.sheetLeft,
                                           s.company.sheetUp, lineCode);
    PageCanvas c(out, measure, geometry);
    SheetPainter painter(c, doc, s, lineCode);

    int remarkRows = s.company.remarkLines;
    if (!s.landscape)
        remarkRows = std::min(remarkRows, lineCode == 100 ? 22 : lineCode == 80 ? 28 : remarkRows);
    const auto capacity = pageCapacity(doc.MUKI, lineCode == 100 ? 1 : lineCode == 80 ? 2 : 0, s.company.remarkLines);
    const int firstCapacity = std::max(1, capacity.first);
    const int laterCapacity = std::max(1, capacity.later);
    const int last = doc.SGP.rowCount() - 1;
    int row = range.start <= 1 ? 1 : firstCapacity + 1 + (range.start - 2) * laterCapacity;
    if (row > last)
        return out;

    int page = std::max(1, range.start);
    bool first = page == 1;
    bool shifted = false;
    for (;;) {
        if (!first && !shifted) {
            if (lineCode == 100)
                c.geometry.offY -= c.geometry.scaledY(14);
            else if (lineCode == 80)
                c.geometry.offY -= c.geometry.scaledY(20);
            shifted = true;
        }
        c.beginPage();
        const Vertical v = verticalFor(s.landscape, first, lineCode);
        if (first)
            drawFirstPageHeader(c, doc, s, images);
        else
            drawLaterPageHeader(c, doc, s);
        painter.table(v, first ? remarkRows : 0);
        c.setSize(11);
        c.setColour(s.printIniColour);
        int Y = v.firstRow;
        bool ended = false;
        const int rows = first ? firstCapacity : laterCapacity;
        for (int n = 0; n < rows && row <= last; ++n, ++row) {
            if (first && remarkRows > 0 && doc.SGP.cell(1, row) == "@") {
                painter.remarks(row, Y, v, remarkRows);
                ended = true;
                break;
            }
            painter.row(row, Y);
            Y += lineCode;
        }
        painter.footer(v, first, page);
        if (ended || row > last || page >= range.end)
            break;
        ++page;
        first = false;
    }
    return out;
}

} // namespace yorozu
