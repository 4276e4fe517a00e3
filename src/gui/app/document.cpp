#include "gui/app/document.h"

#include <QFileInfo>

#include "core/image/image_file.h"
#include "core/image/new_image.h"

namespace cps {

CProgramDoc::CProgramDoc(QObject* parent) : QObject(parent) {}

QString CProgramDoc::displayName() const {
  return path_.isEmpty() ? untitledName_ : QFileInfo(path_).fileName();
}

void CProgramDoc::New(const QString& defaultDatPath, const BandLimits& band) {
  image_ = NewImage(defaultDatPath.toStdString(), band);
  clean_ = image_;
  path_.clear();
  emit imageReplaced();
}

Status CProgramDoc::Open(const QString& path) {
  RadioImage loaded = image_;
  Status st = LoadImageFile(path.toStdString(), loaded);
  if (!st) return st;
  image_ = loaded;
  clean_ = image_;
  path_ = QFileInfo(path).absoluteFilePath();
  emit imageReplaced();
  return st;
}

Status CProgramDoc::SaveAs(const QString& path) {
  Status st = SaveImageFile(path.toStdString(), image_);
  if (!st) return st;
  path_ = QFileInfo(path).absoluteFilePath();
  clean_ = image_;
  return st;
}

}  // namespace cps
