// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Encode" page of the "DTMF" dialog: dialling speed, digit timing, PTT
// identification codes, side tone, hold time and response wait.
#include "core/schema/schema.h"

namespace cps {

const PageSchema& DtmfEncodePageSchema();

}  // namespace cps
