#pragma once
// Command-line keys for settings pages described by a PageSchema. One line
// per area registers its pages for "dpmr-cli keys/get/set":
//
//   static SchemaPagesRegistrar reg({&OptionPageSchema(), &ScanPageSchema()});
//
// Each page becomes one key family named after the page key ("dpmr-cli keys
// option"), with keys "<page>.<field>". Values are what the control shows:
// item text, edit text, "on"/"off". "set" loads the page as its dialog opens,
// sets each field as the user would (leave rule included) and saves the page
// as the dialog does on close.
#include <initializer_list>
#include <iosfwd>
#include <vector>

#include "cli/cli.h"
#include "core/schema/schema.h"

namespace cps::cli {

class SchemaKeySpace : public KeySpace {
 public:
  explicit SchemaKeySpace(const PageSchema& page) : page_(page) {}
  std::string Name() const override { return page_.key; }
  std::vector<KeyInfo> Keys() const override;
  bool Owns(std::string_view key) const override;
  Result<std::string> Get(const RadioImage& image, std::string_view key) const override;
  Status Set(RadioImage& image, const std::vector<std::pair<std::string, std::string>>& assignments) const override;

 private:
  const PageSchema& page_;
};

struct SchemaPagesRegistrar {
  SchemaPagesRegistrar(std::initializer_list<const PageSchema*> pages);
};

// Prints a page field by field: "<key>  <label>  <value>", hidden rows
// marked, for "dpmr-cli show".
void PrintPage(std::ostream& out, const PageSchema& page, const RadioImage& image);

}  // namespace cps::cli
