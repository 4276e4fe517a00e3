// The radio settings pages on the command line: keys, get, set and
// "show FILE settings".
#include <ostream>

#include "cli/schema_keys.h"
#include "core/settings/alarm_page.h"
#include "core/settings/dtmf_contact_page.h"
#include "core/settings/dtmf_decode_page.h"
#include "core/settings/dtmf_encode_page.h"
#include "core/settings/option_page.h"
#include "core/settings/scan_page.h"
#include "core/settings/settings_pages.h"
#include "core/settings/side_key_page.h"
#include "core/settings/tone_light_page.h"

namespace cps::cli {
namespace {

// The dialogs of the Edit menu and their tabs.
SchemaPagesRegistrar basicSetting({&OptionPageSchema(), &SideKeyPageSchema(), &ToneLightPageSchema()});
SchemaPagesRegistrar scanInfo(SchemaDialog{{&ScanPageSchema()}, &Document::BeforeScanInfo, nullptr});
SchemaPagesRegistrar alarm({&AlarmPageSchema()});
SchemaPagesRegistrar dtmf({&DtmfEncodePageSchema(), &DtmfDecodePageSchema(), &DtmfContactPageSchema()});

ShowSectionRegistrar show({"settings", "every radio settings page, field by field",
                           [](std::ostream& out, const RadioImage& image) {
                             for (const PageSchema* p : SettingsPageSchemas()) PrintPage(out, *p, image);
                           },
                           [](std::ostream& out, const Document& doc) {
                             for (const PageSchema* p : SettingsPageSchemas()) PrintPageOpen(out, *p, doc);
                           }});

}  // namespace
}  // namespace cps::cli
