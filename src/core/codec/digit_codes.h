// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace cps {

constexpr std::uint8_t kNoDigit = 0xFF;

// Set A (DTMF, 16 codes): 0-9, A-D = 10-13, "*" = 14, "#" = 15.
std::uint8_t DigitCodeA(char c);          // 255 for anything else
char DigitCharA(std::uint8_t code);        // '\0' for codes of 16 or more
// Set B (dPMR numbers, 11 codes): 0-9, "*" = 10.
std::uint8_t DigitCodeB(char c);          // 255 for anything else
char DigitCharB(std::uint8_t code);        // '\xFF' for codes of 11 or more

// A text of digits of set A read from consecutive bytes, stopping at the
// first byte that is not a code of the set (0xFF ends a digit string).
std::string DigitsToTextA(const std::uint8_t* bytes, std::size_t count);
std::string DigitsToTextB(const std::uint8_t* bytes, std::size_t count);

// True unless the text is one of "0000000", "1000000", ... "9000000";
// otherwise true exactly when its leading number is at most 9 000 000.
bool IsValidSevenDigitId(std::string_view text);

// Leaving a seven-digit identifier edit: the text padded with "0" in front
// to 7 characters, or `fallback` when that is no valid identifier (or, with
// `digitsOnly`, holds anything but decimal digits).
std::string SevenDigitIdOnLeave(std::string_view text, std::string_view fallback, bool digitsOnly = false);

// Cuts the text to `width` characters or pads it with `fill` in front
// (padInFront) or behind.
std::string FitText(std::string_view text, char fill, std::size_t width, bool padInFront);

}  // namespace cps
