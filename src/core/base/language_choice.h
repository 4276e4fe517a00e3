// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which catalogue of the window's texts to use.
//
// A catalogue is named by its code, the part of its file name between
// "dpmr-cps_" and ".qm": "de", "en", "zh_CN". Besides the catalogues there is
// always the choice of the program's built-in texts (code "").
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/result.h"

namespace cps {

// What names the built-in texts on the command line (--language builtin).
inline constexpr const char* kBuiltInLanguage = "builtin";

// The code of a catalogue file name ("dpmr-cps_de.qm" -> "de"); nothing for
// any other file. A code is a language of two or three lower-case letters,
// optionally "_" and a script or territory ("zh_CN", "sr_Latn").
std::optional<std::string> CatalogueCode(std::string_view fileName);

// Codes written as users and systems write them ("de-DE", "ZH_cn", "zh-Hans")
// made comparable: language lower case, "_", the rest as given but with its
// first letter upper case and, for a territory, all upper case.
std::string NormaliseLanguageCode(std::string_view code);

// The catalogue that fits the system's languages best (they come in the
// system's order of preference, "de-DE" or "de_DE"): the first language
// with a catalogue of exactly its code, else of its language alone, else
// one of the same language ("zh" -> "zh_CN"). Empty when none fits.
std::string SystemCatalogue(const std::vector<std::string>& systemLanguages,
                            const std::vector<std::string>& codes);

// A choice given by the user (--language): "builtin" (or "built-in", or an
// empty text) gives "", a code of one of the catalogues gives that code
// (however it is written: "zh-cn" gives "zh_CN"). Anything else is an error
// that names the choices there are.
Result<std::string> ResolveLanguage(std::string_view wanted, const std::vector<std::string>& codes);

}  // namespace cps
