// Every quick plot writes its file on its own: the format and file chosen
// at level 0 are opened by the quick plot, the protocol it prints names
// that file, an independent reader accepts the file and its picture shows
// the plot.
#include <functional>
#include <string>
#include <vector>

#include "quickplot/quick_support.h"
// After the test framework, which it uses.
#include "devices/vector_support.h"

namespace zantor::test {
namespace {

// Data of the quick plots: a curve, bar and pie values, a 12 x 9 matrix.
struct Data {
  std::vector<float> x, y, half, z;
  int32_t n = 40, nx = 12, ny = 9, levels = 6;
  Data() {
    for (int i = 0; i < n; ++i) {
      x.push_back(0.25f * i);
      y.push_back(std::sin(0.25f * i) + 0.1f * i);
      half.push_back(0.5f * y.back());
    }
    for (int j = 0; j < ny; ++j)
      for (int i = 0; i < nx; ++i) z.push_back(std::sin(0.5f * i) * std::cos(0.4f * j));
  }
};

struct Case {
  const char* name;
  const char* format;  // metafl keyword
  const char* file;
  std::function<void(Data&)> plot;
};

const std::vector<Case>& cases() {
  static const std::vector<Case> all = {
      {"qplot", "PS", "line.ps", [](Data& d) { qplot_(d.x.data(), d.y.data(), &d.n); }},
      {"qplsca", "PDF", "scatter.pdf", [](Data& d) { qplsca_(d.x.data(), d.y.data(), &d.n); }},
      {"qplcrv", "SVG", "curves.svg",
       [](Data& d) {
         qplcrv_(d.x.data(), d.y.data(), &d.n, "FIRS", 4);
         qplcrv_(d.x.data(), d.half.data(), &d.n, "LAST", 4);
       }},
      {"qplbar", "PNG", "bars.png", [](Data& d) { qplbar_(d.y.data(), &d.levels); }},
      {"qplpie", "EPS", "pie.eps", [](Data& d) { qplpie_(d.x.data() + 1, &d.levels); }},
      {"qplsur", "PDF", "surface.pdf", [](Data& d) { qplsur_(d.z.data(), &d.nx, &d.ny); }},
      {"qplcon", "PS", "contour.ps",
       [](Data& d) { qplcon_(d.z.data(), &d.nx, &d.ny, &d.levels); }},
      {"qplclr", "PNG", "colour.png", [](Data& d) { qplclr_(d.z.data(), &d.nx, &d.ny); }},
  };
  return all;
}

// The share of pixels unlike the picture's corner (its background).
double drawnShare(const Image& im) {
  if (im.w == 0) return 0;
  const Rgb bg = im.at(0, 0);
  long n = 0;
  for (int y = 0; y < im.h; ++y)
    for (int x = 0; x < im.w; ++x) n += !nearColour(im.at(x, y), bg.r, bg.g, bg.b, 40);
  return static_cast<double>(n) / (static_cast<double>(im.w) * im.h);
}

// The share of clearly coloured (not grey) pixels.
double colouredShare(const Image& im) {
  if (im.w == 0) return 0;
  long n = 0;
  for (int y = 0; y < im.h; ++y)
    for (int x = 0; x < im.w; ++x) {
      const Rgb c = im.at(x, y);
      n += std::max({c.r, c.g, c.b}) - std::min({c.r, c.g, c.b}) > 80;
    }
  return static_cast<double>(n) / (static_cast<double>(im.w) * im.h);
}

// The picture of a file, after its reader accepted it.
Image readBack(const std::string& file) {
  const std::string ext = file.substr(file.rfind('.') + 1);
  std::string out;
  if (ext == "ps") return renderPage(file, 30, Pixels::Colour);
  if (ext == "eps") return renderPage(file, 30, Pixels::Colour, kEpsBox);
  if (ext == "pdf") {
    EXPECT_TRUE(qpdfAccepts(file));
    return renderPdf(file, 30);
  }
  if (ext == "svg") {
    EXPECT_TRUE(xmllintAccepts(file));
    return renderSvg(file);
  }
  EXPECT_EQ(runTool("pngcheck -q " + file, out), 0) << out;
  return pngToImage(file);
}

class QuickFiles : public QuickPlotTest, public ::testing::WithParamInterface<Case> {};

TEST_P(QuickFiles, WritesItsFileAndProtocol) {
  if (!haveGhostscript() || !haveTool("/usr/bin/qpdf") || !haveTool("/usr/bin/rsvg-convert"))
    GTEST_SKIP() << "the readers are not installed";
  const Case& c = GetParam();
  Data d;
  call(metafl_, c.format);
  call(setfil_, c.file);
  const auto lines = printed([&] { c.plot(d); });
  EXPECT_EQ(level(), 0);
  ASSERT_TRUE(std::filesystem::exists(dir / c.file));
  // The protocol box of zanfin: the format, the file, drawn vectors, no
  // warnings.
  EXPECT_TRUE(warnings(lines).empty());
  std::string protocol;
  for (const std::string& l : lines) protocol += l + "\n";
  std::string format = c.format;
  format.resize(4, ' ');
  EXPECT_NE(protocol.find("Fileformat: " + format), std::string::npos) << protocol;
  EXPECT_NE(protocol.find("Metafile: " + std::string(c.file) + " "), std::string::npos)
      << protocol;
  EXPECT_EQ(protocol.find("Vectors : 0 "), std::string::npos) << protocol;
  EXPECT_NE(protocol.find("Warnings: 0 "), std::string::npos) << protocol;

  const Image pic = readBack(c.file);
  ASSERT_GT(pic.w, 0);
  EXPECT_GT(drawnShare(pic), 0.005) << c.name;
  const std::string name = c.name;
  if (name == "qplpie" || name == "qplclr") {
    EXPECT_GT(colouredShare(pic), 0.01) << c.name << " shows no colour";
  }
}

INSTANTIATE_TEST_SUITE_P(EachQuickPlot, QuickFiles, ::testing::ValuesIn(cases()),
                         [](const auto& info) { return std::string(info.param.name); });

using QuickDefaults = QuickPlotTest;

// Without a chosen format and without a display, the picture goes to the
// library's own metafile under its default name.
TEST_F(QuickDefaults, QplotAloneWritesTheMetafileWithoutDisplay) {
  const char* display = std::getenv("DISPLAY");
  const std::string saved = display ? display : "";
  unsetenv("DISPLAY");
  const std::vector<float> x = {1, 2, 3}, y = {3, 1, 2};
  const int32_t n = 3;
  const auto lines = printed([&] { qplot_(x.data(), y.data(), &n); });
  if (display) setenv("DISPLAY", saved.c_str(), 1);
  EXPECT_EQ(level(), 0);
  EXPECT_EQ(zanglb.ndev, 201);
  EXPECT_TRUE(std::filesystem::exists(dir / "zantor.met"));
  std::string protocol;
  for (const std::string& l : lines) protocol += l + "\n";
  EXPECT_NE(protocol.find("Metafile: zantor.met "), std::string::npos) << protocol;
}

}  // namespace
}  // namespace zantor::test
