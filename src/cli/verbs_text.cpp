// Verbs on the text form of an image: export, import, diff.
#include <iostream>

#include "cli/cli.h"
#include "cli/link_shared.h"
#include "core/image/image_file.h"
#include "core/image/new_image.h"
#include "core/interop/text_image.h"

namespace cps::cli {
namespace {

// The image File, New starts from: the base of an import.
RadioImage NewDocument(const Args& args) { return NewImage(LoadSettings(args).DefaultDatPath()); }

// A .yaml file imported onto `base`, or the bytes of an image file.
Result<RadioImage> LoadEither(const std::string& path, const RadioImage& base) {
  if (!IsTextImagePath(path)) return LoadRaw(path);
  auto text = ReadTextImageFile(path);
  if (!text) return Error{text.error()};
  auto image = ImportText(*text, base);
  if (!image) return Error{path + ": " + image.error()};
  return image;
}

int RunExport(const std::vector<std::string>& argv) {
  auto args = ParseArgs(argv, {"o", "output", "app-dir"}, {});
  if (!args) return Fail(args.error());
  if (args->positional.size() != 1) return Fail("export: usage: dpmr-cli export FILE.dat [-o OUT.yaml]");
  // The file's bytes as they are: the text brings every one of them back.
  auto image = LoadRaw(args->positional[0]);
  if (!image) return Fail("export: " + image.error(), 1);
  return PrintOrWrite(*args, "export", ExportText(*image, NewDocument(*args)));
}

int RunImport(const std::vector<std::string>& argv) {
  auto args = ParseArgs(argv, {"o", "output", "base", "app-dir"}, {});
  if (!args) return Fail(args.error());
  const std::string out = OutputPath(*args);
  if (args->positional.size() != 1 || out.empty())
    return Fail("import: usage: dpmr-cli import IN.yaml -o OUT.dat [--base BASE.dat]");
  auto text = ReadTextImageFile(args->positional[0]);
  if (!text) return Fail("import: " + text.error(), 1);
  RadioImage base;
  if (args->Has("base")) {
    auto opened = LoadRaw(args->Value("base"));
    if (!opened) return Fail("import: " + opened.error(), 1);
    base = *opened;
  } else {
    base = NewDocument(*args);
  }
  std::vector<std::string> notes;
  auto image = ImportText(*text, base, &notes);
  if (!image) return Fail("import: " + args->positional[0] + ": " + image.error() + " (nothing written)");
  for (const auto& n : notes) std::cerr << "dpmr-cli: note: " << n << "\n";
  // The import ran the save's write-back before the raw bytes: the result
  // is written as it stands.
  Status st = SaveImageFile(out, *image);
  if (!st) return Fail("import: cannot save " + st.error(), 1);
  return 0;
}

int RunDiff(const std::vector<std::string>& argv) {
  for (const std::string& a : argv)
    if (a == "--port" || a.starts_with("--port=")) return RunDiffWithRadio(argv);  // against a radio
  auto args = ParseArgs(argv, {"app-dir"}, {});
  if (!args) return Fail(args.error());
  if (args->positional.size() != 2) return Fail("diff: usage: dpmr-cli diff A B");
  const RadioImage base = NewDocument(*args);
  auto a = LoadEither(args->positional[0], base);
  if (!a) return Fail("diff: " + a.error());
  auto b = LoadEither(args->positional[1], base);
  if (!b) return Fail("diff: " + b.error());
  const ImageDifference diff = CompareImages(*a, *b, base);
  std::cout << DifferenceText(diff, *a, *b);
  return diff.empty() ? 0 : 1;
}

VerbRegistrar exportVerb({"export", "write an image as readable text (YAML)",
                          "usage: dpmr-cli export FILE.dat [-o OUT.yaml] [--app-dir DIR]\n"
                          "Reads FILE's bytes and writes every key with its value as the\n"
                          "editors show it, in the order of the menus; empty channels and list entries\n"
                          "are left out. A final 'raw' section holds, as address and hexadecimal bytes,\n"
                          "what the keys do not bring back. Without -o the text goes to standard output.\n",
                          RunExport});
VerbRegistrar importVerb({"import", "make an image from its text form",
                          "usage: dpmr-cli import IN.yaml -o OUT.dat [--base BASE.dat] [--app-dir DIR]\n"
                          "Starts from BASE (default: the image File, New makes), applies every key\n"
                          "through its editor's rules in the order of the file (keys that pick a\n"
                          "contact, key, message, group list or DTMF call after all others, once the\n"
                          "lists stand), then the channel table's write-back as File, Save does it,\n"
                          "then the raw bytes, and writes OUT atomically. An unknown\n"
                          "key, a refused value or malformed text is an error naming the line, and\n"
                          "nothing is written.\n",
                          RunImport});
VerbRegistrar diffVerb({"diff", "compare two images (.dat or .yaml) key by key",
                        "usage: dpmr-cli diff A B [--app-dir DIR]\n"
                        "       dpmr-cli diff FILE --port PORT [--write | --yes] [--baud N] [--no-backup]\n"
                        "With --port: reads the radio (kept as a backup) and prints what a write of\n"
                        "FILE would change in it; --write then asks to write it, --yes writes at once.\n"
                        "Prints 'key: old -> new' for every key that differs, in export order, then\n"
                        "the differing bytes no key tells about. Exit status 0 when equal, 1 when\n"
                        "they differ, 2 on error.\n",
                        RunDiff});

}  // namespace
}  // namespace cps::cli
