// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The radio settings dialogs of the Edit menu. Each edits the image in
// place: pages load when they open and save when they close.
#include <QString>

#include "core/image/radio_image.h"
#include "gui/settings/tab_host_dialog.h"

namespace cps {

class SchemaPage;
class CSideKeyPage;
class CDtmfContactPage;

// "Basic setting": tabs "Option", "Side Key", "Tone and Light".
class CBasicSettingDlg : public TabHostDialog {
  Q_OBJECT
 public:
  CBasicSettingDlg(RadioImage& image, const QString& bitmapDirectory, QWidget* parent = nullptr);
  SchemaPage* optionPage() const;
  CSideKeyPage* sideKeyPage() const;
  SchemaPage* toneLightPage() const;
};

// "Scan Info": one page. The caller writes the channel table back first so
// that the channel lists see it as edited.
class CScanInfoDlg : public PageDialog {
  Q_OBJECT
 public:
  explicit CScanInfoDlg(RadioImage& image, QWidget* parent = nullptr);
  SchemaPage* form() const;
};

// "Alarm": one page in two columns.
class CAlarmDlg : public PageDialog {
  Q_OBJECT
 public:
  explicit CAlarmDlg(RadioImage& image, QWidget* parent = nullptr);
  SchemaPage* form() const;
};

// "DTMF": tabs "Encode", "Decode", "Contact".
class CDtmfDlg : public TabHostDialog {
  Q_OBJECT
 public:
  CDtmfDlg(RadioImage& image, QWidget* parent = nullptr);
  SchemaPage* encodePage() const;
  SchemaPage* decodePage() const;
  CDtmfContactPage* contactPage() const;
};

}  // namespace cps
