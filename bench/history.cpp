// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of one undo step on a channel table edit: the step opens over the
// image, a receive frequency is committed (the table's cells compared before
// and after) and the table written back, and the step closes (compare,
// record, drop the oldest of a full history).
//   bench_history [--edits N]   (default 20000)
// Prints the mean and the slowest edit, with and without the history, so
// the share the history adds is plain. Target: a step under 1 ms.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/channels/channel_table.h"
#include "core/history/image_history.h"
#include "core/image/new_image.h"

namespace {

using namespace cps;
using Clock = std::chrono::steady_clock;

struct Figures {
  double meanUs = 0;
  double maxUs = 0;
};

// Alternates two frequencies on the rows so that every edit changes bytes.
template <typename Edit>
Figures Measure(int edits, Edit edit) {
  double total = 0, slowest = 0;
  for (int i = 0; i < edits; ++i) {
    const auto start = Clock::now();
    edit(i);
    const double us = std::chrono::duration<double, std::micro>(Clock::now() - start).count();
    total += us;
    slowest = std::max(slowest, us);
  }
  return {total / edits, slowest};
}

}  // namespace

int main(int argc, char** argv) {
  int edits = 20000;
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "--edits") == 0 && i + 1 < argc) edits = std::max(1, std::atoi(argv[++i]));

  RadioImage image = NewImage("", kBandUhf);
  ChannelTable table;
  table.Load(image);
  auto commit = [&](int i) {
    const int row = i % kChannelCount + 1;
    table.CommitFrequency(image, row, kColRxFreq, (i / kChannelCount) % 2 ? "446.00625" : "439.12500");
    table.WriteBack(image);
  };

  const Figures plain = Measure(edits, commit);
  ImageHistory history;
  const Figures stepped = Measure(edits, [&](int i) {
    history.Begin("Channel " + std::to_string(i % kChannelCount + 1) + " Rx Freq", image);
    // The window compares the table's cells before and after the commit to
    // know whether to write back.
    const ChannelTable shown = table;
    commit(i);
    bool changed = false;
    for (int r = 1; r <= kChannelCount; ++r)
      for (int c = 0; c < kChannelColumns; ++c) changed |= shown.Cell(r, c) != table.Cell(r, c);
    if (!changed) std::abort();
    history.End(image);
  });

  std::printf("channel table edit, %d edits, history of %zu steps kept\n", edits, history.undoCount());
  std::printf("  commit + write-back only:  mean %8.2f us   slowest %8.2f us\n", plain.meanUs, plain.maxUs);
  std::printf("  as an undo step:           mean %8.2f us   slowest %8.2f us\n", stepped.meanUs, stepped.maxUs);
  std::printf("  the step adds:             mean %8.2f us   (target: a whole step under 1000 us)\n",
              stepped.meanUs - plain.meanUs);
  return stepped.meanUs < 1000.0 ? 0 : 1;
}
