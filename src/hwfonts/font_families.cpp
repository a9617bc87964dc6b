// Family names of the standard fonts and their styles.
#include "hwfonts/font_families.h"

#include <cctype>
#include <string>
#include <vector>

#include "hwfonts/font_metrics.h"

namespace zantor {
namespace {

struct Family {
  const char* names;  // aliases separated by '|', lower case without blanks
  const char* styles[4];  // regular, bold, italic, bold italic
};

// Metric-compatible faces of other systems share the family of the
// standard font whose widths they copy.
const Family kFamilies[] = {
    {"times|timesroman|timesnewroman|nimbusroman|liberationserif",
     {"Times-Roman", "Times-Bold", "Times-Italic", "Times-BoldItalic"}},
    {"helvetica|arial|nimbussans|liberationsans",
     {"Helvetica", "Helvetica-Bold", "Helvetica-Oblique", "Helvetica-BoldOblique"}},
    {"helveticanarrow|arialnarrow|nimbussansnarrow|liberationsansnarrow",
     {"Helvetica-Narrow", "Helvetica-Narrow-Bold", "Helvetica-Narrow-Oblique",
      "Helvetica-Narrow-BoldOblique"}},
    {"courier|couriernew|nimbusmono|nimbusmonops|liberationmono",
     {"Courier", "Courier-Bold", "Courier-Oblique", "Courier-BoldOblique"}},
    {"newcenturyschoolbook|newcenturyschlbk|centuryschoolbook|c059",
     {"NewCenturySchlbk-Roman", "NewCenturySchlbk-Bold", "NewCenturySchlbk-Italic",
      "NewCenturySchlbk-BoldItalic"}},
    {"palatino|palatinolinotype|bookantiqua|p052",
     {"Palatino-Roman", "Palatino-Bold", "Palatino-Italic", "Palatino-BoldItalic"}},
    {"bookman|bookmanoldstyle|itcbookman|urwbookman",
     {"Bookman-Light", "Bookman-Demi", "Bookman-LightItalic", "Bookman-DemiItalic"}},
    {"avantgarde|itcavantgarde|itcavantgardegothic|centurygothic|urwgothic",
     {"AvantGarde-Book", "AvantGarde-Demi", "AvantGarde-BookOblique",
      "AvantGarde-DemiOblique"}},
    {"zapfchancery|itczapfchancery|z003",
     {"ZapfChancery-MediumItalic", "ZapfChancery-MediumItalic", "ZapfChancery-MediumItalic",
      "ZapfChancery-MediumItalic"}},
    {"symbol|standardsymbolsps", {"Symbol", "Symbol", "Symbol", "Symbol"}},
    {"zapfdingbats|itczapfdingbats|dingbats|d050000l",
     {"ZapfDingbats", "ZapfDingbats", "ZapfDingbats", "ZapfDingbats"}},
};

std::string squeezed(std::string_view s) {
  std::string out;
  for (char c : s)
    if (c != ' ' && c != '-' && c != '_') out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

bool listed(const char* names, const std::string& key) {
  std::string_view rest(names);
  while (!rest.empty()) {
    const size_t bar = rest.find('|');
    if (rest.substr(0, bar) == key) return true;
    if (bar == std::string_view::npos) break;
    rest.remove_prefix(bar + 1);
  }
  return false;
}

std::string lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace

int familyFontIndex(std::string_view family, bool bold, bool italic) {
  const std::string key = squeezed(family);
  if (key.empty()) return -1;
  for (const Family& f : kFamilies)
    if (listed(f.names, key)) return standardFontIndex(f.styles[(bold ? 1 : 0) + (italic ? 2 : 0)]);
  return -1;
}

int x11FontIndex(std::string_view name) {
  if (name.empty() || name.front() != '-') return faceNameFontIndex(name);
  // -foundry-family-weight-slant-setwidth-...
  std::vector<std::string_view> fields;
  std::string_view rest = name.substr(1);
  for (size_t dash; (dash = rest.find('-')) != std::string_view::npos; rest.remove_prefix(dash + 1))
    fields.push_back(rest.substr(0, dash));
  fields.push_back(rest);
  if (fields.size() < 2) return -1;
  const std::string weight = fields.size() > 2 ? lower(fields[2]) : "";
  const std::string slant = fields.size() > 3 ? lower(fields[3]) : "";
  const bool bold = weight == "bold" || weight == "demibold" || weight == "demi" ||
                    weight == "black" || weight == "heavy";
  const bool italic = slant == "i" || slant == "o";
  std::string family(fields[1]);
  if (fields.size() > 4 && lower(fields[4]) == "narrow") family += " narrow";
  return familyFontIndex(family, bold, italic);
}

int faceNameFontIndex(std::string_view name) {
  bool bold = false, italic = false;
  std::string_view family = name;
  for (;;) {
    while (!family.empty() && family.back() == ' ') family.remove_suffix(1);
    const size_t blank = family.find_last_of(' ');
    if (blank == std::string_view::npos) break;
    const std::string word = lower(family.substr(blank + 1));
    if (word == "bold") bold = true;
    else if (word == "italic" || word == "oblique") italic = true;
    else if (word != "regular") break;
    family = family.substr(0, blank);
  }
  return familyFontIndex(family, bold, italic);
}

}  // namespace zantor
