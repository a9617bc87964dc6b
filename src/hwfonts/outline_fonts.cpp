// FreeType faces of the hardware fonts and the cache of rendered glyphs.
#include "hwfonts/outline_fonts.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H
#include FT_OUTLINE_H

#include <array>
#include <cmath>
#include <cstdlib>
#include <map>
#include <memory>
#include <sys/stat.h>
#include <unordered_map>

#include "hwfonts/font_metrics.h"
#include "hwfonts/hwfont_state.h"

namespace zantor {

class OutlineFont {
 public:
  explicit OutlineFont(FT_Face face) : face_(face) { advances_.fill(-2); }
  ~OutlineFont() { FT_Done_Face(face_); }
  OutlineFont(const OutlineFont&) = delete;
  OutlineFont& operator=(const OutlineFont&) = delete;

  FT_Face face() const { return face_; }
  std::array<int, 256>& advances() { return advances_; }
  int capHeight = 0;  // 1/1000 of the size, 0 until measured

 private:
  FT_Face face_;
  std::array<int, 256> advances_;  // -2 not yet measured
};

namespace {

struct LibraryDeleter {
  void operator()(FT_Library lib) const { FT_Done_FreeType(lib); }
};
using LibraryHandle = std::unique_ptr<std::remove_pointer_t<FT_Library>, LibraryDeleter>;

// Everything loaded during one plot.
struct OutlineStore {
  LibraryHandle library;
  struct Face {
    std::unique_ptr<OutlineFont> font;  // null: unreadable
    struct stat file {};                // the file as it was read
  };
  std::map<std::string, Face> faces;
  std::unordered_map<uint64_t, GlyphBitmap> glyphs;
  std::unordered_map<uint64_t, bool> missing;
  // The outlines of the standard fonts, found without a file search after
  // the first time.
  std::array<OutlineFont*, kStandardFontCount> standard{};
  std::array<bool, kStandardFontCount> searched{};
};

OutlineStore& store() {
  static OutlineStore s;
  return s;
}

// Enough rendered glyphs for any picture that repeats its labels; a
// picture with more distinct sizes and angles starts the cache afresh.
constexpr std::size_t kCacheLimit = 20000;

bool fileExists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

uint64_t glyphKey(const OutlineFont* font, int code, double pixels, double angle, double scale,
                  bool antialias, int phase) {
  uint64_t h = reinterpret_cast<uintptr_t>(font);
  auto mix = [&h](uint64_t v) { h = (h ^ v) * 0x100000001b3ull + (h >> 29); };
  mix(static_cast<uint64_t>(code));
  mix(static_cast<uint64_t>(std::llround(pixels * 64)));
  mix(static_cast<uint64_t>(std::llround(angle * 100)));
  mix(static_cast<uint64_t>(std::llround(scale * 1000)));
  mix(antialias ? 1 : 0);
  mix(static_cast<uint64_t>(phase));
  return h;
}

FT_UInt glyphIndex(FT_Face face, int code) {
  FT_UInt i = FT_Get_Char_Index(face, static_cast<FT_ULong>(code));
  // Symbol fonts in TrueType form keep their glyphs in the private area.
  if (i == 0 && face->charmap != nullptr && face->charmap->encoding == FT_ENCODING_MS_SYMBOL)
    i = FT_Get_Char_Index(face, static_cast<FT_ULong>(0xF000 + code));
  return i;
}

}  // namespace

std::string standardFontFile(int font) {
  if (font < 0 || font >= kStandardFontCount) return {};
  const std::string stem = kFontMetrics[font].file;
  std::string dirs[3];
  if (const char* home = std::getenv("ZANTOR"); home != nullptr && *home != '\0')
    dirs[0] = std::string(home) + "/fonts/";
  dirs[1] = "/usr/share/fonts/type1/urw-base35/";
  dirs[2] = "/usr/share/fonts/opentype/urw-base35/";
  for (const std::string& dir : dirs) {
    if (dir.empty()) continue;
    for (const char* ext : {".t1", ".otf", ".ttf", ".pfb"})
      if (fileExists(dir + stem + ext)) return dir + stem + ext;
  }
  return {};
}

// The same file, unchanged since it was read.
bool sameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size &&
         a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
}

