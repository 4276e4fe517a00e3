// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of the text form on the largest images: every channel, contact, key,
// group list and message filled (the longest text of keys), and an image of
// random bytes (the longest raw section).
//   bench_text_form [--rounds N]   (default 5)
// Prints the text size, the mean export and import time, and the peak
// memory of the process after each step and after a text of the largest
// size the import takes (4 MB) is refused. Targets: export and import of
// the largest image well under a second, peak memory under 100 MB.
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "core/image/new_image.h"
#include "core/interop/text_image.h"

namespace {

using namespace cps;
using Clock = std::chrono::steady_clock;

long PeakKb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

std::string N(int n) { return std::to_string(n); }

RadioImage FullImage() {
  RadioImage image = NewImage("");
  KeyValues set = {{"contact.count", "64"}, {"encrypt.enabled", "on"}, {"encrypt.count", "16"}};
  for (int n = 1; n <= 64; ++n) {
    set.push_back({"contact." + N(n) + ".name", "Name" + N(n)});
    set.push_back({"contact." + N(n) + ".number", N(1000000 + n)});
  }
  for (int n = 1; n <= 16; ++n) {
    set.push_back({"dtmf_contact." + N(n), N(100 + n)});
    set.push_back({"grouplist." + N(n) + ".members", "Name" + N(n) + ", Name" + N(n + 20)});
    set.push_back({"encrypt." + N(n) + ".alias", "Key" + N(n)});
    set.push_back({"outbox." + N(n), std::string(120, static_cast<char>('a' + n))});
    for (const char* p : {"channel.", "pmr."}) {
      const std::string c = p + N(n) + ".";
      set.push_back({c + "rx_freq", N(440 + n % 20) + ".0125"});
      set.push_back({c + "tx_freq", N(441 + n % 20) + ".5"});
      set.push_back({c + "tx_contact", "Name" + N(n * 2)});
    }
  }
  if (!SetKeys(image, set)) std::fprintf(stderr, "the full image could not be built\n");
  return image;
}

RadioImage RandomImage() {
  std::mt19937 rng(1);
  RadioImage image;
  for (std::size_t a = 0; a < kImageSize; ++a) image.SetByte(a, static_cast<std::uint8_t>(rng()));
  return image;
}

template <typename Step>
double MeanMs(int rounds, Step step) {
  const auto start = Clock::now();
  for (int i = 0; i < rounds; ++i) step();
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count() / rounds;
}

}  // namespace

int main(int argc, char** argv) {
  int rounds = 5;
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "--rounds") == 0 && i + 1 < argc) rounds = std::max(1, std::atoi(argv[++i]));

  std::printf("peak memory at start: %ld KB\n", PeakKb());
  for (const auto& [name, image] : {std::pair{"full", FullImage()}, std::pair{"random", RandomImage()}}) {
    std::string text;
    const double exportMs = MeanMs(rounds, [&] { text = ExportText(image); });
    bool same = true;
    const double importMs = MeanMs(rounds, [&] {
      auto back = ImportText(text, nullptr);
      same = same && back && *back == image;
    });
    std::printf("%-6s text %7zu bytes  export %8.1f ms  import %8.1f ms  %s  peak memory %ld KB\n", name,
                text.size(), exportMs, importMs, same ? "exact" : "NOT EXACT", PeakKb());
  }
  // The largest text the import reads: one list of 4 MB.
  std::string list = "option.tot: [";
  while (list.size() < (4u << 20) - 8) list += "1,";
  list += "1]\n";
  const double refusedMs = MeanMs(1, [&] { (void)ImportText(list, nullptr); });
  std::printf("4 MB list refused in %.1f ms, peak memory %ld KB\n", refusedMs, PeakKb());
  return 0;
}
