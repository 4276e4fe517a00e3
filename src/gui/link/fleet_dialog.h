// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Write to several radios": the image goes into every chosen port at
// once, each radio on its own thread, with a progress bar and a result per
// port. "Stop" stops all; a failing radio never stops the others. Each
// radio may get its own dPMR radio id (N, N+1, ... in port order).
#include <QDialog>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/image/radio_image.h"
#include "core/link/fleet.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace cps {

class FleetDialog : public QDialog {
  Q_OBJECT
 public:
  // `image` is what every radio gets (each its own copy); `ports` are the
  // detected devices offered with a check box, `current` the chosen port
  // (checked).
  FleetDialog(const RadioImage& image, PortOpener openPort, int baud, std::vector<std::string> ports,
              const std::string& current, QWidget* parent = nullptr);
  ~FleetDialog() override;

  // How a refusal is shown (default: the program's message box).
  std::function<void(QWidget* parent, const QString& text)> showMessage;
  // Called on this thread with every verify read-back and its port: the backups.
  std::function<void(const RadioImage& read, const std::string& port)> keepRead;

  void setVerify(bool on);
  bool running() const { return running_; }
  // The checked ports, in list order.
  std::vector<std::string> chosenPorts() const;
  // Adds a device path to the list, checked.
  void AddPort(const std::string& path);
  // What the dialog showed when a write was last started: those ports
  // checked (added when not detected) and the first id, its box checked
  // when not empty.
  void Restore(const std::vector<std::string>& ports, const std::string& firstId);
  // The ports and first id ("" none) of the last write started; no ports
  // when none was started.
  const std::vector<std::string>& startedPorts() const { return started_; }
  const std::string& startedFirstId() const { return startedFirstId_; }

  QListWidget* portList() const { return ports_; }
  QLineEdit* pathField() const { return path_; }
  QCheckBox* idBox() const { return idBox_; }
  QLineEdit* idField() const { return idField_; }
  QCheckBox* verifyBox() const { return verifyBox_; }
  QTableWidget* table() const { return table_; }
  QPushButton* startButton() const { return start_; }
  QPushButton* stopButton() const { return stop_; }
  QLabel* summary() const { return summary_; }

 public slots:
  void OnStart();
  void OnStop();

 signals:
  void verifyToggled(bool on);
  // Every radio has finished.
  void fleetEnded();

 public:
  void reject() override;  // Esc and the close box: stop first

 private:
  void AddTyped();
  void OnRadioFinished(std::size_t radio, const FleetOutcome& outcome);

  RadioImage image_;
  int baud_;
  TransferFleet fleet_;
  std::vector<std::string> started_;  // ports of the running fleet
  std::string startedFirstId_;
  std::size_t finished_ = 0;
  bool running_ = false;
  QListWidget* ports_ = nullptr;
  QLineEdit* path_ = nullptr;
  QCheckBox* idBox_ = nullptr;
  QLineEdit* idField_ = nullptr;
  QCheckBox* verifyBox_ = nullptr;
  QTableWidget* table_ = nullptr;
  QPushButton* start_ = nullptr;
  QPushButton* stop_ = nullptr;
  QPushButton* close_ = nullptr;
  QLabel* summary_ = nullptr;
};

}  // namespace cps
