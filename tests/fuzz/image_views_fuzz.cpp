// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: any bytes as the radio's memory (cut or padded with 0xFF to
// 16384), taken in as after a read from the radio, then every `show`
// section and every `get` key of dpmr-cli printed.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <sstream>

#include "cli/cli.h"
#include "core/document/document.h"
#include "core/interop/key_space.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  cps::Document doc;
  doc.image().Fill(0xFF);
  doc.image().Write(0, std::span<const std::uint8_t>(data, std::min(size, cps::kImageSize)));
  doc.AfterRead();
  std::ostringstream out;
  for (const auto& section : cps::cli::ShowSections()) {
    if (section.printOpen) section.printOpen(out, doc);
    else section.print(out, doc.image());
  }
  for (const auto& space : cps::KeySpaces())
    for (const auto& key : space->Keys()) {
      auto value = space->GetOpen(doc, key.key);
      if (!value) __builtin_trap();  // every listed key reads on any image
      out << *value;
    }
  return 0;
}
