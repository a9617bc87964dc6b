// GIF and TIFF files and the octree quantiser: exact bytes where the format
// is fixed, and every file read back by giflib (giftext, gif2rgb),
// libtiff (tiffinfo) and ImageMagick.
#include <zantor.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "core/state.h"
#include "devices/gif/gif_writer.h"
#include "devices/raster/octree_quantiser.h"
#include "devices/raster/raster.h"
#include "devices/raster/raster_device.h"
#include "devices/tiff/tiff_writer.h"
#include "support/fixture.h"

namespace zantor::test {
namespace {

int run(const std::string& cmd) { return std::system((cmd + " >/dev/null 2>&1").c_str()); }

std::string capture(const std::string& cmd) {
  std::string out;
  if (FILE* p = popen(cmd.c_str(), "r")) {
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
    pclose(p);
  }
  return out;
}

// An indexed picture whose palette is the grey ramp (entry i = grey i), so
// that a reader's grey value is the index we wrote.
ImageSource greySource(int w, int h, const std::vector<uint8_t>* pixels) {
  ImageSource s;
  s.width = w;
  s.height = h;
  for (int i = 0; i < 256; ++i) s.palette[i] = uint32_t(i) * 0x010101u;
  s.readRow = [pixels, w](int y, uint8_t* out) {
    for (int x = 0; x < w; ++x) out[x] = (*pixels)[std::size_t(y) * w + x];
  };
  return s;
}

std::string bytes(const MemorySink& s) { return s.str(); }

void save(const std::string& path, const std::string& data) {
  FILE* f = std::fopen(path.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  std::fwrite(data.data(), 1, data.size(), f);
  std::fclose(f);
}

class GifTiff : public LibraryTest {
 protected:
  void TearDown() override {
    setRasterSinkFactory({});
    LibraryTest::TearDown();
    virtualRaster().qqvfin();
  }
  void plot(const char* format, int w, int h) {
    call(metafl_, format);
    winsiz_(&w, &h);
    zanini_();
    zanglb.iproto = 0;
  }
};

TEST_F(GifTiff, OnePixelGifHasTheFixedLayout) {
  const std::vector<uint8_t> px = {5};
  MemorySink out;
  ASSERT_EQ(writeGif(out, greySource(1, 1, &px), 0, false), 0);
  const std::string f = bytes(out);
  // 6 header + 7 screen + 768 table + 10 descriptor + 1 code size
  // + 1 count + 4 data + 1 terminator + 1 trailer.
  ASSERT_EQ(f.size(), 799u);
  EXPECT_EQ(f.substr(0, 13), std::string("GIF87a\x01\x00\x01\x00\xF7\x00\x00", 13));
  EXPECT_EQ(f.substr(13 + 3 * 5, 3), "\x05\x05\x05");
  EXPECT_EQ(f.substr(781, 11), std::string("\x2C\0\0\0\0\x01\0\x01\0\0\x08", 11));
  // Codes 256, 5, 257 at 9 bits, least significant bit first:
  // 256 + (5 << 9) + (257 << 18) = 0x100 + 0xA00 + 0x4040000 = 0x4040B00.
  EXPECT_EQ(f.substr(792, 7), std::string("\x04\x00\x0B\x04\x04\x00\x3B", 7));
  save("one.gif", f);
  EXPECT_EQ(run("giftext one.gif"), 0);
  EXPECT_EQ(capture("/usr/bin/identify -format '%w %h' one.gif"), "1 1");
}

// Noise has almost no repeated strings: the table fills quickly, the code
// width passes 9, 10, 11 and 12 bits and the table is cleared several
// times.  giflib's decoder rejects a width that grows one code early.
TEST_F(GifTiff, NoiseDecodesExactlyThroughGiflibAndImageMagick) {
  const int w = 211, h = 157;
  std::vector<uint8_t> px(std::size_t(w) * h);
  std::mt19937 rng(7);
  for (auto& p : px) p = uint8_t(rng() % 256);
  // A band of one colour and a band of two alternating colours exercise
  // long strings and the growing prefixes.
  for (int x = 0; x < w; ++x) px[20 * w + x] = 9, px[21 * w + x] = uint8_t(x % 2 ? 3 : 4);
  MemorySink out;
  ASSERT_EQ(writeGif(out, greySource(w, h, &px), 0, false), 0);
  std::string f = bytes(out);
  save("noise.gif", f);
  EXPECT_EQ(run("giftext noise.gif"), 0);
  ASSERT_EQ(run("gif2rgb -1 -o noise.rgb noise.gif"), 0);
  const std::string rgb = readFile("noise.rgb");
  ASSERT_EQ(rgb.size(), 3u * px.size());
  std::size_t wrong = 0;
  for (std::size_t i = 0; i < px.size(); ++i) wrong += uint8_t(rgb[3 * i]) != px[i];
  EXPECT_EQ(wrong, 0u);
  const std::string gray = capture("/usr/bin/convert noise.gif -depth 8 gray:-");
  ASSERT_EQ(gray.size(), px.size());
  EXPECT_EQ(gray, std::string(px.begin(), px.end()));
  // The sub-blocks: a chain of 255-byte blocks, one shorter, then 0.
  std::size_t at = 781 + 11;
  int full = 0;
  while (uint8_t(f[at]) == 255) at += 256, ++full;
  EXPECT_GT(full, 10);
  at += 1 + uint8_t(f[at]);
  EXPECT_EQ(f.substr(at), std::string("\0\x3B", 2));
}

// One colour over a large picture: strings grow one pixel per code, the
// longest prefixes and the width changes come from one repeated pixel.
TEST_F(GifTiff, OneColourPictureDecodes) {
  const int w = 640, h = 480;
  std::vector<uint8_t> px(std::size_t(w) * h, 42);
  MemorySink out;
  ASSERT_EQ(writeGif(out, greySource(w, h, &px), 0, false), 0);
  save("flat.gif", bytes(out));
  ASSERT_EQ(run("gif2rgb -1 -o flat.rgb flat.gif"), 0);
  const std::string rgb = readFile("flat.rgb");
  ASSERT_EQ(rgb.size(), 3u * px.size());
  EXPECT_EQ(rgb.find_first_not_of('\x2A'), std::string::npos);
  // An empty picture is refused without writing anything.
  MemorySink none;
  EXPECT_EQ(writeGif(none, greySource(0, 0, &px), 0, false), kImageMemory);
  EXPECT_TRUE(none.bytes().empty());
}

TEST_F(GifTiff, QuantiserKeepsUpTo256ColoursAndReducesBeyond) {
  uint8_t r[256], g[256], b[256];
  // 256 distinct colours stay exact.
  std::vector<uint8_t> rgb, idx(257);
  for (int i = 0; i < 256; ++i) rgb.insert(rgb.end(), {uint8_t(i), uint8_t(255 - i), uint8_t(i * 7)});
  ASSERT_EQ(qqquant(rgb.data(), 256, 1, idx.data(), r, g, b), 256);
  for (int i = 0; i < 256; ++i) {
    const int k = idx[i];
    EXPECT_EQ(r[k], i);
    EXPECT_EQ(g[k], 255 - i);
    EXPECT_EQ(b[k], uint8_t(i * 7));
  }
  // One more colour: one node is reduced into its mean, 256 entries.
  rgb.insert(rgb.end(), {1, 1, 1});
  EXPECT_LE(qqquant(rgb.data(), 257, 1, idx.data(), r, g, b), 256);
  // A one-colour picture gives one entry; an empty one none.
  const uint8_t one[6] = {10, 20, 30, 10, 20, 30};
  ASSERT_EQ(qqquant(one, 2, 1, idx.data(), r, g, b), 1);
  EXPECT_EQ(idx[0], 0);
  EXPECT_EQ(r[0] + g[0] + b[0], 60);
  EXPECT_EQ(qqquant(one, 0, 0, idx.data(), r, g, b), 0);
}

// A smooth picture of 64 x 64 x 4 colours (more than 256) through the
// quantiser stays close to the original.
TEST_F(GifTiff, QuantisedGradientStaysClose) {
  const int w = 256, h = 64;
  std::vector<uint8_t> rgb;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) rgb.insert(rgb.end(), {uint8_t(x), uint8_t(y * 4), uint8_t(128)});
  std::vector<uint8_t> idx(std::size_t(w) * h);
  uint8_t r[256], g[256], b[256];
  const int n = qqquant(rgb.data(), w, h, idx.data(), r, g, b);
  ASSERT_GT(n, 64);
  ASSERT_LE(n, 256);
  int worst = 0;
  double sum = 0;
  for (std::size_t i = 0; i < idx.size(); ++i) {
    const int k = idx[i];
    const int e = std::max({std::abs(r[k] - rgb[3 * i]), std::abs(g[k] - rgb[3 * i + 1]),
                            std::abs(b[k] - rgb[3 * i + 2])});
    worst = std::max(worst, e);
    sum += e;
  }
  // 256 cells over a 256 x 256 colour square leave cells of 16 x 16 at
  // worst: no component is off by more than 16.
  EXPECT_LE(worst, 16);
  EXPECT_LT(sum / double(idx.size()), 8.0);
}

TEST_F(GifTiff, GifPlotThroughTheLibrary) {
  plot("GIF", 120, 80);
  ASSERT_EQ(zanglb.nlev, 1);
  RasterContext& r = virtualRaster();
  r.qqvfll(10, 10, 29, 19, 200);
  const uint32_t c = r.tableEntry(200);
  zanfin_();
  const std::string f = readFile("zantor.gif");
  ASSERT_GT(f.size(), 800u);
  EXPECT_EQ(f.substr(0, 6), "GIF87a");
  EXPECT_EQ(run("giftext zantor.gif"), 0);
  EXPECT_EQ(capture("/usr/bin/identify -format '%w %h' zantor.gif"), "120 80");
  // The box and the background at known pixels, through the palette.
  const std::string inside = capture("/usr/bin/convert zantor.gif -format '%[pixel:p{15,15}]' info:");
  const std::string outside = capture("/usr/bin/convert zantor.gif -format '%[pixel:p{50,50}]' info:");
  EXPECT_NE(inside, outside);
  char want[64];
  std::snprintf(want, sizeof want, "srgb(%u,%u,%u)", c >> 16, (c >> 8) & 255, c & 255);
  EXPECT_EQ(inside, want);
}

TEST_F(GifTiff, TransparentTrueColourGifQuantisesAndNamesTheBackground) {
  call(imgfmt_, "RGB");
  call(gifmod_, "ON", "TRAN");
  call(scrmod_, "REVE");
  plot("GIF", 64, 48);
  virtualRaster().qqvfll(5, 5, 20, 20, 0x010000FF);  // red box on white
  zanfin_();
  const std::string f = readFile("zantor.gif");
  ASSERT_GT(f.size(), 800u);
  EXPECT_EQ(f.substr(0, 6), "GIF89a");
  const int bg = uint8_t(f[11]);
  // The background index is the palette's white, the transparent index of
  // the control extension equals it.
  EXPECT_EQ(f.substr(13 + 3 * bg, 3), "\xff\xff\xff");
  EXPECT_EQ(f.substr(781, 4), "\x21\xF9\x04\x01");
  EXPECT_EQ(uint8_t(f[781 + 6]), bg);
  EXPECT_EQ(run("giftext zantor.gif"), 0);
  EXPECT_EQ(capture("/usr/bin/convert zantor.gif -format '%[pixel:p{10,10}]' info:"),
            "srgba(255,0,0,1)");
  EXPECT_EQ(capture("/usr/bin/convert zantor.gif -format '%[fx:p{40,40}.a]' info:"), "0");
}

TEST_F(GifTiff, TiffIndexedAndRgbReadBackWithResolution) {
  int32_t n = 300;
  tifmod_(&n, "CM", "RESO", 2, 4);
  EXPECT_EQ(zanglb.itifmd, 3);
  plot("TIFF", 100, 70);
  RasterContext& r = virtualRaster();
  r.setTableEntry(77, 10, 200, 30);
  r.qqvfll(10, 10, 39, 29, 77);
  zanfin_();
  const std::string info = capture("tiffinfo zantor.tif 2>&1");
  EXPECT_NE(info.find("Image Width: 100 Image Length: 70"), std::string::npos) << info;
  EXPECT_NE(info.find("Resolution: 300, 300 pixels/cm"), std::string::npos) << info;
  EXPECT_NE(info.find("palette color"), std::string::npos) << info;
  EXPECT_EQ(info.find("Warning"), std::string::npos) << info;
  EXPECT_EQ(capture("/usr/bin/convert zantor.tif -format '%[pixel:p{20,20}]' info:"),
            "srgb(10,200,30)");

  call(imgfmt_, "RGB");
  int32_t dpi = 72;
  tifmod_(&dpi, "INCH", "RESO", 4, 4);
  plot("TIFF", 300, 200);  // several strips
  virtualRaster().qqvfll(0, 100, 299, 199, 0x01306090);
  zanfin_();
  const std::string rgbInfo = capture("tiffinfo zantor_1.tif 2>&1");
  EXPECT_NE(rgbInfo.find("Resolution: 72, 72 pixels/inch"), std::string::npos) << rgbInfo;
  EXPECT_NE(rgbInfo.find("RGB color"), std::string::npos) << rgbInfo;
  const std::string px = capture("/usr/bin/convert zantor_1.tif -depth 8 rgb:-");
  ASSERT_EQ(px.size(), 300u * 200u * 3u);
  EXPECT_EQ(px.substr(3 * (150 * 300 + 7), 3), "\x90\x60\x30");  // 0x01BBGGRR
  EXPECT_EQ(px.substr(3 * (50 * 300 + 7), 3), std::string(3, '\0'));
}

TEST_F(GifTiff, PackBitsRoundTrip) {
  // Runs, literals and the 128-byte limits of both.
  std::vector<uint8_t> in(300, 7);
  for (int i = 130; i < 290; ++i) in[std::size_t(i)] = uint8_t(i * 13);
  std::vector<uint8_t> packed;
  packBits(in.data(), in.size(), packed);
  std::vector<uint8_t> out;
  for (std::size_t i = 0; i < packed.size();) {
    const int8_t c = int8_t(packed[i++]);
    if (c >= 0) {
      out.insert(out.end(), packed.begin() + long(i), packed.begin() + long(i) + c + 1);
      i += std::size_t(c) + 1;
    } else {
      out.insert(out.end(), std::size_t(1 - c), packed[i++]);
    }
  }
  EXPECT_EQ(out, in);
  EXPECT_LT(packed.size(), 200u);
}

TEST_F(GifTiff, FullDiskAndExistingFiles) {
  setRasterSinkFactory([](const std::string&) -> std::unique_ptr<Sink> {
    return std::make_unique<FaultSink>(std::make_unique<MemorySink>(), 500);
  });
  plot("GIF", 50, 40);
  std::vector<std::string> lines = printed([] { zanfin_(); });
  ASSERT_FALSE(lines.empty());
  EXPECT_NE(lines[0].find("Warning  36"), std::string::npos) << lines[0];
  setRasterSinkFactory({});

  // BREA: an existing GIF is not overwritten.
  writeFile("zantor.gif", "keep");
  call(filmod_, "BREA");
  plot("GIF", 10, 10);
  lines = printed([] { zanfin_(); });
  ASSERT_FALSE(lines.empty());
  EXPECT_NE(lines[0].find("169"), std::string::npos) << lines[0];
  EXPECT_EQ(readFile("zantor.gif"), "keep");
  call(filmod_, "DELE");
  plot("GIF", 10, 10);
  zanfin_();
  EXPECT_EQ(readFile("zantor.gif").substr(0, 6), "GIF87a");
}

}  // namespace
}  // namespace zantor::test
