// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Names of the numbered serial ports of the Windows form of the port choice:
// "COM1" to "COM9", and "\\.\COM10" to "\\.\COM16".
#include <string>

namespace cps {

std::string ComPortName(int n);
// The number after the first "M" of the name ("COM3" → 3, "\\.\COM12" →
// 12); 0 when there is none.
int ComPortNumber(const std::string& name);

}  // namespace cps
