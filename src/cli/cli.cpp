// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli.h"

#include <algorithm>
#include <iostream>
#include <sstream>

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

namespace {
std::string Dashed(const std::string& name) { return (name.size() == 1 ? "-" : "--") + name; }
}  // namespace

Result<Args> ParseArgs(const std::vector<std::string>& argv, const std::vector<OptionSpec>& options) {
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
    const auto known = std::find_if(options.begin(), options.end(), [&](const OptionSpec& o) {
      return o.name == name || (!o.alias.empty() && o.alias == name);
    });
    if (known == options.end()) return Error{"unknown option " + a};
    const std::string given = a.substr(0, a.find('='));
    if (known->value.empty()) {
      if (hasInlineValue) return Error{"option " + given + " takes no value"};
    } else if (!hasInlineValue) {
      if (i + 1 >= argv.size()) return Error{"option " + a + " needs a value"};
      value = argv[++i];
    }
    if (!known->repeatable && args.Has(known->name))
      return Error{"option " + given + " given twice (" + Dashed(known->name) +
                   (known->alias.empty() ? "" : ", " + Dashed(known->alias)) + ")"};
    args.options.emplace_back(known->name, value);
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

std::string VerbHelp(const Verb& verb) {
  std::string out;
  for (std::size_t i = 0; i < verb.forms.size(); ++i) {
    out += (i == 0 ? "usage: " : "       ") + ("dpmr-cli " + verb.name);
    if (!verb.forms[i].empty()) out += " " + verb.forms[i];
    if (!verb.options.empty()) out += " [options]";
    out += "\n";
  }
  out += verb.description;
  if (!verb.options.empty()) {
    // "  -o, --output FILE  help", the helps in one column
    std::vector<std::string> heads;
    std::size_t width = 0;
    for (const OptionSpec& o : verb.options) {
      std::string head = "  " + Dashed(o.name);
      if (!o.alias.empty()) head += ", " + Dashed(o.alias);
      if (!o.value.empty()) head += " " + o.value;
      width = std::max(width, head.size());
      heads.push_back(std::move(head));
    }
    out += "\nOptions:\n";
    // each help wrapped at word ends to 80 columns
    constexpr std::size_t kColumns = 80;
    for (std::size_t i = 0; i < heads.size(); ++i) {
      std::string line = heads[i];
      line.resize(width + 2, ' ');
      std::size_t used = 0;  // words on this line
      std::istringstream words(verb.options[i].help);
      for (std::string word; words >> word; ++used) {
        if (used > 0 && line.size() + 1 + word.size() > kColumns) {
          out += line + "\n";
          line.assign(width + 2, ' ');
          used = 0;
        }
        line += (used > 0 ? " " : "") + word;
      }
      out += line + "\n";
    }
  }
  if (!verb.notes.empty()) out += "\n" + verb.notes;
  return out;
}

int RunVerb(const std::vector<std::string>& argv) {
  const auto verb = std::find_if(VerbList().begin(), VerbList().end(),
                                 [&](const Verb& v) { return !argv.empty() && v.name == argv[0]; });
  if (verb == VerbList().end())
    return Fail("unknown verb '" + (argv.empty() ? std::string() : argv[0]) + "' (see dpmr-cli --help)");
  const std::vector<std::string> rest(argv.begin() + 1, argv.end());
  for (const std::string& a : rest) {
    if (a == "--") break;
    if (a == "--help" || a == "-h") {
      std::cout << VerbHelp(*verb);
      return 0;
    }
  }
  auto args = ParseArgs(rest, verb->options);
  if (!args) return Fail(verb->name + ": " + args.error() + " (see dpmr-cli " + verb->name + " --help)");
  return verb->run(*args);
}

OptionSpec AppDirOption() {
  return {"app-dir", "", "DIR", "use DIR as the program's folder (its Program.ini, Default.dat,\nbackups and templates)"};
}
OptionSpec ForceOption(std::string help) { return {"force", "", "", std::move(help)}; }
OptionSpec OutputOption(std::string help) { return {"o", "output", "FILE", std::move(help)}; }

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

std::string OutputPath(const Args& args) { return args.Value("o"); }

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
