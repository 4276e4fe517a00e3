// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/document.h"

#include <QFileInfo>

namespace cps {

CProgramDoc::CProgramDoc(QObject* parent) : QObject(parent) {}

QString CProgramDoc::displayName() const {
  return doc_.path().empty() ? untitledName_ : QFileInfo(path()).fileName();
}

void CProgramDoc::New(const QString& defaultDatPath, const BandLimits& band) {
  emit tableSyncing();
  doc_.New(defaultDatPath.toStdString(), band);
  emit tableLoaded();
  emit replaced();
}

Status CProgramDoc::Open(const QString& path, std::vector<std::string>* notes) {
  emit tableSyncing();
  Status st = doc_.Open(path.toStdString(), notes);
  if (st) {
    emit tableLoaded();
    emit replaced();
  }
  return st;
}

void CProgramDoc::AfterRead() {
  emit tableSyncing();
  doc_.AfterRead();
  emit tableLoaded();
}

Status CProgramDoc::LoadFactory(const QString& path) {
  emit tableSyncing();
  Status st = doc_.LoadFactory(path.toStdString());
  if (st) emit tableLoaded();
  return st;
}

Status CProgramDoc::SaveAs(const QString& path) {
  emit tableSyncing();
  return doc_.Save(path.toStdString());
}

void CProgramDoc::BeforeWrite() {
  emit tableSyncing();
  doc_.BeforeWrite();
}

void CProgramDoc::BeforeScanInfo() {
  emit tableSyncing();
  doc_.BeforeScanInfo();
}

void CProgramDoc::BeforeChannelDialog() {
  emit tableSyncing();
  doc_.BeforeChannelDialog();
}

void CProgramDoc::AfterChannelDialog() {
  emit tableSyncing();
  doc_.AfterChannelDialog();
  emit tableLoaded();
}

void CProgramDoc::Restore(const RadioImage& image) {
  emit tableSyncing();
  doc_.Restore(image);
  emit tableLoaded();
}

bool CProgramDoc::Modified() {
  emit tableSyncing();
  return doc_.Modified();
}

}  // namespace cps
