// SPDX-License-Identifier: GPL-3.0-or-later
// Verbs on the text form of an image: export, import, diff.
#include <filesystem>
#include <iostream>

#include "cli/cli.h"
#include "cli/link_shared.h"
#include "core/image/image_file.h"
#include "core/image/new_image.h"
#include "core/interop/image_compare.h"
#include "core/interop/text_image.h"

namespace cps::cli {
namespace {

// Whether the -o file is the input file itself (which the output would
// overwrite): the same name, or another name of the same file.
bool SameFile(const std::string& a, const std::string& b) {
  std::error_code ec;
  if (std::filesystem::equivalent(a, b, ec)) return true;
  const auto ca = std::filesystem::weakly_canonical(a, ec);
  if (ec) return false;
  const auto cb = std::filesystem::weakly_canonical(b, ec);
  return !ec && ca == cb;
}

int RunExport(const Args& args) {
  if (args.positional.size() != 1) return Fail("export: usage: dpmr-cli export FILE.dat [-o OUT.yaml]");
  const std::string out = OutputPath(args);
  if (!out.empty() && SameFile(out, args.positional[0]))
    return Fail("export: " + out + " is the image being exported; name another file for the text (nothing written)");
  // The file's bytes as they are: the text brings every one of them back.
  auto image = LoadRaw(args.positional[0]);
  if (!image) return Fail("export: " + image.error(), 1);
  return PrintOrWrite(args, "export", ExportText(*image));
}

int RunImport(const Args& args) {
  const std::string out = OutputPath(args);
  if (args.positional.size() != 1 || out.empty())
    return Fail("import: usage: dpmr-cli import IN.yaml -o OUT.dat [--base BASE.dat]");
  if (SameFile(out, args.positional[0]))
    return Fail("import: " + out + " is the text being imported; name another file for the image (nothing written)");
  auto text = ReadTextImageFile(args.positional[0]);
  if (!text) return Fail("import: " + text.error(), 1);
  std::vector<std::string> notes;
  Result<RadioImage> image = Error{""};
  if (args.Has("base")) {
    auto opened = LoadRaw(args.Value("base"));
    if (!opened) return Fail("import: " + opened.error(), 1);
    image = ImportText(*text, *opened, &notes);
  } else {
    image = ImportText(*text, &notes);
  }
  if (!image) return Fail("import: " + args.positional[0] + ": " + image.error() + " (nothing written)");
  for (const auto& n : notes) std::cerr << "dpmr-cli: note: " << n << "\n";
  // The import ran the save's write-back before the raw bytes: the result
  // is written as it stands.
  if (Status guard = GuardImageOverwrite(args, out); !guard) return Fail("import: " + guard.error() + " (nothing written)", 1);
  Status st = SaveImageFile(out, *image);
  if (!st) return Fail("import: cannot save " + st.error(), 1);
  return 0;
}

int RunDiff(const Args& args) {
  if (args.Has("port")) return RunDiffWithRadio(args);  // against a radio
  // every other option of diff but --app-dir is about the radio
  for (const auto& [name, value] : args.options)
    if (name != "app-dir") return Fail("diff: --" + name + " needs --port (a radio to compare with)");
  if (args.positional.size() != 2) return Fail("diff: usage: dpmr-cli diff A B");
  // Each file as the window's Compare takes it, so both show the same rows.
  auto a = LoadComparedFile(args.positional[0]);
  if (!a) return Fail("diff: " + a.error());
  auto b = LoadComparedFile(args.positional[1]);
  if (!b) return Fail("diff: " + b.error());
  for (const auto* file : {&*a, &*b})
    for (const auto& n : file->notes) std::cerr << "dpmr-cli: note: " << n << "\n";
  const Comparison comparison = CompareForReview(a->side, b->side);
  std::cout << ComparisonText(comparison);
  return comparison.empty() ? 0 : 1;
}

VerbRegistrar exportVerb({"export", "write an image as readable text (YAML)", {"FILE.dat"},
                          "Reads FILE's bytes and writes its text: 'format' and 'model' first, then the\n"
                          "band and every key with its value as the editors show it, in the order of the\n"
                          "menus; empty channels and list entries are left out. A final 'raw' section\n"
                          "holds, 16 to a line with a comment naming the part of the image, the bytes\n"
                          "the keys do not bring back.\n",
                          {OutputOption("write the text to FILE (not FILE.dat itself) instead of\nstandard output"),
                           AppDirOption()},
                          RunExport});
VerbRegistrar importVerb({"import", "make an image from its text form", {"IN.yaml -o OUT.dat"},
                          "Starts from the built-in new image of the text's band (or --base, to patch a\n"
                          "named image), applies every key through its editor's rules in the order the\n"
                          "editors need, whatever the order of the lines (the band, the lists and\n"
                          "settings, the group lists, then the keys that pick a contact, key, message,\n"
                          "group list or DTMF call), then the channel table's write-back as File, Save\n"
                          "does it, then the raw bytes, and writes OUT atomically. Uniqueness is checked\n"
                          "on the result, so two contacts may swap names. Values stored otherwise, keys\n"
                          "not applied (inbox, read-only) and cleared channels are printed as notes with\n"
                          "their line. An unknown key, a key given twice, a refused value, a raw line\n"
                          "that would change a key of the text, a text over 4 MB or malformed text is\n"
                          "an error naming the line, and nothing is written. OUT may not be IN itself,\n"
                          "and an OUT of another size than an image is not overwritten.\n",
                          {OutputOption("the image file to write"),
                           {"base", "", "FILE", "start from this image instead of a new one"},
                           ForceOption("overwrite an OUT of another size than an image all the same"), AppDirOption()},
                          RunImport});
VerbRegistrar diffVerb({"diff", "compare two images (.dat or .yaml) key by key", {"A B", "FILE --port PORT"},
                        "Compares the two images as File, Open shows them (a note says when opening\n"
                        "changes bytes of a file) and prints what differs in sections ('Channel 3',\n"
                        "'Contact 5', 'Option', one per part of the image for bytes no key tells about),\n"
                        "each with its count: 'key: \"old\" -> \"new\"' in export order, then the raw\n"
                        "bytes in hexadecimal, and a difference of the files' sizes first. Exit status\n"
                        "0 when equal, 1 when they differ, 2 on error.\n"
                        "With --port: reads the radio (kept as a backup) and shows what a write of\n"
                        "FILE would change in it; --write then asks to write it, --yes writes at once.\n",
                        {{"port", "", "PORT", "read this radio and compare FILE with it"},
                         {"write", "", "", "with --port: then ask, and write FILE into the radio"},
                         {"yes", "", "", "with --port: write FILE into the radio without asking"},
                         BaudOption(), TraceOption(), NoBackupOption(), AppDirOption()},
                        RunDiff});

}  // namespace
}  // namespace cps::cli
