// Raster files through the whole library: zanini, drawing, zanfin, and the
// written PNG, PPM, BMP and image files read back by zlib, pngcheck and
// ImageMagick.
#include <zantor.h>
#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "core/state.h"
#include "draw/colour.h"
#include "devices/raster/adler32.h"
#include "devices/raster/crc32.h"
#include "devices/raster/image_files.h"
#include "devices/raster/raster.h"
#include "devices/raster/raster_device.h"
#include "support/fixture.h"

namespace zantor::test {
namespace {

uint32_t be32(const std::string& s, std::size_t at) {
  const auto* p = reinterpret_cast<const uint8_t*>(s.data() + at);
  return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}

struct Png {
  std::vector<std::string> chunks;  // chunk types in order
  uint32_t width = 0, height = 0;
  int colourType = -1;
  std::string palette;
  std::vector<uint8_t> raw;  // inflated image data, filter bytes included
  bool crcOk = true;
};

// Reads the chunks (checking each CRC with zlib's own routine) and
// inflates the image data.
Png decodePng(const std::string& f) {
  Png p;
  EXPECT_EQ(f.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
  std::string idat;
  for (std::size_t at = 8; at + 12 <= f.size();) {
    const uint32_t n = be32(f, at);
    const std::string type = f.substr(at + 4, 4);
    const std::string data = f.substr(at + 8, n);
    const uLong crc = crc32(crc32(0, nullptr, 0),
                            reinterpret_cast<const Bytef*>(f.data() + at + 4), n + 4);
    p.crcOk = p.crcOk && crc == be32(f, at + 8 + n);
    p.chunks.push_back(type);
    if (type == "IHDR") {
      p.width = be32(data, 0);
      p.height = be32(data, 4);
      p.colourType = uint8_t(data[9]);
    } else if (type == "PLTE") {
      p.palette = data;
    } else if (type == "IDAT") {
      idat += data;
    }
    at += 12 + n;
  }
  const std::size_t rowBytes = p.width * (p.colourType == 2 ? 3 : 1) + 1;
  p.raw.resize(rowBytes * p.height);
  uLongf size = p.raw.size();
  EXPECT_EQ(uncompress(p.raw.data(), &size, reinterpret_cast<const Bytef*>(idat.data()),
                       idat.size()),
            Z_OK);
  EXPECT_EQ(size, p.raw.size());
  // Undo the row filters (None, Sub, Up, Average, Paeth) in place; the
  // filter bytes stay, set to 0, so rows keep their layout.
  const std::size_t bpp = p.colourType == 2 ? 3 : 1, n = rowBytes - 1;
  for (std::size_t y = 0; y < p.height && size == p.raw.size(); ++y) {
    uint8_t* r = p.raw.data() + y * rowBytes;
    const uint8_t* up = y > 0 ? r - rowBytes : nullptr;
    const int type = r[0];
    EXPECT_LE(type, 4);
    for (std::size_t i = 1; i <= n; ++i) {
      const int a = i > bpp ? r[i - bpp] : 0, b = up ? up[i] : 0;
      const int c = up && i > bpp ? up[i - bpp] : 0;
      const int pa = std::abs(b - c), pb = std::abs(a - c), pc = std::abs(a + b - 2 * c);
      const int paeth = pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
      const int add[5] = {0, a, b, (a + b) / 2, paeth};
      r[i] = uint8_t(r[i] + add[type <= 4 ? type : 0]);
    }
    r[0] = 0;
  }
  return p;
}

int run(const std::string& cmd) { return std::system((cmd + " >/dev/null 2>&1").c_str()); }

std::string capture(const std::string& cmd) {
  std::string out;
  if (FILE* p = popen(cmd.c_str(), "r")) {
    char buf[256];
    while (std::fgets(buf, sizeof buf, p)) out += buf;
    pclose(p);
  }
  return out;
}

class RasterFiles : public LibraryTest {
 protected:
  void TearDown() override {
    setRasterSinkFactory({});
    LibraryTest::TearDown();
    virtualRaster().qqvfin();
  }
  // A plot on `format` with a window of w x h pixels and a cross of two
  // lines through the page.
  void plot(const char* format, int w, int h, const char* file = nullptr) {
    call(metafl_, format);
    if (file) call(setfil_, file);
    winsiz_(&w, &h);
    zanini_();
    zanglb.iproto = 0;
  }
  void line(int x1, int y1, int x2, int y2) { line_(&x1, &y1, &x2, &y2); }
};

TEST_F(RasterFiles, IndexedPngHasPaletteAndExactPixels) {
  call(pagmod_, "NONE");
  plot("PNG", 200, 150);
  ASSERT_EQ(zanglb.nlev, 1);
  qqsclr(255);
  // The page is 2969 x 2099 units on a 200 x 150 raster.
  line(0, 1000, 2969, 1000);
  zanfin_();
  const std::string f = readFile("zantor.png");
  const Png p = decodePng(f);
  EXPECT_TRUE(p.crcOk);
  EXPECT_EQ(p.chunks, (std::vector<std::string>{"IHDR", "PLTE", "IDAT", "IEND"}));
  EXPECT_EQ(p.width, 200u);
  EXPECT_EQ(p.height, 150u);
  EXPECT_EQ(p.colourType, 3);
  EXPECT_EQ(p.palette.size(), 768u);
  // The line lies on one row: y = round(1000 * xscf).
  const int y = int(1000 * zanglb.xscf + 0.5);
  for (int x = 0; x < 200; x += 37) EXPECT_EQ(p.raw[y * 201 + 1 + x], 255) << x;
  EXPECT_EQ(p.raw[(y - 2) * 201 + 1 + 50], 0);
  EXPECT_EQ(uint8_t(p.palette[3 * 255]), 255);  // white entry for the index
  EXPECT_EQ(run("pngcheck -q zantor.png"), 0);
  EXPECT_EQ(capture("/usr/bin/identify -format '%w %h' zantor.png"), "200 150");
  // The IEND CRC is the same four bytes in every file.
  EXPECT_EQ(f.substr(f.size() - 4), std::string("\xae\x42\x60\x82", 4));
}

TEST_F(RasterFiles, TrueColourPngWithTransparencyReadsBackInImageMagick) {
  call(imgfmt_, "RGB");
  call(pngmod_, "ON", "TRAN");
  call(scrmod_, "REVE");
  plot("PNG", 64, 48);
  const int32_t red = 0x010000FF;
  qqsclr(red);
  // A filled box through the device fill: pixels 10..20 x 10..30.
  virtualRaster().qqvfll(10, 10, 20, 30, red);
  zanfin_();
  const Png p = decodePng(readFile("zantor.png"));
  EXPECT_EQ(p.chunks, (std::vector<std::string>{"IHDR", "tRNS", "IDAT", "IEND"}));
  EXPECT_EQ(p.colourType, 2);
  const std::size_t row = 64 * 3 + 1;
  EXPECT_EQ(p.raw[15 * row + 1 + 3 * 15], 255);  // red box
  EXPECT_EQ(p.raw[15 * row + 1 + 3 * 15 + 1], 0);
  EXPECT_EQ(p.raw[40 * row + 1 + 3 * 40 + 1], 255);  // white background
  EXPECT_EQ(run("pngcheck -q zantor.png"), 0);
  EXPECT_EQ(capture("/usr/bin/convert zantor.png -format '%[pixel:p{15,15}]' info:"),
            "srgba(255,0,0,1)");
  // White is the transparent colour.
  EXPECT_EQ(capture("/usr/bin/convert zantor.png -format '%[fx:p{40,40}.a]' info:"), "0");
}

// Every pixel of a true-colour picture comes back from ImageMagick: rows
// equal to the one above, rows of flat runs and rows of random bytes (where
// a byte minus its left neighbour borrows), in a width that leaves tails
// after every group of eight bytes, and tall enough for the compressed
// rows to come in several pieces; the same for an indexed picture.
TEST_F(RasterFiles, PngKeepsEveryPixelAcrossPieces) {
  call(imgfmt_, "RGB");
  const int w = 37, h = 640;
  plot("PNG", w, h);
  std::vector<uint8_t> want(std::size_t(w * h * 3));
  uint32_t seed = 12345;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      uint8_t* px = &want[std::size_t((y * w + x) * 3)];
      if (y % 9 == 3 || y % 9 == 4) {  // equal rows
        std::memcpy(px, px - 3 * w, 3);
      } else if (y % 9 == 5) {  // two runs
        px[0] = x < 20 ? 10 : 250, px[1] = 0, px[2] = uint8_t(y);
      } else {
        for (int k = 0; k < 3; ++k) px[k] = uint8_t((seed = seed * 1103515245u + 12345u) >> 16);
      }
      virtualRaster().qqvwpx(x, y, 0x01000000 | px[0] | px[1] << 8 | px[2] << 16);
    }
  zanfin_();
  EXPECT_EQ(run("pngcheck -q zantor.png"), 0);
  ASSERT_EQ(run("/usr/bin/convert zantor.png -depth 8 rgb:back.rgb"), 0);
  const std::string back = readFile("back.rgb");
  ASSERT_EQ(back.size(), want.size());
  const auto diff = std::mismatch(want.begin(), want.end(), back.begin(),
                                  [](uint8_t a, char b) { return a == uint8_t(b); });
  EXPECT_TRUE(diff.first == want.end()) << "first wrong byte " << (diff.first - want.begin());

  // An indexed picture in several pieces keeps every index.
  call(imgfmt_, "INDE");
  plot("PNG", 257, 300, "indexed.png");
  std::vector<uint8_t> index(257 * 300);
  for (std::size_t i = 0; i < index.size(); ++i) {
    index[i] = i % 7 == 0 ? uint8_t((seed = seed * 1103515245u + 12345u) >> 16) : uint8_t(i / 5000);
    virtualRaster().qqvwpx(int(i % 257), int(i / 257), index[i]);
  }
  zanfin_();
  EXPECT_EQ(run("pngcheck -q indexed.png"), 0);
  const Png p = decodePng(readFile("indexed.png"));
  ASSERT_EQ(p.raw.size(), 258u * 300u);
  std::size_t wrong = 0;
  for (std::size_t i = 0; i < index.size(); ++i) wrong += p.raw[i / 257 * 258 + 1 + i % 257] != index[i];
  EXPECT_EQ(wrong, 0u);
}

// The zlib checksum agrees with zlib's own for zero runs, bytes of 255
// over many blocks (the largest sums), and every split of the data.
TEST(Adler32, AgreesWithZlib) {
  std::vector<uint8_t> data(40000, 0);
  for (std::size_t i = 0; i < data.size(); ++i) {
    if (i % 1000 < 7) data[i] = uint8_t(i * 31);
    if (i >= 12000 && i < 30000) data[i] = 255;
  }
  for (std::size_t n : {std::size_t(0), std::size_t(1), std::size_t(7), std::size_t(8),
                        std::size_t(5553), std::size_t(40000)}) {
    const uint32_t zl = uint32_t(adler32(adler32(0, nullptr, 0), data.data(), uInt(n)));
    EXPECT_EQ(adler32Update(1, data.data(), n), zl) << n;
    const std::size_t half = n / 3;
    EXPECT_EQ(adler32Update(adler32Update(1, data.data(), half), data.data() + half, n - half), zl)
        << n;
  }
}

TEST_F(RasterFiles, PpmAndBmpFiles) {
  plot("PPM", 3, 2);
  virtualRaster().qqvwpx(0, 0, 0x01030201);
  virtualRaster().qqvwpx(2, 1, 0x01FFFFFF);
  zanfin_();
  const std::string ppm = readFile("zantor.ppm");
  ASSERT_EQ(ppm.size(), 11u + 18u);
  EXPECT_EQ(ppm.substr(0, 11), "P6\n3 2\n255\n");
  EXPECT_EQ(ppm.substr(11, 3), std::string("\x01\x02\x03", 3));
  EXPECT_EQ(ppm.substr(26, 3), "\xff\xff\xff");
  EXPECT_EQ(capture("/usr/bin/identify -format '%w %h' zantor.ppm"), "3 2");

  int32_t dpi = 254;
  bmpmod_(&dpi, "INCH", "RESO", 4, 4);
  EXPECT_EQ(zanglb.ibmprs, 10000);
  plot("BMP", 3, 2);
  virtualRaster().qqvwpx(0, 1, 1);  // bottom row, first pixel: index 1
  zanfin_();
  const std::string bmp = readFile("zantor.bmp");
  // 54 + 1024 palette bytes + 2 rows of 4 bytes (one padding byte each).
  ASSERT_EQ(bmp.size(), 54u + 1024u + 8u);
  EXPECT_EQ(bmp.substr(0, 2), "BM");
  EXPECT_EQ(uint8_t(bmp[2]) | uint8_t(bmp[3]) << 8, 54 + 1024 + 8);
  EXPECT_EQ(uint8_t(bmp[38]) | uint8_t(bmp[39]) << 8, 10000);
  EXPECT_EQ(bmp[54 + 1024], 1);  // rows are stored bottom-up
  EXPECT_EQ(capture("/usr/bin/identify -format '%w %h' zantor.bmp"), "3 2");

  call(imgfmt_, "RGB");
  plot("BMP", 3, 2, "rgb.bmp");
  virtualRaster().qqvwpx(0, 1, 0x01030201);
  zanfin_();
  const std::string rgb = readFile("rgb.bmp");
  ASSERT_EQ(rgb.size(), 54u + 2u * 12u);  // 9 data bytes + 3 padding per row
  EXPECT_EQ(rgb.substr(54, 3), std::string("\x03\x02\x01", 3));  // blue first
}

TEST_F(RasterFiles, OwnImageFileHeader) {
  plot("IMAG", 5, 4);
  zanfin_();
  const std::string f = readFile("zantor.img");
  ASSERT_EQ(f.size(), 80u + 20u);
  EXPECT_EQ(f.substr(0, 80),
            "!Bitmap ZANTOR VIRT     5     4     8     5     8    32     0     1     0       ");
  // Read back into a fresh raster.
  RasterContext& r = virtualRaster();
  ASSERT_EQ(r.qqvini(5, 4, false, false), 0);
  EXPECT_EQ(readImag("zantor.img", r), 0);
  EXPECT_EQ(readImag("missing.img", r), 1);
}

TEST_F(RasterFiles, PngIntoCallersBuffer) {
  plot("VIRT", 16, 16);
  int32_t need = -1, zero = 0;
  char probe[1];
  rbfpng_(probe, &zero, &need, 1);
  ASSERT_GT(need, 57);  // signature, IHDR, PLTE, IDAT, IEND
  std::vector<char> buf(std::size_t(need) + 10);
  int32_t n = -1, small = need - 1;
  rbfpng_(buf.data(), &small, &n, buf.size());
  EXPECT_EQ(n, 0);  // one byte too small
  int32_t cap = int32_t(buf.size());
  rbfpng_(buf.data(), &cap, &n, buf.size());
  EXPECT_EQ(n, need);
  const Png p = decodePng(std::string(buf.data(), std::size_t(n)));
  EXPECT_EQ(p.width, 16u);
  EXPECT_TRUE(p.crcOk);
  zanfin_();
  EXPECT_FALSE(std::filesystem::exists("zantor.png"));
  // Not a raster device: warning 40.
  call(metafl_, "GKSL");
  zanini_();
  const auto out = printed([&] { rbfpng_(buf.data(), &cap, &n, buf.size()); });
  ASSERT_FALSE(out.empty());
  EXPECT_NE(out[0].find("  40: "), std::string::npos);
  EXPECT_EQ(n, 0);
}

TEST_F(RasterFiles, VirtKeepsPixelsUntilNextZanini) {
  plot("VIRT", 10, 10);
  const int32_t x = 3, y = 4, c = 9;
  wpixel_(&x, &y, &c);
  zanfin_();
  int32_t v = -5;
  rpixel_(&x, &y, &v);
  EXPECT_EQ(v, 9);
  const int32_t far = 10;
  rpixel_(&far, &y, &v);
  EXPECT_EQ(v, -1);
  uint8_t row[4] = {1, 2, 3, 4};
  const int32_t x0 = 8, n = 4;
  wpxrow_(row, &x0, &y, &n);  // two of the four fit
  uint8_t back[4] = {};
  const int32_t x1 = 7;
  rpxrow_(back, &x1, &y, &n);
  EXPECT_EQ(std::vector<int>(back, back + 4), (std::vector<int>{0, 1, 2, 0}));
  plot("VIRT", 10, 10);  // next zanini: a fresh picture
  rpixel_(&x, &y, &v);
  EXPECT_EQ(v, 0);
}

TEST_F(RasterFiles, HugeAndImpossibleWindows) {
  call(metafl_, "PNG");
  const int32_t huge = 100000;
  winsiz_(&huge, &huge);
  zanglb.iproto = 0;
  const auto out = printed([] { zanini_(); });
  ASSERT_FALSE(out.empty());
  EXPECT_NE(out[0].find("  53: "), std::string::npos);  // not enough memory
  EXPECT_EQ(zanglb.nlev, 0);
  const int32_t zero = 0, minus = -4;
  const auto warn = printed([&] { winsiz_(&zero, &minus); });
  ASSERT_FALSE(warn.empty());
  EXPECT_NE(warn[0].find("   2: "), std::string::npos);
}

TEST_F(RasterFiles, UnwritableFileGivesWarning36) {
  call(setfil_, "no/such/dir/pic.png");
  plot("PNG", 20, 20);
  ASSERT_EQ(zanglb.nlev, 1);
  const auto out = printed([] { zanfin_(); });
  ASSERT_FALSE(out.empty());
  EXPECT_NE(out[0].find("  36: "), std::string::npos);
  EXPECT_EQ(zanglb.nlev, 0);
}

TEST_F(RasterFiles, FullDiskMidFileGivesWarning36) {
  for (const char* format : {"PNG", "PPM", "BMP", "IMAG"}) {
    for (uint64_t limit : {0u, 10u, 300u}) {
      setRasterSinkFactory([limit](const std::string& path) {
        return std::make_unique<FaultSink>(std::make_unique<FileSink>(path), limit);
      });
      plot(format, 30, 20);
      line(0, 0, 2969, 2099);
      const auto out = printed([] { zanfin_(); });
      ASSERT_FALSE(out.empty()) << format << " " << limit;
      EXPECT_NE(out[0].find("  36: "), std::string::npos) << format << " " << limit;
    }
  }
}

TEST_F(RasterFiles, OptionSettersCheckTheirKeywords) {
  call(pngmod_, "ON", "TRAN");
  EXPECT_EQ(zanglb.ipngtr, 1);
  auto out = printed([] { call(pngmod_, "MAYBE", "TRAN"); });
  EXPECT_EQ(zanglb.ipngtr, 1);
  EXPECT_FALSE(out.empty());
  int32_t n = 3000;
  bmpmod_(&n, "METE", "RESO", 4, 4);
  EXPECT_EQ(zanglb.ibmprs, 3000);
  n = 0;
  out = printed([&] { bmpmod_(&n, "METE", "RESO", 4, 4); });
  EXPECT_EQ(zanglb.ibmprs, 3000);
  EXPECT_FALSE(out.empty());
  call(imgfmt_, "RGB");
  EXPECT_EQ(zanglb.imagfm, 1);
  zanini_();
  zanglb.iproto = 0;
  out = printed([] { call(imgfmt_, "INDE"); });  // level 0 only
  EXPECT_EQ(zanglb.imagfm, 1);
  EXPECT_FALSE(out.empty());
}

TEST(RasterCrc, KnownValues) {
  const uint8_t iend[4] = {'I', 'E', 'N', 'D'};
  EXPECT_EQ(crc32Update(0, iend, 4), 0xAE426082u);
  const char* text = "123456789";
  EXPECT_EQ(crc32Update(0, reinterpret_cast<const uint8_t*>(text), 9), 0xCBF43926u);
  // Continuing over pieces gives the same result.
  uint32_t c = crc32Update(0, reinterpret_cast<const uint8_t*>(text), 4);
  EXPECT_EQ(crc32Update(c, reinterpret_cast<const uint8_t*>(text) + 4, 5), 0xCBF43926u);
}

// Row positions anywhere in the integer range: nothing is written or read
// outside the picture (INT32_MIN cannot be negated, INT32_MAX + i
// overflows).
TEST_F(RasterFiles, PixelRowsAtTheEndsOfTheIntegerRange) {
  plot("VIRT", 10, 10);
  uint8_t row[4] = {1, 2, 3, 4};
  const int32_t y = 4, n = 4, n2 = 2, ten = 10, zero = 0;
  const int32_t lowest = INT32_MIN, highest = INT32_MAX, left = -2;
  wpxrow_(row, &lowest, &y, &n);
  wpxrow_(row, &highest, &y, &n);
  uint8_t back[10];
  std::fill(back, back + 10, 0xAA);
  rpxrow_(back, &zero, &y, &ten);
  EXPECT_EQ(std::vector<int>(back, back + 10), std::vector<int>(10, 0));
  wpxrow_(row, &left, &y, &n);  // the last two land on x = 0 and 1
  rpxrow_(back, &zero, &y, &ten);
  EXPECT_EQ(std::vector<int>(back, back + 3), (std::vector<int>{3, 4, 0}));
  uint8_t two[2] = {9, 9};
  rpxrow_(two, &highest, &y, &n2);
  EXPECT_EQ(two[0] + two[1], 0);
  two[0] = two[1] = 9;
  rpxrow_(two, &lowest, &y, &n2);
  EXPECT_EQ(two[0] + two[1], 0);
  zanfin_();
}

// A program that ends without zanfin (STOP in the middle of a raster plot)
// exits normally: the raster outlives the device that releases it.
TEST_F(RasterFiles, PlotNeverClosedEndsTheProgramCleanly) {
  for (const char* format : {"PNG", "PPM", "BMP", "IMAG", "VIRT"}) {
    auto plotAndStop = [format] {
      call(metafl_, format);
      zanini_();
      const int32_t a = 0, b = 500;
      line_(&a, &a, &b, &b);
      std::exit(0);
    };
    EXPECT_EXIT(plotAndStop(), ::testing::ExitedWithCode(0), "") << format;
  }
}

}  // namespace
}  // namespace zantor::test
