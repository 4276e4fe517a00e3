// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/main_window.h"
#include "gui/app/language.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

#include "app_version.h"
#include "gui/app/password_dialog.h"
#include "gui/widgets/notes_dialog.h"
#include "gui/app/undo_history.h"
#include "gui/channels/channel_form.h"
#include "gui/channels/channel_table_actions.h"
#include "gui/channels/channel_table_view.h"
#include "gui/widgets/fit_to_screen.h"

namespace cps {

void InitResources();  // resources.cpp

namespace {
constexpr const char* kFileFilter = "*.dat (*.dat);;All files (*)";
}

void CMainFrame::UpdateTitle() {
  const QString name = doc_.path().isEmpty() ? QString(kUntitledName) : QFileInfo(doc_.path()).fileName();
  setWindowTitle(QString("%1[*] \u2014 %2 Software").arg(name, QString::fromStdString(settings_.modelName)));
  setWindowModified(doc_.core().Modified());
}

void CMainFrame::SetUpTableActions() {
  tableActions_ = new ChannelTableActions(form_->view(), "Channel", this);
  tableActions_->setEditHandler([this] { OnChannelEdit(); });
  QAction* first = findChild<QAction*>("actionScanInfo");
  tableActions_->AddTo(editMenu_, first);
  editMenu_->insertSeparator(first);
  connect(form_->view()->itemModel(), &ChannelTableItemModel::notice, this,
          [this](const QString& text) { statusBar()->showMessage(text, kStatusTimeout); });
}

CMainFrame::CMainFrame(AppSettings settings, QWidget* parent)
    : QMainWindow(parent), settings_(std::move(settings)), doc_(this) {
  InitResources();
  InstallDialogFitter(qApp);
  setWindowIcon(QIcon(":/icons/app.svg"));
  doc_.setUntitledName(QString::fromStdString(settings_.modelName));
  CreateMenus();
  CreateToolBar();
  statusBar()->showMessage("Ready");
  CreateCentralForm();
  SetUpHistory();
  SetUpTableActions();
  connect(&doc_, &CProgramDoc::replaced, this, &CMainFrame::UpdateTitle);
  connect(history_, &UndoHistory::changed, this, &CMainFrame::UpdateTitle);
  UpdateTitle();

  auto* access = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F11), this);
  connect(access, &QShortcut::activated, this, &CMainFrame::OnAccessCode);
  auto* factory = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F11), this);
  connect(factory, &QShortcut::activated, this, &CMainFrame::OnFactoryAccessCode);

  {
    // The frame fits the channel form, and the screen with its title bar.
    const QRect area = FitArea(this);
    const QSize fit = sizeHint();
    resize(std::min(area.width(), fit.width()), std::min(area.height(), fit.height()));
  }
  InitDesktop();  // the place of the last run, recent files, drops
}

CMainFrame::~CMainFrame() {
  // A cell editor still open would commit when the window's widget part
  // hides it, after the document and the history are gone: commit it now,
  // while both are alive.
  if (form_) {
    form_->view()->CommitOpenEditor();
    form_->setStepRunner({});
  }
}

