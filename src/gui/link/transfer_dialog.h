// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Read data" / "Write data" dialog: "Start" runs the transfer on a
// worker thread, the bar and the percent text follow it, "Exit" stops it
// after the current block. Messages are shown by this (the GUI) thread once
// the worker has reported; then the dialog closes.
#include <QDialog>
#include <functional>
#include <string>

#include "core/image/radio_image.h"
#include "core/link/serial_port.h"
#include "core/link/transfer.h"

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace cps {

class TransferDialog : public QDialog {
  Q_OBJECT
 public:
  // `image` is the program's image: a write sends it, a read replaces it
  // only when it completes. `openPort` is OpenRadioPort for the real port.
  TransferDialog(TransferDirection direction, RadioImage& image, PortOpener openPort, std::string portName,
                 int baud, QWidget* parent = nullptr);
  ~TransferDialog() override;

  // True after a transfer completed.
  bool succeeded() const { return succeeded_; }
  const TransferResult& transferResult() const { return result_; }

  // How a message is shown (default: the program's message box).
  std::function<void(QWidget* parent, const QString& text)> showMessage;
  // How the success of a verified write is shown (default: an information box).
  std::function<void(QWidget* parent, const QString& text)> showInformation;
  // Called on this thread with every image read completely from the radio
  // (a read, the read-back of a verify), before the dialog closes: the
  // backups.
  std::function<void(const RadioImage& read)> keepRead;

  // "Verify after write" (a write dialog only).
  void setVerify(bool on);
  bool verify() const;
  QCheckBox* verifyBox() const { return verifyBox_; }

  QPushButton* startButton() const { return start_; }
  QPushButton* exitButton() const { return exit_; }
  QProgressBar* progressBar() const { return bar_; }
  QLabel* percentLabel() const { return percent_; }

  // The message shown for a failed transfer (empty: none).
  static QString MessageFor(const TransferResult& result, TransferDirection direction);
  // The same, and for a write that stopped halfway: "<port> holds a partly
  // written image: write it again before use." (also after "Exit").
  static QString MessageFor(const TransferResult& result, TransferDirection direction, const std::string& portName);

 public slots:
  void OnStart();
  void OnExit();

 signals:
  // After the worker reported and any message was shown, just before the
  // dialog closes.
  void transferEnded();
  // The user changed "Verify after write".
  void verifyToggled(bool on);

 public:
  void reject() override;  // Esc and the close box act as "Exit"

 private:
  void OnFinished(const TransferResult& result);

  TransferDirection direction_;
  RadioImage& image_;
  PortOpener openPort_;
  std::string portName_;
  int baud_;
  TransferWorker worker_;
  bool running_ = false;  // started and not yet reported
  bool succeeded_ = false;
  TransferResult result_;
  QPushButton* start_ = nullptr;
  QPushButton* exit_ = nullptr;
  QProgressBar* bar_ = nullptr;
  QLabel* percent_ = nullptr;
  QCheckBox* verifyBox_ = nullptr;
};

}  // namespace cps
