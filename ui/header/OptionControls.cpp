#include "ui/header/OptionControls.h"

#include "core/document/Estimate.h"
#include "controls/numedit/SaNumEdit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace yorozu {

namespace {

constexpr int kGroupTop = 50, kGroupHeight = 22, kGroupStep = 23;
constexpr int kRow1 = 120, kRow2 = 140, kRow3 = 160, kRowH = 20;
constexpr int kLeft = 668, kGap = 4, kCaptionWidth = 52;

void placeRow(std::initializer_list<QWidget*> widgets, int x, int y)
{
    for (QWidget* w : widgets) {
        w->move(x, y);
        x += w->width() + kGap;
    }
}

} // namespace

OptionControls::OptionControls(Estimate& estimate, QWidget* parent) : QObject(parent), estimate_(estimate)
{
    MUKIBox = radioGroup(parent, "MUKI", QStringLiteral("用紙向き"), {QStringLiteral("タテ"), QStringLiteral("ヨコ")},
                         MUKI);
    GYOUKANBox = radioGroup(parent, "GYOUKAN", QStringLiteral("行間"),
                            {QStringLiteral("大"), QStringLiteral("中"), QStringLiteral("小")}, GYOUKAN);
    PRN_SBox = radioGroup(parent, "PRN_S", QStringLiteral("印刷種類"),
                          {QStringLiteral("通常"), QStringLiteral("積算"), QStringLiteral("小計")}, PRN_S);
    connect(MUKI, &QButtonGroup::idClicked, this, [this](int id) {
        estimate_.setMUKI(id);
        if (onMukiClicked)
            onMukiClicked();
    });
    connect(GYOUKAN, &QButtonGroup::idClicked, this, [this](int id) { estimate_.setGYOUKAN(id); });
    connect(PRN_S, &QButtonGroup::idClicked, this, [this](int id) { estimate_.setPRN_S(id); });

    Estimate& e = estimate_;
    SEIQ = checkBox(parent, "SEIQ", QStringLiteral("請求"), [&e](bool on) { e.setSEIQ(on); });
    NOHIN = checkBox(parent, "NOHIN", QStringLiteral("納品"), [&e](bool on) { e.setNOHIN(on); });
    GAISAN = checkBox(parent, "GAISAN", QStringLiteral("概算見積"), [&e](bool on) { e.setGAISAN(on); });
    TANKA = checkBox(parent, "TANKA", QStringLiteral("単価見積"), [&e](bool on) { e.setTANKA(on); });
    GENKA_P = checkBox(parent, "GENKA_P", QStringLiteral("原価印刷"), [&e](bool on) { e.setGENKA_P(on); });
    UTIZEI = checkBox(parent, "UTIZEI", QStringLiteral("内税"), [&e](bool on) { e.UTIZEIClick(on); });
    HIKAZEI = checkBox(parent, "HIKAZEI", QStringLiteral("非課税"), [&e](bool on) { e.HIKAZEIClick(on); });
    RIEKI_RITU = checkBox(parent, "RIEKI_RITU", QStringLiteral("利益率"), [&e](bool on) { e.RIEKI_RITUMouseUp(on); });
    Sunpou = checkBox(parent, "Sunpou", QStringLiteral("形状・寸法"), [&e](bool on) { e.SunpouClick(on); });

    KAKERITULabel = new QLabel(QStringLiteral("掛率"), parent);
    KAKERITULabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    KAKERITU = new TSaNumEdit(parent);
    KAKERITU->setIntegerLength(3);
    KAKERITU->setDecimalLength(3);
    KAKERITU->setAlignment(TSaNumEdit::taRightJustify);
    KAKERITU->setObjectName(QStringLiteral("KAKERITU"));
    KAKERITU->setToolTip(QStringLiteral("例　1.25"));
    KAKERITU->resize(58, kRowH + 2);
    MARUMELabel = new QLabel(QStringLiteral("丸め桁"), parent);
    MARUMELabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    MARUME = new TSaNumEdit(parent);
    MARUME->setIntegerLength(1);
    MARUME->setDecimalLength(0);
    MARUME->setAlignment(TSaNumEdit::taRightJustify);
    MARUME->setObjectName(QStringLiteral("MARUME"));
    MARUME->setToolTip(QStringLiteral("未入力は小数点以下2桁、０は整数そのまま、以外はその桁まで０にします。"));
    MARUME->resize(26, kRowH + 2);
    KAKERITU_IKATU = new QPushButton(QStringLiteral("掛率一括"), parent);
    KAKERITU_IKATU->setObjectName(QStringLiteral("KAKERITU_IKATU"));
    KAKERITU_IKATU->resize(70, kRowH + 3);
    SpeedButton2 = new QPushButton(QStringLiteral("色設定"), parent);
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton2->setToolTip(QStringLiteral("各表示色を設定します。"));
    SpeedButton2->resize(48, kRowH + 3);
    SpeedButton22 = new QPushButton(QStringLiteral("幅"), parent);
    SpeedButton22->setObjectName(QStringLiteral("SpeedButton22"));
    SpeedButton22->setToolTip(QStringLiteral("見積グリッドセルサイズを既定値に戻します。"));
    SpeedButton22->resize(26, kRowH + 3);
    for (QPushButton* b : {KAKERITU_IKATU, SpeedButton2, SpeedButton22})
        b->setFocusPolicy(Qt::NoFocus);

    // The options fill the right side of the header, rows laid out from the
    // controls' own sizes so no caption is cut whatever the font.
    const int left = kLeft;
    const int groupWidth = std::max({MUKIBox->width(), GYOUKANBox->width(), PRN_SBox->width()});
    int y = kGroupTop;
    for (QGroupBox* box : {MUKIBox, GYOUKANBox, PRN_SBox}) {
        box->setGeometry(left, y, groupWidth, kGroupHeight);
        y += kGroupStep;
    }
    placeRow({SEIQ, NOHIN, GAISAN, TANKA, GENKA_P}, left, kRow1);
    placeRow({UTIZEI, HIKAZEI, RIEKI_RITU, Sunpou}, left, kRow2);
    KAKERITULabel->resize(KAKERITULabel->sizeHint().width(), kRowH + 2);
    MARUMELabel->resize(MARUMELabel->sizeHint().width() + 8, kRowH + 2);
    placeRow({KAKERITULabel, KAKERITU, MARUMELabel, MARUME, KAKERITU_IKATU, SpeedButton2, SpeedButton22}, left, kRow3);
    for (QPushButton* b : {KAKERITU_IKATU, SpeedButton2, SpeedButton22})
        b->move(b->x() + 6, b->y() - 1);
    connect(KAKERITU, &TSaNumEdit::changed, this, [this] {
        if (!refreshing_)
            estimate_.KAKERITU = KAKERITU->Text().toStdString();
    });
    connect(MARUME, &TSaNumEdit::changed, this, [this] {
        if (!refreshing_)
            estimate_.MARUME = MARUME->Text().toStdString();
    });
    refreshFromDocument();
}

