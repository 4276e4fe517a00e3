// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command-line tool's shared parts. Each area registers its verbs, its
// keys for get/set and its sections for show in a file of its own, through
// the static registrars below.
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/base/result.h"
#include "core/document/document.h"
#include "core/image/radio_image.h"
#include "port/app_settings.h"

namespace cps::cli {

// ---- arguments ----------------------------------------------------------

// A verb's arguments: positionals and options ("--name value", "-o value",
// "--flag"). Options named in `valued` take a value.
struct Args {
  std::vector<std::string> positional;
  std::vector<std::pair<std::string, std::string>> options;  // name without dashes
  bool Has(std::string_view name) const;
  std::string Value(std::string_view name, std::string_view fallback = {}) const;
  // Every value of an option given more than once, in order.
  std::vector<std::string> Values(std::string_view name) const;
};
// Parses argv of a verb. Unknown options are an error naming them.
Result<Args> ParseArgs(const std::vector<std::string>& argv, const std::vector<std::string>& valued,
                       const std::vector<std::string>& flags);

// Prints "dpmr-cli: <message>" on stderr and returns the exit code 2.
int Fail(std::string_view message, int code = 2);

// ---- verbs --------------------------------------------------------------

struct Verb {
  std::string name;
  std::string summary;  // one line for "dpmr-cli --help"
  std::string usage;    // full text for "dpmr-cli VERB --help"
  std::function<int(const std::vector<std::string>& argv)> run;
};
void RegisterVerb(Verb verb);
const std::vector<Verb>& Verbs();
struct VerbRegistrar {
  explicit VerbRegistrar(Verb verb) { RegisterVerb(std::move(verb)); }
};

// ---- documents: open and save as the program does ---------------------

// Opens FILE as File, Open does (the bytes, the channel table, the repair
// passes).
Result<Document> OpenDocument(const std::string& path);
// Loads the raw bytes of FILE, as they are.
Result<RadioImage> LoadRaw(const std::string& path);
// Saves as File, Save does (the table's write-back, then an atomic write).
Status SaveDocument(Document& doc, const std::string& path);
// Refuses to write an image over `path` when that is a file of another size
// than an image, which the save would cut to 16384 bytes, unless the verb
// was given --force.
Status GuardImageOverwrite(const Args& args, const std::string& path);

// Settings of the program (Program.ini), honouring --app-dir.
AppSettings LoadSettings(const Args& args);

// The file named by -o or --output; empty when neither is given.
std::string OutputPath(const Args& args);
// Writes `text` to the -o/--output file (safely, as a save does), or to
// standard output without one. Returns the verb's exit code.
int PrintOrWrite(const Args& args, std::string_view verb, const std::string& text);

// ---- keys: get, set, keys ----------------------------------------------
// The keys themselves live in core/interop/key_space.h (KeySpaces()).

// ---- show ---------------------------------------------------------------

struct ShowSection {
  std::string name;     // "channels", "settings", "contacts", ...
  std::string summary;
  std::function<void(std::ostream&, const RadioImage&)> print;
  // Where what the editors show depends on the document's moments (Scan
  // Info opens after the channel table's write-back): used instead of print.
  std::function<void(std::ostream&, const Document&)> printOpen = nullptr;
};
void RegisterShowSection(ShowSection section);
const std::vector<ShowSection>& ShowSections();
struct ShowSectionRegistrar {
  explicit ShowSectionRegistrar(ShowSection section) { RegisterShowSection(std::move(section)); }
};

}  // namespace cps::cli
