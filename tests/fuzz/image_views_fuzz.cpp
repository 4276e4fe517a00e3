// Fuzz target: any bytes as an image (cut or padded with 0xFF to 16384),
// opened as dpmr-cli opens a file, then every `show` section and every
// `get` key printed.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <sstream>

#include "cli/cli.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  cps::RadioImage image;
  image.Fill(0xFF);
  image.Write(0, std::span<const std::uint8_t>(data, std::min(size, cps::kImageSize)));
  cps::cli::AfterOpen(image);
  std::ostringstream out;
  for (const auto& section : cps::cli::ShowSections()) section.print(out, image);
  for (const auto& space : cps::cli::KeySpaces())
    for (const auto& key : space->Keys()) {
      auto value = space->Get(image, key.key);
      if (!value) __builtin_trap();  // every listed key reads on any image
      out << *value;
    }
  return 0;
}
