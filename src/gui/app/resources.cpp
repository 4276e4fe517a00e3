// SPDX-License-Identifier: GPL-3.0-or-later
// The program's built-in resources (icons, side-key pictures) live in a
// static library, so they must be registered explicitly.
#include <QtGlobal>

static void InitCpsResources() { Q_INIT_RESOURCE(resources); }

namespace cps {
void InitResources() {
  static bool done = false;
  if (!done) {
    InitCpsResources();
    done = true;
  }
}
}  // namespace cps
