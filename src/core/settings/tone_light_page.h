// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Tone and Light" page of the "Basic setting" dialog: prompt tones,
// indicator lights and the voice broadcast language, bits of 0x318-0x31B.
#include "core/schema/schema.h"

namespace cps {

const PageSchema& ToneLightPageSchema();

}  // namespace cps
