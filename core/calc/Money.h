#pragma once

namespace yorozu {

// Fixed-point money: yen x 10,000 in a signed 128-bit integer. Nine-digit
// quantities times nine-digit prices on 10,000 lines sum to about 10^26 in
// these units, far past 64 bits; here every such sheet stays exact.
__extension__ typedef __int128 Money;

// A figure the sums cannot hold: a cell of 9,223,372,036,854,775,807 yen or
// more in magnitude (no line product reaches it; a line whose product would
// is pinned there) makes every sum it enters this value, for good. Whoever
// shows a sum says so instead of showing a figure.
constexpr Money kMoneyOutOfRange = static_cast<Money>(1000000000000000000LL) * 100000000000000000LL * 1000; // 10^38

// Every held sum lies strictly inside +-10^37.
constexpr bool moneyHeld(Money m)
{
    return m > -kMoneyOutOfRange / 10 && m < kMoneyOutOfRange / 10;
}

// The text shown in place of a figure that cannot be held.
inline constexpr const char* kOutOfRangeText = "桁あふれ";

} // namespace yorozu
