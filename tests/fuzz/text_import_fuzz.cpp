// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: any text as the image's YAML text form, imported onto a new
// image as dpmr-cli import and File, Import from text do. A text the import
// takes gives an image whose own export imports again.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/image/new_image.h"
#include "core/interop/text_image.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const cps::RadioImage base = cps::NewImage("");
  auto image = cps::ImportText(text, base);
  if (!image) return 0;
  if (!cps::ImportText(cps::ExportText(*image, base), base)) __builtin_trap();
  return 0;
}
