// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/link/backups.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <mutex>

#include "core/dpmr/dpmr_basic_page.h"
#include "core/image/image_file.h"
#include "core/schema/schema.h"

namespace cps {

namespace fs = std::filesystem;

namespace {
// Several transfers may keep their reads at once.
std::mutex gFolderMutex;

bool Digits(std::string_view s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "YYYYMMDD-HHMMSS-<port><extension>": the port part, or empty when the
// name is not one of ours.
std::string PortPart(std::string_view name, std::string_view extension) {
  constexpr std::size_t kStamp = 16;  // "YYYYMMDD-HHMMSS-"
  if (name.size() <= kStamp + extension.size() || !name.ends_with(extension)) return {};
  if (!Digits(name.substr(0, 8)) || name[8] != '-' || !Digits(name.substr(9, 6)) || name[15] != '-') return {};
  std::string_view port = name.substr(kStamp, name.size() - kStamp - extension.size());
  // A second file of the same second: "<port>+2"; '+' never stands in a port part.
  if (const std::size_t plus = port.rfind('+'); plus != std::string_view::npos && plus > 0 &&
                                                 Digits(port.substr(plus + 1)))
    port = port.substr(0, plus);
  return std::string(port);
}

std::string FieldText(const PageSchema& page, std::string_view key, const RadioImage& image) {
  for (const Field& f : page.fields)
    if (f.key == key) return f.load(image).text;
  return {};
}
}  // namespace

std::string PortFileName(std::string_view portName) {
  std::string name(portName);
  for (std::string_view prefix : {"/dev/", "\\\\.\\"})
    if (name.starts_with(prefix)) name = name.substr(prefix.size());
  for (char& c : name) {
    if (c == '/' || c == '\\') c = '-';
    else if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-' && c != '_' && c != '.') c = '_';
  }
  name.erase(0, name.find_first_not_of('-'));
  return name.empty() ? "port" : name;
}

std::string DatedFileName(std::time_t when, std::string_view portName, std::string_view extension) {
  std::tm local{};
  localtime_r(&when, &local);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S-", &local);
  return stamp + PortFileName(portName) + std::string(extension);
}

std::vector<DatedFile> ListDatedFiles(const std::string& folder, std::string_view extension) {
  std::vector<DatedFile> files;
  std::error_code ec;
  for (const fs::directory_entry& e : fs::directory_iterator(folder, ec)) {
    const std::string name = e.path().filename().string();
    std::string port = PortPart(name, extension);
    if (port.empty() || !e.is_regular_file(ec)) continue;
    DatedFile f;
    f.path = e.path().string();
    f.time = name.substr(0, 4) + "-" + name.substr(4, 2) + "-" + name.substr(6, 2) + " " + name.substr(9, 2) + ":" +
             name.substr(11, 2) + ":" + name.substr(13, 2);
    f.port = std::move(port);
    f.size = e.file_size(ec);
    files.push_back(std::move(f));
  }
  // The name begins with the time: newest first is the names backwards;
  // within a second, "-2" came after the plain name.
  std::sort(files.begin(), files.end(), [](const DatedFile& a, const DatedFile& b) {
    if (a.time != b.time) return a.time > b.time;
    if (a.path.size() != b.path.size()) return a.path.size() > b.path.size();
    return a.path > b.path;
  });
  return files;
}

Result<std::string> ReserveDatedFile(const std::string& folder, std::time_t when, std::string_view portName,
                                     std::string_view extension, std::size_t keep) {
  std::lock_guard lock(gFolderMutex);
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ec) return Error{"cannot create the folder " + folder + ": " + ec.message()};
  const std::string name = DatedFileName(when, portName, extension);
  const std::string stem = name.substr(0, name.size() - extension.size());
  fs::path path = fs::path(folder) / name;
  for (int n = 2; fs::exists(path, ec); ++n) path = fs::path(folder) / (stem + "+" + std::to_string(n) + std::string(extension));
  const std::vector<DatedFile> existing = ListDatedFiles(folder, extension);
  for (std::size_t i = keep > 0 ? keep - 1 : 0; i < existing.size(); ++i) fs::remove(existing[i].path, ec);
  return path.string();
}

RadioIdentity IdentifyRadio(const RadioImage& image) {
  const PageSchema& page = DpmrBasicPageSchema();
  return {FieldText(page, "radio_name", image), FieldText(page, "radio_id", image)};
}

std::vector<Backup> ListBackups(const std::string& folder) {
  std::vector<Backup> backups;
  for (DatedFile& f : ListDatedFiles(folder, ".dat")) {
    Backup b;
    RadioImage image;
    if (Status st = LoadImageFile(f.path, image); st) {
      b.radio = IdentifyRadio(image);
      b.readable = true;
    } else {
      b.problem = st.error();
    }
    b.file = std::move(f);
    backups.push_back(std::move(b));
  }
  return backups;
}

std::vector<Backup> ListBackups(const std::string& folder, const std::string& strayFolder) {
  std::vector<Backup> list = ListBackups(folder);
  if (strayFolder.empty()) return list;
  for (Backup& b : ListBackups(strayFolder)) {
    b.stray = true;
    list.push_back(std::move(b));
  }
  std::stable_sort(list.begin(), list.end(), [](const Backup& a, const Backup& b) { return a.file.time > b.file.time; });
  return list;
}

std::string StrayBackupsNote(std::size_t count, const std::string& strayFolder, const std::string& folder) {
  return std::to_string(count) + (count == 1 ? " backup lies" : " backups lie") + " in " + strayFolder +
         ", beside the program, which is no portable install (it has no Program.ini): move them to " + folder +
         " before that folder is deleted";
}

Result<std::string> SaveBackup(const std::string& folder, const RadioImage& image, std::string_view portName,
                               std::time_t when) {
  auto path = ReserveDatedFile(folder, when, portName, ".dat", kBackupsKept);
  if (!path) return path;
  Status st = SaveImageFile(*path, image);
  if (!st) return Error{st.error()};
  return path;
}

}  // namespace cps
