#pragma once
// Command-line keys for settings pages described by a PageSchema. One line
// per area registers its pages for "dpmr-cli keys/get/set":
//
//   static SchemaPagesRegistrar reg({&OptionPageSchema(), &ScanPageSchema()});
//
// Each page becomes one key family named after the page key ("dpmr-cli keys
// option"), with keys "<page>.<field>". Values are what the control shows:
// item text, edit text, "on"/"off". The pages registered together are the
// tabs of one dialog: "set" opens the dialog (the document's moment first,
// where there is one, then every tab loads), sets each field as the user
// would (leave rule included) and closes it (every tab is stored in order,
// then whatever else the dialog stores when it closes).
#include <functional>
#include <initializer_list>
#include <iosfwd>
#include <memory>
#include <vector>

#include "cli/cli.h"
#include "core/schema/schema.h"

namespace cps::cli {

// One dialog of schema pages.
struct SchemaDialog {
  std::vector<const PageSchema*> pages;  // its tabs, in order
  void (Document::*beforeOpen)() = nullptr;  // e.g. &Document::BeforeScanInfo
  std::function<void(RadioImage&)> closing;  // stores after the tabs, on closing
};

class SchemaKeySpace : public KeySpace {
 public:
  SchemaKeySpace(const PageSchema& page, std::shared_ptr<const SchemaDialog> dialog)
      : page_(page), dialog_(std::move(dialog)) {}
  std::string Name() const override { return page_.key; }
  std::vector<KeyInfo> Keys() const override;
  bool Owns(std::string_view key) const override;
  Result<std::string> Get(const RadioImage& image, std::string_view key) const override;
  Status Set(RadioImage& image, const std::vector<std::pair<std::string, std::string>>& assignments) const override;
  Result<std::string> GetOpen(const Document& doc, std::string_view key) const override;
  Status SetOpen(Document& doc, const std::vector<std::pair<std::string, std::string>>& assignments) const override;
  const SchemaDialog* dialog() const { return dialog_.get(); }

 private:
  const PageSchema& page_;
  std::shared_ptr<const SchemaDialog> dialog_;
};

// Registers the pages of one dialog (without a moment or closing steps).
struct SchemaPagesRegistrar {
  SchemaPagesRegistrar(std::initializer_list<const PageSchema*> pages);
  explicit SchemaPagesRegistrar(SchemaDialog dialog);
};

// Prints a page field by field: "<key>  <label>  <value>", hidden rows
// marked, for "dpmr-cli show".
void PrintPage(std::ostream& out, const PageSchema& page, const RadioImage& image);
// The same for the open document: the page as its dialog shows it when it
// opens right after File, Open (Scan Info after the table's write-back).
void PrintPageOpen(std::ostream& out, const PageSchema& page, const Document& doc);

}  // namespace cps::cli
