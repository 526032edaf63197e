#include "ui/window/StatusPanels.h"

#include "ui/text/FitText.h"

#include <QDate>
#include <QEvent>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QStatusBar>

namespace yorozu {

StatusPanels::StatusPanels(QStatusBar* bar, QWidget* progressParent) : QObject(bar), StatusBar1(bar)
{
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setStyleSheet(QStringLiteral("QStatusBar::item { border: 0px; }"));
    // The figures must fit their fixed panels.
    QFont small = StatusBar1->font();
    small.setPixelSize(11);
    font_ = small;
    static const int widths[9] = {30, 150, 145, 160, 145, 145, 135, 135, 50};
    for (int i = 0; i < 9; ++i) {
        auto* l = new QLabel(StatusBar1);
        l->setObjectName(QStringLiteral("panel%1").arg(i));
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        l->setFont(small);
        l->setMargin(0);
        l->setAlignment(i == 8 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
        // The design widths where the window has room; a narrower window
        // (a high-DPI desktop) narrows every panel alike instead of pushing
        // the last ones out of sight, and each text shrinks to fit.
        l->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        l->setMinimumWidth(20);
        if (i != 8)
            l->setMaximumWidth(widths[i]);
        l->installEventFilter(this);
        StatusBar1->addWidget(l, widths[i]);
        panels_[static_cast<size_t>(i)] = l;
    }
    PB1 = new QProgressBar(progressParent);
    PB1->setObjectName(QStringLiteral("PB1"));
    PB1->setTextVisible(false);
    PB1->setFixedWidth(200);
    StatusBar1->addPermanentWidget(PB1);
    PB1->hide();
}

void StatusPanels::setText(int panel, const QString& text)
{
    if (panel < 0 || panel >= 9)
        return;
    QLabel* l = panels_[static_cast<size_t>(panel)];
    l->setText(text);
    l->setToolTip(text);
    fit(l);
}

bool StatusPanels::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize)
        if (auto* l = qobject_cast<QLabel*>(watched))
            fit(l);
    return QObject::eventFilter(watched, event);
}

void StatusPanels::fit(QLabel* l)
{
    const QString text = l->text();
    // A panel shows its whole text: a long figure in a smaller size, never
    // running into its neighbour.
    const int room = l->contentsRect().width() - 2;
    QFont smallest = font_;
    smallest.setPixelSize(kMinFitPixels);
    l->setFont(fittingFont(font_, text, room).value_or(smallest));
}

QString StatusPanels::text(int panel) const
{
    return panel >= 0 && panel < 9 ? panels_[static_cast<size_t>(panel)]->text() : QString();
}

void StatusPanels::showToday()
{
    const QDate today = QDate::currentDate();
    const QLocale ja(QLocale::Japanese, QLocale::Japan);
    setText(1, today.toString(QStringLiteral("yyyy/MM/dd")) + QStringLiteral(" (") +
                   ja.dayName(today.dayOfWeek(), QLocale::LongFormat) + QStringLiteral(")"));
}

void StatusPanels::showProductInformation()
{
    setText(2, QStringLiteral("見積・請求・納品書作成"));
    setText(3, QStringLiteral("Version 1.0"));
    setText(4, QStringLiteral("Linux / Qt 6 版"));
    setText(5, QStringLiteral("解説書は［解説］ボタン"));
    setText(6, QString());
}

} // namespace yorozu

namespace yorozu {

void StatusPanels::showSaved(const QString& fileName)
{
    StatusBar1->showMessage(QStringLiteral("登録しました：") + fileName, kSavedMessageMs);
}

} // namespace yorozu
