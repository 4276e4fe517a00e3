// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules that settings controls share, written once: spin steps with grid
// and wrap, leave rules (round down to the step, clamp), tenths through
// decimal scaling, selection by prefix, and key filters.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cps {

// The range and step of an edit with arrows, in the units the edit shows
// (seconds, milliseconds, tenths of a second, ...).
struct SpinRange {
  int lower = 0;
  int upper = 0;
  int step = 1;
};

// One arrow press (delta +1 up, -1 down). With a step s > 1 a value on the
// grid of s moves by delta × s, a value off the grid moves to the next grid
// value above (up) or below (down). A result outside lower..upper wraps:
// up gives lower, down gives upper.
int SpinStep(long long value, int delta, SpinRange range);

// Leaving an edit: rounded down to a multiple of the step (step > 1), then
// clamped to lower..upper.
int LeaveRoundClamp(long long value, SpinRange range);

// The tenths in a typed text: strtod(text) × 10 in decimal arithmetic,
// truncated, low 8 bits (1.25 gives 12, 25.7 gives 1).
int TenthsFromText(std::string_view text);
// A tenths value as the edit shows it: value × 0.1 with one decimal ("0.7").
std::string TenthsToText(int tenths);
// An integer as "%d".
std::string IntText(long long value);

// The first item, in list order, whose text begins with `text`, letter
// case ignored; -1 when none. An empty text matches the first item.
int SelectByPrefix(const std::vector<std::string>& items, std::string_view text);
// The item equal to `text`, letter case ignored; -1 when none.
int FindItemIgnoreCase(const std::vector<std::string>& items, std::string_view text);

// The key filter of an edit: the typed character, upper-cased first when
// `upperCase`, or nothing when it is not in `allowed` (an empty `allowed`
// lets everything through).
std::optional<char> FilterTypedChar(char typed, std::string_view allowed, bool upperCase);

// Characters of the DTMF digit set as the code edits accept them.
inline constexpr std::string_view kDtmfKeyChars = "0123456789ABCD#*";
inline constexpr std::string_view kHexKeyChars = "0123456789ABCDEFabcdef";

}  // namespace cps
