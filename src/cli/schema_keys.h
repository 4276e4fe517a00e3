#pragma once
// "dpmr-cli show" of pages described by a PageSchema.
#include <iosfwd>

#include "core/schema/schema.h"

namespace cps::cli {

// Prints a page field by field: "<key>  <label>  <value>", hidden rows
// marked.
void PrintPage(std::ostream& out, const PageSchema& page, const RadioImage& image);

}  // namespace cps::cli