void CMainFrame::CreateMenus() {
  QMenu* file = menuBar()->addMenu("&File");
  auto add = [this](QMenu* menu, const QString& text, auto slot, const QKeySequence& keys = {}) {
    QAction* a = menu->addAction(text);
    if (!keys.isEmpty()) a->setShortcut(keys);
    connect(a, &QAction::triggered, this, slot);
    return a;
  };
  add(file, "&New", &CMainFrame::OnFileNew, QKeySequence(Qt::CTRL | Qt::Key_N))->setObjectName("actionNew");
  add(file, "&Open...", &CMainFrame::OnFileOpen, QKeySequence(Qt::CTRL | Qt::Key_O))->setObjectName("actionOpen");
  add(file, "&Save", &CMainFrame::OnFileSave, QKeySequence(Qt::CTRL | Qt::Key_S))->setObjectName("actionSave");
  add(file, "Save &As...", &CMainFrame::OnFileSaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S))->setObjectName("actionSaveAs");
  QAction* printGroup = file->addSeparator();
  AddTextItems(file, printGroup);
  AddInteropMenuItems(file, printGroup);
  // The menu shows Ctrl+P, but no key is assigned to Print.
  QAction* print = add(file, "&Print...\tCtrl+P", &CMainFrame::OnFilePrint);
  print->setObjectName("actionPrint");
  add(file, "Print Pre&view", &CMainFrame::OnFilePrintPreview)->setObjectName("actionPrintPreview");
  add(file, "P&rint Setup...", &CMainFrame::OnFilePrintSetup)->setObjectName("actionPrintSetup");
  file->addSeparator();
  add(file, "E&xit", &QWidget::close, QKeySequence(Qt::CTRL | Qt::Key_Q))->setObjectName("actionExit");

  editMenu_ = menuBar()->addMenu("&Edit");
  add(editMenu_, "Scan Info", &CMainFrame::OnScanInfo)->setObjectName("actionScanInfo");
  add(editMenu_, "Basic setting", &CMainFrame::OnBasicSetting)->setObjectName("actionBasicSetting");
  add(editMenu_, "Alarm", &CMainFrame::OnAlarm)->setObjectName("actionAlarm");
  add(editMenu_, "DTMF", &CMainFrame::OnDtmf)->setObjectName("actionDtmf");
  add(editMenu_, "dPMR", &CMainFrame::OnDpmr)->setObjectName("actionDpmr");

  QMenu* program = menuBar()->addMenu("&Program");
  QAction* read = add(program, "&Read", &CMainFrame::OnRead, QKeySequence(Qt::CTRL | Qt::Key_R));
  read->setObjectName("actionRead");
  read->setStatusTip("Read Data From Radio");
  read->setToolTip("Read");
  QAction* write = add(program, "&Write", &CMainFrame::OnWrite, QKeySequence(Qt::CTRL | Qt::Key_W));
  write->setObjectName("actionWrite");
  write->setStatusTip("Write Data to Radio ");
  write->setToolTip("Write");
  AddLinkMenuItems(program);

  QMenu* view = menuBar()->addMenu("&View");
  QAction* toolbarToggle = view->addAction("&Toolbar");
  toolbarToggle->setObjectName("actionToolbar");
  toolbarToggle->setCheckable(true);
  toolbarToggle->setChecked(true);
  QAction* statusToggle = view->addAction("&Status Bar");
  statusToggle->setObjectName("actionStatusBar");
  statusToggle->setCheckable(true);
  statusToggle->setChecked(true);
  connect(toolbarToggle, &QAction::toggled, this, [this](bool on) { if (toolBar_) toolBar_->setVisible(on); });
  connect(statusToggle, &QAction::toggled, this, [this](bool on) { statusBar()->setVisible(on); });
  AddLanguageMenu(view, this);  // language.cpp

  QMenu* setting = menuBar()->addMenu("&Setting");
  add(setting, "Port", &CMainFrame::OnPortSetting)->setObjectName("actionPort");

  QMenu* help = menuBar()->addMenu("&Help");
  add(help, "&User guide", &CMainFrame::OnUserGuide, QKeySequence(Qt::Key_F1))->setObjectName("actionUserGuide");
  add(help, "&About ...", &CMainFrame::OnAbout)->setObjectName("actionAbout");
}

void CMainFrame::CreateToolBar() {
  toolBar_ = addToolBar("Toolbar");
  toolBar_->setObjectName("mainToolBar");
  toolBar_->setIconSize(QSize(16, 16));
  auto find = [this](const char* name) { return findChild<QAction*>(name); };
  // Drawn as SVG, so that they stay sharp at any scale.
  auto icon = [](const char* res, QStyle::StandardPixmap fallback) {
    QIcon i(res);
    return i.pixmap(16, 16).isNull() ? qApp->style()->standardIcon(fallback) : i;
  };
  find("actionNew")->setIcon(icon(":/icons/new.svg", QStyle::SP_FileIcon));
  find("actionOpen")->setIcon(icon(":/icons/open.svg", QStyle::SP_DialogOpenButton));
  find("actionSave")->setIcon(icon(":/icons/save.svg", QStyle::SP_DialogSaveButton));
  find("actionRead")->setIcon(icon(":/icons/read.svg", QStyle::SP_ArrowDown));
  find("actionWrite")->setIcon(icon(":/icons/write.svg", QStyle::SP_ArrowUp));
  find("actionAbout")->setIcon(icon(":/icons/about.svg", QStyle::SP_MessageBoxQuestion));
  // Fly-by prompts in the status bar.
  const std::pair<const char*, const char*> prompts[] = {
      {"actionNew", "Create a new document"},
      {"actionOpen", "Open an existing document"},
      {"actionSave", "Save the active document"},
      {"actionSaveAs", "Save the active document with a new name"},
      {"actionPrint", "Print the active document"},
      {"actionPrintPreview", "Display full pages"},
      {"actionPrintSetup", "Change the printer and printing options"},
      {"actionExit", "Quit the application; prompts to save documents"},
      {"actionAbout", "Display program information, version number and copyright"},
      {"actionUserGuide", "Open the user guide"},
      {"actionToolbar", "Show or hide the toolbar"},
      {"actionStatusBar", "Show or hide the status bar"},
  };
  for (const auto& [name, prompt] : prompts)
    if (QAction* a = find(name)) a->setStatusTip(prompt);
  find("actionNew")->setToolTip("New");
  find("actionOpen")->setToolTip("Open");
  find("actionSave")->setToolTip("Save");
  find("actionAbout")->setToolTip("About");
  toolBar_->addAction(find("actionNew"));
  toolBar_->addAction(find("actionOpen"));
  toolBar_->addAction(find("actionSave"));
  toolBar_->addSeparator();
  toolBar_->addAction(find("actionRead"));
  toolBar_->addAction(find("actionWrite"));
  toolBar_->addSeparator();
  toolBar_->addAction(find("actionAbout"));
  // Hidden or shown from the toolbar's own context menu: the View item
  // follows.
  connect(toolBar_->toggleViewAction(), &QAction::toggled, find("actionToolbar"), &QAction::setChecked);
}

