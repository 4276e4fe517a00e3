// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Marking the texts the core holds and the window shows: field labels,
// list items, group and page titles, column headings, fixed messages.
//
//   #include "core/base/texts.h"
//   ComboIndex("apo", QT_TRANSLATE_NOOP("CoreText", "APO"), ...)
//
// The mark changes nothing: it is the text as written, and the command line,
// the text form and the tests see it so. It tells lupdate
// (translations/update.sh) to put the text into the catalogues under the
// context "CoreText", where the window looks it up through cps::CoreText
// (gui/widgets/core_text.h). Always that context, spelt out: lupdate reads
// the call as written and expands no macro.
//
// Mark only what the window shows; never a key, a value typed and parsed
// back, or a word of the command line.
#ifndef QT_TRANSLATE_NOOP
// the same definition as Qt's, so that a file that sees both is fine
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
