// The SVG and IPE writers: exact header and element lines, grouping,
// escapes, and the independent readers (xmllint, rsvg-convert, a browser
// when one is installed), compared with the PNG picture of the same plot.
#include <zantor.h>

#include <cmath>
#include <regex>

#include "core/clock.h"
#include "devices/device_image.h"
#include "devices/ps_support.h"
#include "devices/vector_support.h"
#include "draw/page.h"

namespace zantor::test {
namespace {

using Lines = std::vector<std::string>;

class Svg : public PostScriptTest {};

Lines after(const Lines& l, const std::string& marker) {
  auto it = std::find(l.begin(), l.end(), marker);
  return it == l.end() ? Lines{} : Lines(it + 1, l.end());
}

TEST_F(Svg, HeaderAndElements) {
  const std::string file = plot("SVG", [] {
    dev().move(1, 2);
    dev().draw(3, 4);  // one segment: a line element
    dev().move(0, 0);
    for (int i = 1; i < 7; ++i) dev().draw(i, 2 * i);  // seven points
    dev().colour({255, 16, 0}, 0);
    dev().move(5, 5);
    dev().draw(5, 5);  // zero length: a one-unit stroke
    dev().character({'<', 10, 20, 0, 12.4, 1, 5});
    dev().character({'&', 20, 20, 30, 12.4, 1, 5});
    dev().fillRect(1, 2, 11, 22, {0, 0, 255});
    const double x[3] = {0, 10, 5}, y[3] = {0, 0, 8};
    dev().fillPolygon(x, y, 3);
  });
  EXPECT_EQ(file, "zantor.svg");
  const Lines l = lines(file);
  const DateTime t = now();
  const Lines head = {
      R"(<?xml version="1.0" encoding="ISO-8859-1" standalone="no"?>)",
      R"(<!DOCTYPE svg PUBLIC "-//W3C//DTD SVG 20010904//EN")",
      R"(  "http://www.w3.org/TR/2001/REC-SVG-20010904/DTD/svg10.dtd">)",
      "<!-- Created by ZANTOR",
      "Version: 11.6",
      "Date   : " + dateDMY(t) + " " + timeHMS(t),
      "-->",
      R"(<svg width="853" height="603")",
      R"(  xmlns="http://www.w3.org/2000/svg")",
      R"(  xmlns:xlink="http://www.w3.org/1999/xlink">)",
      ""};
  ASSERT_GT(l.size(), head.size());
  EXPECT_EQ(Lines(l.begin(), l.begin() + 11), head);
  const Lines body = after(l, "");
  const Lines want = {
      R"(<g fill="none" stroke="#000000" stroke-width="1.000">)",
      R"(<line x1="1.00" y1="2.00" x2="3.00" y2="4.00"/>)",
      R"(<polyline points=")",
      "0.00,0.00 1.00,2.00 2.00,4.00 3.00,6.00 4.00,8.00",
      R"(5.00,10.00 6.00,12.00"/>)",
      "</g>",
      R"(<g fill="none" stroke="#ff1000" stroke-width="1.000">)",
      R"(<line x1="4.50" y1="5.00" x2="5.50" y2="5.00"/>)",
      "</g>",
      R"(<g font-family="Helvetica" font-weight="bold" font-style="normal")",
      R"(font-size="12" stroke="none" fill="#ff1000">)",
      R"(<text x="10.00" y="20.00">&lt;</text>)",
      R"(<text x="20.00" y="20.00" rotate="-30">&amp;</text>)",
      "</g>",
      R"(<g fill="none" stroke="#ff1000" stroke-width="1.000">)",
      R"(<rect x="1.00" y="2.00" width="10.00" height="20.00")",
      R"(fill="#0000ff" stroke="none"/>)",
      "</g>",
      R"(<polygon fill="#ff1000" points="0.00,0.00 10.00,0.00 5.00,8.00"/>)",
      "</svg>"};
  EXPECT_EQ(body, want);
  EXPECT_TRUE(xmllintAccepts(file));
}

