// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The factory adjustment dialog "可调节参数": the tabs "Tx", "Rx" and "DTMF"
// over the calibration block of the image, and the buttons "Read" and
// "Write" that exchange that block with the radio directly.
//
//   FactoryAdjustDialog dlg(image, OpenRadioPort, settings.portName, settings.baudRate, parent);
//   dlg.exec();
//
// The pages behave as every settings tab dialog: a tab stores its page when
// it is left and loads it when it is entered, and closing stores them all.
// "Read" fetches the block from the radio and shows it on all three pages;
// a read that fails changes nothing. "Write" stores the three pages first
// and sends the block. The exchange runs on a thread of its own; while it
// runs the pages and buttons are disabled and the dialog does not close.
#include <QString>
#include <functional>
#include <string>

#include "core/image/radio_image.h"
#include "core/link/factory_exchange.h"
#include "core/link/serial_port.h"
#include "core/link/transfer.h"
#include "gui/settings/tab_host_dialog.h"
#include "gui/widgets/step_runner.h"

class QPushButton;

namespace cps {

class SchemaPage;

class FactoryAdjustDialog : public TabHostDialog {
  Q_OBJECT
 public:
  FactoryAdjustDialog(RadioImage& image, PortOpener openPort, std::string portName, int baud,
                      QWidget* parent = nullptr);
  ~FactoryAdjustDialog() override;

  // How the outcome of an exchange is shown (default: a message box with
  // the caption "Program" and an "OK" button). `success` picks the icon.
  std::function<void(QWidget* parent, const QString& text, bool success)> showMessage;
  // A successful "Read" changes the image as one step through this runner.
  StepRunner runStep;
  // Called with the image after a successful read (the backups).
  std::function<void(const RadioImage& read)> keepRead;

  QPushButton* readButton() const { return read_; }
  QPushButton* writeButton() const { return write_; }
  SchemaPage* schemaPage(int i) const;
  // True from a click on Read or Write until its message has been shown.
  bool busy() const { return busy_; }

  // The text shown after an exchange: the radio's own message, and for a
  // failure the reason under it.
  static QString MessageFor(const TransferResult& result, FactoryDirection direction);

  void done(int result) override;  // ignored while an exchange runs

 public slots:
  void OnFactoryRead();
  void OnFactoryWrite();

 signals:
  // After an exchange ended, its message was shown and (after a read) the
  // pages were loaded again.
  void exchangeEnded(bool success);

 private:
  void Start(FactoryDirection direction);
  void OnFinished(FactoryDirection direction, const TransferResult& result);
  void SetBusy(bool busy);

  RadioImage& image_;
  PortOpener openPort_;
  std::string portName_;
  int baud_;
  QPushButton* read_ = nullptr;
  QPushButton* write_ = nullptr;
  bool busy_ = false;
  TransferWorker worker_;
};

}  // namespace cps
