// The department bar "大分類" and the page bar "小分類": their buttons, the
// three layouts and moving a bar with the mouse.
#include "ui/parts/PartsPanel.h"

#include "ui/sheet/SheetView.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>

namespace yorozu {

namespace {

constexpr int kButtonWidth = 95;
constexpr int kButtonHeight = 24;
constexpr int kBarHeight = 52;
constexpr int kSmallButton = 24;

QFrame* makeBar(QWidget* parent, const char* name, const char* caption)
{
    auto* bar = new QFrame(parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setFrameStyle(QFrame::Panel | QFrame::Raised);
    bar->setAutoFillBackground(true);
    bar->setToolTip(QString::fromUtf8(caption));
    bar->setAccessibleName(QString::fromUtf8(caption));
    bar->resize(997, kBarHeight);
    bar->hide();
    return bar;
}

QLabel* makeCaption(QFrame* bar, const char* caption)
{
    // Written downwards in the bar's left margin.
    QString text;
    for (const QChar c : QString::fromUtf8(caption))
        text += c + QStringLiteral("\n");
    text.chop(1);
    auto* label = new QLabel(text, bar);
    QFont f = label->font();
    f.setPixelSize(9);
    label->setFont(f);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(1, 2, 10, kBarHeight - 4);
    return label;
}

QToolButton* makeButton(QFrame* bar, const QString& name, bool checkable)
{
    auto* b = new QToolButton(bar);
    b->setObjectName(name);
    b->setCheckable(checkable);
    b->setAutoRaise(false);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

} // namespace

void PartsPanel::buildBars(QWidget* client)
{
    BUMON_Bar = makeBar(client, "BUMON_Bar", "大分類");
    BUHIN_Bar = makeBar(client, "BUHIN_Bar", "小分類");
    BUMON_Caption = makeCaption(BUMON_Bar, "大分類");
    BUHIN_Caption = makeCaption(BUHIN_Bar, "小分類");
    for (int i = 0; i < kPartsDepartments; ++i) {
        auto* b = makeButton(BUMON_Bar, QStringLiteral("BUMON_BTN%1").arg(i + 1), true);
        BUMON_BTN[static_cast<std::size_t>(i)] = b;
        connect(b, &QToolButton::clicked, this, [this, i] { BUMON_BTNClick(i + 1); });
    }
    for (int i = 0; i < kPartsPages; ++i) {
        auto* b = makeButton(BUHIN_Bar, QStringLiteral("BUHIN_BTN%1").arg(i + 1), true);
        BUHIN_BTN[static_cast<std::size_t>(i)] = b;
        connect(b, &QToolButton::clicked, this, [this, i] { BUHIN_BTNClick(i + 1); });
    }
    AUTOBTN = makeButton(BUMON_Bar, QStringLiteral("AUTOBTN"), false);
    AUTOBTN->setText(autoClose_ ? QStringLiteral("入") : QStringLiteral("切"));
    AUTOBTN->setToolTip(QStringLiteral("部品表の自動開閉の入/切"));
    connect(AUTOBTN, &QToolButton::clicked, this, [this] { AUTOBTNClick(); });
    KIRIKAE_BTN = makeButton(BUMON_Bar, QStringLiteral("KIRIKAE_BTN"), false);
    KIRIKAE_BTN->setText(QStringLiteral("幅"));
    KIRIKAE_BTN->setToolTip(QStringLiteral("分類パネルの幅切替え"));
    connect(KIRIKAE_BTN, &QToolButton::clicked, this, [this] { KIRIKAE_BTNClick(); });
    INSBTN = makeButton(BUHIN_Bar, QStringLiteral("INSBTN"), false);
    INSBTN->setText(insertMode_ ? QStringLiteral("挿") : QStringLiteral("次"));
    INSBTN->setToolTip(QStringLiteral("挿入 or 次行モードの選択"));
    connect(INSBTN, &QToolButton::clicked, this, [this] { INSBTNClick(); });
    SpeedButton24 = makeButton(BUHIN_Bar, QStringLiteral("SpeedButton24"), false);
    SpeedButton24->setText(QStringLiteral("既"));
    SpeedButton24->setToolTip(QStringLiteral("部品グリッドセルサイズを既定値に戻します。"));
    connect(SpeedButton24, &QToolButton::clicked, this, [this] { SpeedButton24Click(); });
}

void PartsPanel::refreshCaptions()
{
    for (int i = 0; i < kPartsDepartments; ++i)
        BUMON_BTN[static_cast<std::size_t>(i)]->setText(
            QString::fromStdString(captions_.departments[static_cast<std::size_t>(i)]));
    for (int i = 0; i < kPartsPages; ++i)
        BUHIN_BTN[static_cast<std::size_t>(i)]->setText(
            QString::fromStdString(captions_.pages[static_cast<std::size_t>(i)]));
}

void PartsPanel::setDefaultPageCaptions(const std::array<std::string, 7>& captions)
{
    // Once a page list has been read its names stay on the buttons.
    if (catalogue_.opened())
        return;
    for (std::size_t i = 0; i < captions.size(); ++i)
        captions_.pages[i] = captions[i];
    refreshCaptions();
}

void PartsPanel::pressButtons()
{
    // Nothing loaded shows the first buttons pressed.
    const int d = std::max(1, catalogue_.department());
    const int p = std::max(1, catalogue_.page());
    for (int i = 0; i < kPartsDepartments; ++i)
        BUMON_BTN[static_cast<std::size_t>(i)]->setChecked(i + 1 == d);
    for (int i = 0; i < kPartsPages; ++i)
        BUHIN_BTN[static_cast<std::size_t>(i)]->setChecked(i + 1 == p);
}

void PartsPanel::layOutBars()
{
    // Wide: ten buttons a row, all twenty; middle: seven a row, fourteen;
    // narrow: six a row, twelve.
    const int perRow = barWidth_ == 997 ? 10 : barWidth_ == 715 ? 7 : 6;
    const int left = barWidth_ == 997 ? 11 : 20;
    for (QFrame* bar : {BUMON_Bar, BUHIN_Bar}) {
        const QPoint at = bar->pos();
        const int right = at.x() + bar->width();
        bar->setGeometry(right - barWidth_, at.y(), barWidth_, kBarHeight);
    }
    for (auto* buttons : {&BUMON_BTN, &BUHIN_BTN}) {
        for (int i = 0; i < kPartsPages; ++i) {
            QToolButton* b = (*buttons)[static_cast<std::size_t>(i)];
            const bool shown = i < 2 * perRow;
            b->setVisible(shown);
            if (shown)
                b->setGeometry(left + (i % perRow) * kButtonWidth, 2 + (i / perRow) * kButtonHeight, kButtonWidth,
                               kButtonHeight);
        }
    }
    const int small = barWidth_ - kSmallButton - 6;
    AUTOBTN->setGeometry(small, 2, kSmallButton, kButtonHeight);
    KIRIKAE_BTN->setGeometry(small, 2 + kButtonHeight, kSmallButton, kButtonHeight);
    INSBTN->setGeometry(small, 2, kSmallButton, kButtonHeight);
    SpeedButton24->setGeometry(small, 2 + kButtonHeight, kSmallButton, kButtonHeight);
}

void PartsPanel::KIRIKAE_BTNClick()
{
    barWidth_ = barWidth_ == 632 ? 997 : barWidth_ == 997 ? 715 : 632;
    layOutBars();
}

bool PartsPanel::barMouse(QFrame* bar, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        auto* m = static_cast<QMouseEvent*>(event);
        if (m->button() == Qt::LeftButton)
            barPress_ = m->globalPosition().toPoint();
        return false;
    }
    if (event->type() == QEvent::MouseMove) {
        auto* m = static_cast<QMouseEvent*>(event);
        if (!(m->buttons() & Qt::LeftButton))
            return false;
        const QPoint now = m->globalPosition().toPoint();
        bar->move(bar->pos() + (now - barPress_));
        barPress_ = now;
        return true;
    }
    return false;
}

} // namespace yorozu
