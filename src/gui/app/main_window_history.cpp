// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and Redo: the Edit items and toolbar buttons, the history over the
// image, and what shows again after a step is undone or redone.
#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>

#include "gui/app/main_window.h"
#include "gui/app/undo_history.h"
#include "gui/channels/channel_form.h"
#include "gui/channels/channel_table_view.h"

namespace cps {

namespace {

// Tells when a modal dialog starts or stops blocking the window.
class ModalWatch : public QObject {
 public:
  ModalWatch(QObject* parent, std::function<void(bool)> blocked) : QObject(parent), blocked_(std::move(blocked)) {}

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::WindowBlocked) blocked_(true);
    if (event->type() == QEvent::WindowUnblocked) blocked_(false);
    return false;
  }

 private:
  std::function<void(bool)> blocked_;
};

// `bare` without a step, else `withStep` naming it in place of %1.
QString MenuText(const QString& bare, const QString& withStep, const QString& step) {
  QString name = step;
  name.replace("&", "&&");
  return step.isEmpty() ? bare : withStep.arg(name);
}

}  // namespace

void CMainFrame::SetUpHistory() {
  history_ = new UndoHistory(image(), [this](const RadioImage& image) { doc_.Restore(image); }, this);
  connect(history_, &UndoHistory::changed, this, &CMainFrame::UpdateUndoActions);
  connect(history_, &UndoHistory::restored, this, &CMainFrame::AfterRestore);
  connect(&doc_, &CProgramDoc::replaced, history_, &UndoHistory::Clear);

  undoAction_ = new QAction(this);
  undoAction_->setObjectName("actionUndo");
  undoAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  undoAction_->setIcon(QIcon(":/icons/undo.svg"));
  undoAction_->setStatusTip(tr("Undo the last change"));
  redoAction_ = new QAction(this);
  redoAction_->setObjectName("actionRedo");
  redoAction_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  redoAction_->setIcon(QIcon(":/icons/redo.svg"));
  redoAction_->setStatusTip(tr("Redo the change undone last"));
  connect(undoAction_, &QAction::triggered, this, &CMainFrame::OnUndo);
  connect(redoAction_, &QAction::triggered, this, &CMainFrame::OnRedo);

  QAction* firstEdit = editMenu_->actions().value(0);
  editMenu_->insertAction(firstEdit, undoAction_);
  editMenu_->insertAction(firstEdit, redoAction_);
  editMenu_->insertSeparator(firstEdit);

  // Toolbar: after Save, in a group of their own.
  if (toolBar_) {
    const QList<QAction*> buttons = toolBar_->actions();
    const qsizetype save = buttons.indexOf(findChild<QAction*>("actionSave"));
    QAction* before = save >= 0 ? buttons.value(save + 1) : nullptr;
    toolBar_->insertAction(before, undoAction_);
    toolBar_->insertAction(before, redoAction_);
    toolBar_->insertSeparator(undoAction_);
  }

  if (form_) form_->setStepRunner(EditorSteps());
  installEventFilter(new ModalWatch(this, [this](bool blocked) {
    modalBlocked_ = blocked;
    UpdateUndoActions();
  }));
  UpdateUndoActions();
}

StepRunner CMainFrame::EditorSteps() {
  return [this](const QString& name, const std::function<void()>& change) {
    ImageStep step(*history_, name);
    change();
  };
}

void CMainFrame::UpdateUndoActions() {
  if (!undoAction_ || !redoAction_) return;
  const QString undo = history_->UndoName(), redo = history_->RedoName();
  //: %1 is the name of the step Undo takes back.
  undoAction_->setText(MenuText(tr("&Undo"), tr("&Undo %1"), undo));
  //: %1 is the name of the step Redo makes again.
  redoAction_->setText(MenuText(tr("&Redo"), tr("&Redo %1"), redo));
  undoAction_->setToolTip(MenuText(tr("Undo"), tr("Undo %1"), undo));
  redoAction_->setToolTip(MenuText(tr("Redo"), tr("Redo %1"), redo));
  undoAction_->setEnabled(!modalBlocked_ && history_->steps().CanUndo());
  redoAction_->setEnabled(!modalBlocked_ && history_->steps().CanRedo());
}

void CMainFrame::OnUndo() {
  if (modalBlocked_) return;
  // A cell still being edited is committed first: it is the step undone.
  if (form_) form_->view()->CommitOpenEditor();
  history_->Undo();
}

void CMainFrame::OnRedo() {
  if (modalBlocked_) return;
  // A cell still being edited is dropped, as Escape would: committing it
  // would be a new step and lose the step to redo.
  if (form_) form_->view()->CancelOpenEditor();
  history_->Redo();
}

void CMainFrame::AfterRestore(const QString& text) {
  statusBar()->showMessage(text, 5000);
}

}  // namespace cps
