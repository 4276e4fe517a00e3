// SPDX-License-Identifier: GPL-3.0-or-later
// The Edit menu's settings commands open their dialogs on the document's
// image and keep what was changed.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QTemporaryDir>

#include "gui/app/main_window.h"
#include "gui/settings/schema_page.h"
#include "gui/settings/settings_dialogs.h"
#include "gui_test_util.h"

namespace cps {
namespace {

using cps::testing::OnNextModal;

TEST(SettingsMenu, EachCommandOpensItsDialog) {
  QTemporaryDir dir;
  CMainFrame w(AppSettings::Load(dir.path().toStdString()));
  w.NewDocument();
  struct Case { void (CMainFrame::*slot)(); const char* title; };
  const Case cases[] = {{&CMainFrame::OnBasicSetting, "Basic setting"}, {&CMainFrame::OnScanInfo, "Scan Info"},
                        {&CMainFrame::OnAlarm, "Alarm"}, {&CMainFrame::OnDtmf, "DTMF"}};
  for (const auto& c : cases) {
    QString seen;
    OnNextModal([&seen](QWidget* modal) {
      seen = modal->windowTitle();
      if (auto* alarm = qobject_cast<CAlarmDlg*>(modal)) {
        auto* type = qobject_cast<QComboBox*>(alarm->form()->control("alarm_type"));
        type->setCurrentIndex(type->findText("Secret"));
      }
      modal->close();
    });
    (w.*c.slot)();
    EXPECT_EQ(seen, c.title);
  }
  EXPECT_EQ(w.image().Byte(0x350), 3);
}

}  // namespace
}  // namespace cps
