// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/channels/channel_edit_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <map>
#include <vector>

#include "gui/widgets/core_text.h"
#include "gui/widgets/key_filter.h"
#include "gui/widgets/spin_edit.h"

namespace cps {

namespace {

constexpr int kFrequencyMaxLength = 10;
constexpr int kOffsetMaxLength = 9;
constexpr int kNumberMaxLength = 4;

// `edit` (a new QLineEdit under `parent` when null) with its name, length
// limit and key filter.
QLineEdit* MakeEdit(const char* name, int maxLength, const char* allowed, QWidget* parent,
                    QLineEdit* edit = nullptr) {
  if (!edit) edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setMaxLength(maxLength);
  edit->setValidator(new KeyFilterValidator(allowed, false, maxLength, edit));
  return edit;
}

constexpr int kCaptionWidth = 100;
constexpr int kShortCaptionWidth = 55;
constexpr int kControlWidth = 130;

// A caption and its control side by side, in fixed widths so that the
// controls of a column line up.
QWidget* Labelled(const QString& caption, QWidget* control, int captionWidth = kCaptionWidth) {
  auto* w = new QWidget;
  auto* l = new QHBoxLayout(w);
  l->setContentsMargins(0, 0, 0, 0);
  auto* label = new QLabel(caption);
  label->setBuddy(control);
  label->setFixedWidth(captionWidth);
  label->setProperty("captionWidth", captionWidth);
  control->setFixedWidth(kControlWidth);
  l->addWidget(label);
  l->addWidget(control);
  l->addStretch(1);
  return w;
}

// Captions of one width stay of one width, wide enough for the longest of
// them: a translated caption longer than the built-in one is never cut.
void WidenCaptions(QWidget* dialog) {
  std::map<int, int> needed;
  const QList<QLabel*> labels = dialog->findChildren<QLabel*>();
  for (QLabel* l : labels) {
    if (const QVariant w = l->property("captionWidth"); w.isValid())
      needed[w.toInt()] = std::max({needed[w.toInt()], w.toInt(), l->sizeHint().width()});
  }
  for (QLabel* l : labels) {
    if (const QVariant w = l->property("captionWidth"); w.isValid()) l->setFixedWidth(needed[w.toInt()]);
  }
}

}  // namespace

ChannelEditDialog::ChannelEditDialog(RadioImage& image, Variant variant, BandLimits band, int channel,
                                     QWidget* parent)
    : QDialog(parent), editor_(image, variant == Variant::kPmr ? kPmrChannelBase : kMainChannelBase, band) {
  using L = EditList;
  using C = EditCheck;
  // A list with its caption beside it.
  auto ListRow = [this](EditList l, const char* name, bool editable = false, int captionWidth = kCaptionWidth) {
    return Labelled(CoreText(EditListCaption(l)), MakeList(l, name, editable), captionWidth);
  };
  setWindowTitle(variant == Variant::kPmr ? tr("PMR Channel Edit") : tr("Channel Edit"));
  setObjectName(variant == Variant::kPmr ? "PmrChannelEditDialog" : "ChannelEditDialog");

  // Channel number with its wrapping spin arrows.
  auto* spin = new SpinEdit(this);
  number_ = MakeEdit("channelNumber", kNumberMaxLength, "0123456789", this, spin->edit());
  spin->setMaximumWidth(60 + spin->upButton()->width());
  up_ = spin->upButton();
  up_->setObjectName("spinUp");
  down_ = spin->downButton();
  down_->setObjectName("spinDown");
  auto* numberRow = new QHBoxLayout;
  numberRow->addWidget(new QLabel(tr("Channel no.")));
  numberRow->addWidget(spin);
  numberRow->addStretch(1);

  rx_ = MakeEdit("rxFreq", kFrequencyMaxLength, "0123456789.", this);
  tx_ = MakeEdit("txFreq", kFrequencyMaxLength, "0123456789.", this);
  offset_ = MakeEdit("offsetFreq", kOffsetMaxLength, "0123456789.", this);

  // General fields.
  auto* general = new QGridLayout;
  general->addWidget(Labelled(tr("Rx freq (MHz)"), rx_), 0, 0);
  general->addWidget(Labelled(tr("Tx freq (MHz)"), tx_), 0, 1);
  general->addWidget(ListRow(L::kChannelType, "channelType"), 1, 0);
  general->addWidget(ListRow(L::kPower, "txPower"), 1, 1);
  general->addWidget(ListRow(L::kBandwidth, "bandwidth"), 2, 0);
  auto* checksRow = new QHBoxLayout;
  checksRow->addWidget(MakeCheck(C::kReverse, "reverse"));
  checksRow->addWidget(MakeCheck(C::kScan, "scan"));
  checksRow->addWidget(MakeCheck(C::kTalkAround, "talkAround"));
  checksRow->addWidget(MakeCheck(C::kAutoContact, "autoContact"));
  checksRow->addWidget(MakeCheck(C::kWorkAlone, "workAlone"));
  checksRow->addStretch(1);
  general->addLayout(checksRow, 2, 1);
  QWidget* onlyRx = ListRow(L::kOnlyRx, "onlyRx");
  general->addWidget(onlyRx, 3, 0);

  // "Analog" frame.
  auto* analog = new QGroupBox(tr("Analog"));
  auto* analogColumn = new QVBoxLayout(analog);
  analogColumn->addWidget(ListRow(L::kSignalType, "signalType"));
  analogColumn->addWidget(MakeCheck(C::kPttId, "pttId"));
  analogColumn->addWidget(ListRow(L::kAnalogCall1, "analogCall1"));
  analogColumn->addWidget(ListRow(L::kAnalogCall2, "analogCall2"));
  analogColumn->addWidget(ListRow(L::kRxTone, "rxTone", true));
  analogColumn->addWidget(ListRow(L::kTxTone, "txTone", true));
  analogColumn->addStretch(1);

  // "Digit" frame with the two call groups.
  digit_ = new QGroupBox(tr("Digit"));
  auto* digitGrid = new QGridLayout(digit_);
  digitGrid->addWidget(ListRow(L::kEncryptKey, "encryptKey"), 0, 0, 1, 2);
  digitGrid->addWidget(ListRow(L::kTxContact, "txContact"), 1, 0, 1, 2);
  digitGrid->addWidget(ListRow(L::kGroupRxList, "groupRxList"), 2, 0, 1, 2);
  const EditList types[] = {EditList::kCall1Type, EditList::kCall2Type};
  const EditList contacts[] = {EditList::kCall1Contact, EditList::kCall2Contact};
  const EditList messages[] = {EditList::kCall1Message, EditList::kCall2Message};
  for (int k = 0; k < 2; ++k) {
    auto* call = new QGroupBox(CoreText(kCallCaptions[k]));
    auto* form = new QVBoxLayout(call);
    const QByteArray prefix = k == 0 ? "call1" : "call2";
    form->addWidget(ListRow(types[k], prefix + "Type", false, kShortCaptionWidth));
    form->addWidget(ListRow(contacts[k], prefix + "Contact", false, kShortCaptionWidth));
    form->addWidget(ListRow(messages[k], prefix + "Message", false, kShortCaptionWidth));
    digitGrid->addWidget(call, 3, k);
  }
  digitGrid->setRowStretch(4, 1);

  // Below the frames.
  auto* below = new QGridLayout;
  below->addWidget(ListRow(L::kBusy, "busy"), 0, 0);
  QCheckBox* oacsu = MakeCheck(C::kOacsu, "oacsu");
  below->addWidget(oacsu, 0, 1);
  QWidget* status = ListRow(L::kStatusInfo, "statusInfo");
  QWidget* dataType = ListRow(L::kDataType, "dataType");
  QWidget* rxcc = ListRow(L::kRxColorCode, "rxColorCode");
  QWidget* txcc = ListRow(L::kTxColorCode, "txColorCode");
  below->addWidget(status, 1, 0);
  below->addWidget(dataType, 1, 1);
  below->addWidget(rxcc, 2, 0);
  below->addWidget(txcc, 2, 1);

  // Fields that are loaded and stored but never seen.
  QWidget* offsetDirection = ListRow(L::kOffsetDirection, "offsetDirection");
  QWidget* offsetFreq = Labelled(tr("Offset freq (MHz)"), offset_);
  QWidget* colorCode = ListRow(L::kColorCode, "colorCode");
  below->addWidget(offsetDirection, 3, 0);
  below->addWidget(offsetFreq, 3, 1);
  below->addWidget(colorCode, 4, 0);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(numberRow);
  layout->addLayout(general);
  auto* frames = new QHBoxLayout;
  frames->addWidget(analog);
  frames->addWidget(digit_);
  layout->addLayout(frames);
  layout->addLayout(below);

  for (QWidget* hidden : {onlyRx, static_cast<QWidget*>(check(EditCheck::kAutoContact)),
                          static_cast<QWidget*>(check(EditCheck::kWorkAlone)), offsetDirection, offsetFreq, colorCode})
    hidden->setVisible(false);
  if (variant == Variant::kPmr) {
    for (QWidget* hidden : {static_cast<QWidget*>(digit_), rxcc, txcc, dataType, status, static_cast<QWidget*>(oacsu)})
      hidden->setVisible(false);
  }

  // Wiring.
  for (QWidget* w : std::initializer_list<QWidget*>{number_, rx_, tx_, offset_}) w->installEventFilter(this);
  connect(rx_, &QLineEdit::textEdited, this, [this](const QString& t) { editor_.state().rx = t.toStdString(); });
  connect(tx_, &QLineEdit::textEdited, this, [this](const QString& t) { editor_.state().tx = t.toStdString(); });
  connect(offset_, &QLineEdit::textEdited, this,
          [this](const QString& t) { editor_.state().offset = t.toStdString(); });
  connect(number_, &QLineEdit::textEdited, this,
          [this](const QString& t) { editor_.state().number = t.toStdString(); });
  // The arrows, and the Up and Down keys in the number box.
  connect(spin, &SpinEdit::stepped, this, &ChannelEditDialog::SpinBy);

  // Tab goes through the controls as they are laid out, row by row.
  const std::vector<QWidget*> tabOrder = {
      number_, rx_, tx_, list(L::kChannelType), list(L::kPower), list(L::kBandwidth), check(C::kReverse),
      check(C::kScan), check(C::kTalkAround), list(L::kSignalType), check(C::kPttId), list(L::kAnalogCall1),
      list(L::kAnalogCall2), list(L::kRxTone), list(L::kTxTone), list(L::kEncryptKey), list(L::kTxContact),
      list(L::kGroupRxList), list(L::kCall1Type), list(L::kCall1Contact), list(L::kCall1Message),
      list(L::kCall2Type), list(L::kCall2Contact), list(L::kCall2Message), list(L::kBusy), check(C::kOacsu),
      list(L::kStatusInfo), list(L::kDataType), list(L::kRxColorCode), list(L::kTxColorCode)};
  for (std::size_t i = 1; i < tabOrder.size(); ++i) setTabOrder(tabOrder[i - 1], tabOrder[i]);
  number_->setFocus();
  WidenCaptions(this);

  editor_.Open(channel);
  FillItems();
  Refresh();
}

QComboBox* ChannelEditDialog::MakeList(EditList l, const char* name, bool editable) {
  auto* box = new QComboBox(this);
  box->setObjectName(name);
  box->setEditable(editable);
  if (editable) {
    box->setInsertPolicy(QComboBox::NoInsert);
    // A typed tone stays as typed ("23" is D023N, never completed to 233.6).
    box->setCompleter(nullptr);
    box->lineEdit()->installEventFilter(this);
    connect(box, &QComboBox::editTextChanged, this, [this, l, box](const QString& text) {
      if (refreshing_) return;
      auto& s = editor_.state().list(l);
      s.editText = text.toStdString();
      s.index = box->findText(text, Qt::MatchExactly);
    });
  }
  box->installEventFilter(this);
  connect(box, &QComboBox::activated, this, [this, l](int index) {
    if (refreshing_) return;
    auto& s = editor_.state().list(l);
    s.index = index;
    s.editText = index >= 0 && index < static_cast<int>(s.items.size()) ? s.items[static_cast<std::size_t>(index)]
                                                                          : std::string();
    editor_.SelectionChanged(l);
    Refresh();
  });
  lists_[static_cast<std::size_t>(l)] = box;
  return box;
}

QCheckBox* ChannelEditDialog::MakeCheck(EditCheck c, const char* name) {
  auto* box = new QCheckBox(CoreText(EditCheckCaption(c)), this);
  box->setObjectName(name);
  box->installEventFilter(this);
  connect(box, &QCheckBox::toggled, this, [this, c](bool on) {
    if (!refreshing_) editor_.state().check(c) = on;
  });
  checks_[static_cast<std::size_t>(c)] = box;
  return box;
}

void ChannelEditDialog::FillItems() {
  refreshing_ = true;
  for (int i = 0; i < kEditListCount; ++i) {
    QComboBox* box = lists_[static_cast<std::size_t>(i)];
    box->clear();
    // The fixed items are the core's texts; a typed list (tones) shows its
    // items as typed, and the contact lists their names after "None".
    const auto l = static_cast<EditList>(i);
    const bool names = l == EditList::kTxContact || l == EditList::kCall1Contact || l == EditList::kCall2Contact;
    const auto& items = editor_.state().lists[static_cast<std::size_t>(i)].items;
    for (std::size_t k = 0; k < items.size(); ++k)
      box->addItem(box->isEditable() || (names && k > 0) ? QString::fromStdString(items[k]) : CoreText(items[k]));
  }
  refreshing_ = false;
}

void ChannelEditDialog::Refresh() {
  refreshing_ = true;
  const ChannelEditState& s = editor_.state();
  number_->setText(QString::fromStdString(s.number));
  rx_->setText(QString::fromStdString(s.rx));
  tx_->setText(QString::fromStdString(s.tx));
  offset_->setText(QString::fromStdString(s.offset));
  for (QLineEdit* e : {tx_, offset_}) e->setEnabled(s.controlsEnabled);
  for (int i = 0; i < kEditListCount; ++i) {
    QComboBox* box = lists_[static_cast<std::size_t>(i)];
    const EditListState& l = s.lists[static_cast<std::size_t>(i)];
    box->setCurrentIndex(l.index);
    if (box->isEditable()) box->setEditText(QString::fromStdString(l.index >= 0 ? l.text() : l.editText));
    box->setEnabled(s.controlsEnabled && l.enabled);
  }
  for (int i = 0; i < kEditCheckCount; ++i) {
    QCheckBox* box = checks_[static_cast<std::size_t>(i)];
    box->setChecked(s.checks[static_cast<std::size_t>(i)]);
    box->setEnabled(s.controlsEnabled);
  }
  refreshing_ = false;
}

void ChannelEditDialog::SpinBy(int step) {
  if (QWidget* f = focusWidget(); f && f != number_) LeaveField(f);
  editor_.Spin(step);
  Refresh();
}

void ChannelEditDialog::LeaveField(QObject* field) {
  if (field == rx_) {
    editor_.LeaveRx();
  } else if (field == tx_) {
    editor_.LeaveTx();
  } else if (field == offset_) {
    editor_.LeaveOffset();
  } else if (field == number_) {
    editor_.LeaveNumber();
  } else {
    for (EditList tone : {EditList::kRxTone, EditList::kTxTone}) {
      QComboBox* box = list(tone);
      if (field == box || field == box->lineEdit()) editor_.LeaveTone(tone);
    }
  }
  Refresh();
}

bool ChannelEditDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut && !refreshing_ && !closing_) {
    // A popup of the field's own list does not count as leaving it.
    if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) LeaveField(watched);
  } else if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      // Enter commits the receive frequency and does nothing elsewhere.
      if (watched == rx_) LeaveField(rx_);
      return true;
    }
    if (key == Qt::Key_Escape) {
      if (watched == rx_) reject();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void ChannelEditDialog::reject() {
  if (closing_) return;
  if (QWidget* f = focusWidget(); f && f != number_) LeaveField(f);
  closing_ = true;
  editor_.Close();
  QDialog::done(QDialog::Accepted);
}

}  // namespace cps
