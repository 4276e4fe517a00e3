// SPDX-License-Identifier: GPL-3.0-or-later
// Verbs on fields: keys, get, set, show. The fields themselves come from
// the key spaces and show sections the editors register.
#include <iostream>
#include <algorithm>

#include "cli/cli.h"
#include "core/interop/key_space.h"

namespace cps::cli {
namespace {

std::string KnownPages() {
  std::string out;
  for (const auto& s : KeySpaces()) out += (out.empty() ? "" : ", ") + s->Name();
  return out;
}

int RunKeys(const Args& args) {
  if (args.positional.size() > 1) return Fail("keys: at most one PAGE");
  bool any = false;
  for (const auto& s : KeySpaces()) {
    if (!args.positional.empty() && s->Name() != args.positional[0]) continue;
    any = true;
    for (const auto& k : s->Keys()) {
      std::cout << k.key << "\t" << k.label << "\t" << k.allowed << "\n";
    }
  }
  if (!any) return Fail("keys: unknown page '" + args.positional[0] + "' (pages: " + KnownPages() + ")");
  return 0;
}

int RunGet(const Args& args) {
  if (args.positional.size() < 2) return Fail("get: usage: dpmr-cli get FILE KEY...");
  auto doc = OpenDocument(args.positional[0]);
  if (!doc) return Fail(doc.error(), 1);
  const bool many = args.positional.size() > 2;
  for (std::size_t i = 1; i < args.positional.size(); ++i) {
    const std::string& key = args.positional[i];
    const KeySpace* space = SpaceOf(key);
    if (!space) return Fail("get: unknown key '" + key + "' (see dpmr-cli keys)");
    auto value = space->GetOpen(*doc, key);
    if (!value) return Fail("get: " + value.error());
    if (many) std::cout << key << "=";
    std::cout << *value << "\n";
  }
  return 0;
}

int RunSet(const Args& args) {
  if (args.positional.size() < 2) return Fail("set: usage: dpmr-cli set FILE KEY=VALUE... [-o OUT] [--force]");
  const std::string file = args.positional[0];
  const std::string out = args.Value("o", file);
  auto doc = OpenDocument(file);
  if (!doc) return Fail(doc.error(), 1);
  KeyValues assignments;
  for (std::size_t i = 1; i < args.positional.size(); ++i) {
    const std::string& a = args.positional[i];
    const auto eq = a.find('=');
    if (eq == std::string::npos) return Fail("set: '" + a + "' is not KEY=VALUE");
    std::string key = a.substr(0, eq), value = a.substr(eq + 1);
    if (!SpaceOf(key)) return Fail("set: unknown key '" + key + "' (see dpmr-cli keys)");
    assignments.emplace_back(std::move(key), std::move(value));
  }
  Document edited = *doc;
  std::vector<std::string> notes;
  Status set = SetKeysOpen(edited, assignments, &notes);
  if (!set) return Fail("set: " + set.error() + " (nothing written)");
  for (const auto& n : notes) std::cerr << "dpmr-cli: note: " << n << "\n";
  if (Status guard = GuardImageOverwrite(args, out); !guard) return Fail("set: " + guard.error() + " (nothing written)", 1);
  Status st = SaveDocument(edited, out);
  if (!st) return Fail("set: cannot save " + st.error(), 1);
  return 0;
}

int RunShow(const Args& args) {
  if (args.positional.size() != 2) {
    std::string names;
    for (const auto& s : ShowSections()) names += (names.empty() ? "" : ", ") + s.name;
    return Fail("show: usage: dpmr-cli show FILE WHAT (WHAT: " + names + ")");
  }
  auto doc = OpenDocument(args.positional[0]);
  if (!doc) return Fail(doc.error(), 1);
  for (const auto& s : ShowSections()) {
    if (s.name == args.positional[1]) {
      if (s.printOpen)
        s.printOpen(std::cout, *doc);
      else
        s.print(std::cout, doc->image());
      return 0;
    }
  }
  std::string names;
  for (const auto& s : ShowSections()) names += (names.empty() ? "" : ", ") + s.name;
  return Fail("show: unknown section '" + args.positional[1] + "' (sections: " + names + ")");
}

VerbRegistrar keysVerb({"keys", "list the field keys of get and set", {"[PAGE]"},
                        "Lists every field key with its label and allowed values, one per line,\n"
                        "separated by tabs. PAGE limits the list to one page (e.g. option, channel,\n"
                        "contact, encrypt).\n",
                        {}, RunKeys});
VerbRegistrar getVerb({"get", "print field values of an image", {"FILE KEY..."},
                       "Prints each field as its control shows it. With several keys each line\n"
                       "reads KEY=VALUE.\n",
                       {AppDirOption()}, RunGet});
VerbRegistrar setVerb({"set", "change fields as the editors do, then save", {"FILE KEY=VALUE..."},
                       "Opens FILE as the program does, applies each value through the rule of\n"
                       "its editor, and saves as File, Save does to FILE itself (or -o). A value\n"
                       "a rule stores otherwise is a note on stderr. A bad key or value is an\n"
                       "error and nothing is written. A file of another size than an image\n"
                       "(16384 bytes) is not overwritten, since the save would cut it.\n",
                       {OutputOption("save to FILE instead of the opened file"),
                        ForceOption("overwrite a file of another size than an image all the same"), AppDirOption()},
                       RunSet});
VerbRegistrar showVerb({"show", "print a part of an image as the program shows it", {"FILE WHAT"},
                        "WHAT is one of the sections listed by 'dpmr-cli show' without arguments.\n", {},
                        RunShow});

}  // namespace
}  // namespace cps::cli
