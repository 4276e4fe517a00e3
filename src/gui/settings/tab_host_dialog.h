// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tab-host dialog of the settings: one tab per page, in the order they
// are added. Leaving a tab saves its page into the image, entering a tab
// loads its page again; closing the dialog (whatever closes it) saves every
// page, in the order they were added. There is no OK or Cancel: the image is
// edited in place. With swallowEnterEscape the Enter and Escape keys do
// nothing, so the dialog closes only through its close box.
//
//   TabHostDialog dlg("Basic setting", parent);
//   dlg.AddPage("Option", new SchemaPage(OptionPageSchema(), image));
//   dlg.exec();
#include <QDialog>
#include <vector>

#include "gui/settings/tab_page.h"

class QTabWidget;

namespace cps {

// Closing a dialog leaves the field being edited first, as a click elsewhere
// would, so its leave rule corrects the text before the page is stored: a
// value typed but never left must not reach the radio unchecked.
void LeaveFocusedField(QWidget* dialog);

class TabHostDialog : public QDialog {
  Q_OBJECT
 public:
  explicit TabHostDialog(const QString& caption, QWidget* parent = nullptr, bool swallowEnterEscape = true);
  ~TabHostDialog() override;

  // Takes ownership; the first page added is shown first.
  void AddPage(const QString& title, TabPage* page);
  QTabWidget* tabs() const { return tabs_; }
  TabPage* page(int i) const { return pages_[static_cast<std::size_t>(i)]; }
  int pageCount() const { return static_cast<int>(pages_.size()); }

  // Saves every page (also done when the dialog closes).
  void SaveAllPages();

  void done(int result) override;

 protected:
  // Stores every page, in the order they were added unless the dialog has
  // an order of its own.
  virtual void StorePages();
  bool pagesSaved() const { return saved_; }
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void OnCurrentChanged(int index);

  QTabWidget* tabs_;
  std::vector<TabPage*> pages_;
  int current_ = -1;
  bool swallow_;
  bool saved_ = false;
};

// A dialog that shows one page without tabs (Scan Info, Alarm): loaded when
// it opens, saved when it closes however it is closed. Enter and Escape
// close it in the ordinary way.
class PageDialog : public QDialog {
  Q_OBJECT
 public:
  PageDialog(const QString& caption, TabPage* page, QWidget* parent = nullptr);
  ~PageDialog() override;
  TabPage* page() const { return page_; }
  void done(int result) override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  TabPage* page_;
  bool saved_ = false;
};

}  // namespace cps
