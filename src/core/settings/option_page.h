// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Option" page of the "Basic setting" dialog: squelch, battery saving, APO,
// STE, copy switches, TOT and VOX.
#include "core/schema/schema.h"

namespace cps {

const PageSchema& OptionPageSchema();

}  // namespace cps