QGroupBox* OptionControls::radioGroup(QWidget* parent, const char* name, const QString& caption,
                                      const QStringList& items, QButtonGroup*& group)
{
    // A framed row: the caption, then the choices.
    auto* box = new QGroupBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setTitle(QString());
    box->setAccessibleName(caption);
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->setSpacing(6);
    auto* label = new QLabel(caption, box);
    label->setFixedWidth(kCaptionWidth);
    layout->addWidget(label);
    group = new QButtonGroup(box);
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items[i], box);
        group->addButton(b, i);
        layout->addWidget(b);
    }
    layout->addStretch(1);
    box->resize(box->sizeHint().width(), kGroupHeight);
    return box;
}

QCheckBox* OptionControls::checkBox(QWidget* parent, const char* name, const QString& caption,
                                    std::function<void(bool)> rule)
{
    auto* c = new QCheckBox(caption, parent);
    c->setObjectName(QString::fromLatin1(name));
    c->resize(c->sizeHint().width() + 2, kRowH);
    connect(c, &QCheckBox::clicked, this, [rule = std::move(rule)](bool on) { rule(on); });
    return c;
}

void OptionControls::refreshFromDocument()
{
    refreshing_ = true;
    auto radio = [](QButtonGroup* g, int id) {
        if (auto* b = g->button(id)) {
            b->setChecked(true);
        } else if (auto* checked = g->checkedButton()) {
            // No choice: none of the buttons shows as selected.
            g->setExclusive(false);
            checked->setChecked(false);
            g->setExclusive(true);
        }
    };
    radio(MUKI, estimate_.MUKI);
    radio(GYOUKAN, estimate_.GYOUKAN);
    radio(PRN_S, estimate_.PRN_S);
    const std::pair<QCheckBox*, bool> boxes[] = {
        {SEIQ, estimate_.SEIQ},       {NOHIN, estimate_.NOHIN},     {GAISAN, estimate_.GAISAN},
        {TANKA, estimate_.TANKA},     {GENKA_P, estimate_.GENKA_P}, {UTIZEI, estimate_.UTIZEI},
        {HIKAZEI, estimate_.HIKAZEI}, {RIEKI_RITU, estimate_.RIEKI_RITU}, {Sunpou, estimate_.Sunpou}};
    for (const auto& [box, on] : boxes) {
        const QSignalBlocker block(box);
        box->setChecked(on);
    }
    if (KAKERITU->Text().toStdString() != estimate_.KAKERITU)
        KAKERITU->setText(QString::fromStdString(estimate_.KAKERITU));
    if (MARUME->Text().toStdString() != estimate_.MARUME)
        MARUME->setText(QString::fromStdString(estimate_.MARUME));
    refreshing_ = false;
}

} // namespace yorozu
