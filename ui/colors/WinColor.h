#pragma once

#include <QColor>

#include <cstdint>

namespace yorozu {

// Colours are stored as Windows colour values: red in the low byte, then
// green and blue; a value with the high byte set names a system colour by
// its index in the low byte.
QColor fromWinColor(std::int32_t value);
std::int32_t toWinColor(const QColor& color);

} // namespace yorozu
