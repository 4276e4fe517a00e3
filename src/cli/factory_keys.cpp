// SPDX-License-Identifier: GPL-3.0-or-later
// The factory adjustment values on the command line: "show FILE factory".
#include <ostream>

#include "cli/cli.h"
#include "cli/schema_keys.h"
#include "core/factory/factory_pages.h"

namespace cps::cli {
namespace {

ShowSectionRegistrar show({"factory", "the factory adjustment values (0x0040-0x0087), tab by tab",
                           [](std::ostream& out, const RadioImage& image) {
                             for (const PageSchema* p : FactoryPageSchemas()) PrintPage(out, *p, image);
                           }});

}  // namespace
}  // namespace cps::cli
