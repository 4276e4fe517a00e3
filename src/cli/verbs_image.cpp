// SPDX-License-Identifier: GPL-3.0-or-later
// Verbs on whole images: new, info.
#include <filesystem>
#include <iostream>

#include "cli/cli.h"
#include "core/codec/frequency.h"
#include "core/document/document.h"
#include "core/image/image_file.h"
#include "core/image/image_text.h"
#include "core/image/new_image.h"
#include "core/interop/csv_template.h"

namespace cps::cli {
namespace {

int RunNew(const Args& args) {
  const std::string out = OutputPath(args);
  if (out.empty()) return Fail("new: an output file is needed: dpmr-cli new -o FILE");
  if (!args.positional.empty()) return Fail("new: unexpected argument '" + args.positional[0] + "'");
  const AppSettings settings = LoadSettings(args);
  // File, New and then File, Save: the new image's repair passes and the
  // channel table's write-back, as the window saves it.
  Document doc;
  doc.New(settings.DefaultDatPath());
  if (args.Has("template")) {
    const auto templates = FindChannelTemplates(settings.TemplateFolders());
    const ChannelTemplate* t = FindTemplateByName(templates, args.Value("template"));
    if (!t) {
      std::string names;
      for (const auto& each : templates) names += (names.empty() ? "" : ", ") + each.name;
      return Fail("new: no template '" + args.Value("template") + "' (templates: " + names + ")");
    }
    Status applied = ApplyChannelTemplate(doc.image(), doc.table(), *t);
    if (!applied) return Fail("new: " + applied.error(), 1);
  }
  Status st = doc.Save(out);
  if (!st) return Fail("new: cannot write " + st.error(), 1);
  return 0;
}

int RunInfo(const Args& args) {
  if (args.positional.size() != 1) return Fail("info: name one image file: dpmr-cli info FILE");
  auto image = LoadRaw(args.positional[0]);
  if (!image) return Fail(image.error(), 1);
  const RadioImage& img = *image;
  std::cout << "file: " << args.positional[0] << "\n";
  // The file may be longer than an image: its first bytes are the image.
  std::error_code ec;
  const auto size = std::filesystem::file_size(args.positional[0], ec);
  if (ec || size <= kImageSize)
    std::cout << "size: " << kImageSize << " bytes\n";
  else
    std::cout << "size: " << size << " bytes (the bytes past " << kImageSize << " are ignored)\n";
  if (img.FrequencyEmpty(0x3FA0)) {
    std::cout << "band: (not set)\n";
  } else {
    const std::uint32_t low = img.Frequency(0x3FA0), high = img.Frequency(0x3FA4);
    std::cout << "band: " << low / 100000 << "-" << high / 100000 << "MHz (" << FrequencyToText(low) << " - "
              << FrequencyToText(high) << " MHz)\n";
  }
  int used = 0;
  std::string list;
  for (int n = 1; n <= 16; ++n) {
    if (!img.FrequencyEmpty(0x0100 + 32 * (n - 1))) {
      ++used;
      list += (list.empty() ? "" : ",") + std::to_string(n);
    }
  }
  std::cout << "channels in use: " << used << (list.empty() ? "" : " (" + list + ")") << "\n";
  const std::string name = PrintableText(img, 0x3F88, 8);
  std::cout << "radio name: " << (name.empty() ? "(none)" : name) << "\n";
  return 0;
}

VerbRegistrar newVerb({"new", "write the image File, New starts from", {"-o FILE"},
                       "Writes what File, New and then File, Save write: the program folder's\n"
                       "Default.dat when there is one, else the built-in defaults.\n",
                       {OutputOption("the image file to write"),
                        {"template", "", "NAME",
                         "then put the channels of a template in (see templates); the band\n"
                         "is switched when the template needs the other one"},
                        AppDirOption()},
                       RunNew});
VerbRegistrar infoVerb({"info", "print a summary of an image file", {"FILE"},
                        "Prints the file size, the selected band, the channels in use and the radio name.\n", {},
                        RunInfo});

}  // namespace
}  // namespace cps::cli
