// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Locale-independent versions of the C library's number parsing and
// formatting. The radio's texts always use a decimal point, whatever the
// desktop's language is.
#include <string>
#include <string_view>

namespace cps {

// Like strtod: skips leading blanks, reads the longest prefix that forms a
// decimal number (sign, digits, point, exponent) and ignores the rest.
// Returns 0 when no number starts the text. *consumed (if given) receives
// the number of characters read, 0 when nothing was read.
double ParseDouble(std::string_view text, std::size_t* consumed = nullptr);

// Like atoi/strtol base 10: leading blanks, optional sign, leading digits.
// Returns 0 when no digits start the text; saturates on overflow.
long long ParseInt(std::string_view text, std::size_t* consumed = nullptr);

// printf("%.*f") with a point as the decimal separator, padded in front with
// blanks to at least `width` characters.
std::string FormatFixed(double value, int decimals, int width = 0);

// printf("%G")-like shortest form used by a few gain lists.
std::string FormatGeneral(double value);

// Columns a UTF-8 text takes on a terminal: East Asian wide characters
// count two.
std::size_t DisplayWidth(std::string_view utf8);
// The text padded with blanks behind it to `width` columns (at least one
// blank when it is already as wide).
std::string PadToWidth(std::string_view utf8, std::size_t width);

std::string ToUpper(std::string_view text);
std::string ToLower(std::string_view text);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);
std::string Trim(std::string_view text);

}  // namespace cps
