// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "dpmr-cli show" of pages described by a PageSchema.
#include <iosfwd>

#include "core/document/document.h"
#include "core/schema/schema.h"

namespace cps::cli {

// Prints a page field by field: "<key>  <label>  <value>", hidden rows
// marked.
void PrintPage(std::ostream& out, const PageSchema& page, const RadioImage& image);
// The same for the open document: the page as its dialog shows it when it
// opens right after File, Open (Scan Info after the table's write-back).
void PrintPageOpen(std::ostream& out, const PageSchema& page, const Document& doc);

}  // namespace cps::cli
