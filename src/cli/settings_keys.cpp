// The radio settings pages on the command line: keys, get, set and
// "show FILE settings".
#include <ostream>

#include "cli/schema_keys.h"
#include "core/settings/option_page.h"

namespace cps::cli {
namespace {

std::vector<const PageSchema*> SettingsPages() {
  return {&OptionPageSchema()};
}

SchemaPagesRegistrar pages({&OptionPageSchema()});

ShowSectionRegistrar show({"settings", "every radio settings page, field by field",
                           [](std::ostream& out, const RadioImage& image) {
                             for (const PageSchema* p : SettingsPages()) PrintPage(out, *p, image);
                           }});

}  // namespace
}  // namespace cps::cli
