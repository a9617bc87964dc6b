// The ICO and BMP readers of the picture widgets on small files written
// here and by ImageMagick: pixels of every depth and row order, and each
// broken or hostile file ending in its message without a picture.
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "support/fixture.h"
#include "widgets/picture_files.h"

namespace zantor::test {
namespace {

using widgets::Picture;
using Bytes = std::vector<uint8_t>;

void le16(Bytes& b, uint32_t v) {
  b.push_back(uint8_t(v));
  b.push_back(uint8_t(v >> 8));
}
void le32(Bytes& b, uint32_t v) {
  le16(b, v & 0xFFFF);
  le16(b, v >> 16);
}

int32_t rgb(int r, int g, int b) { return 0x01000000 + b * 65536 + g * 256 + r; }

// A 40-byte information header.
Bytes infoHeader(int32_t w, int32_t h, int bpp, uint32_t compression = 0, uint32_t colours = 0) {
  Bytes b;
  le32(b, 40);
  le32(b, uint32_t(w));
  le32(b, uint32_t(h));
  le16(b, 1);
  le16(b, uint32_t(bpp));
  le32(b, compression);
  for (int i = 0; i < 3; ++i) le32(b, 0);
  le32(b, colours);
  le32(b, 0);
  return b;
}

// A BMP file: header, `extra` (colour table or masks), pixel rows.
Bytes bmpFile(const Bytes& info, const Bytes& extra, const Bytes& rows) {
  Bytes b = {'B', 'M'};
  le32(b, uint32_t(14 + info.size() + extra.size() + rows.size()));
  le32(b, 0);
  le32(b, uint32_t(14 + info.size() + extra.size()));
  b.insert(b.end(), info.begin(), info.end());
  b.insert(b.end(), extra.begin(), extra.end());
  b.insert(b.end(), rows.begin(), rows.end());
  return b;
}

Bytes palette(std::initializer_list<int32_t> colours) {
  Bytes b;
  for (int32_t c : colours) {
    b.push_back(uint8_t(c >> 16));  // blue, green, red, 0
    b.push_back(uint8_t(c >> 8));
    b.push_back(uint8_t(c));
    b.push_back(0);
  }
  return b;
}

std::string bmpMessage(const Bytes& file) {
  Picture p;
  p.width = -7;
  const std::string m(widgets::decodeBmp(file, p));
  if (!m.empty()) {
    EXPECT_EQ(p.width, -7) << "a refused file changed the picture";
  }
  return m;
}

// 3 x 2 pixels, 24 bits, rows padded to 12 bytes; the file's first row is
// the bottom one.
Bytes rows24() {
  return {0, 0, 255, 0, 255, 0, 255, 0, 0, 0, 0, 0,    // bottom: red green blue
          30, 20, 10, 50, 100, 200, 255, 255, 255, 0, 0, 0};  // top
}
const std::vector<int32_t> kTop24 = {rgb(10, 20, 30), rgb(200, 100, 50), rgb(255, 255, 255)};
const std::vector<int32_t> kBottom24 = {rgb(255, 0, 0), rgb(0, 255, 0), rgb(0, 0, 255)};

std::vector<int32_t> join(std::vector<int32_t> a, const std::vector<int32_t>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST(PictureFiles, BmpOfEveryDepthAndRowOrder) {
  Picture p;
  ASSERT_EQ(widgets::decodeBmp(bmpFile(infoHeader(3, 2, 24), {}, rows24()), p), "");
  EXPECT_EQ(p.width, 3);
  EXPECT_EQ(p.height, 2);
  EXPECT_EQ(p.pixels, join(kTop24, kBottom24));
  // A negative height stores the rows from the top.
  ASSERT_EQ(widgets::decodeBmp(bmpFile(infoHeader(3, -2, 24), {}, rows24()), p), "");
  EXPECT_EQ(p.pixels, join(kBottom24, kTop24));

  // 1 bit: nine pixels cross a byte, most significant bit first.
  const int32_t ink = rgb(1, 2, 3), paper = rgb(250, 251, 252);
  ASSERT_EQ(widgets::decodeBmp(bmpFile(infoHeader(9, 1, 1, 0, 2), palette({paper, ink}),
                                       {0b10100000, 0b10000000, 0, 0}),
                               p),
            "");
  EXPECT_EQ(p.pixels, (std::vector<int32_t>{ink, paper, ink, paper, paper, paper, paper, paper, ink}));
  // 4 and 8 bits; an index beyond a short colour table is black.
  ASSERT_EQ(widgets::decodeBmp(bmpFile(infoHeader(3, 1, 4, 0, 2), palette({paper, ink}),
                                       {0x10, 0x70, 0, 0}),
                               p),
            "");
  EXPECT_EQ(p.pixels, (std::vector<int32_t>{ink, paper, rgb(0, 0, 0)}));
  ASSERT_EQ(widgets::decodeBmp(bmpFile(infoHeader(2, 1, 8, 0, 3), palette({paper, paper, ink}),
                                       {2, 0, 0, 0}),
                               p),
            "");
  EXPECT_EQ(p.pixels, (std::vector<int32_t>{ink, paper}));

  // 16 bits 5-5-5 and 32 bits through bit-field masks (red in the lowest
  // byte here, unlike the plain order).
  ASSERT_EQ(widgets::decodeBmp(bmpFile(infoHeader(2, 1, 16), {}, {0x00, 0x7C, 0x1F, 0x00}), p), "");
  EXPECT_EQ(p.pixels, (std::vector<int32_t>{rgb(255, 0, 0), rgb(0, 0, 255)}));
  Bytes masks;
  le32(masks, 0x000000FF);
  le32(masks, 0x0000FF00);
  le32(masks, 0x00FF0000);
  ASSERT_EQ(widgets::decodeBmp(bmpFile(infoHeader(1, 1, 32, 3), masks, {11, 22, 33, 0}), p), "");
  EXPECT_EQ(p.pixels, (std::vector<int32_t>{rgb(11, 22, 33)}));
}

TEST(PictureFiles, BrokenAndHostileBmpFilesGiveTheirMessages) {
  const Bytes good = bmpFile(infoHeader(3, 2, 24), {}, rows24());
  EXPECT_EQ(bmpMessage({}), "File has not BMP format!");
  EXPECT_EQ(bmpMessage({'P', '6', ' ', '1'}), "File has not BMP format!");
  EXPECT_EQ(bmpMessage({'B', 'M', 0, 0}), "Unexpected end of BMP file");
  EXPECT_EQ(bmpMessage(bmpFile(infoHeader(3, 2, 7), {}, rows24())), "File has not BMP format!");
  for (uint32_t compression : {1u, 2u, 4u, 5u, 99u})  // run lengths, JPEG, PNG, unknown
    EXPECT_EQ(bmpMessage(bmpFile(infoHeader(3, 2, 8, compression), palette({0}), rows24())),
              "Bad compression modus") << compression;
  EXPECT_EQ(bmpMessage(bmpFile(infoHeader(3, 2, 24, 3), {}, rows24())), "Bad compression modus");
  // Cut anywhere: in the pixels, the colour table, the header.
  for (std::size_t keep : {good.size() - 1, std::size_t(60), std::size_t(40), std::size_t(14)})
    EXPECT_EQ(bmpMessage(Bytes(good.begin(), good.begin() + long(keep))), "Unexpected end of BMP file")
        << keep;
  EXPECT_EQ(bmpMessage(bmpFile(infoHeader(2, 1, 8, 0, 9), palette({0}), {0, 0, 0, 0})),
            "Unexpected end of BMP file");
  EXPECT_EQ(bmpMessage(bmpFile(infoHeader(2, 1, 1, 0, 3), palette({0, 0, 0}), {0, 0, 0, 0})),
            "File has not BMP format!");  // more colours than one bit can index
  // Sizes: not positive, beyond the limit, and the most negative height.
  EXPECT_EQ(bmpMessage(bmpFile(infoHeader(0, 2, 24), {}, rows24())), "Bad icon size");
  EXPECT_EQ(bmpMessage(bmpFile(infoHeader(-3, 2, 24), {}, rows24())), "Bad icon size");
  EXPECT_EQ(bmpMessage(bmpFile(infoHeader(3, 0, 24), {}, rows24())), "Bad icon size");
  EXPECT_EQ(bmpMessage(bmpFile(infoHeader(4097, 1, 24), {}, rows24())), "Out of icon size");
  EXPECT_EQ(bmpMessage(bmpFile(infoHeader(1, INT32_MIN, 24), {}, rows24())), "Out of icon size");
  // The largest sides with a few bytes of pixels: refused before anything
  // of that size is allocated.
  EXPECT_EQ(bmpMessage(bmpFile(infoHeader(4096, 4096, 32), {}, rows24())),
            "Unexpected end of BMP file");
  // A pixel offset far beyond the end.
  Bytes far = good;
  far[10] = far[11] = far[12] = far[13] = 0xFF;
  EXPECT_EQ(bmpMessage(far), "Unexpected end of BMP file");

  Picture p;
  EXPECT_EQ(widgets::readBmpFile("no such file.bmp", p), "File Error!");
  EXPECT_EQ(widgets::readBmpFile(".", p), "File Error!");  // a directory
}

// An icon entry of an ICO file: its bitmap (colours, then the mask rows).
struct Icon {
  int w, h, bpp;
  Bytes colours;  // colour table
  Bytes rows;     // colour rows, bottom first, then the mask rows
};

Bytes icoFile(const std::vector<Icon>& icons, uint16_t type = 1) {
  Bytes b;
  le16(b, 0);
  le16(b, type);
  le16(b, uint32_t(icons.size()));
  uint32_t at = uint32_t(6 + 16 * icons.size());
  std::vector<Bytes> images;
  for (const Icon& i : icons) {
    Bytes img = infoHeader(i.w, 2 * i.h, i.bpp, 0, uint32_t(i.colours.size() / 4));
    img.insert(img.end(), i.colours.begin(), i.colours.end());
    img.insert(img.end(), i.rows.begin(), i.rows.end());
    b.push_back(uint8_t(i.w));
    b.push_back(uint8_t(i.h));
    b.push_back(0);
    b.push_back(0);
    le16(b, 1);
    le16(b, uint32_t(i.bpp));
    le32(b, uint32_t(img.size()));
    le32(b, at);
    at += uint32_t(img.size());
    images.push_back(img);
  }
  for (const Bytes& img : images) b.insert(b.end(), img.begin(), img.end());
  return b;
}

const int32_t kInk = rgb(0, 0, 128), kPaper = rgb(255, 255, 0);
// 2 x 2, 1 bit: top row ink paper, bottom row paper ink; the mask makes
// the top right pixel transparent.
const Icon kOneBit = {2, 2, 1, palette({kPaper, kInk}),
                      {0b01000000, 0, 0, 0, 0b10000000, 0, 0, 0,     // colours: bottom, top
                       0, 0, 0, 0, 0b01000000, 0, 0, 0}};           // mask: bottom, top
// 1 x 2, 32 bits with alpha: the bottom pixel transparent.
const Icon kAlpha = {1, 2, 32, {}, {1, 2, 3, 0, 40, 50, 60, 255, 0, 0, 0, 0, 0, 0, 0, 0}};

std::string icoMessage(const Bytes& file, int32_t index = 1) {
  Picture p;
  return std::string(widgets::decodeIco(file, index, p));
}

TEST(PictureFiles, IconsWithMasksAndAlpha) {
  const Bytes file = icoFile({kOneBit, kAlpha});
  Picture p;
  ASSERT_EQ(widgets::decodeIco(file, 1, p), "");
  EXPECT_EQ(p.width, 2);
  EXPECT_EQ(p.height, 2);
  EXPECT_EQ(p.pixels, (std::vector<int32_t>{kInk, 0, kPaper, kInk}));
  ASSERT_EQ(widgets::decodeIco(file, 2, p), "");
  EXPECT_EQ(p.pixels, (std::vector<int32_t>{rgb(60, 50, 40), 0}));

  EXPECT_EQ(icoMessage(file, 3), "Not enough icons in ICO file");
  EXPECT_EQ(icoMessage(file, 0), "Not allowed index");
  EXPECT_EQ(icoMessage({}), "No ICO format");
  EXPECT_EQ(icoMessage(icoFile({kOneBit}, 2)), "No ICO format");  // a cursor file
  EXPECT_EQ(icoMessage(icoFile({})), "No ICO format");
  EXPECT_EQ(icoMessage(Bytes(file.begin(), file.begin() + 20)), "No ICO format");  // directory cut
  Bytes outside = file;
  outside[18] = outside[19] = outside[20] = outside[21] = 0xFF;  // first image offset
  EXPECT_EQ(icoMessage(outside), "No ICO format");
  // The mask of a 1-bit icon missing.
  EXPECT_EQ(icoMessage(Bytes(file.begin(), file.begin() + 6 + 32 + 40 + 8 + 10), 1),
            "Unexpected end of BMP file");
  // An icon stored as PNG, and icons beyond 256 or without size.
  Bytes png = file;
  const Bytes sig = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::copy(sig.begin(), sig.end(), png.begin() + 38);
  EXPECT_EQ(icoMessage(png), "Bad compression modus");
  EXPECT_EQ(icoMessage(icoFile({{257, 1, 32, {}, Bytes(257 * 4 + 36 * 1, 0)}})), "Out of icon size");
  EXPECT_EQ(icoMessage(icoFile({{0, 1, 32, {}, Bytes(8, 0)}})), "Bad icon size");

  EXPECT_EQ(widgets::readIcoFile("missing.ico", 1, p), "File Error!");
}

TEST(PictureFiles, ArraysOfThePrograms) {
  Picture p;
  const int32_t a[6] = {0, 1, rgb(1, 2, 3), 1, 0, rgb(255, 255, 255)};
  ASSERT_EQ(widgets::pictureFromArray(a, 3, 2, 256, p), "");
  EXPECT_EQ(p.pixels, std::vector<int32_t>(a, a + 6));
  EXPECT_EQ(widgets::pictureFromArray(a, 0, 2, 256, p), "Bad icon size");
  EXPECT_EQ(widgets::pictureFromArray(a, 3, -1, 256, p), "Bad icon size");
  EXPECT_EQ(widgets::pictureFromArray(a, 257, 1, 256, p), "Out of icon size");
  const int32_t bad[2] = {1, 2};
  EXPECT_EQ(widgets::pictureFromArray(bad, 2, 1, 256, p), "Bad value");
}

class PictureFilesOfOthers : public LibraryTest {};

// Files written by ImageMagick from a PPM: the same pixels come back.
TEST_F(PictureFilesOfOthers, BmpAndIcoWrittenByImageMagick) {
  writeFile("p.ppm", "P3\n3 2\n255\n10 20 30  200 100 50  255 255 255\n255 0 0  0 255 0  0 0 255\n");
  ASSERT_EQ(std::system("/usr/bin/convert p.ppm BMP3:p.bmp && /usr/bin/convert p.ppm p.ico"), 0);
  Picture p;
  ASSERT_EQ(widgets::readBmpFile("p.bmp", p), "");
  EXPECT_EQ(p.pixels, join(kTop24, kBottom24));
  ASSERT_EQ(widgets::readIcoFile("p.ico", 1, p), "");
  EXPECT_EQ(p.pixels, join(kTop24, kBottom24));
}

}  // namespace
}  // namespace zantor::test
