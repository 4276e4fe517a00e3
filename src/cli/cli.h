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

// One option of a verb. The verb's table of these is the one source of its
// parsing, of the Options part of its help and (through that help) of the
// shell completion.
struct OptionSpec {
  std::string name;     // without dashes; one letter is written "-o", more "--port"
  std::string alias;    // another name of the same option ("output" for "o"), or empty
  std::string value;    // the value's placeholder ("FILE", "DIR", "PORT", "BAUD", "NAME",
                        // "N"), which the completion goes by; empty for a flag
  std::string help;     // what it does; the help wraps it to the width of a terminal
  bool repeatable = false;  // may be given more than once
};

// A verb's arguments: positionals and options ("--name value", "-o value",
// "--name=value", "--flag"), each under its name in the table (an alias is
// stored under the option's name).
struct Args {
  std::vector<std::string> positional;
  std::vector<std::pair<std::string, std::string>> options;  // name without dashes
  bool Has(std::string_view name) const;
  std::string Value(std::string_view name, std::string_view fallback = {}) const;
  // Every value of an option given more than once, in order.
  std::vector<std::string> Values(std::string_view name) const;
};
// Parses argv of a verb by its options. An unknown option, a flag given a
// value, a missing value and a single option given twice are errors naming
// the option. "--" ends the options.
Result<Args> ParseArgs(const std::vector<std::string>& argv, const std::vector<OptionSpec>& options);

// Prints "dpmr-cli: <message>" on stderr and returns the exit code 2.
int Fail(std::string_view message, int code = 2);

// ---- verbs --------------------------------------------------------------

struct Verb {
  std::string name;
  std::string summary;  // one line for "dpmr-cli --help"
  // The words of each usage line after the verb, options that are not
  // needed left out ("-o FILE", "FILE KEY=VALUE..."); "[options]" follows
  // where the verb has any.
  std::vector<std::string> forms;
  std::string description;  // what the verb does, before its options
  std::vector<OptionSpec> options;
  std::function<int(const Args& args)> run;
  std::string notes = {};  // after the options: exit codes and the like
};
void RegisterVerb(Verb verb);
const std::vector<Verb>& Verbs();
struct VerbRegistrar {
  explicit VerbRegistrar(Verb verb) { RegisterVerb(std::move(verb)); }
};
// "dpmr-cli VERB --help": the usage lines, the description, the options
// from the verb's table, the notes.
std::string VerbHelp(const Verb& verb);
// Runs `argv` = VERB ARGS...: the verb's help with -h/--help, else its
// arguments parsed by its table (a parse error exits 2), then the verb.
int RunVerb(const std::vector<std::string>& argv);

// Options many verbs share.
OptionSpec AppDirOption();
OptionSpec ForceOption(std::string help);
OptionSpec OutputOption(std::string help);

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
