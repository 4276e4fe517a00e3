#pragma once
// The image as readable text (YAML) and back, and the comparison of two
// images, all through the keys of key_space.h.
//
// The text holds every key in menu order with its value as the editors
// show it (empty channels and list entries left out), then a section
// "raw" with the bytes the keys do not bring back: applying the keys to
// the image a new document starts from, then the raw bytes, gives the
// image again byte for byte.
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

// The keys of `image`, and which bytes applying them to `base` (as Import
// does) leaves different. A value the editors would refuse (a stray byte
// shown as no item) is left out; its bytes go into raw.
ImageText DescribeImage(const RadioImage& image, const RadioImage& base);

// The YAML text of `image` (DescribeImage against `base`).
std::string ExportText(const RadioImage& image, const RadioImage& base);

// Applies the text to `base`: every key through its editor, in the order
// of the text except that keys naming a list entry (a channel's contact,
// encryption key, message, group list, DTMF call) come after all others;
// inbox keys are not applied (the raw bytes bring the inbox back); then
// the channel table's write-back a save makes; then the raw bytes. The
// result is the image to write. An error names the line; the image is then
// not given.
Result<RadioImage> ImportText(std::string_view text, const RadioImage& base);

// Whether `path` names a text form (".yaml" or ".yml") rather than an
// image file.
bool IsTextImagePath(std::string_view path);
// The content of a text form file: only a regular file, and not one past a
// size no text form of an image comes near. The message starts with `path`.
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

// "key: old -> new" lines, then "raw 0x0040-0x0043: 01 02 03 04 -> ...".
std::string DifferenceText(const ImageDifference& diff, const RadioImage& a, const RadioImage& b);

}  // namespace cps
