// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Decode" page of the "DTMF" dialog: decode response, group call digit,
// kill function and kill code, person identifier, automatic reset time.
#include <string>

#include "core/image/radio_image.h"
#include "core/schema/schema.h"

namespace cps {

// The kill code as stored: the typed digits, then the code 15 ("#") as
// terminator; sixteen 0xFF bytes when empty. Loading removes one trailing
// "#" (the terminator), so a typed trailing "#" survives, also in a code of
// the full 15 digits.
std::string LoadKillCode(const RadioImage& image);
void SaveKillCode(RadioImage& image, const std::string& text);

const PageSchema& DtmfDecodePageSchema();

}  // namespace cps
