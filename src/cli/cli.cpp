// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli.h"

#include <algorithm>
#include <iostream>

#include "core/base/file_io.h"
#include "core/image/image_file.h"

namespace cps::cli {

bool Args::Has(std::string_view name) const {
  return std::any_of(options.begin(), options.end(), [&](const auto& o) { return o.first == name; });
}

std::string Args::Value(std::string_view name, std::string_view fallback) const {
  for (const auto& o : options)
    if (o.first == name) return o.second;
  return std::string(fallback);
}

std::vector<std::string> Args::Values(std::string_view name) const {
  std::vector<std::string> values;
  for (const auto& o : options)
    if (o.first == name) values.push_back(o.second);
  return values;
}

Result<Args> ParseArgs(const std::vector<std::string>& argv, const std::vector<std::string>& valued,
                       const std::vector<std::string>& flags) {
  Args args;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < argv.size(); ++i) {
    const std::string& a = argv[i];
    if (optionsEnded || a.size() < 2 || a[0] != '-') {
      args.positional.push_back(a);
      continue;
    }
    if (a == "--") {
      optionsEnded = true;
      continue;
    }
    std::string name = a.substr(a[1] == '-' ? 2 : 1);
    std::string value;
    bool hasInlineValue = false;
    if (auto eq = name.find('='); eq != std::string::npos) {
      value = name.substr(eq + 1);
      name = name.substr(0, eq);
      hasInlineValue = true;
    }
    if (std::find(valued.begin(), valued.end(), name) != valued.end()) {
      if (!hasInlineValue) {
        if (i + 1 >= argv.size()) return Error{"option " + a + " needs a value"};
        value = argv[++i];
      }
      args.options.emplace_back(name, value);
    } else if (std::find(flags.begin(), flags.end(), name) != flags.end() && !hasInlineValue) {
      args.options.emplace_back(name, "");
    } else {
      return Error{"unknown option " + a};
    }
  }
  return args;
}

int Fail(std::string_view message, int code) {
  std::cerr << "dpmr-cli: " << message << "\n";
  return code;
}

namespace {
std::vector<Verb>& VerbList() {
  static std::vector<Verb> v;
  return v;
}
std::vector<ShowSection>& SectionList() {
  static std::vector<ShowSection> v;
  return v;
}
}  // namespace

void RegisterVerb(Verb verb) { VerbList().push_back(std::move(verb)); }
const std::vector<Verb>& Verbs() { return VerbList(); }

namespace {
void PrintNote(const std::string& note) { std::cerr << "dpmr-cli: note: " << note << "\n"; }
}  // namespace

Result<RadioImage> LoadRaw(const std::string& path) {
  RadioImage image;
  std::uint64_t size = 0;
  Status st = LoadImageFile(path, image, &size);
  if (!st) return Error{st.error()};
  if (size != kImageSize) PrintNote(path + ": " + ForeignSizeNote(size));
  return image;
}

Result<Document> OpenDocument(const std::string& path) {
  Document doc;
  std::vector<std::string> notes;
  Status st = doc.Open(path, &notes);
  if (!st) return Error{st.error()};
  for (const auto& n : notes) PrintNote(n);
  return doc;
}

Status GuardImageOverwrite(const Args& args, const std::string& path) {
  if (args.Has("force")) return Status::Ok();
  const auto size = ForeignImageSize(path);
  if (!size) return Status::Ok();
  return Error{path + ": not a radio image of this model: " + std::to_string(*size) +
               " bytes; not overwritten (--force replaces it)"};
}

Status SaveDocument(Document& doc, const std::string& path) { return doc.Save(path); }

AppSettings LoadSettings(const Args& args) { return AppSettings::Load(args.Value("app-dir")); }

std::string OutputPath(const Args& args) { return args.Has("o") ? args.Value("o") : args.Value("output"); }

int PrintOrWrite(const Args& args, std::string_view verb, const std::string& text) {
  const std::string out = OutputPath(args);
  if (out.empty()) {
    std::cout << text << std::flush;
    if (!std::cout) return Fail(std::string(verb) + ": cannot write to standard output", 1);
    return 0;
  }
  Status st = WriteFileSafely(out, text);
  if (!st) return Fail(std::string(verb) + ": cannot write " + st.error(), 1);
  return 0;
}

void RegisterShowSection(ShowSection section) { SectionList().push_back(std::move(section)); }
const std::vector<ShowSection>& ShowSections() { return SectionList(); }

}  // namespace cps::cli
