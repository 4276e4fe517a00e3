// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The central form of the main window: the band selector "Freq range", the
// "Channel edit" and "Factroy" buttons, and the channel table.
#include <QWidget>
#include <functional>
#include <memory>

#include "core/codec/frequency.h"
#include "core/image/radio_image.h"
#include "gui/widgets/step_runner.h"

class QComboBox;
class QPrinter;
class QPushButton;

namespace cps {

class ChannelTable;
class ChannelTableView;

class ChannelForm : public QWidget {
  Q_OBJECT
 public:
  // `table`: the main channel table, kept by the document.
  ChannelForm(RadioImage& image, ChannelTable& table, QWidget* parent = nullptr);
  ~ChannelForm() override;

  ChannelTableView* view() const { return view_; }
  QComboBox* bandSelector() const { return band_; }

  // The table was loaded from the image: show it and its band again.
  void Refresh();
  // The band the channel editors clamp to.
  BandLimits band() const;
  // The table's current row (1..16).
  int CurrentChannel() const;
  // The receive cell of a row, as the table shows it.
  QString RxText(int row) const;

  // The printer of File, Print / Print Preview / Print Setup, kept for the
  // program's life so that the page setup is remembered.
  QPrinter& printer();

  // Asks before a band change clears the channels; replaceable for tests.
  void setConfirm(std::function<bool(const QString&)> confirm) { confirm_ = std::move(confirm); }
  // Committed cells and band changes become steps through `runner`.
  void setStepRunner(const StepRunner& runner);
  // Asks `question` the way a band change does.
  bool Confirm(const QString& question) const { return confirm_(question); }

 signals:
  void channelEditRequested();
  void factoryRequested();

 private:
  void OnBandActivated(int index);
  void ShowBandIndex();

  RadioImage& image_;
  QComboBox* band_;
  QPushButton* channelEdit_;
  QPushButton* factory_;
  ChannelTableView* view_;
  std::function<bool(const QString&)> confirm_;
  StepRunner runStep_;
  std::unique_ptr<QPrinter> printer_;
};

// The question asked before a band change.
// The step of a band change: the selector's caption.
// The "Factroy" button, also the name of its step.
// Marked for the catalogues under "cps::ChannelForm": shown through ChannelForm::tr.
inline constexpr const char* kFactoryButtonText = QT_TRANSLATE_NOOP("cps::ChannelForm", "Factroy");
inline constexpr const char* kBandStepName = QT_TRANSLATE_NOOP("cps::ChannelForm", "Freq range");
inline constexpr const char* kBandChangeQuestion =
    QT_TRANSLATE_NOOP("cps::ChannelForm", "Changing the band clears all 16 channels. Continue?");

}  // namespace cps
