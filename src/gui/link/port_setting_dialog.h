// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Port setting" dialog: one radio button per serial device (disabled
// while it cannot be opened; the chosen port checked when it opens) and a
// field for any other device path, such as a dpmr-sim pseudo-terminal. On
// Windows the buttons are "COM1" to "COM16".
#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "port/radio_port.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace cps {

class PortSettingDialog : public QDialog {
  Q_OBJECT
 public:
  using DeviceLister = std::function<std::vector<SerialDevice>()>;
  using PortProbe = std::function<bool(const std::string&)>;
  // Why a port does not open (shown under its greyed-out button).
  using PortProblem = std::function<std::string(const std::string&)>;

  PortSettingDialog(std::string portName, QWidget* parent = nullptr, DeviceLister lister = ListSerialDevices,
                    PortProbe canOpen = CanOpenPort, PortProblem why = PortOpenProblem);

  // The chosen port after "OK"; the previous one after "Cancel" or when
  // nothing was checked.
  const std::string& portName() const { return portName_; }

  // "Log serial traffic": every transfer writes a trace into `folder`.
  void setLogSerial(bool on, const std::string& folder);
  bool logSerial() const;
  QCheckBox* logSerialBox() const { return logSerial_; }

  const std::vector<QRadioButton*>& deviceButtons() const { return buttons_; }
  // Under each greyed-out device button: why it cannot be chosen (null for
  // a button that is enabled).
  const std::vector<QLabel*>& whyLabels() const { return whyLabels_; }
  QRadioButton* otherButton() const { return other_; }
  QLineEdit* otherField() const { return otherField_; }

 public:
  void accept() override;

 private:
  std::string portName_;
  std::vector<std::string> paths_;
  std::vector<QRadioButton*> buttons_;
  std::vector<QLabel*> whyLabels_;
  QButtonGroup* group_ = nullptr;
  QRadioButton* other_ = nullptr;
  QLineEdit* otherField_ = nullptr;
  QCheckBox* logSerial_ = nullptr;
};

}  // namespace cps