OutlineFont* openOutlineFont(const std::string& path, bool symbolic, bool recheck) {
  OutlineStore& s = store();
  const std::string key = (symbolic ? "S" : "U") + path;
  struct stat now {};
  const bool exists = ::stat(path.c_str(), &now) == 0 && S_ISREG(now.st_mode);
  if (auto it = s.faces.find(key); it != s.faces.end()) {
    if (!recheck || (exists && sameFile(it->second.file, now))) return it->second.font.get();
    // The file was replaced: its glyphs go with the old face.
    s.glyphs.clear();
    s.missing.clear();
    s.standard.fill(nullptr);
    s.searched.fill(false);
    s.faces.erase(it);
  }
  OutlineStore::Face& slot = s.faces[key];
  slot.file = now;
  if (!exists) return nullptr;
  if (!s.library) {
    FT_Library lib = nullptr;
    if (FT_Init_FreeType(&lib) != 0) return nullptr;
    s.library.reset(lib);
  }
  FT_Face face = nullptr;
  if (FT_New_Face(s.library.get(), path.c_str(), 0, &face) != 0 || face == nullptr) return nullptr;
  // A file whose first glyph cannot be loaded is as good as unreadable.
  if (!FT_IS_SCALABLE(face) || face->units_per_EM == 0 || face->num_glyphs <= 0 ||
      FT_Load_Glyph(face, face->num_glyphs > 1 ? 1 : 0, FT_LOAD_NO_SCALE) != 0) {
    FT_Done_Face(face);
    return nullptr;
  }
  if (symbolic) {
    if (FT_Select_Charmap(face, FT_ENCODING_ADOBE_CUSTOM) != 0 &&
        FT_Select_Charmap(face, FT_ENCODING_ADOBE_STANDARD) != 0 &&
        FT_Select_Charmap(face, FT_ENCODING_MS_SYMBOL) != 0 && face->num_charmaps > 0)
      FT_Set_Charmap(face, face->charmaps[0]);
  } else if (FT_Select_Charmap(face, FT_ENCODING_UNICODE) != 0) {
    FT_Select_Charmap(face, FT_ENCODING_MS_SYMBOL);
  }
  slot.font = std::make_unique<OutlineFont>(face);
  return slot.font.get();
}

OutlineFont* standardOutlineFont(int font) {
  if (font < 0 || font >= kStandardFontCount) return nullptr;
  OutlineStore& s = store();
  const auto k = static_cast<std::size_t>(font);
  if (!s.searched[k]) {
    s.searched[k] = true;
    const std::string path = standardFontFile(font);
    s.standard[k] = path.empty() ? nullptr
                                 : openOutlineFont(path, font == kSymbolFont || font == kDingbatsFont);
  }
  return s.standard[k];
}

OutlineFont* currentOutlineFont() {
  const HwFontState& hw = hwFontState();
  if (!hw.trueType.empty()) return openOutlineFont(hw.trueType, false);
  return standardOutlineFont(hw.font);
}

int outlineAdvance(OutlineFont& font, int code) {
  if (code < 0 || code > 255) code = 32;
  int& a = font.advances()[static_cast<std::size_t>(code)];
  if (a != -2) return a;
  FT_Face face = font.face();
  a = 0;
  const FT_UInt i = glyphIndex(face, code);
  if (i != 0 && FT_Load_Glyph(face, i, FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING) == 0)
    a = static_cast<int>(std::lround(face->glyph->advance.x * 1000.0 / face->units_per_EM));
  if (a <= 0 && code != 32) a = outlineAdvance(font, 32);
  if (a <= 0) a = 500;  // not even a blank: half the size
  return a;
}

int outlineCapHeight(OutlineFont& font) {
  if (font.capHeight > 0) return font.capHeight;
  FT_Face face = font.face();
  int cap = 0;
  if (auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
      os2 != nullptr && os2->version >= 2 && os2->sCapHeight > 0)
    cap = static_cast<int>(std::lround(os2->sCapHeight * 1000.0 / face->units_per_EM));
  const FT_UInt h = glyphIndex(face, 'H');
  if (cap <= 0 && h != 0 && FT_Load_Glyph(face, h, FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING) == 0)
    cap = static_cast<int>(
        std::lround(face->glyph->metrics.horiBearingY * 1000.0 / face->units_per_EM));
  if (cap <= 0 || cap > 2000) cap = 700;  // a font without capitals
  font.capHeight = cap;
  return cap;
}

