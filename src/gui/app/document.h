#pragma once
#include <QObject>
#include <QString>

#include "core/base/result.h"
#include "core/codec/frequency.h"
#include "core/image/radio_image.h"

namespace cps {

// The one document of the program: it owns the image every editor works on
// and moves it to and from files. Editors get a reference to image() and
// change it in place.
class CProgramDoc : public QObject {
  Q_OBJECT
 public:
  explicit CProgramDoc(QObject* parent = nullptr);

  RadioImage& image() { return image_; }
  const RadioImage& image() const { return image_; }

  // The file the document was opened from or saved to; empty for a new
  // document.
  const QString& path() const { return path_; }
  // What a first Save proposes / what the unsaved-changes question names.
  QString displayName() const;
  void setUntitledName(const QString& name) { untitledName_ = name; }

  // File, New: 0xFF, then "Default.dat" (may be empty: none) or the
  // built-in defaults.
  void New(const QString& defaultDatPath, const BandLimits& band = kBandUhf);
  // Reads the file; on failure nothing changes.
  Status Open(const QString& path);
  // Atomic write of the image as it is now; on failure the file on disk and
  // the document stay as they were.
  Status SaveAs(const QString& path);

  // Forgets the file name, so that Save asks for one (a backup opened as a
  // new document stays as it was kept).
  void ForgetPath() { path_.clear(); }

  // Marks the current bytes as the clean state (after a read from the radio).
  void MarkClean() { clean_ = image_; }
  bool Modified() const { return !(image_ == clean_); }

 signals:
  // The image was replaced as a whole (new, open, read).
  void imageReplaced();

 private:
  RadioImage image_;
  RadioImage clean_;
  QString path_;
  QString untitledName_ = "KD-4173";
};

}  // namespace cps
