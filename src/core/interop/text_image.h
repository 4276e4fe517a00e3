// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The image as readable text (YAML) and back, and the comparison of two
// images, all through the keys of key_space.h.
//
// The text says what it is (format, model), then holds every key in menu
// order with its value as the editors show it (empty channels and list
// entries left out), then a section "raw" with the bytes the keys do not
// bring back: applying the keys to the built-in new image of the band,
// then the raw bytes, gives the image again byte for byte. Every value a
// reader of YAML 1.1 would take for a number, time or yes/no is quoted.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/result.h"
#include "core/interop/key_space.h"

namespace cps {

// An image as keys and raw bytes.
struct ImageText {
  KeyValues values;                // in export order
  std::vector<std::size_t> raw;    // addresses the keys do not bring back, ascending
};

// The image a text starts from: the built-in new image (never a file of
// the machine) of the band named as a "Freq range" item, UHF when none.
RadioImage BuiltInBase(std::string_view band);
// That of the band `image` selects.
RadioImage BuiltInBaseOf(const RadioImage& image);

// The keys of `image`, and which bytes applying them to `base` (as Import
// does) leaves different. A value the editors would refuse (a stray byte
// shown as no item) is left out; its bytes go into raw.
ImageText DescribeImage(const RadioImage& image, const RadioImage& base);

// The YAML text of `image`: a header (format, model), then the band and
// every key, then the raw bytes (DescribeImage against `base`) in lines of
// the 16 bytes from an address that is a multiple of 16, each with a
// comment naming the part of the image it belongs to. Without `base`, the
// built-in base of the image's band, as an import without one uses.
std::string ExportText(const RadioImage& image);
std::string ExportText(const RadioImage& image, const RadioImage& base);

// Reads the whole text first (a text over 4 MB, a key given twice, a second
// document are errors naming the lines), then applies it to `base` in the
// order the editors need, whatever the order of its lines: the band, the
// lists and settings, the group lists' members, then the keys that pick a
// list entry. A value refused on its own is tried again with the other
// values of its editor at the end of its stage (two contacts may swap
// names), so what is checked is the result. An empty receive frequency
// clears its channel and its other keys are left out. Inbox and read-only
// keys are not applied. Then the channel table's write-back a save makes;
// then the raw bytes, which must not change what a key of the text shows.
// The result is the image to write. An error names the line; the image is
// then not given.
// `notes` (when given) collects, with their line, the values an editor's
// rule stores otherwise ("line N: KEY=VALUE is stored as SHOWN"), the keys
// not applied and why, and the channels cleared. Without `base`, the
// built-in base of the text's band.
Result<RadioImage> ImportText(std::string_view text, std::vector<std::string>* notes);
Result<RadioImage> ImportText(std::string_view text, const RadioImage& base,
                              std::vector<std::string>* notes = nullptr);

// Whether `path` names a text form (".yaml" or ".yml") rather than an
// image file.
bool IsTextImagePath(std::string_view path);
// The content of a text form file: only a regular file of at most 4 MB,
// refused before it is read further. The message starts with `path`.
Result<std::string> ReadTextImageFile(const std::string& path);

// One key whose value differs.
struct KeyDifference {
  std::string key;
  std::string label;
  std::string a;  // empty when the key is absent (an empty channel or entry)
  std::string b;
};
// Bytes that differ where the keys do not tell: first and last address.
struct RawDifference {
  std::size_t first;
  std::size_t last;
};
struct ImageDifference {
  std::vector<KeyDifference> keys;  // in export order
  std::vector<RawDifference> raw;
  bool empty() const { return keys.empty() && raw.empty(); }
};
ImageDifference CompareImages(const RadioImage& a, const RadioImage& b, const RadioImage& base);

}  // namespace cps
