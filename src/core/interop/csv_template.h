// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Channel templates: CHIRP CSV files that start a new image from a channel
// plan. The first row's Template column names a template, its Description
// column describes it in one line (older files: a first comment line
// "# PMR446 analog" and a second one). Rows with a PMR column ("P1".."P16")
// go into that PMR channel, the others into the channel of their Location;
// both go through the CSV import's rules. (Older files wrote "P1".."P16" in
// Location itself; they read alike.) The shipped templates are compiled
// into the program.
#include <string>
#include <string_view>
#include <vector>

#include "core/base/result.h"
#include "core/interop/csv_chirp.h"

namespace cps {

struct ChannelTemplate {
  std::string name;
  std::string description;
  std::string path;
  CsvTable main;  // rows for the channel table
  CsvTable pmr;   // rows for the PMR channels
};

// A template from its text; without a name in it the name is the file
// name without ".csv".
Result<ChannelTemplate> ParseChannelTemplate(std::string_view text, const std::string& path);

// The column that marks the rows of the PMR channels, and those of the
// template's name and description.
constexpr const char* kPmrMarkerColumn = "PMR";
constexpr const char* kTemplateNameColumn = "Template";
constexpr const char* kTemplateDescriptionColumn = "Description";
// What a shipped template names as its path.
constexpr const char* kBuiltInTemplatePath = "(built in)";

// The shipped template files, file name and text (made from res/templates
// at build time).
const std::vector<std::pair<std::string, std::string>>& ShippedTemplateFiles();
// The shipped templates, path kBuiltInTemplatePath.
std::vector<ChannelTemplate> ShippedChannelTemplates();
// True when `name` (letter case ignored) is a shipped template's name.
bool IsShippedTemplateName(std::string_view name);

// The shipped templates, then those (*.csv) of `folders`; a template of a
// later folder replaces one of the same name (letter case ignored) from an
// earlier one, so the user's own folder goes last. Files that are not
// templates are left out. Sorted by name.
std::vector<ChannelTemplate> FindChannelTemplates(const std::vector<std::string>& folders);
// The template named `name` (letter case ignored), or nullptr.
const ChannelTemplate* FindTemplateByName(const std::vector<ChannelTemplate>& templates, std::string_view name);

// The band entry (BandItems) whose limits hold every row; -1 when none does.
int TemplateBandIndex(const ChannelTemplate& t);

struct TemplatePlan {
  CsvImportPlan main;
  CsvImportPlan pmr;
};
// Where the rows go in an image of band `band`: each row to its channel,
// or each set from channel 1 in file order when the file has no Location.
TemplatePlan PlanChannelTemplate(const ChannelTemplate& t, const BandLimits& band);

// Applies a template through the loaded main channel table `main`:
// switches the band first when the template needs the other one (which
// clears the channels, as the band selector does), then imports both sets
// from channel 1. An error when no band holds the template; the image is
// then unchanged.
Status ApplyChannelTemplate(RadioImage& image, ChannelTable& main, const ChannelTemplate& t);

// The text of a template file holding the channels of both tables.
std::string ChannelTemplateText(const std::string& name, const std::string& description, const ChannelTable& main,
                                const ChannelTable& pmr);
// A file name for a template name: letters, digits and '-' only, ".csv".
std::string TemplateFileName(std::string_view name);

}  // namespace cps
