// The PDF writer: document structure (objects, cross-reference table with
// exact offsets, trailer), content operators, pages, fonts, images, and
// the checks of independent readers (qpdf, pdftoppm, pdftotext, and the
// PostScript version of the same picture rendered by Ghostscript).
#include <zantor.h>

#include <regex>

#include "core/clock.h"
#include "core/format.h"
#include "devices/device_image.h"
#include "devices/pdf/pdf_device.h"
#include "devices/pdf/pdf_output.h"
#include "devices/ps_support.h"
#include "devices/vector_support.h"

namespace zantor::test {
namespace {

using Lines = std::vector<std::string>;

class Pdf : public PostScriptTest {
 protected:
  std::string pdf(const std::function<void()>& draw = {},
                  const std::function<void()>& before = {}) {
    return plot("PDF", draw, before);
  }
  static bool has(const Lines& l, const std::string& s) {
    return std::find(l.begin(), l.end(), s) != l.end();
  }
  static void uncompressed() { call(pdfmod_, "OFF", "COMP"); }
};

// Every cross-reference entry is 20 bytes and points at "n 0 obj"; the
// trailer's startxref points at "xref".
void expectValidXref(const std::string& doc) {
  const std::size_t xref = doc.rfind("\nxref\n") + 1;
  ASSERT_NE(xref, 0u);
  const std::size_t start = doc.rfind("startxref\n");
  EXPECT_EQ(std::stoul(doc.substr(start + 10)), xref);
  std::size_t p = xref + 5;
  const std::size_t eol = doc.find('\n', p);
  const int count = std::stoi(doc.substr(p + 2, eol - p - 2));
  p = eol + 1;
  EXPECT_EQ(doc.substr(p, 20), "0000000000 65535 f \n");
  for (int i = 1; i < count; ++i) {
    const std::string entry = doc.substr(p + 20 * i, 20);
    ASSERT_EQ(entry.substr(10), " 00000 n \n") << "entry " << i;
    const std::size_t off = std::stoul(entry.substr(0, 10));
    EXPECT_EQ(doc.substr(off, std::to_string(i).size() + 6), std::to_string(i) + " 0 obj")
        << "object " << i;
  }
  EXPECT_EQ(doc.substr(p + 20 * count, 8), "trailer\n");
  EXPECT_NE(doc.find("<< /Size " + std::to_string(count) + " /Root 1 0 R /Info "),
            std::string::npos);
}

TEST_F(Pdf, EmptyDocumentIsCompleteAndReadable) {
  const std::string file = pdf();
  EXPECT_EQ(file, "zantor.pdf");
  const std::string doc = readFile(file);
  EXPECT_EQ(doc.substr(0, 9), "%PDF-1.3\n");
  EXPECT_EQ(doc.substr(doc.size() - 6), "%%EOF\n");
  expectValidXref(doc);
  // One page with one content stream, page tree and catalog.
  EXPECT_NE(doc.find("2 0 obj\n<< /Type /Pages /Kids [\n"), std::string::npos);
  EXPECT_NE(doc.find("] /Count 1\n"), std::string::npos);
  EXPECT_NE(doc.find("1 0 obj\n<< /Type /Catalog /Pages 2 0 R\n>>\nendobj\n"), std::string::npos);
  EXPECT_NE(doc.find("/Contents 3 0 R\n"), std::string::npos);
  EXPECT_NE(doc.find("/Resources << /ProcSet [/PDF]\n>>\n"), std::string::npos);
  // The creation date comes from the fixed clock of the tests.
  const DateTime t = now();
  const std::string date = "/CreationDate (D:" + fmtIm(t.year, 4, 4) + fmtIm(t.month, 2, 2) +
                           fmtIm(t.day, 2, 2) + fmtIm(t.hour, 2, 2) + fmtIm(t.minute, 2, 2) +
                           fmtIm(t.second, 2, 2) + ")\n/Producer (ZANTOR 10.5)";
  EXPECT_NE(doc.find(date), std::string::npos);
  EXPECT_TRUE(qpdfAccepts(file));
}

TEST_F(Pdf, UncompressedContentOperators) {
  const std::string file = pdf(
      [] {
        dev().move(10, 20);
        dev().draw(30.004, 40);
        dev().draw(30, 40.001);  // repeated as written: skipped
        dev().draw(50.5, 60.126);
        dev().move(100, 100);
        dev().draw(100.001, 100);  // zero length: a 0.708-point stroke
        // A straight run keeps only its ends; a turn back keeps its corner.
        dev().move(0, 0);
        for (int i = 1; i <= 3; ++i) dev().draw(i, i);
        dev().draw(3, 0);
        dev().draw(3, 2);
        dev().draw(3, 1);
        dev().colour({255, 0, 128}, 0);
        dev().lineWidth(10);
        dev().lineJoin(1);
        dev().lineCap(0);
        dev().miterLimit(4);
        const double x[3] = {1, 2, 3}, y[3] = {4, 5, 4};
        dev().fillPolygon(x, y, 3);
        dev().fillRect(5, 6, 5.005, 10, {0, 0, 255});  // widened to 0.708
        dev().clipRect(1, 2, 300, 400);
        dev().clipReset();
      },
      uncompressed);
  const Lines l = lines(file);
  auto at = [&](const std::string& s) {
    return std::find(l.begin(), l.end(), s) - l.begin();
  };
  // The stream starts with the default attributes and refers to its length.
  EXPECT_EQ(l[1], "3 0 obj");
  EXPECT_EQ(l[2], "<< /Length 4 0 R >>");
  EXPECT_EQ(l[3], "stream");
  EXPECT_EQ(l[4], "0.709 w");
  EXPECT_EQ(l[5], "2 J");
  EXPECT_EQ(l[6], "2 j");
  const Lines want = {"10.00 20.00 m", "30.00 40.00 l", "50.50 60.13 l", "S",
                      "99.65 100.00 m", "100.35 100.00 l", "S"};
  const auto first = at("10.00 20.00 m");
  ASSERT_LT(first + 7, static_cast<long>(l.size()));
  EXPECT_EQ(Lines(l.begin() + first, l.begin() + first + 7), want);
  const auto run = at("0.00 0.00 m");
  ASSERT_LT(run + 5, static_cast<long>(l.size()));
  EXPECT_EQ(Lines(l.begin() + run, l.begin() + run + 6),
            (Lines{"0.00 0.00 m", "3.00 3.00 l", "3.00 0.00 l", "3.00 2.00 l", "3.00 1.00 l", "S"}));
  // Width as the PostScript writer's: 20 units of 1/20 mm = 2.835 points.
  EXPECT_TRUE(has(l, "2.835 w"));
  EXPECT_TRUE(has(l, "1 j"));
  EXPECT_TRUE(has(l, "0 J"));
  EXPECT_TRUE(has(l, "4.000 M"));
  EXPECT_LT(at("1 0 0.502 rg"), at("h"));
  EXPECT_LT(at("h"), at("f*"));
  EXPECT_TRUE(has(l, "0 0 1 rg"));
  EXPECT_TRUE(has(l, "4.65 6.00 0.71 4.00 re"));
  EXPECT_LT(at("q"), at("h W n"));
  EXPECT_TRUE(has(l, "300.00 400.00 l"));
  EXPECT_GT(at("Q"), at("h W n"));
  // The length object follows its stream.
  const auto end = at("endstream");
  EXPECT_EQ(l[end + 1], "endobj");
  EXPECT_EQ(l[end + 2], "4 0 obj");
  expectValidXref(readFile(file));
  EXPECT_TRUE(qpdfAccepts(file));
}

TEST_F(Pdf, PagesStreamsAndRotation) {
  // Landscape (default page): a portrait media box turned by the viewer.
  const std::string file = pdf([] {
    for (int p = 0; p < 2; ++p) {
      // More than 300000 content bytes: the page gets several streams.
      dev().move(0, 0);
      for (int i = 0; i < 30000; ++i) dev().draw((i * 37) % 500, (int64_t{i} * i * 13) % 700 + 0.5);
      newpag_();
    }
  });
  const std::string doc = readFile(file);
  EXPECT_NE(doc.find("/Rotate 90\n"), std::string::npos);
  EXPECT_NE(doc.find("] /Count 3\n"), std::string::npos);
  EXPECT_NE(doc.find("/Contents [\n"), std::string::npos);
  EXPECT_NE(doc.find("/Filter /FlateDecode"), std::string::npos);
  expectValidXref(doc);
  EXPECT_TRUE(qpdfAccepts(file));
  std::string out;
  ASSERT_EQ(runTool("pdfinfo " + file, out), 0) << out;
  EXPECT_TRUE(std::regex_search(out, std::regex("Pages: +3\n"))) << out;
  EXPECT_TRUE(std::regex_search(out, std::regex("Page rot: +90\n"))) << out;
}

TEST_F(Pdf, StandardFontsAsResources) {
  const std::string file = pdf([] {
    // Each character at the advance of the font: the widths of P, l, o,
    // t, (, 1 and ) in Helvetica are 667, 222, 556, 278, 333, 556, 333
    // thousandths of the size.
    const char* word = "Plot(1)";
    const int advance[7] = {667, 222, 556, 278, 333, 556, 333};
    double x = 100;
    for (int i = 0; word[i] != 0; ++i) {
      dev().character({word[i], x, 300, 0, 20, 1, 4});
      x += advance[i] * 20 / 1000.0;
    }
    dev().character({'a', 100, 200, 90, 20, 1, 34});      // Symbol
    dev().character({130, 150, 200, 0, 20, 1, 4});        // library code 130: adieresis
    dev().character({'x', 200, 200, 30, 20, 0.5, 17});    // ZapfDingbats, narrowed
  }, uncompressed);
  const Lines l = lines(file);
  EXPECT_TRUE(has(l, "BT"));
  EXPECT_TRUE(has(l, "/F5 20.0 Tf"));
  EXPECT_TRUE(has(l, "100 Tz"));
  EXPECT_TRUE(has(l, "1 0 0 1 100.00 300.00 Tm"));
  EXPECT_TRUE(has(l, "1 0 0 1 113.34 300.00 Tm"));  // 100 + 0.667 * 20
  EXPECT_TRUE(has(l, "(\\050) Tj"));
  EXPECT_TRUE(has(l, "0 1 -1 0 100.00 200.00 Tm"));
  EXPECT_TRUE(has(l, "(\\344) Tj"));  // 228 = 0344
  EXPECT_TRUE(has(l, "50 Tz"));
  EXPECT_TRUE(has(l, "0.87 0.50 -0.50 0.87 200.00 200.00 Tm"));
  const std::string doc = readFile(file);
  EXPECT_NE(doc.find("/BaseFont /Helvetica\n/Encoding /WinAnsiEncoding\n>>"), std::string::npos);
  EXPECT_NE(doc.find("/BaseFont /Symbol\n>>"), std::string::npos);
  EXPECT_NE(doc.find("/BaseFont /ZapfDingbats\n>>"), std::string::npos);
  EXPECT_NE(doc.find("[/PDF /Text]"), std::string::npos);
  EXPECT_TRUE(qpdfAccepts(file));
  EXPECT_NE(pdfText(file).find("Plot(1)"), std::string::npos);
}

TEST_F(Pdf, ImagesAreXObjects) {
  // A 2 x 2 picture: red, green / blue, white, over a large square.
  const uint8_t rgb[12] = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255};
  const std::string file = pdf(
      [&] { deviceImage(100, 100, 1000, 1000, rgb, 2, 2); },
      [] { call(setpag_, "DA4P"); });
  const std::string doc = readFile(file);
  EXPECT_NE(doc.find("<< /Type /XObject /Subtype /Image\n   /ColorSpace /DeviceRGB\n"
                     "   /Width 2 /Height 2 /BitsPerComponent 8\n"),
            std::string::npos);
  EXPECT_NE(doc.find("/XObject <<\n/Image1 "), std::string::npos);
  EXPECT_NE(doc.find("[/PDF /ImageC]"), std::string::npos);
  EXPECT_TRUE(qpdfAccepts(file));
  const int dpi = 72;
  const Image im = renderPdf(file, dpi);
  ASSERT_GT(im.w, 0);
  // Plot units to pixels: xscf points per unit at 72 dpi; the page is
  // portrait, so y counts from the top as in the plot.
  const double s = zanglb.xscf;
  auto px = [&](double x, double y) { return im.at(int(x * s), int(y * s)); };
  EXPECT_TRUE(nearColour(px(350, 350), 255, 0, 0));
  EXPECT_TRUE(nearColour(px(850, 350), 0, 255, 0));
  EXPECT_TRUE(nearColour(px(350, 850), 0, 0, 255));
  EXPECT_TRUE(nearColour(px(850, 850), 255, 255, 255));
}

// The same picture as PostScript (rendered by Ghostscript on a sheet of the
// PDF's size, hardware origin at the corner) and as PDF (pdftoppm).
TEST_F(Pdf, LooksLikeThePostScriptVersion) {
  if (!haveGhostscript()) GTEST_SKIP() << "no Ghostscript";
  auto drawing = [] {
    int32_t a = 200, b = 300, c = 1800, d = 2500;
    line_(&a, &b, &c, &d);
    int32_t w = 15;
    linwid_(&w);
    call(color_, "RED");
    line_(&a, &d, &c, &b);
    int32_t nx = 300, ny = 1500, nw = 800, nh = 500, pat = 16;
    shdpat_(&pat);
    call(color_, "BLUE");
    rectan_(&nx, &ny, &nw, &nh);
    int32_t cx = 1400, cy = 900, r = 250;
    circle_(&cx, &cy, &r);
  };
  auto setup = [] {
    call(setpag_, "DA4P");
    const int32_t zero = 0;
    hworig_(&zero, &zero);
  };
  const std::string ps = plot("PS", drawing, setup);
  const std::string pdfFile = pdf(drawing, [] { call(setpag_, "DA4P"); });
  EXPECT_TRUE(qpdfAccepts(pdfFile));
  const Image fromPdf = renderPdf(pdfFile, 72);
  ASSERT_GT(fromPdf.w, 0);
  const std::string sheet = "-dDEVICEWIDTHPOINTS=" + std::to_string(fromPdf.w) +
                            " -dDEVICEHEIGHTPOINTS=" + std::to_string(fromPdf.h) + " -dFIXEDMEDIA";
  const Image fromPs = renderPage(ps, 72, Pixels::Colour, sheet.c_str());
  EXPECT_GT(inkShare(fromPdf), 0.05);
  EXPECT_LT(differingShare(fromPdf, fromPs), 0.01);
}

// Marker symbols are drawn once as form objects and placed by one line
// each.  Every symbol (outlined, filled, rotated, thick) must look as in
// PostScript, a symbol crossing the page border is clipped as before,
// each shape is one form, and a later page that uses a form lists it.
TEST_F(Pdf, MarkersAsFormsLookLikeThePostScriptVersion) {
  if (!haveGhostscript()) GTEST_SKIP() << "no Ghostscript";
  auto symbols = [] {
    int32_t h = 80;
    hsymbl_(&h);
    for (int32_t n = 0; n < 24; ++n) {
      int32_t x = 150 + (n % 6) * 300, y = 300 + (n / 6) * 300;
      call(color_, n % 2 ? "RED" : "BLUE");
      symbol_(&n, &x, &y);
      y += 120;
      symbol_(&n, &x, &y);  // the same shape again: the same form
    }
    float angle = 30;
    symrot_(&angle);
    int32_t w = 9, n = 2, x = 600, y = 1600, edge = 10;
    linwid_(&w);
    symbol_(&n, &x, &y);
    n = 15;
    symbol_(&n, &edge, &y);  // half outside the page
  };
  auto setup = [] {
    call(setpag_, "DA4P");
    const int32_t zero = 0;
    hworig_(&zero, &zero);
  };
  const std::string ps = plot("PS", symbols, setup);
  const std::string file = pdf(
      [&] {
        symbols();
        newpag_();
        float upright = 0;
        symrot_(&upright);
        int32_t n = 15, x = 500, y = 500;
        symbol_(&n, &x, &y);
      },
      [] { call(setpag_, "DA4P"); });
  EXPECT_TRUE(qpdfAccepts(file));
  const std::string doc = readFile(file);
  auto count = [&](const std::string& what) {
    std::size_t k = 0;
    for (std::size_t p = doc.find(what); p != std::string::npos; p = doc.find(what, p + 1)) ++k;
    return k;
  };
  // 24 symbols of distinct drawings (outlined and filled differ) and the
  // rotated triangle.
  EXPECT_EQ(count("/Subtype /Form"), 25u);
  const Image fromPdf = renderPdf(file, 72);
  ASSERT_GT(fromPdf.w, 0);
  const std::string sheet = "-dDEVICEWIDTHPOINTS=" + std::to_string(fromPdf.w) +
                            " -dDEVICEHEIGHTPOINTS=" + std::to_string(fromPdf.h) + " -dFIXEDMEDIA";
  const Image fromPs = renderPage(ps, 72, Pixels::Colour, sheet.c_str());
  EXPECT_GT(inkShare(fromPdf), 0.01);
  EXPECT_LT(differingShare(fromPdf, fromPs), 0.01);
  // The second page draws its circle from the form of the first page.
  std::string out;
  EXPECT_EQ(runTool("pdftoppm -r 36 -f 2 -singlefile " + file + " second", out), 0);
  EXPECT_EQ(out, "");
  EXPECT_GT(inkShare(readPpm("second.ppm")), 0.0005);
}

TEST_F(Pdf, MemoryDocumentAndPdfbuf) {
  int32_t n = 7, zero = 0;
  char none[1];
  pdfbuf_(none, &zero, &n, 0);
  EXPECT_EQ(n, -2);  // no document yet
  pdf([] { dev().move(1, 1); dev().draw(100, 100); }, [] { call(pdfmod_, "ON", "BUFF"); });
  EXPECT_FALSE(std::filesystem::exists("zantor.pdf"));
  pdfbuf_(none, &zero, &n, 0);
  ASSERT_GT(n, 500);
  const int32_t size = n;
  std::string buf(static_cast<std::size_t>(size), '\0');
  int32_t small = size - 1;
  pdfbuf_(buf.data(), &small, &n, buf.size());
  EXPECT_EQ(n, -3);
  int32_t full = size;
  pdfbuf_(buf.data(), &full, &n, buf.size());
  EXPECT_EQ(n, size);
  EXPECT_EQ(buf.substr(0, 8), "%PDF-1.3");
  expectValidXref(buf);
  writeFile("copy.pdf", buf);
  EXPECT_TRUE(qpdfAccepts("copy.pdf"));
  pdfbuf_(buf.data(), &full, &n, buf.size());
  EXPECT_EQ(n, -2);  // copied and freed
}

TEST_F(Pdf, MemoryThatStopsGrowing) {
  pdf::setMemoryLimitForTests(pdf::Output::kMemoryStep);
  Lines out = printed([&] {
    pdf([] {
      call(errmod_, "PROT", "OFF");
      dev().move(0, 0);
      for (int i = 0; i < 200000; ++i) dev().draw((i * 37) % 500, (int64_t{i} * i * 13) % 700 + 0.5);
    }, [] {
      call(pdfmod_, "ON", "BUFF");
      call(pdfmod_, "OFF", "COMP");
    });
  });
  pdf::setMemoryLimitForTests(0);
  EXPECT_NE(std::string(out.empty() ? "" : out[0]).find("Not enough memory"), std::string::npos);
  int32_t n = 0, zero = 0;
  char none[1];
  pdfbuf_(none, &zero, &n, 0);
  EXPECT_EQ(n, -1);
}

TEST_F(Pdf, FullDiskLeavesNoFile) {
  setDeviceFactoryOverride([](int) {
    return std::make_unique<PdfDevice>(
        std::make_unique<FaultSink>(std::make_unique<MemorySink>(), 2000));
  });
  call(setfil_, "full.pdf");
  Lines out = printed([&] {
    pdf([] {
      dev().move(0, 0);
      for (int i = 0; i < 5000; ++i) dev().draw((i * 37) % 500, (int64_t{i} * i * 13) % 700 + 0.5);
    });
  });
  setDeviceFactoryOverride({});
  bool fileError = false;
  for (const auto& s : out) fileError = fileError || s.find("File error") != std::string::npos;
  EXPECT_TRUE(fileError);
  EXPECT_FALSE(std::filesystem::exists("full.pdf"));
}

TEST_F(Pdf, Bookmarks) {
  const std::string file = pdf([] {
    call(pdfmrk_, "Chapter (one)", "CHAP");
    call(pdfmrk_, "Section", "SECT");
    newpag_();
    call(pdfmrk_, "Subsection", "SUBS");
    call(pdfmrk_, "Chapter two", "CHAP");
  });
  const std::string doc = readFile(file);
  EXPECT_NE(doc.find("   /PageMode /UseOutlines\n"), std::string::npos);
  EXPECT_NE(doc.find("<< /Title (Chapter \\(one\\))\n"), std::string::npos);
  EXPECT_NE(doc.find("<< /Type /Outlines\n"), std::string::npos);
  EXPECT_NE(doc.find("   /Count 4\n"), std::string::npos);
  expectValidXref(doc);
  EXPECT_TRUE(qpdfAccepts(file));
  std::string out;
  ASSERT_EQ(runTool("qpdf --json --json-key=outlines " + file, out), 0) << out;
  EXPECT_NE(out.find("Subsection"), std::string::npos);
}

TEST_F(Pdf, BadBookmarks) {
  std::vector<std::string> messages;
  pdf([&] {
    messages = printed([] {
      call(pdfmrk_, "Too deep", "SECT");             // must start with a chapter
      call(pdfmrk_, std::string(257, 'x').c_str(), "CHAP");
      call(pdfmrk_, "x", "NONE");                   // unknown level
    });
    call(pdfmrk_, "Fine", "CHAP");
  });
  ASSERT_EQ(messages.size(), 3u);
  EXPECT_NE(messages[0].find("Bad structure for bookmarks"), std::string::npos);
  EXPECT_NE(messages[1].find("Incorrect parameter"), std::string::npos);
  EXPECT_TRUE(qpdfAccepts("zantor.pdf"));
  EXPECT_NE(readFile("zantor.pdf").find("/Title (Fine)"), std::string::npos);
  // Not a PDF plot: warning 40.
  messages.clear();
  plot("PS", [&] { messages = printed([] { call(pdfmrk_, "x", "CHAP"); }); });
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("incompatible"), std::string::npos);
}

}  // namespace
}  // namespace zantor::test
