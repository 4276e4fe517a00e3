// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QTemporaryDir>

#include "gui/app/main_window.h"
#include "gui/dpmr/dpmr_param_dialog.h"
#include "gui/settings/schema_page.h"
#include "gui_test_util.h"

namespace cps {
namespace {

// Edit, dPMR opens the dialog on the document's image; an edit made in it is
// in the image once the dialog is closed.
TEST(DpmrEditMenu, OpensTheDialogOnTheDocumentImage) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  CMainFrame w(AppSettings::Load(dir.path().toStdString()));
  auto* action = w.findChild<QAction*>("actionDpmr");
  ASSERT_NE(action, nullptr);
  QString title;
  cps::testing::OnNextModal([&](QWidget* modal) {
    auto* dlg = qobject_cast<CDpmrParamDlg*>(modal);
    if (!dlg) return;
    title = dlg->windowTitle();
    dlg->basicPage()->lineEdit("radio_name")->setText("Home");
    dlg->close();
  });
  action->trigger();
  EXPECT_EQ(title, "dPMR param");
  EXPECT_EQ(w.image().Byte(0x3F88), 'H');
  EXPECT_EQ(w.image().Byte(0x3F8C), 0xFF);
}

}  // namespace
}  // namespace cps
