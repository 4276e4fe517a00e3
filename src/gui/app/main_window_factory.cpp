// SPDX-License-Identifier: GPL-3.0-or-later
// The hidden factory adjustment dialog (Ctrl+Shift+F11 and the access code).
#include <QMessageBox>

#include "gui/app/main_window.h"
#include "gui/app/undo_history.h"
#include "gui/factory/factory_adjust_dialog.h"

namespace cps {

void CMainFrame::OnFactoryAdjust() {
  FactoryAdjustDialog dlg(image(), LinkOpener(settings().portName), settings().portName, settings().baudRate, this);
  dlg.keepRead = [this](const RadioImage& read) { KeepBackup(read, settings().portName); };
  dlg.showMessage = [](QWidget* parent, const QString& text, bool success) {
    ShowMessage(parent, text, success ? QMessageBox::Information : QMessageBox::Warning);
  };
  dlg.runStep = EditorSteps();
  ImageStep step(history(), dlg.windowTitle());
  dlg.exec();
}

}  // namespace cps
