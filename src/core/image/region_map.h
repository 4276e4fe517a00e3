// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <string_view>
#include <vector>

namespace cps {

// One address range of the image: what it holds, how the transfer treats
// it, and which editor owns it.
struct ImageRegion {
  std::size_t begin;  // first address
  std::size_t end;    // last address, inclusive
  std::string_view content;
  bool read;          // read from the radio
  bool written;       // written into the radio
  std::string_view owner;  // editor key: "channels", "option", "dpmr", ...
};

const std::vector<ImageRegion>& ImageRegions();
// The region holding `addr`, or nullptr when no editor uses it.
const ImageRegion* RegionAt(std::size_t addr);

}  // namespace cps
