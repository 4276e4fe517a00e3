#pragma once
// The "Basic" page of the "dPMR param" dialog: the radio's digital identity
// (name, ID), call codes, timers, codec and the kill/activate function.
#include <string>
#include <string_view>

#include "core/schema/schema.h"

namespace cps {

const PageSchema& DpmrBasicPageSchema();

namespace dpmr {
// The leave rule of the ID edits: padded with "0" in front to 7 digits,
// replaced by `fallback` when the result is no valid ID.
std::string SevenDigitIdOnLeave(std::string_view text, std::string_view fallback);
}  // namespace dpmr

}  // namespace cps
