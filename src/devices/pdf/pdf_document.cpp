#include "devices/pdf/pdf_document.h"

#include <zlib.h>

#include <cmath>
#include <cstring>

#include "core/clock.h"
#include "core/format.h"
#include "hwfonts/font_metrics.h"

namespace zantor::pdf {
namespace {

std::unique_ptr<Document> theDocument;

// One deflate call into an area of n + n/100 + 13 bytes; empty when memory
// or zlib fails (the caller then writes the bytes uncompressed).
std::unique_ptr<uint8_t[]> deflateAll(const uint8_t* data, std::size_t n, std::size_t& outLen) {
  outLen = 0;
  const std::size_t cap = n + n / 100 + 13;
  if (n > 0xFFFFFFF0u || cap > 0xFFFFFFF0u) return nullptr;
  std::unique_ptr<uint8_t[]> out(new (std::nothrow) uint8_t[cap]);
  if (!out) return nullptr;
  z_stream z{};
  if (deflateInit(&z, Z_DEFAULT_COMPRESSION) != Z_OK) return nullptr;
  z.next_in = const_cast<Bytef*>(data);
  z.avail_in = static_cast<uInt>(n);
  z.next_out = out.get();
  z.avail_out = static_cast<uInt>(cap);
  const int rc = deflate(&z, Z_FINISH);
  outLen = cap - z.avail_out;
  deflateEnd(&z);
  if (rc != Z_STREAM_END) return nullptr;
  return out;
}

std::string objRef(int n) {
  std::string s;
  appendInt(s, n);
  s += " 0 R";
  return s;
}

}  // namespace

const std::array<std::string_view, kFontCount> kFontNames{
    "Times-Roman", "Times-Bold", "Times-Italic", "Times-BoldItalic", "Helvetica",
    "Helvetica-Bold", "Helvetica-Oblique", "Helvetica-BoldOblique", "Helvetica-Narrow",
    "Helvetica-Narrow-Bold", "Helvetica-Narrow-Oblique", "Helvetica-Narrow-BoldOblique",
    "NewCenturySchlbk-Roman", "NewCenturySchlbk-Italic", "NewCenturySchlbk-Bold",
    "NewCenturySchlbk-BoldItalic", "ZapfChancery-MediumItalic", "ZapfDingbats", "Courier",
    "Courier-Bold", "Courier-Oblique", "Courier-BoldOblique", "AvantGarde-Book",
    "AvantGarde-Demi", "AvantGarde-BookOblique", "AvantGarde-DemiOblique", "Bookman-Light",
    "Bookman-LightItalic", "Bookman-Demi", "Bookman-DemiItalic", "Palatino-Roman",
    "Palatino-Italic", "Palatino-Bold", "Palatino-BoldItalic", "Symbol"};

Document& document() {
  if (!theDocument) theDocument = std::make_unique<Document>();
  return *theDocument;
}

void releaseDocument() { theDocument.reset(); }
bool haveDocument() { return theDocument != nullptr; }

int Document::begin(const std::string& path, double width, double height, bool rotate,
                    bool compress, bool memory, std::unique_ptr<Sink> sink) {
  width_ = width;
  height_ = height;
  rotate_ = rotate;
  compress_ = compress;
  if (sink) {
    out_.openSink(std::move(sink));
  } else if (memory) {
    if (!out_.openMemory()) return -2;
  } else if (!out_.openFile(path)) {
    return -1;
  }
  if (compress_) content_.reserve(kContentBuffer);
  put("%PDF-1.3\n");
  beginStream();
  line("0.709 w");
  line("2 J");
  line("2 j");
  return 0;
}

int Document::allocObject() {
  offsets_.push_back(0);
  return static_cast<int>(offsets_.size()) - 1;
}

void Document::startObject(int n) {
  offsets_[static_cast<std::size_t>(n)] = out_.position();
  scratch_.clear();
  appendInt(scratch_, n);
  scratch_ += " 0 obj\n";
  put(scratch_);
}

void Document::beginStream() {
  const int n = allocObject();
  streams_.push_back(n);
  startObject(n);
  inStream_ = true;
  content_.clear();
  if (!compress_) {
    lengthObj_ = allocObject();
    scratch_ = "<< /Length " + objRef(lengthObj_) + " >>\nstream\n";
    put(scratch_);
    streamStart_ = out_.position();
  }
}

void Document::line(std::string_view s) {
  if (!inStream_) beginStream();
  if (!compress_) {
    put(s);
    put("\n");
    return;
  }
  // A full buffer ends this stream; the page continues in the next one.
  if (!content_.empty() && content_.size() + s.size() + 1 > kContentBuffer) {
    endStream();
    beginStream();
  }
  content_ += s;
  content_ += '\n';
}

void Document::writeStreamBody(const uint8_t* data, std::size_t n, std::string_view dict,
                               std::string_view indent) {
  std::size_t zlen = 0;
  std::unique_ptr<uint8_t[]> z = compress_ ? deflateAll(data, n, zlen) : nullptr;
  scratch_.assign(dict);
  scratch_ += indent;
  scratch_ += "/Length ";
  appendInt(scratch_, static_cast<int64_t>(z ? zlen : n));
  if (z) {
    scratch_ += '\n';
    scratch_ += indent;
    scratch_ += "/Filter /FlateDecode\n>>\n";
  } else {
    scratch_ += indent.empty() ? " >>\n" : "\n>>\n";
  }
  scratch_ += "stream\n";
  put(scratch_);
  if (z) out_.write(z.get(), zlen);
  else out_.write(data, n);
  put("\nendstream\nendobj\n");
}

void Document::endStream() {
  if (!inStream_) return;
  inStream_ = false;
  if (compress_) {
    writeStreamBody(reinterpret_cast<const uint8_t*>(content_.data()), content_.size(),
                    "<< ", "");
    content_.clear();
    return;
  }
  const uint64_t length = out_.position() - streamStart_;
  put("endstream\nendobj\n");
  startObject(lengthObj_);
  scratch_.clear();
  appendInt(scratch_, static_cast<int64_t>(length));
  scratch_ += "\nendobj\n";
  put(scratch_);
}

void Document::useFont(int k) {
  if (k < 0 || k >= kFontCount) return;
  pageFonts_[static_cast<std::size_t>(k)] = true;
  if (fontState_[static_cast<std::size_t>(k)] == 0) fontState_[static_cast<std::size_t>(k)] = 1;
}

// Pending fonts, written when a page ends.  Symbol and ZapfDingbats keep
// their own encoding.  Readers know the widths of the fourteen base fonts;
// the other standard fonts carry their widths and a descriptor, so that a
// reader placing them with a substitute keeps the text where it was set.
void Document::writeFonts() {
  for (int k = 0; k < kFontCount; ++k) {
    const auto i = static_cast<std::size_t>(k);
    if (fontState_[i] != 1) continue;
    fontObj_[i] = allocObject();
    const int descriptor = isBaseFourteen(k) ? 0 : allocObject();
    startObject(fontObj_[i]);
    std::string s = "<< /Type /Font\n/Subtype /Type1\n/BaseFont /";
    s += kFontNames[i];
    s += '\n';
    if (kFontNames[i] != "Symbol" && kFontNames[i] != "ZapfDingbats")
      s += "/Encoding /WinAnsiEncoding\n";
    if (descriptor != 0) appendWidths(s, k, descriptor);
    s += ">>\nendobj\n";
    put(s);
    if (descriptor != 0) writeFontDescriptor(k, descriptor);
    fontState_[i] = 2;
  }
}

void Document::appendWidths(std::string& s, int k, int descriptor) {
  const FontMetrics& m = kFontMetrics[k];
  s += "/FirstChar 32\n/LastChar 255\n/Widths [";
  for (int c = 0; c < 224; ++c) {
    s += (c % 16 == 0) ? '\n' : ' ';
    appendInt(s, m.widths[c]);
  }
  s += "]\n/FontDescriptor ";
  appendInt(s, descriptor);
  s += " 0 R\n";
}

void Document::writeFontDescriptor(int k, int obj) {
  const FontMetrics& m = kFontMetrics[k];
  const std::string_view name = kFontNames[static_cast<std::size_t>(k)];
  // Flags: fixed pitch 1, serif 2, script 8, non-symbolic 32, italic 64.
  int flags = 32;
  if (m.fixedPitch) flags |= 1;
  if (name.starts_with("NewCentury") || name.starts_with("Bookman") ||
      name.starts_with("Palatino"))
    flags |= 2;
  if (name.starts_with("ZapfChancery")) flags |= 8;
  if (m.italicAngle != 0) flags |= 64;
  startObject(obj);
  std::string s = "<< /Type /FontDescriptor\n/FontName /";
  s += name;
  s += "\n/Flags ";
  appendInt(s, flags);
  s += "\n/FontBBox [";
  for (int v : m.bbox) {
    appendInt(s, v);
    s += ' ';
  }
  s.back() = ']';
  s += "\n/ItalicAngle ";
  appendFixed(s, m.italicAngle, 1);
  s += "\n/Ascent ";
  appendInt(s, m.ascender);
  s += "\n/Descent ";
  appendInt(s, m.descender);
  s += "\n/CapHeight ";
  appendInt(s, m.capHeight);
  // The metric files give no stem widths: typical values of the weight.
  s += m.bold ? "\n/StemV 140\n>>\nendobj\n" : "\n/StemV 80\n>>\nendobj\n";
  put(s);
}

void Document::endPage() {
  endStream();
  writeFonts();
  const int obj = allocObject();
  pageObjs_.push_back(obj);
  ++pageCount_;
  startObject(obj);
  std::string s = "<<\n/Type /Page\n/MediaBox [0 0 ";
  appendInt(s, std::lround(width_));
  s += ' ';
  appendInt(s, std::lround(height_));
  s += "]\n/Parent 2 0 R\n";
  if (rotate_) s += "/Rotate 90\n";
  bool text = false;
  for (bool f : pageFonts_) text = text || f;
  const bool images = !images_.empty();
  s += "/Resources << /ProcSet ";
  s += text ? (images ? "[/PDF /Text /ImageC]" : "[/PDF /Text]")
            : (images ? "[/PDF /ImageC]" : "[/PDF]");
  s += '\n';
  if (text) {
    s += "/Font <<\n";
    for (int k = 0; k < kFontCount; ++k) {
      if (!pageFonts_[static_cast<std::size_t>(k)]) continue;
      s += "/F";
      appendInt(s, k + 1);
      s += ' ';
      s += objRef(fontObj_[static_cast<std::size_t>(k)]);
      s += '\n';
    }
    s += ">>\n";
  }
  if (images || !pageForms_.empty()) {
    s += "/XObject <<\n";
    for (auto [i, o] : images_) {
      s += "/Image";
      appendInt(s, i);
      s += ' ';
      s += objRef(o);
      s += '\n';
    }
    for (int j : pageForms_) {
      s += "/Form";
      appendInt(s, j);
      s += ' ';
      s += objRef(formObj_[static_cast<std::size_t>(j - 1)]);
      s += '\n';
    }
    s += ">>\n";
  }
  s += ">>\n";
  if (streams_.size() == 1) {
    s += "/Contents " + objRef(streams_[0]) + "\n";
  } else {
    s += "/Contents [\n";
    for (int o : streams_) s += objRef(o) + "\n";
    s += "]\n";
  }
  s += ">>\nendobj\n";
  put(s);
  streams_.clear();
  images_.clear();
  pageForms_.clear();
  pageFonts_.fill(false);
}

void Document::newPage() {
  endPage();
  beginStream();
}

int Document::addImage(const uint8_t* rgb, int w, int h, bool whiteTransparent) {
  endStream();
  const int obj = allocObject();
  const int number = ++imageCount_;
  images_.emplace_back(number, obj);
  startObject(obj);
  std::string dict = "<< /Type /XObject /Subtype /Image\n   /ColorSpace /DeviceRGB\n";
  if (whiteTransparent) dict += "   /Mask [255 255 255 255 255 255]\n";
  dict += "   /Width ";
  appendInt(dict, w);
  dict += " /Height ";
  appendInt(dict, h);
  dict += " /BitsPerComponent 8\n";
  const std::size_t n = static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 3;
  writeStreamBody(rgb, n, dict, "   ");
  beginStream();
  return number;
}

int Document::addForm(std::string_view content, const double bbox[4]) {
  endStream();
  const int obj = allocObject();
  formObj_.push_back(obj);
  formListed_.push_back(-1);
  const int number = static_cast<int>(formObj_.size());
  startObject(obj);
  std::string dict = "<< /Type /XObject /Subtype /Form\n   /BBox [";
  for (int k = 0; k < 4; ++k) {
    if (k > 0) dict += ' ';
    appendFixed(dict, bbox[k], 2);
  }
  dict += "]\n   /Matrix [1 0 0 1 0 0]\n   /Resources << /ProcSet [/PDF] >>\n";
  writeStreamBody(reinterpret_cast<const uint8_t*>(content.data()), content.size(), dict, "   ");
  beginStream();
  return number;
}

void Document::useForm(int j) {
  if (j < 1 || j > static_cast<int>(formObj_.size())) return;
  int& listed = formListed_[static_cast<std::size_t>(j - 1)];
  if (listed == pageCount_) return;
  listed = pageCount_;
  pageForms_.push_back(j);
}

bool Document::addBookmark(int level, std::string_view title) {
  const int previous = bookmarks_.empty() ? 0 : bookmarks_.back().level;
  if (level > previous + 1) return false;
  bookmarks_.push_back({level, std::string(title), pageCount_});
  return true;
}

// The outline root and one object per bookmark; each entry hangs below
// the nearest earlier entry one level up (the root for level 1), all
// entries open.
void Document::writeBookmarks(int& rootObj) {
  const int n = static_cast<int>(bookmarks_.size());
  rootObj = allocObject();
  std::vector<int> obj(n), parent(n, -1), prev(n, -1), next(n, -1), first(n, -1), last(n, -1),
      count(n, 0);
  for (int i = 0; i < n; ++i) obj[i] = allocObject();
  int rootFirst = -1, rootLast = -1;
  std::vector<int> lastAtLevel(7, -1);  // latest entry of each level
  for (int i = 0; i < n; ++i) {
    const int l = bookmarks_[static_cast<std::size_t>(i)].level;
    parent[i] = l > 1 ? lastAtLevel[l - 1] : -1;
    int& sibling = parent[i] >= 0 ? last[parent[i]] : rootLast;
    if (sibling >= 0) {
      prev[i] = sibling;
      next[sibling] = i;
    } else if (parent[i] >= 0) {
      first[parent[i]] = i;
    } else {
      rootFirst = i;
    }
    sibling = i;
    for (int p = parent[i]; p >= 0; p = parent[p]) ++count[p];
    lastAtLevel[l] = i;
    for (int k = l + 1; k < 7; ++k) lastAtLevel[k] = -1;
  }
  startObject(rootObj);
  std::string s = "<< /Type /Outlines\n";
  if (n > 0) {
    s += "   /First " + objRef(obj[rootFirst]) + "\n   /Last " + objRef(obj[rootLast]) + "\n";
  }
  s += "   /Count ";
  appendInt(s, n);
  s += "\n>>\nendobj\n";
  put(s);
  for (int i = 0; i < n; ++i) {
    const Bookmark& b = bookmarks_[static_cast<std::size_t>(i)];
    startObject(obj[i]);
    s = "<< /Title (" + b.title + ")\n   /Parent " +
        objRef(parent[i] >= 0 ? obj[parent[i]] : rootObj) + "\n";
    if (prev[i] >= 0) s += "   /Prev " + objRef(obj[prev[i]]) + "\n";
    if (next[i] >= 0) s += "   /Next " + objRef(obj[next[i]]) + "\n";
    if (first[i] >= 0) {
      s += "   /First " + objRef(obj[first[i]]) + "\n   /Last " + objRef(obj[last[i]]) +
           "\n   /Count ";
      appendInt(s, count[i]);
      s += '\n';
    }
    const int page = std::min(b.page, static_cast<int>(pageObjs_.size()) - 1);
    s += "   /Dest [" + objRef(pageObjs_[static_cast<std::size_t>(page)]) + " /XYZ 0 ";
    appendInt(s, std::lround(height_));
    s += " 0]\n>>\nendobj\n";
    put(s);
  }
}

int Document::end() {
  endPage();
  std::string s;
  offsets_[2] = out_.position();
  s = "2 0 obj\n<< /Type /Pages /Kids [\n";
  for (int o : pageObjs_) s += objRef(o) + "\n";
  s += "] /Count ";
  appendInt(s, pageCount_);
  s += "\n>>\nendobj\n";
  put(s);
  int outlines = 0;
  if (!bookmarks_.empty()) writeBookmarks(outlines);
  offsets_[1] = out_.position();
  s = "1 0 obj\n<< /Type /Catalog /Pages 2 0 R\n";
  if (outlines != 0) s += "   /Outlines " + objRef(outlines) + "\n   /PageMode /UseOutlines\n";
  s += ">>\nendobj\n";
  put(s);
  const int info = allocObject();
  startObject(info);
  const DateTime t = now();
  s = "<< /CreationDate (D:" + fmtIm(t.year, 4, 4) + fmtIm(t.month, 2, 2) + fmtIm(t.day, 2, 2) +
      fmtIm(t.hour, 2, 2) + fmtIm(t.minute, 2, 2) + fmtIm(t.second, 2, 2) +
      ")\n/Producer (ZANTOR 10.5)\n>>\nendobj\n";
  put(s);
  const uint64_t xref = out_.position();
  const std::size_t count = offsets_.size();
  s = "xref\n0 ";
  appendInt(s, static_cast<int64_t>(count));
  s += "\n0000000000 65535 f \n";
  for (std::size_t i = 1; i < count; ++i) {
    s += fmtIm(static_cast<int64_t>(offsets_[i]), 10, 10);
    s += " 00000 n \n";
  }
  s += "trailer\n<< /Size ";
  appendInt(s, static_cast<int64_t>(count));
  s += " /Root 1 0 R /Info " + objRef(info) + "\n>>\nstartxref\n";
  appendInt(s, static_cast<int64_t>(xref));
  s += "\n%%EOF\n";
  put(s);
  if (out_.memory()) return out_.memoryFailed() ? -2 : 0;
  return out_.close() ? 0 : -1;
}

}  // namespace zantor::pdf
