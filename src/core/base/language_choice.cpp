// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/base/language_choice.h"

#include <algorithm>
#include <cctype>

namespace cps {

namespace {

constexpr std::string_view kCataloguePrefix = "dpmr-cps_";
constexpr std::string_view kCatalogueSuffix = ".qm";

bool AllOf(std::string_view s, int (*test)(int)) {
  return std::all_of(s.begin(), s.end(), [test](char c) { return test(static_cast<unsigned char>(c)) != 0; });
}

std::vector<std::string> Split(std::string_view code) {
  std::vector<std::string> parts;
  std::string part;
  for (char c : code) {
    if (c == '_' || c == '-') {
      parts.push_back(part);
      part.clear();
    } else {
      part += c;
    }
  }
  parts.push_back(part);
  return parts;
}

std::string Language(std::string_view code) { return Split(code).front(); }

}  // namespace

std::string NormaliseLanguageCode(std::string_view code) {
  std::vector<std::string> parts = Split(code);
  std::string out;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    std::string p = parts[i];
    for (char& c : p) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (i > 0) {
      out += '_';
      if (p.size() == 4 && AllOf(p, std::isalpha)) {  // a script: "Hans"
        p[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(p[0])));
      } else {  // a territory: "CN", "419"
        for (char& c : p) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      }
    }
    out += p;
  }
  return out;
}

std::optional<std::string> CatalogueCode(std::string_view fileName) {
  if (fileName.size() <= kCataloguePrefix.size() + kCatalogueSuffix.size() ||
      fileName.substr(0, kCataloguePrefix.size()) != kCataloguePrefix ||
      fileName.substr(fileName.size() - kCatalogueSuffix.size()) != kCatalogueSuffix)
    return std::nullopt;
  const std::string_view code =
      fileName.substr(kCataloguePrefix.size(), fileName.size() - kCataloguePrefix.size() - kCatalogueSuffix.size());
  const std::vector<std::string> parts = Split(code);
  if (code.find('-') != std::string_view::npos) return std::nullopt;
  const std::string& lang = parts.front();
  if (lang.size() < 2 || lang.size() > 3 || !AllOf(lang, std::islower)) return std::nullopt;
  for (std::size_t i = 1; i < parts.size(); ++i) {
    const std::string& p = parts[i];
    const bool script = p.size() == 4 && AllOf(p, std::isalpha) && std::isupper(static_cast<unsigned char>(p[0])) &&
                        AllOf(p.substr(1), std::islower);
    const bool territory = (p.size() == 2 && AllOf(p, std::isupper)) || (p.size() == 3 && AllOf(p, std::isdigit));
    if (!script && !territory) return std::nullopt;
  }
  return std::string(code);
}

std::string SystemCatalogue(const std::vector<std::string>& systemLanguages, const std::vector<std::string>& codes) {
  for (const std::string& given : systemLanguages) {
    const std::string wanted = NormaliseLanguageCode(given);
    if (wanted.empty()) continue;
    if (std::find(codes.begin(), codes.end(), wanted) != codes.end()) return wanted;
    const std::string lang = Language(wanted);
    if (std::find(codes.begin(), codes.end(), lang) != codes.end()) return lang;
    for (const std::string& c : codes)
      if (Language(c) == lang) return c;
  }
  return {};
}

Result<std::string> ResolveLanguage(std::string_view wanted, const std::vector<std::string>& codes) {
  std::string lower(wanted);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (lower.empty() || lower == kBuiltInLanguage || lower == "built-in") return std::string();
  const std::string code = NormaliseLanguageCode(wanted);
  if (std::find(codes.begin(), codes.end(), code) != codes.end()) return code;
  std::string choices = kBuiltInLanguage;
  for (const std::string& c : codes) choices += ", " + c;
  return Error{"unknown language \"" + std::string(wanted) + "\" (choose one of: " + choices + ")"};
}

}  // namespace cps
