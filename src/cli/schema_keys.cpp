// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/schema_keys.h"

#include <ostream>

#include "core/base/c_text.h"
#include "core/interop/key_space.h"

namespace cps::cli {

void PrintPage(std::ostream& out, const PageSchema& page, const RadioImage& image) {
  const PageValues values = LoadPage(page, image);
  out << "[" << page.title << "]\n";
  for (std::size_t i = 0; i < page.fields.size(); ++i) {
    const Field& f = page.fields[i];
    const std::string key = page.key + "." + f.key;
    const std::string label = f.label + (f.visible ? "" : " (hidden)");
    out << "  " << PadToWidth(key, 38) << PadToWidth(label, 36) << DisplayText(values, static_cast<int>(i)) << "\n";
  }
}

void PrintPageOpen(std::ostream& out, const PageSchema& page, const Document& doc) {
  PrintPage(out, page, ImageAsPageOpens(page, doc));
}

}  // namespace cps::cli
