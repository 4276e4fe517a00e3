// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keys: the public face of the image. Every field an editor owns has a key
// ("option.tot", "channel.3.color_code", "contact.2.name"); the command
// line, the text form of an image and the comparison of two images all
// read and write fields through these keys, and so through the editors'
// own rules.
//
// A KeySpace is the family of keys of one editor (a settings page, a
// channel set, a dPMR list). KeySpaces() lists them in the order of the
// menus, which is also the order of an exported image.
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/base/result.h"
#include "core/document/document.h"
#include "core/image/radio_image.h"

namespace cps {

struct PageSchema;

struct KeyInfo {
  std::string key;      // "option.tot"
  std::string label;    // the control's caption
  std::string allowed;  // allowed values, as a user types them
};

using KeyValue = std::pair<std::string, std::string>;
using KeyValues = std::vector<KeyValue>;

class KeySpace {
 public:
  virtual ~KeySpace() = default;
  // Page name for "dpmr-cli keys PAGE" (e.g. "option", "channel").
  virtual std::string Name() const = 0;
  virtual std::vector<KeyInfo> Keys() const = 0;
  virtual bool Owns(std::string_view key) const = 0;
  // The value as its control shows it.
  virtual Result<std::string> Get(const RadioImage& image, std::string_view key) const = 0;
  // Applies the assignments (all owned by this space) as the editor would
  // and stores the editor as it does on close. An error names the key and
  // the allowed values; the image may then be partly changed, the caller
  // discards it. `notes` (may be null) collects values the editor's rules
  // changed on the way in.
  virtual Status Set(RadioImage& image, const KeyValues& assignments, std::vector<std::string>* notes) const = 0;

  // get and set on the open document: what the editor shows when it opens
  // right after File, Open, and the edit as the window makes it (with the
  // document's moment before the dialog opens, the channel table itself for
  // the main channel keys, and whatever else the dialog stores on closing).
  // By default the image as it is.
  virtual Result<std::string> GetOpen(const Document& doc, std::string_view key) const {
    return Get(doc.image(), key);
  }
  virtual Status SetOpen(Document& doc, const KeyValues& assignments, std::vector<std::string>* notes) const {
    return Set(doc.image(), assignments, notes);
  }

  // The keys of `image` in their export order, with their values; empty
  // channels and list entries are left out.
  virtual KeyValues Export(const RadioImage& image) const = 0;
  // Keys an import does not apply: what the radio gathered (the inbox)
  // and fields shown read-only.
  virtual bool ReadOnly(std::string_view /*key*/) const { return false; }
  // Keys that pick an entry of a list edited further down the menus (a
  // channel's contact, key, message, group list, DTMF call): an import
  // applies them after every other key, once the lists stand.
  virtual bool AfterLists(std::string_view /*key*/) const { return false; }
  // When an import applies the key: 0 the band, 1 the lists and settings,
  // 2 what picks list entries inside the lists (group list members),
  // 3 what picks them elsewhere (AfterLists). Within a stage, menu order.
  virtual int ImportStage(std::string_view key) const { return AfterLists(key) ? 3 : 1; }
  // Every image address some key of this space reaches.
  virtual std::vector<std::size_t> Addresses() const = 0;
};

// Every key space, in menu order.
const std::vector<std::shared_ptr<KeySpace>>& KeySpaces();
// The space owning `key`, or nullptr.
const KeySpace* SpaceOf(std::string_view key);

// Convenience for single keys; errors name the key.
Result<std::string> GetKey(const RadioImage& image, std::string_view key);
// Consecutive keys of one space are set together, in order.
Status SetKeys(RadioImage& image, const KeyValues& assignments, std::vector<std::string>* notes = nullptr);
// "dpmr-cli set": the keys of each space together (in their order), the
// spaces in the order they first appear; each space edits as the window does.
Status SetKeysOpen(Document& doc, const KeyValues& assignments, std::vector<std::string>* notes = nullptr);

// The image a settings page's dialog loads when it opens on `doc` (after
// the document's moment, as Scan Info opens after the table's write-back).
RadioImage ImageAsPageOpens(const PageSchema& page, const Document& doc);

// Shared value helpers of the key spaces.
std::string JoinItems(const std::vector<std::string>& items, std::string_view separator = ", ");
// "on"/"off" (also 1/0, true/false); nothing for any other text.
std::optional<bool> ParseOnOff(std::string_view text);
inline const char* OnOff(bool on) { return on ? "on" : "off"; }
// Index of the item equal to `text`, else of the first equal ignoring
// letter case, else -1.
int FindItem(const std::vector<std::string>& items, std::string_view text);
// "channel.3.rx_freq" with prefix "channel." -> {3, "rx_freq"}; number 0
// when the key does not read so or the number is outside 1..max.
std::pair<int, std::string_view> SplitNumberedKey(std::string_view key, std::string_view prefix, int max);

}  // namespace cps
