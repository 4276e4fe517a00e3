// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <QString>
#include <string>
#include <vector>

#include "core/base/result.h"
#include "core/codec/frequency.h"
#include "core/document/document.h"

namespace cps {

// The program's document as the window sees it: the core Document (image,
// channel table, clean state, the write-back moments) with signals for the
// views. Editors get a reference to image() and change it in place.
class CProgramDoc : public QObject {
  Q_OBJECT
 public:
  explicit CProgramDoc(QObject* parent = nullptr);

  Document& core() { return doc_; }
  RadioImage& image() { return doc_.image(); }
  const RadioImage& image() const { return doc_.image(); }
  ChannelTable& table() { return doc_.table(); }
  const ChannelTable& table() const { return doc_.table(); }

  // The file the document was opened from or saved to; empty for a new
  // document.
  QString path() const { return QString::fromStdString(doc_.path()); }
  // What a first Save proposes / what the unsaved-changes question names.
  QString displayName() const;
  void setUntitledName(const QString& name) { untitledName_ = name; }

  // File, New: 0xFF, then "Default.dat" (may be empty: none) or the
  // built-in defaults.
  void New(const QString& defaultDatPath, const BandLimits& band = kBandUhf);
  // Reads the file; on failure nothing changes. A file longer than an image
  // opens with a note in `notes` and belongs to no file afterwards.
  Status Open(const QString& path, std::vector<std::string>* notes = nullptr);
  // After a successful read from the radio.
  void AfterRead();
  // Forgets the file name, so that Save asks for one (a backup opened as a
  // new document stays as it was kept).
  void ForgetPath() { doc_.ForgetPath(); }
  // "Factroy": the whole image from `path`; on failure nothing changes.
  Status LoadFactory(const QString& path);
  // The table's write-back, then an atomic write of the image; on failure
  // the file on disk and the document stay as they were.
  Status SaveAs(const QString& path);

  // The moments the channel table is written back or loaded again.
  void BeforeWrite();
  void BeforeScanInfo();
  void BeforeChannelDialog();
  void AfterChannelDialog();
  // Undo / Redo put back the image a step left behind.
  void Restore(const RadioImage& image);

  // Whether Save would write other bytes than were last created, opened,
  // read or saved (a cell still being edited counts).
  bool Modified();

 signals:
  // The channel table is about to be written back or loaded: a view
  // commits the cell editor it has open.
  void tableSyncing();
  // The channel table was loaded from the image (new, open, read, factory
  // load, after the channel dialog): views show it again.
  void tableLoaded();
  // New or Open replaced the document (a read from the radio does not).
  void replaced();

 private:
  Document doc_;
  QString untitledName_ = "KD-4173";
};

}  // namespace cps
