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

// Settings of the program (Program.ini), honouring --app-dir.
AppSettings LoadSettings(const Args& args);

// ---- keys: get, set, keys ----------------------------------------------

struct KeyInfo {
  std::string key;      // "option.tot"
  std::string label;    // the control's caption
  std::string allowed;  // allowed values, as a user types them
};

// A family of keys owned by one editor (a settings page, the channel table,
// the dPMR basic page, ...).
class KeySpace {
 public:
  virtual ~KeySpace() = default;
  // Page name for "dpmr-cli keys PAGE" (e.g. "option", "channel").
  virtual std::string Name() const = 0;
  virtual std::vector<KeyInfo> Keys() const = 0;
  virtual bool Owns(std::string_view key) const = 0;
  // The value as its control shows it.
  virtual Result<std::string> Get(const RadioImage& image, std::string_view key) const = 0;
  // Applies the assignments (all owned by this space) as the editor would
  // and saves the page as its dialog does on close. An error names the key
  // and the allowed values; the image may then be partly changed, the
  // caller discards it.
  virtual Status Set(RadioImage& image, const std::vector<std::pair<std::string, std::string>>& assignments) const = 0;

  // get and set on the open document: what the editor shows when it opens
  // right after File, Open, and the edit as the editor makes it (with the
  // document's moment before it opens: the channel table's write-back
  // before Scan Info, the table itself for channel keys). By default the
  // image as it is.
  virtual Result<std::string> GetOpen(const Document& doc, std::string_view key) const {
    return Get(doc.image(), key);
  }
  virtual Status SetOpen(Document& doc, const std::vector<std::pair<std::string, std::string>>& assignments) const {
    return Set(doc.image(), assignments);
  }
};
void RegisterKeySpace(std::shared_ptr<KeySpace> space);
const std::vector<std::shared_ptr<KeySpace>>& KeySpaces();
struct KeySpaceRegistrar {
  explicit KeySpaceRegistrar(std::shared_ptr<KeySpace> space) { RegisterKeySpace(std::move(space)); }
};

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
