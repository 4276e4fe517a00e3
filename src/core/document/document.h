// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one document of the program: the image every editor works on, the
// main channel table that holds the user's cell edits between two
// write-backs, the file it belongs to and the bytes it was last saved as.
// dpmr-cps (through CProgramDoc) and dpmr-cli both go through it, so a file
// opened, edited and saved by either comes out byte for byte the same.
//
//   Document doc;
//   doc.Open("radio.dat");              // load, table, repair passes
//   doc.table().CommitFrequency(doc.image(), 3, kColRxFreq, "438.5");
//   doc.BeforeScanInfo();               // the scan lists see the edit
//   doc.Save("radio.dat");              // write-back, atomic write
//
// The table is written back into the image at named moments only: before a
// save, before a write to the radio, before Scan Info opens and before the
// channel dialog opens; and where the window keeps an undo history, with
// each change of the table that is a step (a committed cell, a band change),
// so that the step holds the change in image bytes. It is loaded from the image after New, Open, a read
// from the radio, "Factroy" and the channel dialog. Between those moments
// the image may differ from what the table shows (the stored band limits
// stay in force, the dPMR fields the write-back overwrites keep the file's
// values), exactly as the editors see it.
#include <string>
#include <vector>

#include "core/base/result.h"
#include "core/channels/channel_table.h"
#include "core/codec/frequency.h"
#include "core/image/radio_image.h"

namespace cps {

class Document {
 public:
  Document();

  RadioImage& image() { return image_; }
  const RadioImage& image() const { return image_; }
  // The main channel table (band selector and 16 rows).
  ChannelTable& table() { return table_; }
  const ChannelTable& table() const { return table_; }
  // The file opened or last saved (absolute); empty for a new document.
  const std::string& path() const { return path_; }

  // ---- the image comes in ----
  // File, New: 0xFF, then `defaultDatPath` (empty: none) or the built-in
  // defaults for `band`; then as after Open.
  void New(const std::string& defaultDatPath, const BandLimits& band = kBandUhf);
  // File, Open: the file's first 16384 bytes, the table loads, then the
  // contact names and the contact references are repaired (in that order).
  // A longer file is no image of this radio: `notes` gets "PATH: not a
  // radio image of this model: ..." and the document belongs to no file,
  // so that Save asks for a name instead of cutting the file down.
  // On failure the document is as it was.
  Status Open(const std::string& path, std::vector<std::string>* notes = nullptr);
  // The image File, Open makes of `bytes` (the table loads, the repair
  // passes run), as Save would then write it.
  static RadioImage OpenedForm(const RadioImage& bytes);
  // The document no longer belongs to its file: Save asks for a name
  // (a file opened as a copy, such as a backup of a read).
  void ForgetPath() { path_.clear(); }
  // A read from the radio filled image(): the table loads, then the
  // contact references and the contact names are repaired (in that order).
  void AfterRead();
  // "Factroy": the whole image from `path`, then the table loads. On failure
  // the document is as it was.
  Status LoadFactory(const std::string& path);

  // ---- the moments the table is written back / loaded again ----
  void BeforeWrite() { WriteBackTable(); }
  void BeforeScanInfo() { WriteBackTable(); }
  void BeforeChannelDialog() { WriteBackTable(); }
  void AfterChannelDialog() { table_.Load(image_); }
  // Undo / Redo: the image a step left behind comes back, the table loads.
  void Restore(const RadioImage& image) {
    image_ = image;
    table_.Load(image_);
  }

  // File, Save and Save As: the table's write-back, then the atomic write
  // of the image. On failure neither the document nor the file changes.
  Status Save(const std::string& path);

  // True when Save would now write other bytes than the document had when
  // it was created, opened, read or last saved.
  bool Modified() const;
  // The image as Save would write it now (the table written back).
  RadioImage SavedForm() const;

 private:
  void WriteBackTable() { table_.WriteBack(image_); }
  // After New and Open: the table loads, the contact names and then the
  // contact references are repaired, and that is the clean state.
  void AfterOpen();
  // The absolute form of `path`, as far as it can be made.
  void SetPath(const std::string& path);
  void MarkClean() { clean_ = SavedForm(); }

  RadioImage image_;
  ChannelTable table_;
  RadioImage clean_;
  std::string path_;
};

}  // namespace cps
