// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "core/codec/frequency.h"
#include "core/image/radio_image.h"

namespace cps {

// The built-in defaults of a new image, applied on top of an all-0xFF image
// when no "Default.dat" can be opened. `band` is the selected band written
// to 0x3FA0.
void ApplyBuiltInDefaults(RadioImage& image, const BandLimits& band = kBandUhf);

// What File, New puts into memory: 0xFF everywhere, then the first 16384
// bytes of `defaultDatPath` when that file opens (a short file leaves the
// rest 0xFF), else the built-in defaults.
RadioImage NewImage(const std::string& defaultDatPath, const BandLimits& band = kBandUhf);

// The 32-byte record a channel gets in a new image and on reset.
void WriteDefaultChannelRecord(RadioImage& image, std::size_t recordAddr);

}  // namespace cps
