// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Alarm" dialog: alarm type and identifiers, alarm timers, work alone,
// auto contact and upside. Its edits have their own leave rule: a number
// outside the range is reset to the field's reset value, a number inside is
// left as typed.
#include "core/schema/schema.h"

namespace cps {

const PageSchema& AlarmPageSchema();

}  // namespace cps
