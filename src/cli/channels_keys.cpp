// SPDX-License-Identifier: GPL-3.0-or-later
// The channel tables on the command line: "show FILE channels|pmr". (The
// keys channel.N.*, pmr.N.* and band live in core/interop.)
#include <algorithm>
#include <ostream>

#include "cli/cli.h"
#include "core/base/c_text.h"
#include "core/channels/channel_table.h"

namespace cps::cli {
namespace {

void PrintTable(std::ostream& out, const ChannelTable& table) {
  constexpr int kPrinted = kColType + 1;
  const int widths[kPrinted] = {3, 12, 12, 8, 8, 6, 5, 10, 14};
  auto row = [&](auto textOf) {
    std::string line;
    for (int c = 0; c < kPrinted; ++c) {
      std::string t = textOf(c);
      if (c + 1 < kPrinted) t.resize(std::max<std::size_t>(t.size(), static_cast<std::size_t>(widths[c])), ' ');
      line += t + (c + 1 < kPrinted ? "  " : "");
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    out << line << "\n";
  };
  row([](int c) { return c == 0 ? std::string("No.") : std::string(ChannelColumnInfos()[static_cast<std::size_t>(c)].title); });
  for (int n = 1; n <= kChannelCount; ++n) row([&](int c) { return table.Cell(n, c); });
}

ShowSectionRegistrar showChannels({"channels", "the channel table: band and 16 channels",
                                   [](std::ostream& out, const RadioImage& image) {
                                     ChannelTable table;
                                     table.Load(image);
                                     out << "Freq range: " << BandItems()[static_cast<std::size_t>(table.bandIndex())]
                                         << "\n";
                                     PrintTable(out, table);
                                   }});
ShowSectionRegistrar showPmr({"pmr", "the 16 PMR channels", [](std::ostream& out, const RadioImage& image) {
                                ChannelTable table(kPmrChannelBase, false);
                                table.Load(image);
                                PrintTable(out, table);
                              }});

}  // namespace
}  // namespace cps::cli
