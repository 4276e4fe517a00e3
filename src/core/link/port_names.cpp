// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/link/port_names.h"

#include <cstdio>

namespace cps {

std::string ComPortName(int n) {
  char buf[32];
  std::snprintf(buf, sizeof buf, n <= 9 ? "COM%d" : "\\\\.\\COM%d", n);
  return buf;
}

int ComPortNumber(const std::string& name) {
  int n = 0;
  if (std::sscanf(name.c_str(), "%*[^M]M%d", &n) != 1) return 0;
  return n;
}

}  // namespace cps
