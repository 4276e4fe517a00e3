#include "cli/schema_keys.h"

#include "core/base/c_text.h"

#include <iostream>

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

}  // namespace cps::cli
