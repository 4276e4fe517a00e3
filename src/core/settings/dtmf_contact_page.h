// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Contact" page of the "DTMF" dialog: 16 DTMF codes of up to 16 digits,
// entry n at 0x2060 + 16 × (n − 1). Field keys are the entry numbers
// "1".."16".
#include "core/schema/schema.h"

namespace cps {

constexpr int kDtmfContactCount = 16;
const PageSchema& DtmfContactPageSchema();

}  // namespace cps
