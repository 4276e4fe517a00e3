// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/channels/channel_record.h"

#include "core/image/new_image.h"

namespace cps {

void ChannelRecord::ResetRecord() { WriteDefaultChannelRecord(*image_, addr_); }

void ChannelRecord::ResetExtension() {
  setExtByte(chan::kExtRxColorCode, 0xFF);
  setExtByte(chan::kExtTxColorCode, 0xFF);
  setExtByte(chan::kExtFlags, 0xFE);
  setExtByte(chan::kExtStatusInfo, 0x1E);
}

}  // namespace cps
