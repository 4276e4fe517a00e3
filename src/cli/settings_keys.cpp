// The radio settings pages on the command line: keys, get, set and
// "show FILE settings".
#include <ostream>

#include "cli/schema_keys.h"
#include "core/settings/settings_pages.h"

namespace cps::cli {
namespace {

struct Registrar {
  Registrar() {
    for (const PageSchema* p : SettingsPageSchemas()) SchemaPagesRegistrar({p});
  }
} registrar;

ShowSectionRegistrar show({"settings", "every radio settings page, field by field",
                           [](std::ostream& out, const RadioImage& image) {
                             for (const PageSchema* p : SettingsPageSchemas()) PrintPage(out, *p, image);
                           }});

}  // namespace
}  // namespace cps::cli
