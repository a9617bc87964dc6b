// The PDF document context: the output, the object table with the byte
// offset of every object, content streams (collected and deflated in one
// call each, or written directly), pages with their resources, fonts,
// images, bookmarks, and at the end the page tree, catalog, information
// object, cross-reference table and trailer.  One document exists per
// process; with memory output it stays until pdfbuf copies it.
#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "devices/pdf/pdf_output.h"

namespace zantor::pdf {

constexpr int kFontCount = 35;
// The standard fonts in index order; index k is the resource /F<k+1>.
extern const std::array<std::string_view, kFontCount> kFontNames;

struct Bookmark {
  int level;          // 1 (CHAP) to 5 (SUBP)
  std::string title;  // as written between the parentheses (escaped)
  int page;           // 0-based page index
};

class Document {
 public:
  static constexpr std::size_t kContentBuffer = 300000;

  // Starts the document ("%PDF-1.3", first content stream).  `sink`
  // replaces the file (tests).  Returns 0, -1 (cannot open), -2 (memory).
  int begin(const std::string& path, double width, double height, bool rotate, bool compress,
            bool memory, std::unique_ptr<Sink> sink = nullptr);

  // One line of content (a line feed is added).
  void line(std::string_view s);
  // Ends the page (its streams, pending fonts and page object) and starts
  // the next one.
  void newPage();
  // Ends the document; returns 0, -1 (a write failed) or -2 (the memory
  // buffer failed to grow).
  int end();

  // Font k (0..34) is used on the current page.
  void useFont(int k);
  // An RGB image of w x h pixels as an XObject of the current page;
  // returns its number i (resource /Image<i>).
  int addImage(const uint8_t* rgb, int w, int h, bool whiteTransparent);
  // A form XObject drawing `content` (lines of content operators) inside
  // `bbox` (x0, y0, x1, y1); returns its number j (resource /Form<j>).
  // It is written at once and may be used on any later page.
  int addForm(std::string_view content, const double bbox[4]);
  // Form j is drawn on the current page (listed in its resources).
  void useForm(int j);
  // A bookmark on the current page; false when its level descends more
  // than one step.
  bool addBookmark(int level, std::string_view title);

  double pageHeight() const { return height_; }
  int pageCount() const { return pageCount_; }
  const Output& output() const { return out_; }

 private:
  int allocObject();
  void startObject(int n);
  void put(std::string_view s) { out_.write(s); }
  void beginStream();
  void endStream();
  // Writes "<< /Length ..." and the stream of an object already started,
  // compressed if asked and possible; `dict` lines precede /Length.
  void writeStreamBody(const uint8_t* data, std::size_t n, std::string_view dict,
                       std::string_view indent);
  void endPage();
  void writeFonts();
  void appendWidths(std::string& s, int k, int descriptor);
  void writeFontDescriptor(int k, int obj);
  void writeBookmarks(int& rootObj);

  Output out_;
  bool compress_ = true;
  double width_ = 0, height_ = 0;
  bool rotate_ = false;
  std::vector<uint64_t> offsets_{0, 0, 0};  // index = object number
  std::vector<int> pageObjs_;
  int pageCount_ = 0;

  // The current stream.
  bool inStream_ = false;
  int lengthObj_ = 0;
  uint64_t streamStart_ = 0;
  std::string content_;

  // The current page.
  std::vector<int> streams_;
  std::vector<std::pair<int, int>> images_;  // (image number, object)
  std::array<bool, kFontCount> pageFonts_{};
  int imageCount_ = 0;
  std::vector<int> pageForms_;  // form numbers used on the current page

  // Forms of the document: object number and the page count when the form
  // was last listed (so that each page lists it once).
  std::vector<int> formObj_;
  std::vector<int> formListed_;

  // Fonts of the document: 0 unused, 1 used (object pending), 2 written.
  std::array<int, kFontCount> fontState_{};
  std::array<int, kFontCount> fontObj_{};

  std::vector<Bookmark> bookmarks_;
  std::string scratch_;
};

// The document of this process (created on first use).
Document& document();
// Drops it (pdfbuf after copying, a new document).
void releaseDocument();
bool haveDocument();

}  // namespace zantor::pdf
