// The factory adjustment values on the command line: keys "factory.<field>"
// for get/set/keys, and "show FILE factory".
#include <ostream>

#include "cli/schema_keys.h"
#include "core/factory/factory_pages.h"

namespace cps::cli {
namespace {

SchemaPagesRegistrar pages({&FactoryTxPageSchema(), &FactoryRxPageSchema(), &FactoryDtmfPageSchema()});

ShowSectionRegistrar show({"factory", "the factory adjustment values (0x0040-0x0087), tab by tab",
                           [](std::ostream& out, const RadioImage& image) {
                             for (const PageSchema* p : FactoryPageSchemas()) PrintPage(out, *p, image);
                           }});

}  // namespace
}  // namespace cps::cli
