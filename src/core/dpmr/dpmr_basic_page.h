// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Basic" page of the "dPMR param" dialog: the radio's digital identity
// (name, ID), call codes, timers, codec and the kill/activate function.
#include "core/schema/schema.h"

namespace cps {

const PageSchema& DpmrBasicPageSchema();

}  // namespace cps
