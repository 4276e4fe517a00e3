// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace cps {

// The 2-byte CTCSS/DCS tone field, byte 0 first.
using ToneCode = std::array<std::uint8_t, 2>;
constexpr ToneCode kNoTone{0xFF, 0xFF};

// The fixed list of 266 tone texts every tone selector offers: "None", 51
// CTCSS tones, 107 DCS codes normal, the same 107 inverted.
const std::vector<std::string>& ToneList();

std::string ToneToText(std::uint8_t byte0, std::uint8_t byte1);
inline std::string ToneToText(const ToneCode& code) { return ToneToText(code[0], code[1]); }
ToneCode ToneFromText(std::string_view text);

// Cleans up a typed tone: "23n" -> "D023N", "i23" -> "D023I", "67.0" stays,
// a bare number is a DCS code ("670" -> "D670N"),
// out-of-range values -> "None".
std::string NormalizeToneText(std::string_view text);

}  // namespace cps
