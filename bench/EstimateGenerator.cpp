#include "bench/EstimateGenerator.h"

#include "core/document/Estimate.h"

#include <random>
#include <string>

namespace yorozu {

namespace {

const char* const kWork[] = {"配管工事", "電気配線", "内装仕上げ", "塗装", "解体撤去", "基礎工事", "屋根葺替え", "外壁補修", "設備据付", "清掃"};
const char* const kItems[] = {"塩ビ管 VP", "ケーブル VVF", "石膏ボード", "合板", "コンクリート", "鉄筋 D13", "ガルバリウム鋼板", "シーリング材", "換気扇", "照明器具",
                              "スイッチプレート", "防水シート", "断熱材", "木材 杉", "アンカーボルト"};
const char* const kShapes[] = {"φ20", "2.0mm×3C", "t=12.5 910×1820", "18N/㎡", "L=4000", "W600×H900", "", "50A", "100V 15W"};
const char* const kUnits[] = {"式", "個", "m", "㎡", "本", "台", "箇所", "人工", "枚", "m3"};

// Raw engine output keeps the sequence the same on every standard library.
struct Dice {
    std::mt19937 engine;
    unsigned roll(unsigned n) { return static_cast<unsigned>(engine() % n); }
};

std::string money(Dice& d, unsigned maxYen, bool cents)
{
    std::string s = std::to_string(100 + d.roll(maxYen));
    if (cents && d.roll(4) == 0)
        s += "." + std::to_string(10 + d.roll(90));
    return s;
}

std::string quantity(Dice& d)
{
    std::string s = std::to_string(1 + d.roll(120));
    if (d.roll(3) == 0)
        s += "." + std::to_string(d.roll(1000));
    return s;
}

} // namespace

void generateEstimate(Estimate& e, int lines, std::uint32_t seed)
{
    Dice d{std::mt19937(seed)};
    auto& g = e.SG1;
    const int closing = 3;
    g.setRowCount(std::max(g.rowCount(), lines + closing + 2));
    int nextGroup = 1;
    int groups = 0;
    const int discountRow = lines * 2 / 3;
    for (int r = 1; r <= lines; ++r) {
        if (r == discountRow) {
            g.setCell(col::Dai, r, "\\");
            g.setCell(col::Description, r, "■　値　引　き");
            g.setCell(col::Quantity, r, "1");
            g.setCell(col::Unit, r, "式");
            g.setCell(col::UnitPrice, r, "-" + money(d, 20000, false));
            continue;
        }
        if (r == nextGroup) {
            ++groups;
            g.setCell(col::Dai, r, "A" + std::to_string(groups));
            g.setCell(col::Cyu, r, "M" + std::to_string(d.roll(3)));
            g.setCell(col::Syo, r, "S" + std::to_string(d.roll(4)));
            g.setCell(col::Description, r, std::string(kWork[d.roll(10)]) + " " + std::to_string(groups));
            nextGroup = r + 10 + static_cast<int>(d.roll(21));
            continue;
        }
        if (d.roll(7) == 0)
            g.setCell(col::Cyu, r, "M" + std::to_string(d.roll(5)));
        if (d.roll(5) == 0)
            g.setCell(col::Syo, r, "S" + std::to_string(d.roll(6)));
        g.setCell(col::Description, r, kItems[d.roll(15)]);
        g.setCell(col::Shape, r, kShapes[d.roll(9)]);
        g.setCell(col::Quantity, r, quantity(d));
        g.setCell(col::Unit, r, kUnits[d.roll(10)]);
        g.setCell(col::UnitPrice, r, money(d, 50000, true));
        g.setCell(col::CostPrice, r, money(d, 35000, true));
        if (d.roll(50) == 0)
            g.setCell(col::TaxExempt, r, "1");
        if (d.roll(8) == 0)
            g.setCell(col::Memo, r, "メモ" + std::to_string(r));
    }
    for (int k = 1; k <= closing; ++k) {
        g.setCell(col::Dai, lines + k, "@");
        g.setCell(col::Description, lines + k, k == 1 ? "※ 上記金額には諸経費を含みます。" : "※ 有効期限内にご発注ください。");
    }
    g.renumber();
    e.KNAME = "株式会社サンプル商事";
    e.Kouji = "事務所改修工事";
    e.TITLE = "事務所改修";
    e.Bangou = "10001";
}

} // namespace yorozu
