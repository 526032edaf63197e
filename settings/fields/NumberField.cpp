#include "settings/fields/NumberField.h"

#include "controls/numedit/SaNumEdit.h"

#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace yorozu {

namespace {

int digitsOf(int n)
{
    int digits = 1;
    for (n = std::abs(n); n >= 10; n /= 10)
        ++digits;
    return digits;
}

QToolButton* arrow(Qt::ArrowType type, QWidget* parent)
{
    auto* b = new QToolButton(parent);
    b->setArrowType(type);
    b->setAutoRepeat(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setFixedSize(16, 11);
    return b;
}

} // namespace

NumberField::NumberField(int lowest, int highest, QWidget* parent)
    : QWidget(parent), lowest_(lowest), highest_(highest), edit_(new TSaNumEdit(this)),
      up_(arrow(Qt::UpArrow, this)), down_(arrow(Qt::DownArrow, this))
{
    edit_->setIntegerLength(std::max(digitsOf(lowest), digitsOf(highest)));
    edit_->setDecimalLength(0);
    edit_->setMinus(lowest < 0);
    edit_->setComma(false);
    edit_->setAlignment(TSaNumEdit::taCenter);
    edit_->setEnterFocusMove(true);
    edit_->setMinimumWidth(56);
    setFocusProxy(edit_);

    auto* arrows = new QVBoxLayout;
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(0);
    arrows->addWidget(up_);
    arrows->addWidget(down_);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    row->addWidget(edit_, 1);
    row->addLayout(arrows);

    connect(up_, &QToolButton::clicked, this, [this] { stepBy(1); });
    connect(down_, &QToolButton::clicked, this, [this] { stepBy(-1); });
    connect(edit_, &TSaNumEdit::keyDown, this, [this](int& key, Qt::KeyboardModifiers modifiers) {
        if (modifiers != Qt::NoModifier || (key != Qt::Key_Up && key != Qt::Key_Down))
            return;
        stepBy(key == Qt::Key_Up ? 1 : -1);
        key = 0;
    });
    connect(edit_, &TSaNumEdit::exited, this, [this] {
        if (const auto v = value(); v && clamp(*v) != *v)
            setValue(*v);
    });
}

std::optional<int> NumberField::value() const
{
    const std::string text = edit_->Text().toStdString();
    if (text.empty() || text == "-")
        return std::nullopt;
    return static_cast<int>(std::strtol(text.c_str(), nullptr, 10));
}

int NumberField::valueOr(int whenEmpty) const
{
    return clamp(value().value_or(whenEmpty));
}

void NumberField::setValue(int value)
{
    edit_->setText(QString::number(clamp(value)));
}

void NumberField::setEmpty()
{
    edit_->setText(QString());
}

void NumberField::stepBy(int steps)
{
    setValue(valueOr(0) + steps);
}

int NumberField::clamp(int value) const
{
    return std::clamp(value, lowest_, highest_);
}

} // namespace yorozu
