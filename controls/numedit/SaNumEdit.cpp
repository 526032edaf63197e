#include "controls/numedit/SaNumEdit.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QResizeEvent>
#include <qdrawutil.h>

// Construction, geometry and painting of the numeric edit; the property
// setters are in SaNumEditProperties.cpp, input, focus, the clipboard and the
// menu in SaNumEditInput.cpp.
namespace yorozu {

namespace {

constexpr int kDefaultWidth = 121;
constexpr int kDefaultHeight = 20;

NumAlign toNumAlign(TSaNumEdit::TAlignment a)
{
    switch (a) {
    case TSaNumEdit::taLeftJustify:
        return NumAlign::Left;
    case TSaNumEdit::taCenter:
        return NumAlign::Center;
    case TSaNumEdit::taRightJustify:
        break;
    }
    return NumAlign::Right;
}

NumVertAlign toNumVertAlign(TSaNumEdit::TVertAlignment a)
{
    switch (a) {
    case TSaNumEdit::taTopJustify:
        return NumVertAlign::Top;
    case TSaNumEdit::taBottomJustify:
        return NumVertAlign::Bottom;
    case TSaNumEdit::taVCenter:
        break;
    }
    return NumVertAlign::VCenter;
}

} // namespace

TSaNumEdit::TSaNumEdit(QWidget* parent)
    : QWidget(parent)
{
    // Numbers are typed on the plain keyboard; an input method would only
    // bring full-width digits, which are narrowed anyway if they still come.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setInputMethodHints(Qt::ImhDigitsOnly | Qt::ImhPreferNumbers);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::IBeamCursor);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setAttribute(Qt::WA_OpaquePaintEvent);
    color_ = palette().color(QPalette::Base);
    disabledColor_ = palette().color(QPalette::Disabled, QPalette::Text);
    model_.setFitTest([this](const std::string& display) { return displayFits(display); });
    resize(kDefaultWidth, kDefaultHeight);
    applyAutoSize();
}

TSaNumEdit::~TSaNumEdit() = default;

QString TSaNumEdit::displayText() const
{
    return QString::fromStdString(model_.displayText());
}

int TSaNumEdit::frameWidth() const
{
    if (borderStyle_ == bsNone)
        return 0;
    return ctl3D_ ? 2 : 1;
}

QRect TSaNumEdit::clientRect() const
{
    const int fw = frameWidth();
    return rect().adjusted(fw, fw, -fw, -fw);
}

int TSaNumEdit::textHeight() const
{
    return QFontMetrics(font()).height();
}

int TSaNumEdit::measure(const QString& text) const
{
    return text.isEmpty() ? 0 : QFontMetrics(font()).horizontalAdvance(text) + 1;
}

bool TSaNumEdit::displayFits(const std::string& display) const
{
    // The room counts the frame once more on each side, as the control
    // always has: a display that reaches into it would touch the border.
    const int frame = borderStyle_ == bsSingle && ctl3D_ ? 2 : 1;
    const int room = clientRect().width() - leftMargin_ - rightMargin_ - 2 * frame;
    return measure(QString::fromStdString(display)) <= room;
}

QSize TSaNumEdit::sizeHint() const
{
    const int fw = frameWidth();
    int w = kDefaultWidth;
    if (autoSize_ && (model_.options() & eoAutoWidthSize)) {
        const std::string widest = widestNumberDisplay(model_.format(), model_.limits());
        w = measure(QString::fromStdString(widest)) + leftMargin_ + rightMargin_ + 2 * fw;
    }
    const int h = autoSize_ ? textHeight() + topMargin_ + bottomMargin_ + 2 * fw : kDefaultHeight;
    return {w, h};
}

QSize TSaNumEdit::minimumSizeHint() const
{
    return {leftMargin_ + rightMargin_ + 2 * frameWidth() + 1, sizeHint().height()};
}

void TSaNumEdit::applyAutoSize()
{
    if (!autoSize_)
        return;
    const QSize hint = sizeHint();
    const int w = model_.options() & eoAutoWidthSize ? hint.width() : width();
    resize(w, hint.height());
}

NumLayout TSaNumEdit::currentLayout() const
{
    const QRect client = clientRect();
    const NumDisplay& d = model_.display();
    NumLayoutInput in;
    in.clientWidth = client.width();
    in.clientHeight = client.height();
    in.leftMargin = leftMargin_;
    in.rightMargin = rightMargin_;
    in.topMargin = topMargin_;
    in.bottomMargin = bottomMargin_;
    in.align = toNumAlign(alignment_);
    in.vertAlign = toNumVertAlign(vertAlignment_);
    in.textHeight = textHeight();
    in.leftMarkWidth = measure(QString::fromStdString(d.leftMark));
    in.rightMarkWidth = measure(QString::fromStdString(d.rightMark));
    in.templateWidth = measure(QString::fromStdString(model_.numberTemplate()));
    in.numberWidth = measure(QString::fromStdString(d.number));
    in.typedWidth = measure(QString::fromStdString(model_.typedPart()));
    NumLayout out = layoutNumEdit(in);
    // The layout is in client coordinates; painting is in the widget's.
    const int dx = client.left();
    out.leftMarkX += dx;
    out.templateX += dx;
    out.numberX += dx;
    out.rightMarkX += dx;
    out.fillLeft += dx;
    out.fillRight += dx;
    out.caretX += dx;
    out.textTop += client.top();
    return out;
}

void TSaNumEdit::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), color_);
    if (borderStyle_ == bsSingle) {
        if (ctl3D_) {
            qDrawWinPanel(&p, rect(), palette(), true);
        } else {
            p.setPen(palette().color(QPalette::WindowText));
            p.drawRect(rect().adjusted(0, 0, -1, -1));
        }
    }
    const QRect client = clientRect();
    p.setClipRect(client);
    p.setFont(font());

    const bool selected = model_.allSelected();
    const QColor fill = selected ? palette().color(QPalette::Active, QPalette::Highlight) : color_;
    QColor ink = selected ? palette().color(QPalette::Active, QPalette::HighlightedText)
                          : palette().color(QPalette::Active, QPalette::Text);
    if (!isEnabled())
        ink = disabledColor_;

    const NumLayout lay = currentLayout();
    const int h = textHeight();
    p.fillRect(QRect(lay.fillLeft, lay.textTop, lay.fillRight - lay.fillLeft, h), fill);

    const NumDisplay& d = model_.display();
    const int baseline = lay.textTop + QFontMetrics(font()).ascent();
    p.setPen(ink);
    if (!d.number.empty()) {
        p.drawText(lay.leftMarkX, baseline, QString::fromStdString(d.leftMark));
        p.drawText(lay.numberX, baseline, QString::fromStdString(d.number));
        p.drawText(lay.rightMarkX, baseline, QString::fromStdString(d.rightMark));
    }
    if (caretShown_ && caretVisible_) {
        const int caretWidth = font().bold() ? 2 : 1;
        p.fillRect(QRect(lay.caretX, lay.textTop, caretWidth, h),
                   palette().color(QPalette::Active, QPalette::Text));
    }
}

void TSaNumEdit::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    update();
}

void TSaNumEdit::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        applyAutoSize();
    if (event->type() == QEvent::FontChange || event->type() == QEvent::EnabledChange
        || event->type() == QEvent::PaletteChange)
        update();
    QWidget::changeEvent(event);
}

void TSaNumEdit::displayChanged()
{
    restartCaret();
    update();
}

void TSaNumEdit::restartCaret()
{
    caretVisible_ = true;
    if (!caretShown_)
        return;
    const int flash = QApplication::cursorFlashTime();
    if (flash > 0)
        caretTimer_.start(flash / 2, this);
}

void TSaNumEdit::stopCaret()
{
    caretTimer_.stop();
    caretVisible_ = false;
}

void TSaNumEdit::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != caretTimer_.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    caretVisible_ = !caretVisible_;
    update();
}

} // namespace yorozu
