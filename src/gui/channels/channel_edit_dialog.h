// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Channel Edit" and "PMR Channel Edit": every field of one channel record
// with its extension. A thin view over the core ChannelEditor: widgets
// mirror its state, user actions call its rules. The PMR variant is the
// same dialog with the digital controls hidden.
#include <QDialog>
#include <array>

#include "core/channels/channel_editor.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QToolButton;

namespace cps {

class ChannelEditDialog : public QDialog {
  Q_OBJECT
 public:
  enum class Variant { kMain, kPmr };
  ChannelEditDialog(RadioImage& image, Variant variant, BandLimits band, int channel, QWidget* parent = nullptr);

  ChannelEditor& editor() { return editor_; }
  QComboBox* list(EditList l) const { return lists_[static_cast<std::size_t>(l)]; }
  QCheckBox* check(EditCheck c) const { return checks_[static_cast<std::size_t>(c)]; }
  QLineEdit* numberEdit() const { return number_; }
  QLineEdit* rxEdit() const { return rx_; }
  QLineEdit* txEdit() const { return tx_; }
  QLineEdit* offsetEdit() const { return offset_; }
  QToolButton* spinUp() const { return up_; }
  QToolButton* spinDown() const { return down_; }

  // Shows the editor's state in the widgets.
  void Refresh();

 public slots:
  // Every way of closing stores the channel on screen.
  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QComboBox* MakeList(EditList l, const char* name, bool editable = false);
  QCheckBox* MakeCheck(EditCheck c, const char* name);
  // Runs the leave rule of the field that has the focus, as if it lost it.
  void LeaveField(QObject* field);
  // Stores the channel on screen and shows the one `step` away, wrapping.
  void SpinBy(int step);
  void FillItems();

  ChannelEditor editor_;
  std::array<QComboBox*, kEditListCount> lists_{};
  std::array<QCheckBox*, kEditCheckCount> checks_{};
  QLineEdit* number_ = nullptr;
  QLineEdit* rx_ = nullptr;
  QLineEdit* tx_ = nullptr;
  QLineEdit* offset_ = nullptr;
  QToolButton* up_ = nullptr;
  QToolButton* down_ = nullptr;
  QGroupBox* digit_ = nullptr;
  bool refreshing_ = false;
  bool closing_ = false;
};

// The step of a close that changed nothing but the form values are kept in.
// Shown through ChannelEditDialog::tr.
inline constexpr const char* kStoredAsShownStep =
    QT_TRANSLATE_NOOP("cps::ChannelEditDialog", "Channel Edit: values stored as shown");
inline constexpr const char* kPmrStoredAsShownStep =
    QT_TRANSLATE_NOOP("cps::ChannelEditDialog", "PMR Channel Edit: values stored as shown");

}  // namespace cps
