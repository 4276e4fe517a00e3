// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Side Key" page of the "Basic setting" dialog: the function of a short and
// a long press of SK1, SK2 and TK, and the long-press time. The stored value
// is always a code of KeyFunctionTable(), never a position in a list.
#include <string>
#include <vector>

#include "core/schema/schema.h"

namespace cps {

// Code -> function name, codes 0..30.
const std::vector<std::string>& KeyFunctionTable();
// The items of the long-press boxes (21) and the short-press boxes (20).
const std::vector<std::string>& LongPressItems();
const std::vector<std::string>& ShortPressItems();

const PageSchema& SideKeyPageSchema();

}  // namespace cps
