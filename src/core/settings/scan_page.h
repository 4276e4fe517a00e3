// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Scan Info" dialog: scan mode, tone scan, priority channel, talk back,
// scan beeps, stop and resume times, scan transmit channel.
#include <string>
#include <vector>

#include "core/schema/schema.h"

namespace cps {

// "None", then the number of every channel 1..16 in use (byte 3 of its
// record neither 0x00 nor 0xFF).
std::vector<std::string> ChannelChoiceItems(const RadioImage& image);

const PageSchema& ScanPageSchema();

}  // namespace cps
