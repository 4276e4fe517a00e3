// SPDX-License-Identifier: GPL-3.0-or-later
// The Help menu: the user guide and the About box.
#include <QApplication>
#include <QDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app_version.h"
#include "gui/app/main_window.h"
#include "gui/app/user_guide.h"

namespace cps {

void CMainFrame::OnUserGuide() {
  const QString path = FindUserGuide(QCoreApplication::applicationDirPath());
  if (path.isEmpty()) {
    ShowMessage(this, tr("The user guide is not installed.\nIt is docs/user-guide.md in the program's source, or user-guide.md in its documentation folder."));
    return;
  }
  UserGuideDialog dialog(path, this);
  dialog.exec();
}

void CMainFrame::OnAbout() {
  QDialog dlg(this);
  dlg.setWindowTitle(tr("About"));
  auto* layout = new QVBoxLayout(&dlg);
  auto* row = new QHBoxLayout;
  auto* icon = new QLabel;
  icon->setPixmap(windowIcon().pixmap(32, 32));
  row->addWidget(icon, 0, Qt::AlignTop);
  auto* text = new QVBoxLayout;
  //: %1 is the radio model.
  auto* name = new QLabel(tr("%1 Software").arg(QString::fromStdString(settings_.modelName)));
  name->setObjectName("programLabel");
  text->addWidget(name);
  auto* version = new QLabel(tr("Version %1").arg(QLatin1String(kVersion)));
  version->setObjectName("versionLabel");
  text->addWidget(version);
  auto* licence = new QLabel(
      tr("Free software under the GNU General Public License,\nversion 3 or any later version (GPL-3.0-or-later)."));
  licence->setObjectName("licenceLabel");
  text->addWidget(licence);
  auto* guide = new QLabel(tr("<a href=\"guide\">User guide</a> (F1)"));
  guide->setObjectName("guideLink");
  guide->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  bool openGuide = false;
  connect(guide, &QLabel::linkActivated, &dlg, [&] {
    openGuide = true;
    dlg.accept();
  });
  text->addWidget(guide);
  row->addLayout(text);
  layout->addLayout(row);
  auto* ok = new QPushButton(tr("OK"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, &dlg, &QDialog::accept);
  layout->addWidget(ok, 0, Qt::AlignRight);
  dlg.exec();
  if (openGuide) OnUserGuide();
}

}  // namespace cps
