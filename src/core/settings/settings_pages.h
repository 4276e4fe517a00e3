// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every radio settings page, in menu order: Basic setting (Option, Side Key,
// Tone and Light), Scan Info, Alarm, DTMF (Encode, Decode, Contact).
#include <vector>

#include "core/schema/schema.h"

namespace cps {

const std::vector<const PageSchema*>& SettingsPageSchemas();

}  // namespace cps
