#include "controls/numedit/SaNumEdit.h"

// The property setters of the numeric edit: limits filter the value again,
// display options rebuild it, geometry options repaint and resize.
namespace yorozu {

QString TSaNumEdit::Text() const
{
    return QString::fromStdString(model_.value());
}

void TSaNumEdit::setText(const QString& text)
{
    if (model_.setText(text.toStdString()))
        displayChanged();
}

void TSaNumEdit::setIntegerLength(int length)
{
    model_.setIntegerLength(length);
    applyAutoSize();
    displayChanged();
}

void TSaNumEdit::setDecimalLength(int length)
{
    model_.setDecimalLength(length);
    applyAutoSize();
    displayChanged();
}

void TSaNumEdit::setMinus(bool minus)
{
    model_.setMinus(minus);
    applyAutoSize();
    displayChanged();
}

void TSaNumEdit::setComma(bool comma)
{
    model_.setComma(comma);
    applyAutoSize();
    displayChanged();
}

void TSaNumEdit::setDecimalFixed(bool fixed)
{
    model_.setDecimalFixed(fixed);
    displayChanged();
}

void TSaNumEdit::setIntegerFixed(bool fixed)
{
    model_.setIntegerFixed(fixed);
    displayChanged();
}

void TSaNumEdit::setLeftMark(const QString& mark)
{
    model_.setLeftMark(mark.toStdString());
    applyAutoSize();
    displayChanged();
}

void TSaNumEdit::setRightMark(const QString& mark)
{
    model_.setRightMark(mark.toStdString());
    applyAutoSize();
    displayChanged();
}

void TSaNumEdit::setAlignment(TAlignment alignment)
{
    alignment_ = alignment;
    update();
}

void TSaNumEdit::setVertAlignment(TVertAlignment alignment)
{
    vertAlignment_ = alignment;
    update();
}

void TSaNumEdit::setLeftMargin(int margin)
{
    if (margin < 0)
        return;
    leftMargin_ = margin;
    applyAutoSize();
    update();
}

void TSaNumEdit::setRightMargin(int margin)
{
    if (margin < 0)
        return;
    rightMargin_ = margin;
    applyAutoSize();
    update();
}

void TSaNumEdit::setTopMargin(int margin)
{
    if (margin < 0)
        return;
    topMargin_ = margin;
    applyAutoSize();
    update();
}

void TSaNumEdit::setBottomMargin(int margin)
{
    if (margin < 0)
        return;
    bottomMargin_ = margin;
    applyAutoSize();
    update();
}

void TSaNumEdit::setAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    applyAutoSize();
    update();
}

void TSaNumEdit::setBorderStyle(TBorderStyle style)
{
    borderStyle_ = style;
    applyAutoSize();
    update();
}

void TSaNumEdit::setCtl3D(bool ctl3D)
{
    ctl3D_ = ctl3D;
    applyAutoSize();
    update();
}

void TSaNumEdit::setOptions(NumEditOptions options)
{
    model_.setOptions(options);
    applyAutoSize();
}

void TSaNumEdit::setColor(const QColor& color)
{
    color_ = color;
    update();
}

void TSaNumEdit::setDisabledColor(const QColor& color)
{
    disabledColor_ = color;
    update();
}

} // namespace yorozu
