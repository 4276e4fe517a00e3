// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/tone_light_page.h"

#include "core/base/texts.h"
#include "core/schema/builders.h"

namespace cps {

namespace {

PageSchema Build() {
  PageSchema p;
  p.key = "tone_light";
  p.title = QT_TRANSLATE_NOOP("CoreText", "Tone and Light");
  p.fields = {
      CheckBit("power_on_tone", QT_TRANSLATE_NOOP("CoreText", "Power-on tone"), 0x318, 0x40),
      CheckBit("shutdown_tone", QT_TRANSLATE_NOOP("CoreText", "Shutdown tone"), 0x318, 0x02),
      CheckBit("shutdown_pre_alert_tone", QT_TRANSLATE_NOOP("CoreText", "Shutdown pre-aleat tone"), 0x318, 0x01),
      CheckBit("call_out_tone", QT_TRANSLATE_NOOP("CoreText", "Call out tone"), 0x318, 0x20),
      CheckBit("low_voltage", QT_TRANSLATE_NOOP("CoreText", "Low voltage"), 0x318, 0x10),
      CheckBit("single_call_tone", QT_TRANSLATE_NOOP("CoreText", "Single call tone"), 0x318, 0x08),
      CheckBit("group_call_tone", QT_TRANSLATE_NOOP("CoreText", "Group call tone"), 0x318, 0x04),
      CheckBit("rx_exit_tone", QT_TRANSLATE_NOOP("CoreText", "Rx exit tone"), 0x319, 0x80),
      CheckBit("call_link_reset_tone", QT_TRANSLATE_NOOP("CoreText", "Call link reset tone"), 0x319, 0x40),
      InColumn(CheckBit("power_on_light", QT_TRANSLATE_NOOP("CoreText", "Power-on light"), 0x31A, 0x04), 1),
      InColumn(CheckBit("tx_light", QT_TRANSLATE_NOOP("CoreText", "Tx light"), 0x31A, 0x40), 1),
      InColumn(CheckBit("rx_light", QT_TRANSLATE_NOOP("CoreText", "Rx light"), 0x31A, 0x20), 1),
      InColumn(CheckBit("scan_state_light", QT_TRANSLATE_NOOP("CoreText", "Scan state light"), 0x31A, 0x10), 1),
      InColumn(CheckBit("low_voltage_light", QT_TRANSLATE_NOOP("CoreText", "Low voltage light"), 0x31A, 0x08), 1),
      // Value 3 is no item: shown and saved as "Chinese".
      InColumn(ComboIndex("voice_broadcast", QT_TRANSLATE_NOOP("CoreText", "Voice broadcast"),
                          {QT_TRANSLATE_NOOP("CoreText", "Off"), QT_TRANSLATE_NOOP("CoreText", "Chinese"),
                           QT_TRANSLATE_NOOP("CoreText", "English")},
                          0x319, 1, 0x03),
               1),
      // Present on the page but not shown; their bits pass through.
      Hide(CheckBit("tone", QT_TRANSLATE_NOOP("CoreText", "Tone"), 0x318, 0x80)),
      Hide(CheckBit("light", QT_TRANSLATE_NOOP("CoreText", "Light"), 0x31A, 0x80)),
      Hide(CheckBit("shock", QT_TRANSLATE_NOOP("CoreText", "Shock"), 0x31B, 0x01)),
  };
  return p;
}

}  // namespace

const PageSchema& ToneLightPageSchema() {
  static const PageSchema page = Build();
  return page;
}

}  // namespace cps
