// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/channels/channel_editor.h"

#include <algorithm>
#include <string_view>

#include "core/base/c_text.h"
#include "core/base/texts.h"
#include "core/channels/channel_record.h"
#include "core/channels/channel_table.h"
#include "core/codec/tone.h"
#include "core/image/contact_repair.h"

namespace cps {

namespace {

// Where the lists filled from other data look.
constexpr std::size_t kDtmfContactsAddr = 0x2060;  // 16 x 16 bytes
constexpr std::size_t kKeyCountAddr = 0x03A7;
constexpr std::size_t kOutboxAddr = 0x0980;        // 16 x 128 bytes
constexpr int kMaxKeys = 16;
constexpr int kMaxContact = 64;
constexpr int kMaxMessage = 16;
constexpr std::uint32_t kMaxOffset = 5000000;      // 50 MHz
constexpr int kDefaultStatusInfo = 30;
constexpr std::uint8_t kDataTypes[] = {0x08, 0x10, 0x20, 0x40, 0x80};
constexpr int kNoSelectionChannelType = 1;         // "Digit"

std::string Num(int v) { return std::to_string(v); }

EditListState Fixed(std::vector<std::string> items) {
  EditListState l;
  l.items = std::move(items);
  for (std::size_t i = 0; i < l.items.size(); ++i) l.data.push_back(static_cast<int>(i));
  return l;
}

EditListState Numbers(int from, int to) {
  EditListState l;
  for (int k = from; k <= to; ++k) {
    l.items.push_back(Num(k));
    l.data.push_back(k);
  }
  return l;
}

// "None" (or another first entry with number `firstData`) then "k" for each k.
EditListState NoneThen(const std::string& first, int firstData, const std::vector<int>& numbers) {
  EditListState l;
  l.items.push_back(first);
  l.data.push_back(firstData);
  for (int k : numbers) {
    l.items.push_back(Num(k));
    l.data.push_back(k);
  }
  return l;
}

EditListState ContactsList(const ChannelEditLists& lists) {
  EditListState l;
  l.items.push_back(QT_TRANSLATE_NOOP("CoreText", "None"));
  l.data.push_back(0);
  for (const auto& [number, name] : lists.contacts) {
    l.items.push_back(name);
    l.data.push_back(number);
  }
  return l;
}

std::uint32_t ToUnits(long long v) {
  // A frequency field holds eight decimal digits.
  return static_cast<std::uint32_t>(std::clamp<long long>(v, 0, 99999999));
}

}  // namespace

// ---- captions ---------------------------------------------------------------

const char* EditListCaption(EditList list) {
  static const char* const captions[kEditListCount] = {QT_TRANSLATE_NOOP("CoreText", "Channel type"),
                                                       QT_TRANSLATE_NOOP("CoreText", "Tx power"),
                                                       QT_TRANSLATE_NOOP("CoreText", "Bandwidth"),
                                                       QT_TRANSLATE_NOOP("CoreText", "Signal type"),
                                                       QT_TRANSLATE_NOOP("CoreText", "Only rx"),
                                                       QT_TRANSLATE_NOOP("CoreText", "Busy"),
                                                       QT_TRANSLATE_NOOP("CoreText", "Rx tone"),
                                                       QT_TRANSLATE_NOOP("CoreText", "Tx tone"),
                                                       QT_TRANSLATE_NOOP("CoreText", "Analog call 1"),
                                                       QT_TRANSLATE_NOOP("CoreText", "Analog call 2"),
                                                       QT_TRANSLATE_NOOP("CoreText", "Color code"),
                                                       QT_TRANSLATE_NOOP("CoreText", "Encrypt key"),
                                                       QT_TRANSLATE_NOOP("CoreText", "Tx contact"),
                                                       QT_TRANSLATE_NOOP("CoreText", "Group rx list"),
                                                       QT_TRANSLATE_NOOP("CoreText", "Type"),
                                                       QT_TRANSLATE_NOOP("CoreText", "Contact"),
                                                       QT_TRANSLATE_NOOP("CoreText", "Msg no."),
                                                       QT_TRANSLATE_NOOP("CoreText", "Type"),
                                                       QT_TRANSLATE_NOOP("CoreText", "Contact"),
                                                       QT_TRANSLATE_NOOP("CoreText", "Msg no."),
                                                       QT_TRANSLATE_NOOP("CoreText", "Rx color code"),
                                                       QT_TRANSLATE_NOOP("CoreText", "Tx color code"),
                                                       QT_TRANSLATE_NOOP("CoreText", "Data type"),
                                                       QT_TRANSLATE_NOOP("CoreText", "Status info no"),
                                                       QT_TRANSLATE_NOOP("CoreText", "Offset direction")};
  return captions[static_cast<int>(list)];
}

const char* EditCheckCaption(EditCheck check) {
  static const char* const captions[kEditCheckCount] = {
      QT_TRANSLATE_NOOP("CoreText", "Reverse"),     QT_TRANSLATE_NOOP("CoreText", "Scan"),
      QT_TRANSLATE_NOOP("CoreText", "Talk around"), QT_TRANSLATE_NOOP("CoreText", "Auto contact"),
      QT_TRANSLATE_NOOP("CoreText", "Work alone"),  QT_TRANSLATE_NOOP("CoreText", "PTTID"),
      QT_TRANSLATE_NOOP("CoreText", "OACSU")};
  return captions[static_cast<int>(check)];
}

// ---- list state -------------------------------------------------------------

std::string EditListState::text() const {
  if (index >= 0 && index < static_cast<int>(items.size())) return items[static_cast<std::size_t>(index)];
  return editText;
}

int EditListState::value(int none) const {
  if (index >= 0 && index < static_cast<int>(data.size())) return data[static_cast<std::size_t>(index)];
  return none;
}

bool EditListState::SelectNumber(int number) {
  for (std::size_t i = 0; i < data.size(); ++i)
    if (data[i] == number) {
      index = static_cast<int>(i);
      editText = items[i];
      return true;
    }
  return false;
}

bool EditListState::SelectPrefix(std::string_view text) {
  for (std::size_t i = 0; i < items.size(); ++i)
    if (std::string_view(items[i]).starts_with(text)) {
      index = static_cast<int>(i);
      editText = items[i];
      return true;
    }
  return false;
}

ChannelEditLists ReadChannelEditLists(const RadioImage& image) {
  ChannelEditLists out;
  for (int k = 1; k <= 16; ++k) {
    if (image.Byte(kDtmfContactsAddr + 16 * (k - 1)) != 0xFF) out.analogCalls.push_back(k);
    if (image.Byte(kGroupListsAddr + kGroupListSize * (k - 1)) != 0xFF) out.groupLists.push_back(k);
    const std::uint8_t m = image.Byte(kOutboxAddr + 128 * (k - 1));
    if (m != 0xFF && m != 0x00) out.messages.push_back(k);
  }
  const int keys = image.Byte(kKeyCountAddr);
  out.keyCount = keys > kMaxKeys ? 0 : keys;
  for (int slot : ListedContactSlots(image)) out.contacts.emplace_back(slot, ContactName(image, slot));
  return out;
}

// ---- editor -----------------------------------------------------------------

ChannelEditor::ChannelEditor(RadioImage& image, std::size_t base, BandLimits band)
    : image_(image), base_(base), band_(band) {
  FillLists();
}

void ChannelEditor::FillLists() {
  const ChannelEditLists lists = ReadChannelEditLists(image_);
  auto& s = state_;
  s.list(EditList::kChannelType) = Fixed(ChannelTypeItems());
  s.list(EditList::kPower) = Fixed({QT_TRANSLATE_NOOP("CoreText", "Low"), QT_TRANSLATE_NOOP("CoreText", "High")});
  s.list(EditList::kBandwidth) =
      Fixed({QT_TRANSLATE_NOOP("CoreText", "Wide"), QT_TRANSLATE_NOOP("CoreText", "Narrow")});
  s.list(EditList::kSignalType) = Fixed({QT_TRANSLATE_NOOP("CoreText", "Off"), QT_TRANSLATE_NOOP("CoreText", "DTMF")});
  s.list(EditList::kOnlyRx) = Fixed({QT_TRANSLATE_NOOP("CoreText", "Off"), QT_TRANSLATE_NOOP("CoreText", "Only rx")});
  s.list(EditList::kBusy) = Fixed({QT_TRANSLATE_NOOP("CoreText", "Off"), QT_TRANSLATE_NOOP("CoreText", "Carrier")});
  s.list(EditList::kRxTone) = Fixed(ToneList());
  s.list(EditList::kTxTone) = Fixed(ToneList());
  s.list(EditList::kAnalogCall1) = NoneThen(QT_TRANSLATE_NOOP("CoreText", "None"), 0, lists.analogCalls);
  s.list(EditList::kAnalogCall2) = NoneThen(QT_TRANSLATE_NOOP("CoreText", "None"), 0, lists.analogCalls);
  s.list(EditList::kColorCode) = Numbers(0, 15);
  std::vector<int> keys;
  for (int k = 1; k <= lists.keyCount; ++k) keys.push_back(k);
  s.list(EditList::kEncryptKey) = NoneThen(QT_TRANSLATE_NOOP("CoreText", "None"), 0, keys);
  s.list(EditList::kTxContact) = ContactsList(lists);
  s.list(EditList::kGroupRxList) = NoneThen(QT_TRANSLATE_NOOP("CoreText", "None"), 0, lists.groupLists);
  for (EditList t : {EditList::kCall1Type, EditList::kCall2Type})
    s.list(t) = Fixed({QT_TRANSLATE_NOOP("CoreText", "Off"), QT_TRANSLATE_NOOP("CoreText", "Call"),
                       QT_TRANSLATE_NOOP("CoreText", "Msg")});
  for (EditList c : {EditList::kCall1Contact, EditList::kCall2Contact}) s.list(c) = ContactsList(lists);
  for (EditList m : {EditList::kCall1Message, EditList::kCall2Message})
    s.list(m) = NoneThen(QT_TRANSLATE_NOOP("CoreText", "Off"), 0, lists.messages);
  EditListState colorCodes = NoneThen(QT_TRANSLATE_NOOP("CoreText", "Auto"), 0xFF, {});
  for (int k = 0; k <= 63; ++k) {
    colorCodes.items.push_back(Num(k));
    colorCodes.data.push_back(k);
  }
  s.list(EditList::kRxColorCode) = colorCodes;
  s.list(EditList::kTxColorCode) = colorCodes;
  EditListState dataType;
  dataType.items = {QT_TRANSLATE_NOOP("CoreText", "Data Type 1"), QT_TRANSLATE_NOOP("CoreText", "Data Type 2"),
                    QT_TRANSLATE_NOOP("CoreText", "Data Type 3"), QT_TRANSLATE_NOOP("CoreText", "Slow user data"),
                    QT_TRANSLATE_NOOP("CoreText", "Status message")};
  for (std::uint8_t t : kDataTypes) dataType.data.push_back(t);
  s.list(EditList::kDataType) = dataType;
  s.list(EditList::kStatusInfo) = Numbers(0, 31);
  s.list(EditList::kOffsetDirection) = Fixed({QT_TRANSLATE_NOOP("CoreText", "Off"), "+", "-"});
}

RadioImage StoredAsShown(const RadioImage& image, std::size_t base, BandLimits band, int number) {
  RadioImage shown = image;
  ChannelEditor editor(shown, base, band);
  editor.Open(number);
  editor.Close();
  return shown;
}

void ChannelEditor::Open(int number) {
  FillLists();
  Load(std::clamp(number, 1, kChannelCount));
}

void ChannelEditor::ClearAll() {
  state_.controlsEnabled = false;
  state_.rx.clear();
  state_.tx.clear();
  state_.offset.clear();
  for (auto& l : state_.lists) {
    l.index = -1;
    l.editText.clear();
  }
  state_.checks.fill(false);
}

void ChannelEditor::Load(int number) {
  auto& s = state_;
  s.number = Num(number);
  const ConstChannelRecord rec(image_, base_, number);
  if (rec.byte(chan::kRxFreq + 3) == 0xFF) {
    ClearAll();
  } else {
    s.controlsEnabled = true;
    for (auto& l : s.lists) l.enabled = true;
    s.rx = rec.isEmpty() ? std::string() : FrequencyToText(rec.rxFreq());
    s.tx = rec.txEmpty() ? std::string() : FrequencyToText(rec.txFreq());
    const std::pair<EditList, ToneCode> tones[] = {{EditList::kRxTone, rec.rxTone()}, {EditList::kTxTone, rec.txTone()}};
    for (const auto& [list, code] : tones) {
      const std::string text = ToneToText(code);
      auto& l = s.list(list);
      if (!l.SelectPrefix(text)) {
        l.index = -1;
        l.editText = text;
      }
    }
    s.list(EditList::kPower).index = rec.highPower() ? 1 : 0;
    s.check(EditCheck::kScan) = rec.scan();
    s.check(EditCheck::kAutoContact) = rec.autoContact();
    s.check(EditCheck::kWorkAlone) = rec.workAlone();
    s.check(EditCheck::kTalkAround) = rec.talkAround();
    s.check(EditCheck::kReverse) = rec.reverse();
    s.list(EditList::kBandwidth).index = rec.narrow() ? 1 : 0;

    auto selectOr = [](EditListState& l, int number, int fallbackIndex) {
      if (!l.SelectNumber(number)) l.index = fallbackIndex;
    };
    selectOr(s.list(EditList::kSignalType), rec.signalType(), 0);
    s.check(EditCheck::kPttId) = rec.pttId();
    s.list(EditList::kOnlyRx).index = rec.onlyRx() ? 1 : 0;
    selectOr(s.list(EditList::kBusy), rec.busyLock(), 0);
    s.list(EditList::kChannelType).index = rec.channelType();

    if (!s.list(EditList::kColorCode).SelectNumber(rec.colorCode())) s.list(EditList::kColorCode).SelectNumber(1);
    selectOr(s.list(EditList::kGroupRxList), rec.groupList(), 0);
    selectOr(s.list(EditList::kEncryptKey), rec.encryptKey(), 0);
    selectOr(s.list(EditList::kAnalogCall1), rec.analogCall(1), 0);
    selectOr(s.list(EditList::kAnalogCall2), rec.analogCall(2), 0);

    // Contacts by their number, never by name.
    auto selectContact = [&](EditListState& l, int number) {
      if (number < 1 || number > kMaxContact || !l.SelectNumber(number)) l.index = 0;
    };
    selectContact(s.list(EditList::kTxContact), rec.txContact());
    const EditList types[] = {EditList::kCall1Type, EditList::kCall2Type};
    const EditList contacts[] = {EditList::kCall1Contact, EditList::kCall2Contact};
    const EditList messages[] = {EditList::kCall1Message, EditList::kCall2Message};
    for (int k = 0; k < 2; ++k) {
      selectOr(s.list(types[k]), rec.callType(k + 1), 0);
      selectContact(s.list(contacts[k]), rec.callContact(k + 1));
      const int msg = rec.callMessage(k + 1);
      if (msg < 1 || msg > kMaxMessage || !s.list(messages[k]).SelectNumber(msg)) s.list(messages[k]).index = 0;
    }
    ApplyEnablingRules();

    for (auto [list, byte] : {std::pair{EditList::kRxColorCode, rec.rxColorCode()},
                              std::pair{EditList::kTxColorCode, rec.txColorCode()}}) {
      auto& l = s.list(list);
      if (byte > 63)
        l.index = 0;
      else
        l.SelectNumber(byte);
    }
    s.check(EditCheck::kOacsu) = rec.oacsu();
    const int type = rec.extFlags() & chan::kDataTypeMask;
    if (!s.list(EditList::kDataType).SelectNumber(type)) s.list(EditList::kDataType).index = 0;
    const int status = rec.statusInfo();
    s.list(EditList::kStatusInfo).index = status <= 31 ? status : kDefaultStatusInfo;
  }
  current_ = number;
  previousRx_ = s.rx;
}

void ChannelEditor::Store() {
  const auto& s = state_;
  ChannelRecord rec(image_, base_, current_);
  if (s.rx.empty()) {
    rec.ResetRecord();
    return;
  }
  rec.setRxFreq(ToUnits(FrequencyFromText(s.rx)));
  if (s.tx.empty())
    rec.clearTxFreq();
  else
    rec.setTxFreq(ToUnits(FrequencyFromText(s.tx)));
  rec.setRxTone(ToneFromText(s.list(EditList::kRxTone).text()));
  rec.setTxTone(ToneFromText(s.list(EditList::kTxTone).text()));

  rec.setScan(s.check(EditCheck::kScan));
  rec.setNarrow(s.list(EditList::kBandwidth).index == 1);
  rec.setAutoContact(s.check(EditCheck::kAutoContact));
  rec.setWorkAlone(s.check(EditCheck::kWorkAlone));
  rec.setTalkAround(s.check(EditCheck::kTalkAround));
  rec.setReverse(s.check(EditCheck::kReverse));
  rec.setHighPower(s.list(EditList::kPower).index > 0);

  rec.setSignalType(std::max(0, s.list(EditList::kSignalType).index));
  rec.setPttId(s.check(EditCheck::kPttId));
  rec.setOnlyRx(s.list(EditList::kOnlyRx).index == 1);

  rec.setBusyLock(std::max(0, s.list(EditList::kBusy).index));
  const int type = s.list(EditList::kChannelType).index;
  rec.setChannelType(type < 0 ? kNoSelectionChannelType : type);

  rec.setColorCode(static_cast<std::uint8_t>(s.list(EditList::kColorCode).value(0)));
  rec.setGroupList(static_cast<std::uint8_t>(s.list(EditList::kGroupRxList).value(0)));
  rec.setTxContact(static_cast<std::uint8_t>(s.list(EditList::kTxContact).value(0xFF)));
  rec.setEncryptKey(static_cast<std::uint8_t>(s.list(EditList::kEncryptKey).value(0)));
  for (int k = 1; k <= 2; ++k) {
    const int call = s.list(k == 1 ? EditList::kAnalogCall1 : EditList::kAnalogCall2).value(0);
    rec.setAnalogCall(k, static_cast<std::uint8_t>(call == 0 ? 0xFF : call));
  }
  const EditList types[] = {EditList::kCall1Type, EditList::kCall2Type};
  const EditList contacts[] = {EditList::kCall1Contact, EditList::kCall2Contact};
  const EditList messages[] = {EditList::kCall1Message, EditList::kCall2Message};
  for (int k = 0; k < 2; ++k) {
    rec.setCallType(k + 1, std::max(0, s.list(types[k]).index));
    const int contact = s.list(contacts[k]).value(0xFF);
    rec.setCallContact(k + 1, static_cast<std::uint8_t>(contact < 1 || contact > kMaxContact ? 0xFF : contact));
    const int msg = s.list(messages[k]).value(0);
    rec.setCallMessage(k + 1, msg >= 1 && msg <= kMaxMessage ? msg : chan::kNoMessage);
  }

  rec.setRxColorCode(static_cast<std::uint8_t>(s.list(EditList::kRxColorCode).value(0xFF)));
  rec.setTxColorCode(static_cast<std::uint8_t>(s.list(EditList::kTxColorCode).value(0xFF)));
  std::uint8_t flags = rec.extFlags();
  flags = static_cast<std::uint8_t>((flags & ~1u) | (s.check(EditCheck::kOacsu) ? 1u : 0u));
  flags = static_cast<std::uint8_t>((flags & ~chan::kDataTypeMask) | s.list(EditList::kDataType).value(0));
  rec.setExtFlags(flags);
  rec.setStatusInfo(static_cast<std::uint8_t>(std::max(0, s.list(EditList::kStatusInfo).index)));
  // The transmit offset is the table's to compute.
}

void ChannelEditor::ApplyEnablingRules() {
  auto& s = state_;
  const bool signalOff = s.list(EditList::kSignalType).index == 0;
  for (EditList call : {EditList::kAnalogCall1, EditList::kAnalogCall2}) {
    if (signalOff) s.list(call).SelectNumber(s.list(call).data.empty() ? 0 : s.list(call).data[0]);
    s.list(call).enabled = !signalOff;
  }
  const EditList types[] = {EditList::kCall1Type, EditList::kCall2Type};
  const EditList contacts[] = {EditList::kCall1Contact, EditList::kCall2Contact};
  const EditList messages[] = {EditList::kCall1Message, EditList::kCall2Message};
  for (int k = 0; k < 2; ++k) {
    const bool off = s.list(types[k]).index == 0;
    for (EditList l : {contacts[k], messages[k]}) {
      if (off) {
        s.list(l).index = 0;
        s.list(l).editText = s.list(l).items.empty() ? std::string() : s.list(l).items[0];
      }
      s.list(l).enabled = !off;
    }
  }
}

void ChannelEditor::SelectionChanged(EditList list) {
  if (list == EditList::kSignalType || list == EditList::kCall1Type || list == EditList::kCall2Type)
    ApplyEnablingRules();
}

long long ChannelEditor::Clamped(std::string_view text) const {
  long long u = FrequencyFromText(text);
  if (u <= band_.low || u >= band_.high) u = band_.low;
  return u;
}

void ChannelEditor::SetNewChannelDefaults() {
  auto& s = state_;
  s.tx = s.rx;
  auto first = [&](EditList l) {
    auto& list = s.list(l);
    list.index = list.items.empty() ? -1 : 0;
    list.editText = list.items.empty() ? std::string() : list.items[0];
  };
  for (EditList l : {EditList::kRxTone, EditList::kTxTone, EditList::kPower, EditList::kBandwidth,
                     EditList::kSignalType, EditList::kOffsetDirection, EditList::kEncryptKey, EditList::kTxContact,
                     EditList::kCall1Type, EditList::kCall2Type, EditList::kCall1Contact, EditList::kCall2Contact,
                     EditList::kCall1Message, EditList::kCall2Message, EditList::kAnalogCall1,
                     EditList::kAnalogCall2, EditList::kBusy, EditList::kRxColorCode, EditList::kTxColorCode,
                     EditList::kDataType})
    first(l);
  s.check(EditCheck::kScan) = true;
  s.check(EditCheck::kAutoContact) = false;
  s.check(EditCheck::kWorkAlone) = false;
  s.check(EditCheck::kReverse) = false;
  s.check(EditCheck::kOacsu) = false;
  s.list(EditList::kChannelType).index = 1;
  s.list(EditList::kColorCode).SelectNumber(1);
  s.list(EditList::kStatusInfo).index = kDefaultStatusInfo;
  // The group list keeps its choice; after an empty channel it has none,
  // which stores 0 just as "None" does, so it shows "None".
  if (s.list(EditList::kGroupRxList).index < 0) s.list(EditList::kGroupRxList).index = 0;
  s.offset = OffsetToText(kNewChannelOffset);
}

void ChannelEditor::LeaveRx() {
  auto& s = state_;
  if (s.rx.empty()) {
    ClearAll();
    previousRx_.clear();
    return;
  }
  s.controlsEnabled = true;
  s.rx = FrequencyToText(static_cast<std::uint32_t>(Clamped(s.rx)));
  if (previousRx_.empty()) SetNewChannelDefaults();
  // The defaults put signal type and call types at "Off": the lists those
  // rule over are disabled again rather than left open.
  ApplyEnablingRules();
  previousRx_ = s.rx;
}

void ChannelEditor::LeaveTx() {
  auto& s = state_;
  if (s.rx.empty()) return;
  s.tx = FrequencyToText(static_cast<std::uint32_t>(Clamped(s.tx)));
}

void ChannelEditor::LeaveOffset() {
  long long u = FrequencyFromText(state_.offset);
  if (u < 0 || u > kMaxOffset) u = kNewChannelOffset;
  state_.offset = OffsetToText(static_cast<std::uint32_t>(u));
}

void ChannelEditor::LeaveTone(EditList tone) {
  if (state_.rx.empty()) return;
  auto& l = state_.list(tone);
  const std::string text = NormalizeToneText(l.text());
  l.index = -1;
  l.editText = text;
  for (std::size_t i = 0; i < l.items.size(); ++i)
    if (l.items[i] == text) l.index = static_cast<int>(i);
}

void ChannelEditor::LeaveNumber() {
  int n = static_cast<int>(std::clamp<long long>(ParseInt(state_.number), -1, 1000));
  if (n == current_) return;
  Store();
  n = std::clamp(n, 1, kChannelCount);
  Load(n);
}

void ChannelEditor::Spin(int step) {
  Store();
  int n = static_cast<int>(std::clamp<long long>(ParseInt(state_.number), -1000, 1000)) + step;
  if (n < 1 || n > kChannelCount) n = step < 0 ? kChannelCount : 1;
  Load(n);
}

}  // namespace cps
