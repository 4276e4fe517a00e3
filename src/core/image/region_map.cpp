// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/image/region_map.h"

namespace cps {

const std::vector<ImageRegion>& ImageRegions() {
  static const std::vector<ImageRegion> regions = {
      {0x0000, 0x003F, "local area; only the four default bytes at 0x0000 are set", false, false, "image"},
      {0x0040, 0x0087, "factory adjustment values", false, false, "factory"},
      {0x0088, 0x00FF, "local area; no editor uses it", false, false, "image"},
      {0x0100, 0x02FF, "channel records 1 to 16, 32 bytes each", true, true, "channels"},
      {0x0300, 0x0312, "option settings", true, true, "option"},
      {0x0318, 0x031B, "tone and light switches", true, true, "tone_light"},
      {0x0320, 0x0327, "side keys", true, true, "side_key"},
      {0x0340, 0x034A, "scan settings", true, true, "scan"},
      {0x034C, 0x034D, "scan bitmap of the channels", true, true, "channels"},
      {0x0350, 0x037A, "alarm settings", true, true, "alarm"},
      {0x0388, 0x039F, "dPMR basic settings", true, true, "dpmr"},
      {0x03A0, 0x03A7, "encryption switch and key count", true, true, "dpmr_keys"},
      {0x03B0, 0x04AF, "encryption key records, 16 x 16 bytes", true, true, "dpmr_keys"},
      {0x04B0, 0x04BE, "dPMR kill and active codes", true, true, "dpmr"},
      {0x04C0, 0x053F, "contact index, 64 little-endian words", true, true, "dpmr_contacts"},
      {0x0540, 0x093F, "contact records, 64 x 16 bytes", true, true, "dpmr_contacts"},
      {0x0960, 0x097F, "outbox index, 16 little-endian words", true, true, "dpmr_messages"},
      {0x0980, 0x117F, "outbox messages, 16 x 128 bytes", true, true, "dpmr_messages"},
      {0x1180, 0x119F, "inbox index, 16 little-endian words", true, true, "dpmr_messages"},
      {0x11A0, 0x1B9F, "inbox messages, 16 x 160 bytes", true, true, "dpmr_messages"},
      {0x1BA0, 0x1C1F, "group receive lists, 16 x 8 bytes", true, true, "dpmr_grouplists"},
      {0x2000, 0x202F, "DTMF encode settings and PTT identification codes", true, true, "dtmf_encode"},
      {0x2030, 0x205F, "DTMF decode settings, person identifier and kill code", true, true, "dtmf_decode"},
      {0x2060, 0x215F, "DTMF contacts, 16 x 16 bytes", true, true, "dtmf_contact"},
      {0x2160, 0x235F, "PMR channel records, 16 x 32 bytes", true, true, "pmr"},
      {0x3E00, 0x3E3F, "radio data that a write never overwrites", true, false, "radio"},
      {0x3E80, 0x3EBF, "digital extension of channels 1 to 16, 4 bytes each", true, true, "channels"},
      {0x3EC0, 0x3EC2, "dPMR acknowledgement and transmit delays", true, true, "dpmr"},
      {0x3F80, 0x3F87, "band edges reported by the radio", false, false, "image"},
      {0x3F88, 0x3F8F, "radio name", false, false, "dpmr"},
      {0x3F90, 0x3F9F, "not used by any editor", false, false, "image"},
      {0x3FA0, 0x3FA7, "selected band", true, true, "channels"},
      {0x3FD4, 0x3FD7, "values derived by the channel table's write-back", true, true, "channels"},
  };
  return regions;
}

const ImageRegion* RegionAt(std::size_t addr) {
  for (const auto& r : ImageRegions())
    if (addr >= r.begin && addr <= r.end) return &r;
  return nullptr;
}

}  // namespace cps
