#include "controls/numedit/NumEditModel.h"

namespace yorozu {

NumEditModel::NumEditModel()
{
    format_.decimalLength = limits_.decimalLength;
    rebuild();
}

bool NumEditModel::setText(std::string_view text)
{
    std::string value = filterNumberText(text, limits_);
    if (value == value_)
        return false;
    value_ = std::move(value);
    rebuild();
    return true;
}

void NumEditModel::setIntegerLength(int length)
{
    if (length < 0)
        return;
    limits_.integerLength = length;
    refilter();
}

void NumEditModel::setDecimalLength(int length)
{
    if (length < 0)
        return;
    limits_.decimalLength = length;
    format_.decimalLength = length;
    refilter();
}

void NumEditModel::setMinus(bool minus)
{
    limits_.minus = minus;
    refilter();
}

void NumEditModel::setComma(bool comma)
{
    format_.comma = comma;
    rebuild();
}

void NumEditModel::setDecimalFixed(bool fixed)
{
    format_.decimalFixed = fixed;
    rebuild();
}

void NumEditModel::setIntegerFixed(bool fixed)
{
    format_.integerFixed = fixed;
    rebuild();
}

void NumEditModel::setLeftMark(std::string mark)
{
    format_.leftMark = std::move(mark);
    rebuild();
}

void NumEditModel::setRightMark(std::string mark)
{
    format_.rightMark = std::move(mark);
    rebuild();
}

NumEditResult NumEditModel::typeChar(char32_t ch)
{
    // A refused character leaves everything as it was, the selection included:
    // the full selection is only replaced by input that is accepted.
    const std::string base = allSelected_ ? std::string() : value_;
    std::string candidate;
    if (ch >= U'0' && ch <= U'9') {
        const bool hasPoint = base.find('.') != std::string::npos;
        if (hasPoint ? decimalDigitCount(base) >= limits_.decimalLength
                     : integerDigitCount(base) >= limits_.integerLength)
            return NumEditResult::Refused;
        candidate = removeLeadingZeros(base + static_cast<char>(ch));
    } else if (ch == U'.') {
        if (limits_.decimalLength <= 0 || base.find('.') != std::string::npos)
            return NumEditResult::Refused;
        candidate = removeLeadingZeros(base + '.');
    } else if (ch == U'-') {
        if (!limits_.minus)
            return NumEditResult::Refused;
        candidate = !base.empty() && base.front() == '-' ? base.substr(1) : "-" + base;
    } else {
        return NumEditResult::Refused;
    }
    if (!fits(candidate))
        return NumEditResult::Refused;
    changeTo(std::move(candidate));
    return NumEditResult::Changed;
}

NumEditResult NumEditModel::deleteBack()
{
    if (allSelected_) {
        // The sheet relies on this being silent: the cell it has just emptied
        // stays empty until the next real change.
        changeTo(std::string());
        return NumEditResult::Silent;
    }
    if (value_.empty())
        return NumEditResult::Unchanged;
    std::string shorter = value_.substr(0, value_.size() - 1);
    if (!shorter.empty() && shorter.back() == '.')
        shorter.pop_back();
    changeTo(std::move(shorter));
    return NumEditResult::Changed;
}

NumEditResult NumEditModel::paste(std::string_view clipboardText)
{
    const std::string joined = allSelected_ ? std::string(clipboardText) : value_ + std::string(clipboardText);
    changeTo(filterNumberText(joined, limits_));
    return NumEditResult::Changed;
}

NumEditResult NumEditModel::deleteSelection()
{
    if (!allSelected_)
        return NumEditResult::Unchanged;
    changeTo(std::string());
    return NumEditResult::Changed;
}

NumEditResult NumEditModel::cut()
{
    return deleteSelection();
}

std::string NumEditModel::copyText(bool imageCopy) const
{
    return imageCopy ? display_.text() : value_;
}

NumEditResult NumEditModel::undo()
{
    if (!undoAvailable_)
        return NumEditResult::Unchanged;
    std::swap(value_, undoValue_);
    allSelected_ = true;
    rebuild();
    return NumEditResult::Changed;
}

void NumEditModel::focusGained(bool autoSelect)
{
    if (autoSelect)
        allSelected_ = true;
}

void NumEditModel::focusLost(bool hideSelection)
{
    if (value_ == "-" && !(options_ & eoMinusOnly)) {
        value_.clear();
        rebuild();
    }
    if (hideSelection)
        allSelected_ = false;
}

bool NumEditModel::fits(const std::string& candidate) const
{
    if (!(options_ & eoORInputStop) || !fits_)
        return true;
    return fits_(buildNumberDisplay(candidate, format_).text());
}

void NumEditModel::changeTo(std::string value)
{
    undoValue_ = std::move(value_);
    undoAvailable_ = true;
    value_ = std::move(value);
    allSelected_ = false;
    rebuild();
}

void NumEditModel::refilter()
{
    value_ = filterNumberText(value_, limits_);
    rebuild();
}

void NumEditModel::rebuild()
{
    display_ = buildNumberDisplay(value_, format_);
}

} // namespace yorozu