// The same plot as SVG (rendered by rsvg-convert) and as a PNG of the
// same picture size.
TEST_F(Svg, LooksLikeThePngVersion) {
  auto drawing = [] {
    int32_t a = 200, b = 300, c = 2500, d = 1800;
    line_(&a, &b, &c, &d);
    int32_t w = 15;
    linwid_(&w);
    call(color_, "RED");
    line_(&a, &d, &c, &b);
    int32_t nx = 300, ny = 1000, nw = 800, nh = 500, pat = 16;
    shdpat_(&pat);
    call(color_, "BLUE");
    rectan_(&nx, &ny, &nw, &nh);
    int32_t cx = 1800, cy = 900, r = 250;
    circle_(&cx, &cy, &r);
    // Quadrants red, green / blue, yellow of 32 x 32 pixels each (renderers
    // may smooth the picture, which only matters at the quadrant borders).
    std::vector<uint8_t> rgb(64 * 64 * 3);
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 64; ++x) {
        uint8_t* p = &rgb[static_cast<std::size_t>(y * 64 + x) * 3];
        const bool right = x >= 32, low = y >= 32;
        p[0] = (!right && !low) || (right && low) ? 255 : 0;
        p[1] = right ? 255 : 0;
        p[2] = !right && low ? 255 : 0;
      }
    deviceImage(2000, 1300, 600, 600, rgb.data(), 64, 64);
  };
  const std::string svg = plot("SVG", drawing);
  EXPECT_TRUE(xmllintAccepts(svg));
  const Image fromSvg = renderSvg(svg);
  ASSERT_EQ(fromSvg.w, 853);
  ASSERT_EQ(fromSvg.h, 603);
  const std::string png = plot("PNG", drawing, [] {
    call(imgfmt_, "RGB");
    call(scrmod_, "REVERS");
  });
  const Image fromPng = pngToImage(png);
  EXPECT_GT(inkShare(fromSvg), 0.05);
  EXPECT_LT(differingShare(fromSvg, fromPng), 0.02);
  // The image's lower-right pixel is yellow.
  const double s = zanglb.xscf;
  EXPECT_TRUE(nearColour(fromSvg.at(int(2450 * s), int(1750 * s)), 255, 255, 0));
}

TEST_F(Svg, BrowserRendersIt) {
  if (!haveTool("/usr/bin/chromium")) GTEST_SKIP() << "no browser installed";
  const std::string svg = plot("SVG", [] {
    call(color_, "RED");
    int32_t nx = 100, ny = 100, nw = 2000, nh = 1500;
    const int32_t pat = 16;
    shdpat_(&pat);
    rectan_(&nx, &ny, &nw, &nh);
  });
  std::string out;
  const std::string abs = std::filesystem::absolute(svg).string();
  runTool("timeout 60 /usr/bin/chromium --headless --no-sandbox --disable-gpu "
          "--window-size=853,603 --screenshot=" +
              std::filesystem::absolute("shot.png").string() + " file://" + abs,
          out);
  if (!std::filesystem::exists("shot.png")) GTEST_SKIP() << "the browser did not start:\n" << out;
  const Image im = pngToImage("shot.png");
  ASSERT_GT(im.w, 400);
  EXPECT_TRUE(nearColour(im.at(300, 300), 255, 0, 0)) << "browser picture is not red";
}

TEST_F(Svg, IpeDrawing) {
  const std::string empty = plot("IPE");
  EXPECT_EQ(empty, "zantor.ipe");
  const DateTime t = now();
  const std::string stamp = "D:" + dateYMD(t) + timeHMS(t).substr(0, 2) +
                            timeHMS(t).substr(3, 2) + timeHMS(t).substr(6, 2);
  // Paper in points: the default page 2970 x 2100 units of 0.1 mm times
  // 72/254 is 841.89 x 595.28, rounded.
  const Lines head = {R"(<?xml version="1.0"?>)",
                      R"(<!DOCTYPE ipe SYSTEM "ipe.dtd">)",
                      R"(<ipe version="70010" creator="Zantor 11.6">)",
                      "<info created=\"" + stamp + "\" modified=\"" + stamp + "\"/>",
                      R"(<preamble>\usepackage{times,graphicx}</preamble>)",
                      R"(<ipestyle name="basic">)",
                      R"(<layout paper="842 595" frame="842 595" origin="0 0"/>)",
                      "</ipestyle>",
                      "<page>",
                      R"(<layer name="alpha"/>)",
                      R"(<view layers="alpha" active="alpha"/>)",
                      "</page>",
                      "</ipe>"};
  EXPECT_EQ(lines(empty), head);
  EXPECT_TRUE(xmllintAccepts(empty));

  const std::string file = plot("IPE", [] {
    dev().colour({255, 0, 51}, 0);
    dev().move(10, 20);
    dev().draw(30.26, 40);
    dev().fillRect(0, 0, 10, 5, {0, 255, 0});
    dev().character({'%', 50, 60, 0, 10, 1, 0});
  });
  const Lines l = lines(file);
  const Lines body(l.begin() + 11, l.end());
  // Pen: 0.2835 points per plot unit x 2.5 / 1 = 0.709.
  const Lines want = {R"(<path layer="alpha" stroke="1.000 0.000 0.200" pen="0.709">)",
                      "10.0 20.0 m",
                      "30.3 40.0 l",
                      "</path>",
                      R"(<path layer="alpha" fill="0.000 1.000 0.000" fillrule="eofill">)",
                      "0.0 0.0 m",
                      "10.0 0.0 l",
                      "10.0 5.0 l",
                      "0.0 5.0 l",
                      "h",
                      "</path>",
                      R"(<text layer="alpha" transformations="translations" pos="50.0 60.0" )"
                      R"(stroke="1.000 0.000 0.200" type="label" size="10.0" valign="baseline">\%</text>)",
                      "</page>",
                      "</ipe>"};
  EXPECT_EQ(body, want);
  EXPECT_TRUE(xmllintAccepts(file));
}

