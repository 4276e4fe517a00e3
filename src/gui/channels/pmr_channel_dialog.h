// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Pmr Channel": the channel table over the PMR records, with a "Channel
// edit" button (the channel dialog with the digital controls hidden) and a
// "Factory" button that reloads only the PMR records from the factory image.
#include <QDialog>
#include <functional>
#include <string>

#include "core/codec/frequency.h"
#include "core/image/radio_image.h"
#include "gui/widgets/step_runner.h"

class QPushButton;

namespace cps {

class ChannelTableActions;
class ChannelTableView;

class PmrChannelDialog : public QDialog {
  Q_OBJECT
 public:
  // `findFactoryFile` names the factory image at each press of "Factory"
  // (empty: there is none).
  PmrChannelDialog(RadioImage& image, BandLimits band, std::function<std::string()> findFactoryFile,
                   QWidget* parent = nullptr);

  ChannelTableView* view() const { return view_; }
  // Cut, Copy, Paste, Delete, Select All, Edit..., Bulk edit...: the
  // table's context menu.
  ChannelTableActions* actions() const { return actions_; }
  void OnChannelEdit();
  void OnFactory();
  // Committed cells, the channel dialog and "Factory" become steps through
  // `runner`.
  void setStepRunner(const StepRunner& runner);
  // Names the step that is open anew: a "Channel edit" close that only
  // stored the values in the form shown says so.
  void setStepRenamer(std::function<void(const QString&)> renamer) { renameStep_ = std::move(renamer); }

 public slots:
  // Every way of closing writes the table back.
  void done(int result) override;

 private:
  RadioImage& image_;
  BandLimits band_;
  std::function<std::string()> findFactoryFile_;
  ChannelTableView* view_;
  ChannelTableActions* actions_ = nullptr;
  StepRunner runStep_;
  std::function<void(const QString&)> renameStep_;
};

}  // namespace cps
