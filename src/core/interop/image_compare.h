// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The comparison of two images as "dpmr-cli diff" prints it and the window's
// Compare shows it: rows grouped in sections ("Channel 3", "Contact 5",
// "Option", one per part of the image for bytes no key tells about), each
// with its count. Both front ends show the rows of CompareForReview, so they
// cannot drift apart.
//
//   auto a = LoadComparedFile("a.dat");   // as File, Open shows it
//   auto b = LoadComparedFile("b.yaml");
//   Comparison c = CompareForReview(a->side, b->side);
//   std::cout << ComparisonText(c);
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/result.h"
#include "core/image/radio_image.h"

namespace cps {

// One side of a comparison: an image and the size of the file it came from
// (an image in memory or made from a text is the 16384 bytes a save writes).
struct ComparedImage {
  RadioImage image;
  std::uint64_t size = kImageSize;
};

// One difference. The value texts are as shown: key values quoted, raw
// bytes in hexadecimal, file sizes in bytes.
struct ComparisonRow {
  std::string key;      // "channel.3.rx_freq", "raw 0x0A00-0x0A03", "size"
  std::string caption;  // "Channel 3: Rx Freq", the part of the image, "File size"
  std::string a;
  std::string b;
};

struct ComparisonSection {
  std::string title;  // "Channel 3", "Outbox messages, 16 x 128 bytes", "File"
  std::vector<ComparisonRow> rows;
};

struct Comparison {
  // The file section first (a size difference), then the key sections in
  // the order of an export, then the raw bytes in address order.
  std::vector<ComparisonSection> sections;
  bool empty() const { return sections.empty(); }
  std::size_t RowCount() const;
};

// Every difference between `a` and `b`: the keys whose values differ, the
// differing bytes no key tells about (in runs within one part of the image
// and one 16-byte line), and the sizes of the files when they differ.
Comparison CompareForReview(const ComparedImage& a, const ComparedImage& b);

// A value as the comparison shows it: in double quotes, with a quote, a
// backslash and control characters escaped ("\"", "\\", "\n", "\x01").
std::string QuotedValue(std::string_view value);
// "Channel 3: 2 differences".
std::string SectionHeading(const ComparisonSection& section);
// "3 differences in 2 sections", "1 difference in 1 section"; "No
// differences" when there are none.
std::string ComparisonSummary(const Comparison& comparison);
// The text "dpmr-cli diff" prints: per section its heading, then one line
// per row ("  key: a -> b"), then the summary; nothing when they are equal.
std::string ComparisonText(const Comparison& comparison);

// A file as the comparison takes it, and what the user is told about it.
struct ComparedFile {
  ComparedImage side;
  std::vector<std::string> notes;
};
// The image of `path` as File, Open shows it and a save would write it (the
// repair passes, the channel table's write-back): a ".yaml" or ".yml" text
// imported as `dpmr-cli import` does (from the built-in new image of its
// band, so the same on every machine), any other file's first 16384 bytes, with the
// file's size. When opening changes bytes of the file, a note says how many
// and where the first one is. An error message starts with `path`.
Result<ComparedFile> LoadComparedFile(const std::string& path);

}  // namespace cps
