// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/interop/csv_template.h"

#include <algorithm>
#include <filesystem>
#include <map>

#include "core/base/c_text.h"

namespace cps {

namespace {

bool IsPmrLocation(std::string_view location) { return !location.empty() && (location[0] == 'P' || location[0] == 'p'); }

}  // namespace

Result<ChannelTemplate> ParseChannelTemplate(std::string_view text, const std::string& path) {
  ChannelTemplate t;
  t.path = path;
  // Comment lines become blank lines, so the rows keep their line numbers.
  std::string csv;
  std::vector<std::string> comments;
  bool header = false;
  std::size_t pos = 0;
  if (text.starts_with("\xEF\xBB\xBF")) pos = 3;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(pos, end - pos);
    if (!header && Trim(line).starts_with("#")) {
      comments.push_back(Trim(Trim(line).substr(1)));
      csv += "\n";
    } else {
      if (!Trim(line).empty()) header = true;
      csv.append(line);
      csv += "\n";
    }
    pos = end + 1;
  }
  auto table = ReadChirpCsv(csv);
  if (!table) return Error{path + ": " + table.error()};
  t.name = comments.empty() || comments[0].empty() ? std::filesystem::path(path).stem().string() : comments[0];
  if (comments.size() > 1) t.description = comments[1];
  // The name and description in the first row's own columns, where other
  // programs that read the file leave them alone.
  if (!table->rows.empty() && !table->Field(table->rows.front(), kTemplateNameColumn).empty()) {
    t.name = table->Field(table->rows.front(), kTemplateNameColumn);
    t.description = table->Field(table->rows.front(), kTemplateDescriptionColumn);
  }
  t.main.header = table->header;
  t.pmr.header = table->header;
  // A PMR row goes to the channel of its marker: the marker's number
  // becomes its Location.
  const int marker = table->Column(kPmrMarkerColumn);
  const int location = table->Column("Location");
  for (auto& row : table->rows) {
    std::string pmr = table->Field(row, marker);
    if (pmr.empty() && IsPmrLocation(table->Field(row, location))) pmr = table->Field(row, location);
    if (pmr.empty()) {
      t.main.rows.push_back(row);
      continue;
    }
    if (location >= 0 && static_cast<std::size_t>(location) < row.fields.size())
      row.fields[static_cast<std::size_t>(location)] = IsPmrLocation(pmr) ? pmr.substr(1) : pmr;
    t.pmr.rows.push_back(row);
  }
  return t;
}

namespace {

const std::vector<ChannelTemplate>& ShippedTemplatesOnce() {
  static const std::vector<ChannelTemplate> shipped = [] {
    std::vector<ChannelTemplate> out;
    for (const auto& [file, text] : ShippedTemplateFiles()) {
      auto t = ParseChannelTemplate(text, file);
      if (!t) continue;
      t->path = kBuiltInTemplatePath;
      out.push_back(std::move(*t));
    }
    return out;
  }();
  return shipped;
}

}  // namespace

std::vector<ChannelTemplate> ShippedChannelTemplates() { return ShippedTemplatesOnce(); }

bool IsShippedTemplateName(std::string_view name) { return FindTemplateByName(ShippedTemplatesOnce(), name) != nullptr; }

std::vector<ChannelTemplate> FindChannelTemplates(const std::vector<std::string>& folders) {
  std::map<std::string, ChannelTemplate> byName;
  for (const auto& t : ShippedTemplatesOnce()) byName[ToLower(t.name)] = t;
  for (const auto& folder : folders) {
    std::error_code ec;
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
      if (entry.is_regular_file(ec) && EqualsIgnoreCase(entry.path().extension().string(), ".csv")) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const auto& file : files) {
      auto text = ReadCsvFile(file.string());
      if (!text) continue;
      auto t = ParseChannelTemplate(*text, file.string());
      if (t) byName[ToLower(t->name)] = std::move(*t);
    }
  }
  std::vector<ChannelTemplate> out;
  for (auto& [key, t] : byName) out.push_back(std::move(t));
  return out;
}

const ChannelTemplate* FindTemplateByName(const std::vector<ChannelTemplate>& templates, std::string_view name) {
  for (const auto& t : templates)
    if (EqualsIgnoreCase(t.name, Trim(name))) return &t;
  return nullptr;
}

int TemplateBandIndex(const ChannelTemplate& t) {
  for (int i = 0; i < static_cast<int>(BandItems().size()); ++i) {
    const BandLimits band = BandOfItem(i);
    bool all = true;
    for (const CsvTable* set : {&t.main, &t.pmr})
      for (const auto& row : set->rows) all = all && ChirpRowToChannel(*set, row, band).ok();
    if (all) return i;
  }
  return -1;
}

TemplatePlan PlanChannelTemplate(const ChannelTemplate& t, const BandLimits& band) {
  return {PlanChirpImport(t.main, band, kByLocation), PlanChirpImport(t.pmr, band, kByLocation)};
}

Status ApplyChannelTemplate(RadioImage& image, ChannelTable& main, const ChannelTemplate& t) {
  const int band = TemplateBandIndex(t);
  if (band < 0) return Error{"the channels of template '" + t.name + "' lie in no band of this radio"};
  main.ChangeBand(image, band);
  const TemplatePlan plan = PlanChannelTemplate(t, main.band());
  ApplyChirpImport(image, main, plan.main);
  if (!t.pmr.rows.empty()) {
    ChannelTable pmr(kPmrChannelBase, false);
    pmr.setBand(main.band());
    pmr.Load(image);
    ApplyChirpImport(image, pmr, plan.pmr);
  }
  return Status::Ok();
}

std::string ChannelTemplateText(const std::string& name, const std::string& description, const ChannelTable& main,
                                const ChannelTable& pmr) {
  auto oneLine = [](std::string s) {
    std::replace(s.begin(), s.end(), '\n', ' ');
    std::replace(s.begin(), s.end(), '\r', ' ');
    return s;
  };
  // The PMR rows follow at Locations 17..32, so that every row has a
  // channel number of its own for other programs, and carry their marker.
  std::string csv = ExportChirpCsv(main, 0, kPmrMarkerColumn);
  const std::string pmrRows = ExportChirpCsv(pmr, kChannelCount, kPmrMarkerColumn, "P");
  csv += pmrRows.substr(pmrRows.find('\n') + 1);  // without its header
  std::vector<std::string> lines;
  for (std::size_t pos = 0, end; (end = csv.find("\r\n", pos)) != std::string::npos; pos = end + 2)
    lines.push_back(csv.substr(pos, end - pos));
  // Without a row to carry them, the name and description go in comment lines.
  if (lines.size() < 2) {
    std::string out = "# " + oneLine(name) + "\r\n";
    if (!description.empty()) out += "# " + oneLine(description) + "\r\n";
    return out + csv;
  }
  std::string out = lines[0] + "," + kTemplateNameColumn + "," + kTemplateDescriptionColumn + "\r\n";
  for (std::size_t i = 1; i < lines.size(); ++i) {
    out += lines[i];
    out += i == 1 ? "," + CsvQuote(oneLine(name)) + "," + CsvQuote(oneLine(description)) : std::string(",,");
    out += "\r\n";
  }
  return out;
}

std::string TemplateFileName(std::string_view name) {
  std::string out;
  for (char c : Trim(name)) {
    const bool keep = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    if (keep)
      out += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    else if (!out.empty() && out.back() != '-')
      out += '-';
  }
  while (!out.empty() && out.back() == '-') out.pop_back();
  return (out.empty() ? std::string("template") : out) + ".csv";
}

}  // namespace cps
