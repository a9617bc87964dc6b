// The standard fonts by family and style, as other font systems name
// them: X logical font descriptions and the face names of office systems
// ("Arial Bold") lead to the metric-compatible standard font.
#pragma once
#include <string_view>

namespace zantor {

// Standard font 0..34 of a family name (case and blanks ignored, common
// aliases such as "Arial" for Helvetica included) in the given style;
// -1 for an unknown family.
int familyFontIndex(std::string_view family, bool bold, bool italic);

// An X logical font description ("-adobe-times-bold-i-normal--...") or a
// plain family name; wildcards leave a field at its regular value.
int x11FontIndex(std::string_view name);

// A face name with optional trailing style words ("Times New Roman Bold
// Italic", "Arial Oblique", "Courier New Regular").
int faceNameFontIndex(std::string_view name);

}  // namespace zantor
