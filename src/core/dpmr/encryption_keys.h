// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Encrypt" page's model: the encryption switch and up to 16 keys, each
// an alias and 8 hexadecimal digits. Edits change only the lists; Store
// writes them into the image and moves the channels' key references along
// with their keys.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/image/radio_image.h"

namespace cps::dpmr {

inline constexpr const char* kNewKeyText = "6D2F8A41";
inline constexpr const char* kKeyDigits = "0123456789ABCDEF";

struct EncryptionKey {
  std::string alias;
  std::string key;  // 8 upper-case hexadecimal digits
  int origin = 0;   // position it was loaded from (1..16), 0 for a new key
};

class KeyList {
 public:
  void Load(const RadioImage& image);
  // Writes switch, count and the records 1..count; records after the count
  // keep their bytes. Channels that used a deleted key get key 0 ("None"),
  // the others follow their key's new position.
  void Store(RadioImage& image);

  bool encrypt() const { return encrypt_; }
  void SetEncrypt(bool on) { encrypt_ = on; }
  int Count() const { return static_cast<int>(keys_.size()); }
  const EncryptionKey& At(int row) const { return keys_.at(static_cast<std::size_t>(row)); }
  const std::vector<EncryptionKey>& keys() const { return keys_; }

  // Button states.
  bool CanAdd() const { return encrypt_ && Count() < 16; }
  bool CanDelete() const { return encrypt_ && Count() > 0; }

  // Row of the new key, or nothing at 16 keys.
  std::optional<int> Add();
  // Before `row`, or at the end when `row` is not a key row.
  std::optional<int> Insert(int row);
  bool Delete(int row);

  // End of a cell edit. Any alias is accepted (cut to 8 characters).
  bool EditAlias(int row, std::string_view text);
  // An empty key is refused; otherwise the key is padded with "F" behind
  // to 8 digits (lower-case letters are taken as upper-case) and the shown
  // text is returned. A text with other characters is refused.
  std::optional<std::string> EditKey(int row, std::string_view text);

  // The first of "Key 1" ... "Key 16" that no key uses, empty if all are.
  std::string FreeAlias() const;

 private:
  bool encrypt_ = false;
  int loadedCount_ = 0;
  std::vector<EncryptionKey> keys_;
};

}  // namespace cps::dpmr
