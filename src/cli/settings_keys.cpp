// SPDX-License-Identifier: GPL-3.0-or-later
// The radio settings pages on the command line: "show FILE settings".
#include <ostream>

#include "cli/cli.h"
#include "cli/schema_keys.h"
#include "core/settings/settings_pages.h"

namespace cps::cli {
namespace {

ShowSectionRegistrar show({"settings", "every radio settings page, field by field",
                           [](std::ostream& out, const RadioImage& image) {
                             for (const PageSchema* p : SettingsPageSchemas()) PrintPage(out, *p, image);
                           },
                           [](std::ostream& out, const Document& doc) {
                             for (const PageSchema* p : SettingsPageSchemas()) PrintPageOpen(out, *p, doc);
                           }});

}  // namespace
}  // namespace cps::cli