void CMainFrame::ShowMessage(QWidget* parent, const QString& text, int icon) {
  QMessageBox box(static_cast<QMessageBox::Icon>(icon), "Program", text, QMessageBox::Ok, parent);
  box.exec();
}

// ---- documents ----------------------------------------------------------

void CMainFrame::NewDocument() {
  doc_.New(QString::fromStdString(settings_.DefaultDatPath()), CurrentBand());
}

bool CMainFrame::OpenDocument(const QString& path, bool remember) {
  std::vector<std::string> notes;
  Status st = doc_.Open(path, &notes);
  if (!st) {
    ShowMessage(this, QString("Failed to open document.\n%1").arg(QString::fromStdString(st.error())));
    return false;
  }
  if (remember) NoteRecentFile(path);
  // a file longer than an image: opened as a copy, Save asks for a name
  ShowNotes(this, "Open", "The file was opened as a new document; Save asks for a name.", notes);
  UpdateTitle();
  statusBar()->showMessage(QString("Opened %1").arg(QDir::toNativeSeparators(path)), kStatusTimeout);
  return true;
}

bool CMainFrame::SaveDocument(const QString& path) {
  Status st = doc_.SaveAs(path);
  if (!st) {
    ShowMessage(this, QString("Failed to save document %1.\n%2")
                          .arg(QFileInfo(path).fileName(), QString::fromStdString(st.error())));
    return false;
  }
  NoteRecentFile(path);
  UpdateTitle();
  statusBar()->showMessage(QString("Saved %1").arg(QDir::toNativeSeparators(path)), kStatusTimeout);
  return true;
}

bool CMainFrame::Save() {
  if (doc_.path().isEmpty()) {
    QFileDialog dlg(this, "Save As", QDir(DialogFolder()).filePath(QString::fromStdString(settings_.modelName) + ".dat"),
                    kFileFilter);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setDefaultSuffix("dat");
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return false;
    return SaveDocument(dlg.selectedFiles().first());
  }
  return SaveDocument(doc_.path());
}

bool CMainFrame::MaybeSave() {
  if (!doc_.Modified()) return true;
  QMessageBox box(QMessageBox::Warning, "Program", QString("Save changes to %1?").arg(doc_.displayName()),
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
  box.setDefaultButton(QMessageBox::Save);
  switch (box.exec()) {
    case QMessageBox::Save: return Save();
    case QMessageBox::Discard: return true;
    default: return false;
  }
}

void CMainFrame::OnFileNew() {
  if (!MaybeSave()) return;
  NewDocument();
}

void CMainFrame::OnFileOpen() {
  // Re-opening the file that is already open reads it again from disk, so
  // the question about unsaved changes comes first in every case.
  if (!MaybeSave()) return;
  QFileDialog dlg(this, "Open", DialogFolder(), kFileFilter);
  dlg.setAcceptMode(QFileDialog::AcceptOpen);
  dlg.setFileMode(QFileDialog::ExistingFile);
  dlg.setDefaultSuffix("dat");
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return;
  OpenDocument(dlg.selectedFiles().first());
}

void CMainFrame::OnFileSave() { Save(); }

void CMainFrame::OnFileSaveAs() {
  const QString proposed = doc_.path().isEmpty()
                               ? QDir(DialogFolder()).filePath(QString::fromStdString(settings_.modelName) + ".dat")
                               : doc_.path();
  QFileDialog dlg(this, "Save As", proposed, kFileFilter);
  dlg.setAcceptMode(QFileDialog::AcceptSave);
  dlg.setDefaultSuffix("dat");
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return;
  SaveDocument(dlg.selectedFiles().first());
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (!MaybeSave()) {
    event->ignore();
    return;
  }
  settings_.SavePort();
  SaveDesktopState();
  event->accept();
}

// ---- access codes --------------------------------------------------------

void CMainFrame::AddPmrChannelItem() {
  if (pmrChannelAction_) return;
  pmrChannelAction_ = editMenu_->addAction("PMR Channel");
  pmrChannelAction_->setObjectName("actionPmrChannel");
  connect(pmrChannelAction_, &QAction::triggered, this, &CMainFrame::OnPmrChannel);
}

void CMainFrame::OnAccessCode() {
  CPasswordDlg dlg(this);
  if (dlg.exec() == QDialog::Accepted) AddPmrChannelItem();
}

void CMainFrame::OnFactoryAccessCode() {
  CPasswordDlg dlg(this);
  if (dlg.exec() == QDialog::Accepted) OnFactoryAdjust();
}

}  // namespace cps