const GlyphBitmap* renderGlyph(OutlineFont& font, int code, double pixels, double angle,
                               double widthScale, bool antialias, int phaseX, int phaseY) {
  phaseX &= 3, phaseY &= 3;
  if (!(pixels >= 1.0 && pixels <= 4000.0) || !std::isfinite(angle) ||
      !(widthScale > 0.01 && widthScale < 100))
    return nullptr;
  OutlineStore& s = store();
  const uint64_t key =
      glyphKey(&font, code, pixels, angle, widthScale, antialias, phaseX * 4 + phaseY);
  if (auto it = s.glyphs.find(key); it != s.glyphs.end()) return &it->second;
  if (s.missing.count(key) != 0) return nullptr;
  if (s.glyphs.size() >= kCacheLimit) s.glyphs.clear();

  FT_Face face = font.face();
  const FT_UInt index = glyphIndex(face, code);
  bool ok = index != 0 &&
            FT_Set_Char_Size(face, 0, static_cast<FT_F26Dot6>(std::lround(pixels * 64)), 72, 72) == 0;
  if (ok) {
    const double r = angle * 3.14159265358979323846 / 180.0;
    const double c = std::cos(r), sn = std::sin(r);
    FT_Matrix m;
    m.xx = static_cast<FT_Fixed>(std::lround(c * widthScale * 65536));
    m.xy = static_cast<FT_Fixed>(std::lround(-sn * 65536));
    m.yx = static_cast<FT_Fixed>(std::lround(sn * widthScale * 65536));
    m.yy = static_cast<FT_Fixed>(std::lround(c * 65536));
    // FreeType counts 64ths of a pixel, y upwards.
    FT_Vector delta{phaseX * 16, -phaseY * 16};
    FT_Set_Transform(face, &m, &delta);
    const FT_Int32 flags =
        FT_LOAD_RENDER | (antialias ? FT_LOAD_TARGET_NORMAL : FT_LOAD_TARGET_MONO);
    ok = FT_Load_Glyph(face, index, flags) == 0;
    FT_Set_Transform(face, nullptr, nullptr);
  }
  if (!ok) {
    s.missing[key] = true;
    return nullptr;
  }
  const FT_GlyphSlot slot = face->glyph;
  const FT_Bitmap& bm = slot->bitmap;
  GlyphBitmap out;
  out.width = static_cast<int>(bm.width);
  out.height = static_cast<int>(bm.rows);
  out.left = slot->bitmap_left;
  out.top = slot->bitmap_top;
  out.coverage.assign(std::size_t(out.width) * std::size_t(out.height), 0);
  for (int y = 0; y < out.height; ++y) {
    const unsigned char* row = bm.buffer + std::ptrdiff_t(y) * bm.pitch;
    uint8_t* dst = out.coverage.data() + std::size_t(y) * std::size_t(out.width);
    for (int x = 0; x < out.width; ++x) {
      if (bm.pixel_mode == FT_PIXEL_MODE_MONO)
        dst[x] = (row[x >> 3] & (0x80 >> (x & 7))) != 0 ? 255 : 0;
      else if (bm.pixel_mode == FT_PIXEL_MODE_GRAY)
        dst[x] = static_cast<uint8_t>(bm.num_grays > 1 ? row[x] * 255 / (bm.num_grays - 1) : row[x]);
    }
  }
  return &(s.glyphs[key] = std::move(out));
}

namespace {

// Receives the outline from FreeType and flattens its curves: eight lines
// per curve keep a glyph smooth up to the sizes of titles.
struct ContourSink {
  std::vector<GlyphContour> contours;
  double scale = 1.0;  // font units to 1/1000 of the size
  double x = 0, y = 0;
  static constexpr int kSteps = 8;

  void to(double px, double py) {
    x = px, y = py;
    contours.back().emplace_back(px * scale, py * scale);
  }
  static ContourSink& of(void* user) { return *static_cast<ContourSink*>(user); }
  static int move(const FT_Vector* p, void* user) {
    ContourSink& s = of(user);
    s.contours.emplace_back();
    s.to(p->x, p->y);
    return 0;
  }
  static int line(const FT_Vector* p, void* user) {
    of(user).to(p->x, p->y);
    return 0;
  }
  static int conic(const FT_Vector* c, const FT_Vector* p, void* user) {
    ContourSink& s = of(user);
    const double x0 = s.x, y0 = s.y;
    for (int i = 1; i <= kSteps; ++i) {
      const double t = double(i) / kSteps, u = 1 - t;
      s.to(u * u * x0 + 2 * u * t * c->x + t * t * p->x, u * u * y0 + 2 * u * t * c->y + t * t * p->y);
    }
    return 0;
  }
  static int cubic(const FT_Vector* c1, const FT_Vector* c2, const FT_Vector* p, void* user) {
    ContourSink& s = of(user);
    const double x0 = s.x, y0 = s.y;
    for (int i = 1; i <= kSteps; ++i) {
      const double t = double(i) / kSteps, u = 1 - t;
      const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
      s.to(a * x0 + b * c1->x + c * c2->x + d * p->x, a * y0 + b * c1->y + c * c2->y + d * p->y);
    }
    return 0;
  }
};

}  // namespace

std::vector<GlyphContour> glyphContours(OutlineFont& font, int code) {
  FT_Face face = font.face();
  const FT_UInt index = glyphIndex(face, code);
  if (index == 0 || face->units_per_EM == 0 ||
      FT_Load_Glyph(face, index, FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING) != 0 ||
      face->glyph->format != FT_GLYPH_FORMAT_OUTLINE)
    return {};
  ContourSink sink;
  sink.scale = 1000.0 / face->units_per_EM;
  FT_Outline_Funcs funcs{};
  funcs.move_to = ContourSink::move;
  funcs.line_to = ContourSink::line;
  funcs.conic_to = ContourSink::conic;
  funcs.cubic_to = ContourSink::cubic;
  if (FT_Outline_Decompose(&face->glyph->outline, &funcs, &sink) != 0) return {};
  return std::move(sink.contours);
}

void releaseOutlineFonts() {
  OutlineStore& s = store();
  s.glyphs.clear();
  s.missing.clear();
  s.faces.clear();
  s.library.reset();
  s.standard.fill(nullptr);
  s.searched.fill(false);
}

}  // namespace zantor
