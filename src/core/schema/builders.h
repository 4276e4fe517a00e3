// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One-line builders for the common kinds of settings fields. Each returns a
// complete `Field` (load, save, leave and spin rules, the bytes it owns);
// change any member afterwards for a field that differs a little:
//
//   Field f = IntEdit("tot", "TOT (s)", 0x308, {30, 600, 30}, 3, {.bytes = 2});
//   fields.push_back(InGroup(std::move(f), "TOT"));
//   fields.push_back(Hide(ComboIndex("wireless_copy", "Wireless copy", kOffOn, 0x307, 1, 0x80)));
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/schema/rules.h"
#include "core/schema/schema.h"

namespace cps {

// Combo box whose stored value is the item index (in the bits of `mask`,
// read-modify-write). Load: a stored value that is no item selects
// `fallback`. Save: no selection stores `fallback`.
Field ComboIndex(std::string key, std::string label, std::vector<std::string> items,
                 std::size_t addr, int fallback, std::uint8_t mask = 0xFF);

// Combo box selected by text with the prefix rule. `loadText` gives the text
// to search for (return ControlValue::SelectText(text, onMiss)); `saveText`
// stores the selected item's text ("" when none). `bytes` lists what the
// save writes.
Field ComboByText(std::string key, std::string label, std::vector<std::string> items,
                  std::function<ControlValue(const RadioImage&)> loadText,
                  std::function<void(RadioImage&, const std::string&)> saveText,
                  std::vector<std::pair<std::size_t, std::uint8_t>> bytes);

struct IntOptions {
  int scale = 1;   // shown = stored × scale, stored = atoi(text) / scale
  int bytes = 1;   // 1, or 2 for a little-endian word
  bool spin = true;  // edit with arrows
};
// Integer edit shown with "%d". `range` is in shown units. Spin: SpinStep;
// leaving: LeaveRoundClamp; save: atoi(text) / scale, low 8 (16) bits.
Field IntEdit(std::string key, std::string label, std::size_t addr, SpinRange range, int maxLength,
              IntOptions options = {});

// Tenths edit: stored tenths shown as "%.1f" seconds; save, spin and leave
// read the text through TenthsFromText; `range` is in tenths.
Field TenthsEdit(std::string key, std::string label, std::size_t addr, SpinRange range, int maxLength);

// Digit codes of set A: `count` bytes from `addr`, shown up to the first
// byte above 15; save fills the bytes with 0xFF, then writes the code of
// each character. Key filter "0123456789ABCD#*", upper-cased.
Field DigitCodes(std::string key, std::string label, std::size_t addr, int count, int maxLength = 0);

// Seven digit codes of set A holding an identifier: shown padded to 7 with
// "0" in front, left through SevenDigitIdOnLeave (else `fallback`), saved as
// the codes of its 7 padded characters. `allowed` is the key filter.
Field SevenDigitId(std::string key, std::string label, std::size_t addr, std::string fallback, std::string allowed);

// Check box on the bits of `mask` (checked when any is set; saved as all set
// or all clear, read-modify-write).
Field CheckBit(std::string key, std::string label, std::size_t addr, std::uint8_t mask);

// Hexadecimal edit of a little-endian word (`bytes` = 2, up to 4 digits) or
// a byte (`bytes` = 1, up to 2 digits): shown "%X", an empty text stores
// `emptyValue`. Accepts hexadecimal digits of either case.
Field HexWord(std::string key, std::string label, std::size_t addr, std::uint16_t emptyValue, int bytes = 2);

// Modifiers.
Field Hide(Field f);
Field InGroup(Field f, std::string group);
Field InColumn(Field f, int column);
// Shown, loaded and saved, but not editable, for the reason given.
Field ReadOnly(Field f, std::string why);

// A page hook that applies the leave rule of the named edits (e.g. "clamp
// the VOX delay after load and before save").
std::function<void(PageValues&)> ApplyLeaveRules(std::vector<std::string> fieldKeys);

// Items "0".."n-1" (or from..to) formatted "%d".
std::vector<std::string> NumberItems(int from, int to);

}  // namespace cps