// A clipping window cuts filled areas, which the line clipper does not
// reach, and written pixels land where the raster devices put them: the
// SVG (same pixel grid) must look like the PNG of the same program.
void clippedAreasAndPixels() {
  call(setvlt_, "SMALL");  // 2 red, 3 green, 4 blue
  uint8_t row[40];
  for (int i = 0; i < 40; ++i) row[i] = i < 20 ? 2 : 3;  // red, then green
  int32_t px = 600, n = 40;
  for (int32_t py = 100; py < 110; ++py) wpxrow_(row, &px, &py, &n);
  const int32_t qx = 700, qy = 120, blue = 4;
  wpixel_(&qx, &qy, &blue);
  int32_t x = 400, y = 300, w = 1200, h = 900;
  clpwin_(&x, &y, &w, &h);
  int32_t pat = 16;
  shdpat_(&pat);
  call(color_, "BLUE");
  int32_t cx = 500, cy = 400, r = 300;
  circle_(&cx, &cy, &r);  // cut on its left and upper side
  int32_t rx = 1400, ry = 1000, rw = 600, rh = 400;
  rectan_(&rx, &ry, &rw, &rh);  // cut on its right and lower side
}

TEST_F(Svg, ClippingAndPixelsLookLikeThePng) {
  const std::string svg = plot("SVG", clippedAreasAndPixels);
  EXPECT_TRUE(xmllintAccepts(svg));
  const std::string text = readFile(svg);
  EXPECT_NE(text.find("<clipPath id=\"clip1\">"), std::string::npos);
  EXPECT_NE(text.find("<g clip-path=\"url(#clip1)\">"), std::string::npos);
  const Image fromSvg = renderSvg(svg);
  const Image fromPng = pngToImage(plot("PNG", clippedAreasAndPixels, [] {
    call(imgfmt_, "RGB");
    call(scrmod_, "REVERS");
  }));
  ASSERT_GT(fromSvg.w, 0);
  EXPECT_GT(inkShare(fromSvg), 0.02);
  EXPECT_LT(differingShare(fromSvg, fromPng), 0.01);
  EXPECT_TRUE(nearColour(fromSvg.at(610, 105), 255, 0, 0));
  EXPECT_TRUE(nearColour(fromSvg.at(630, 105), 0, 255, 0));
  EXPECT_TRUE(nearColour(fromSvg.at(700, 120), 0, 0, 255));
  EXPECT_TRUE(nearColour(fromSvg.at(700, 130), 255, 255, 255));
}

