// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts the core holds (field labels, list items, group titles, fixed
// messages) as the window shows them: through the translation layer, in the
// one context "CoreText" the catalogues keep them under. With no catalogue
// loaded the text is returned unchanged.
#include <QCoreApplication>
#include <QString>
#include <string>
#include <string_view>

namespace cps {

inline QString CoreText(const char* text) { return QCoreApplication::translate("CoreText", text); }
inline QString CoreText(const std::string& text) { return CoreText(text.c_str()); }

}  // namespace cps
