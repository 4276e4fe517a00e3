// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document/document.h"

#include <filesystem>

#include "core/image/contact_repair.h"
#include "core/image/image_file.h"
#include "core/image/new_image.h"

namespace cps {

Document::Document() { MarkClean(); }

void Document::New(const std::string& defaultDatPath, const BandLimits& band) {
  image_ = NewImage(defaultDatPath, band);
  path_.clear();
  AfterOpen();
}

Status Document::Open(const std::string& path, std::vector<std::string>* notes) {
  RadioImage loaded = image_;
  std::uint64_t size = 0;
  Status st = LoadImageFile(path, loaded, &size);
  if (!st) return st;
  image_ = loaded;
  if (size == kImageSize) {
    SetPath(path);
  } else {
    path_.clear();
    if (notes) notes->push_back(path + ": " + ForeignSizeNote(size));
  }
  AfterOpen();
  return st;
}

RadioImage Document::OpenedForm(const RadioImage& bytes) {
  Document doc;
  doc.image_ = bytes;
  doc.AfterOpen();
  return doc.SavedForm();
}

void Document::AfterOpen() {
  table_.Load(image_);
  RepairContactNames(image_);
  RepairContactReferences(image_);
  MarkClean();
}

void Document::SetPath(const std::string& path) {
  std::error_code ec;
  const auto absolute = std::filesystem::absolute(path, ec);
  path_ = ec ? path : absolute.lexically_normal().string();
}

void Document::AfterRead() {
  table_.Load(image_);
  RepairContactReferences(image_);
  RepairContactNames(image_);
  MarkClean();
}

Status Document::LoadFactory(const std::string& path) {
  Status st = LoadFactoryImage(path, image_);
  if (!st) return st;
  table_.Load(image_);
  return st;
}

RadioImage Document::SavedForm() const {
  RadioImage saved = image_;
  ChannelTable table = table_;
  table.WriteBack(saved);
  return saved;
}

Status Document::Save(const std::string& path) {
  // The write-back goes into copies first, so that a failed write leaves
  // the document as it was.
  RadioImage saved = image_;
  ChannelTable table = table_;
  table.WriteBack(saved);
  Status st = SaveImageFile(path, saved);
  if (!st) return st;
  image_ = saved;
  table_ = table;
  SetPath(path);
  clean_ = image_;
  return st;
}

bool Document::Modified() const { return !(SavedForm() == clean_); }

}  // namespace cps