// PDF gets the pixels as images at the place of the raster's pixels; the
// routines that read pixels still have nothing to read there.
TEST_F(Svg, PixelsOnPdfAndWhereNoPixelsExist) {
  double rasterScale = 0, pdfScale = 0;
  const std::string pdf = plot("PDF", [&] {
    rasterScale = deviceScaleOf(604);
    pdfScale = zanglb.xscf;
    clippedAreasAndPixels();
    int32_t x = 1, y = 1, v = 7;
    const auto out = printed([&] { rpixel_(&x, &y, &v); });
    ASSERT_FALSE(out.empty());
    EXPECT_NE(out[0].find("  40: "), std::string::npos);
    EXPECT_EQ(v, -1);
  });
  EXPECT_TRUE(qpdfAccepts(pdf));
  EXPECT_NE(readFile(pdf).find("/Subtype /Image"), std::string::npos);
  const Image im = renderPdf(pdf, 144);
  ASSERT_GT(im.w, 0);
  // Pixel (ix, iy) starts at plot (ix, iy) / rasterScale, a plot unit is
  // pdfScale points, and a point 2 pixels at 144 dpi.
  auto at = [&](double ix, double iy) {
    const double f = 2 * pdfScale / rasterScale;
    return im.at(int((ix + 0.5) * f), int((iy + 0.5) * f));
  };
  EXPECT_TRUE(nearColour(at(610, 105), 255, 0, 0));
  EXPECT_TRUE(nearColour(at(630, 105), 0, 255, 0));
  EXPECT_TRUE(nearColour(at(700, 120), 0, 0, 255));
  EXPECT_TRUE(nearColour(at(700, 125), 255, 255, 255));
  // Formats without images keep the warning.
  plot("CGM", [&] {
    const int32_t x = 1, y = 1, c = 2;
    const auto out = printed([&] { wpixel_(&x, &y, &c); });
    ASSERT_FALSE(out.empty());
    EXPECT_NE(out[0].find("  40: "), std::string::npos);
  });
}

// IPE: clipping groups around what is drawn inside a window, and images as
// bitmaps written before the page that shows them.
TEST_F(Svg, IpeClippingAndImages) {
  const uint8_t rgb[12] = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255};
  const std::string file = plot("IPE", [&] {
    clippedAreasAndPixels();
    deviceImage(100, 100, 1000, 1000, rgb, 2, 2);
  });
  EXPECT_TRUE(xmllintAccepts(file));
  const std::string text = readFile(file);
  const double s = zanglb.xscf;  // points per plot unit
  const double top = zanglb.nyres * s;  // y runs upwards from the bottom
  auto numbers = [](const std::string& t) {
    static const std::regex number("-?[0-9]+\\.[0-9]+");
    std::vector<double> v;
    for (std::sregex_iterator it(t.begin(), t.end(), number), e; it != e; ++it)
      v.push_back(std::stod(it->str()));
    return v;
  };
  auto near = [](const std::vector<double>& got, const std::vector<double>& want) {
    if (got.size() != want.size()) return false;
    for (std::size_t k = 0; k < got.size(); ++k)
      if (std::fabs(got[k] - want[k]) > 0.6) return false;
    return true;
  };
  // The window 400..1600 x 300..1200 is the group's clipping path, and the
  // filled areas are inside the group.
  std::smatch m;
  ASSERT_TRUE(std::regex_search(text, m, std::regex("<group layer=\"alpha\" clip=\"([^\"]*) h\">")));
  EXPECT_TRUE(near(numbers(m[1]), {400 * s, top - 300 * s, 1600 * s, top - 300 * s, 1600 * s,
                                   top - 1200 * s, 400 * s, top - 1200 * s}))
      << m[1];
  const std::size_t group = static_cast<std::size_t>(m.position(0));
  const std::size_t end = text.find("</group>", group);
  ASSERT_NE(end, std::string::npos);
  EXPECT_NE(text.substr(group, end - group).find("fill=\"0.000 0.000 1.000\""), std::string::npos);
  // Twelve images (ten pixel rows, one pixel, the 2 x 2 picture) with
  // their bitmaps before the page.
  const std::size_t page = text.find("<page>");
  EXPECT_NE(text.find("<bitmap id=\"1\" width=\"40\" height=\"1\" length=\"120\""),
            std::string::npos);
  const std::size_t last = text.find("<bitmap id=\"12\" width=\"2\" height=\"2\" length=\"12\"");
  ASSERT_NE(last, std::string::npos);
  EXPECT_LT(last, page);
  EXPECT_NE(text.find("ff000000ff00\n0000ffffffff\n</bitmap>"), std::string::npos);
  // The unit square maps onto the picture: 1000 units along each side,
  // the lower left corner at (100, 1100).
  ASSERT_TRUE(std::regex_search(text, m, std::regex("<image layer=\"alpha\" rect=\"0 0 1 1\" "
                                                    "bitmap=\"12\" matrix=\"([^\"]*)\"/>")));
  EXPECT_GT(static_cast<std::size_t>(m.position(0)), page);
  EXPECT_TRUE(near(numbers(m[1]), {1000 * s, 0, 0, 1000 * s, 100 * s, top - 1100 * s})) << m[1];
}

}  // namespace
}  // namespace zantor::test
