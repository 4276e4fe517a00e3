// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The model behind the "Channel Edit" dialog (and "PMR Channel Edit"): the
// state of every control, Load and Store of one channel record with its
// extension, the enabling rules, the leave rules of the frequency, offset
// and tone fields, and stepping through the channels. The dialog only
// mirrors this state in widgets.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/channels/channel_record.h"
#include "core/codec/frequency.h"
#include "core/image/radio_image.h"
#include "core/base/texts.h"

namespace cps {

// The list controls of the dialog.
enum class EditList : int {
  kChannelType,
  kPower,
  kBandwidth,
  kSignalType,
  kOnlyRx,
  kBusy,
  kRxTone,   // editable
  kTxTone,   // editable
  kAnalogCall1,
  kAnalogCall2,
  kColorCode,
  kEncryptKey,
  kTxContact,
  kGroupRxList,
  kCall1Type,
  kCall1Contact,
  kCall1Message,
  kCall2Type,
  kCall2Contact,
  kCall2Message,
  kRxColorCode,
  kTxColorCode,
  kDataType,
  kStatusInfo,
  kOffsetDirection,
  kCount
};
constexpr int kEditListCount = static_cast<int>(EditList::kCount);

enum class EditCheck : int { kReverse, kScan, kTalkAround, kAutoContact, kWorkAlone, kPttId, kOacsu, kCount };
constexpr int kEditCheckCount = static_cast<int>(EditCheck::kCount);

// The captions of the dialog's lists and check boxes, as the dialog shows
// them (also on the printed sheet).
const char* EditListCaption(EditList list);
const char* EditCheckCaption(EditCheck check);
// The frames of the two digital calls.
inline constexpr const char* kCallCaptions[2] = {QT_TRANSLATE_NOOP("CoreText", "Call 1"),
                                                 QT_TRANSLATE_NOOP("CoreText", "Call 2")};

// A list control: its items, each with a number (item data), the selected
// entry (-1: none), the text of an editable list, and its own enabled flag
// (set by the enabling rules).
struct EditListState {
  std::vector<std::string> items;
  std::vector<int> data;
  int index = -1;
  std::string editText;  // editable lists: the text in the edit field
  bool enabled = true;

  // The selected item's text, or the edit text of an editable list.
  std::string text() const;
  // The selected item's number, or `none` without a selection.
  int value(int none) const;
  // Selects the first entry whose number is `number`; false if none.
  bool SelectNumber(int number);
  // Selects the first entry whose text begins with `text`; false if none.
  bool SelectPrefix(std::string_view text);
};

struct ChannelEditState {
  std::string number;  // the "Channel no." box
  std::string rx, tx, offset;
  std::array<EditListState, kEditListCount> lists;
  std::array<bool, kEditCheckCount> checks{};
  // Every control except "Channel no." and "Rx freq (MHz)".
  bool controlsEnabled = true;

  EditListState& list(EditList l) { return lists[static_cast<std::size_t>(l)]; }
  const EditListState& list(EditList l) const { return lists[static_cast<std::size_t>(l)]; }
  bool& check(EditCheck c) { return checks[static_cast<std::size_t>(c)]; }
  bool check(EditCheck c) const { return checks[static_cast<std::size_t>(c)]; }
};

// Items and numbers of the lists that come from other data, read from the
// image as they stand.
struct ChannelEditLists {
  std::vector<int> analogCalls;   // DTMF contact entries in use, 1..16
  int keyCount = 0;               // encryption keys 1..count
  std::vector<std::pair<int, std::string>> contacts;  // contact number, name, in index order
  std::vector<int> groupLists;    // group receive lists in use, 1..16
  std::vector<int> messages;      // outbox messages in use, 1..16
};
ChannelEditLists ReadChannelEditLists(const RadioImage& image);

// The image after the channel dialog opened on `number` and closed
// untouched: the channel's values stored back in the form the dialog shows
// them (a missing contact as 0, a group list "None" as 0, ...). A close
// that leaves exactly this image changed nothing the user did.
RadioImage StoredAsShown(const RadioImage& image, std::size_t base, BandLimits band, int number);

class ChannelEditor {
 public:
  // `base`: the record base of the channel set (main or PMR); `band`: the
  // limits frequencies are clamped to.
  ChannelEditor(RadioImage& image, std::size_t base, BandLimits band);

  // Fills the lists from the image, shows `number` and loads it.
  void Open(int number);
  // Stores the channel on screen (every way of closing the dialog).
  void Close() { Store(); }

  void Load(int number);
  void Store();

  ChannelEditState& state() { return state_; }
  const ChannelEditState& state() const { return state_; }
  int current() const { return current_; }
  const std::string& previousRx() const { return previousRx_; }
  std::size_t base() const { return base_; }

  // A list's selection changed (by the user): runs the enabling rules that
  // depend on it.
  void SelectionChanged(EditList list);
  void ApplyEnablingRules();

  // Leave rules (also Enter in the receive edit).
  void LeaveRx();
  void LeaveTx();
  void LeaveOffset();
  void LeaveTone(EditList tone);

  // Navigation: leaving "Channel no." and the spin arrows (+1 up, -1 down).
  void LeaveNumber();
  void Spin(int step);

 private:
  void FillLists();
  void ClearAll();
  void SetNewChannelDefaults();
  long long Clamped(std::string_view text) const;

  RadioImage& image_;
  std::size_t base_;
  BandLimits band_;
  int current_ = 1;
  std::string previousRx_;
  ChannelEditState state_;
};

}  // namespace cps
