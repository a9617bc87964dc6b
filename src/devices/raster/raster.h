// The raster context: a framebuffer of 8-bit colour indices or 32-bit
// R, G, B, A pixels with its colour table, clip rectangle and polyline
// buffer.  All raster file formats draw into one such context (the virtual
// raster device); the window device keeps one as the back-up image of a
// window.  Coordinates are pixels, row 0 at the top.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "devices/device.h"
#include "devices/raster/raster_scan.h"

namespace zantor {

class RasterContext {
 public:
  static constexpr int kMaxPolyline = 100;
  static constexpr int kMaxCrossings = 99;
  // Framebuffers above this size are refused as "not enough memory" instead
  // of asking the system for absurd amounts (winsiz(100000, 100000)).
  static constexpr uint64_t kMaxBytes = uint64_t{1} << 30;
  // Pictures of more pixels than this (8192 x 8192) are refused the same
  // way: every image file writes, compresses or quantises each pixel at
  // zanfin, which takes minutes beyond this size.
  static constexpr uint64_t kMaxPixels = uint64_t{1} << 26;

  // qqvini: creates the framebuffer.  `trueColour` selects 32-bit pixels,
  // `reverse` the white background.  Returns 0, or 1 when the size cannot
  // be allocated (no pixels, zero or negative size, overflow, no memory).
  int qqvini(int width, int height, bool trueColour, bool reverse);
  // qqvfin: releases the framebuffer.
  void qqvfin();
  bool allocated() const { return pixels_ != nullptr; }

  int width() const { return width_; }
  int height() const { return height_; }
  bool trueColour() const { return trueColour_; }
  std::size_t rowBytes() const { return rowBytes_; }
  // qqvptr: the framebuffer for the file writers (null when released).
  const uint8_t* qqvptr() const { return pixels_.get(); }
  const uint8_t* row(int y) const { return pixels_.get() + std::size_t(y) * rowBytes_; }

  // qqvers: clears to the background.
  void qqvers();
  // qqvwin: crops to a sub-rectangle; 0, -3 outside the picture, -2 memory.
  int qqvwin(int x, int y, int w, int h);
  // qqvcrp: bounding box of the pixels that differ from the background;
  // all -1 for an empty picture.
  void qqvcrp(int& xmin, int& ymin, int& xmax, int& ymax);

  // Colour table: entries 0x00RRGGBB; size mode 0 loads 9 entries, 7 loads
  // 16, any other value all 256.
  void qqvvlt(int sizeMode, const int32_t* table);
  void setTableEntry(int index, uint8_t r, uint8_t g, uint8_t b);
  uint32_t tableEntry(int index) const;  // 0x00RRGGBB
  // Nearest table entry (sum of absolute differences, lower index wins).
  int nearestIndex(uint8_t r, uint8_t g, uint8_t b) const;

  // qqvclr: current colour from a colour value (index, or 0x01BBGGRR).
  void qqvclr(int32_t value);
  void setAlpha(uint8_t a) { alpha_ = a; }
  void setLineWidth(int w);
  int lineWidth() const { return lineWidth_; }
  // Point shape: 2 square points and caps, otherwise round.
  void setPointShape(int shape) { pointShape_ = shape; }
  // Caps and joins of thick lines: cap 0 cut, 1 round, 2 long (the cap
  // also sets the point shape: round for 1, else square); join 0 sharp,
  // 1 round, 2 truncated; miter limit as a ratio of at least 1.
  void setLineCap(int cap);
  void setLineJoin(int join);
  void setMiterLimit(double limit);
  void setAntialias(bool on);
  bool antialias() const { return antialias_; }
  // Clip rectangle (inclusive), cut to the picture; reset = whole picture.
  void setClip(int xmin, int ymin, int xmax, int ymax);
  void resetClip();
  // Takes the colour table, colour, line settings and clipping of another
  // picture of the same size (a further window of the same plot).
  void copyPenFrom(const RasterContext& o);

  // qqvdrw: polyline primitive, code 2 draw to, otherwise move to.
  void qqvdrw(int x, int y, int code);
  // Draws the pending polyline.
  void flush();

  // qqvfll: filled rectangle with both corners included.
  void qqvfll(int x1, int y1, int x2, int y2, int32_t colour);
  // qqvpol: even-odd polygon in the current colour; status 1 when a scan
  // line had more crossings than kept.
  void qqvpol(const double* x, const double* y, int n, int& status);
  // Several rings filled together by the even-odd rule, with the scan
  // rule of qqvpol; any number of crossings per scan line.
  void fillRings(const double* x, const double* y, const int* counts, int nrings);
  // qqvftr: triangle with a colour value at each corner, shaded across.
  void qqvftr(const double* x, const double* y, const int32_t* colour);
  // qqvimg: an image of w x h colour values (row 0 first) mapped onto the
  // parallelogram `at` in pixels; each pixel whose centre lies inside
  // (edges included) takes the value of the cell it falls in.  Cut to the
  // clip rectangle; the current colour is kept.
  void qqvimg(const ImagePlacement& at, const int32_t* cells, int w, int h);
  // qqvzbf: the depth buffer of the picture.  Mode 0 creates it (an
  // existing one is kept) and sets every depth to the far value, 1 frees
  // it, 2 sets every depth to the far value again, 3 clears the picture.
  // Returns 0, or 1 when it cannot be allocated (mode 0) or does not exist.
  int qqvzbf(int mode);
  bool hasDepthBuffer() const { return depth_ != nullptr; }
  // Depth-tested drawing: a pixel is written when its depth is less than
  // or equal to the stored one, which then takes its depth.  Triangles
  // interpolate depth and the corner colours (R, G, B in 32-bit pictures,
  // colour indices in 8-bit ones) at the pixel centres; lines use the
  // current colour.  Without a depth buffer nothing is drawn.
  void qqvztr(const double* x, const double* y, const double* z, const int32_t* colour);
  void qqvzln(double x0, double y0, double z0, double x1, double y1, double z1);
  // qqvsym: marker symbol 0..23 of `size` pixels centred at (x, y).
  void qqvsym(int symbol, int x, int y, int size);
  // A glyph of coverage values 0..255 (w x h, rows top to bottom) with its
  // upper left pixel at (x, y), in the current colour: blended in 32-bit
  // pictures, set where the coverage reaches half in 8-bit ones.
  void blendCoverage(int x, int y, const uint8_t* coverage, int w, int h);
  // Circle of radius r, outline or filled.
  void qqvcirc(int x, int y, int r, bool filled);

  // Pixels: colour values (an index in 8-bit mode, 0x01BBGGRR in 32-bit).
  void qqvwpx(int x, int y, int32_t colour);
  int32_t qqvrpx(int x, int y);  // -1 outside the picture
  // A run of n pixels from (x, y) to the right, one colour index byte each
  // (cut to the picture).
  void qqvrow(const uint8_t* data, int x, int y, int n);
  void qqvrdr(uint8_t* data, int x, int y, int n);
  // Row reader of the file writers: n pixels of row y from x, as indices
  // (rgb false; 8-bit only) or as R, G, B bytes.
  void readRow(uint8_t* out, int x, int y, int n, bool rgb) const;

 private:
  struct FreeDeleter {
    void operator()(uint8_t* p) const { std::free(p); }
  };
  // Drawing helpers (raster_lines.cpp, raster_fill.cpp, raster_smooth.cpp).
  bool insideClip(int x, int y) const {
    return x >= cxmin_ && x <= cxmax_ && y >= cymin_ && y <= cymax_;
  }
  void setPixel(int x, int y);          // current colour, no tests
  void plot(int x, int y) {             // current colour, clip tested
    if (insideClip(x, y)) setPixel(x, y);
  }
  void span(int x1, int x2, int y);     // horizontal run, cut to the clip
  void drawPolyline();
  void drawPoint(int x, int y);
  void plainLine(int x0, int y0, int x1, int y1, bool clip);
  void clippedLine(int x0, int y0, int x1, int y1, int width);
  // Thick lines are stroked as one outline (raster_stroke.cpp): widths
  // above 3, and in antialiased mode every width above 1 (our choice: the
  // stepped lines of width 2 and 3 would look jagged beside smooth thin
  // lines; indexed pictures keep them).
  bool strokesOutlines() const {
    return lineWidth_ > 3 || (lineWidth_ > 1 && trueColour_ && antialias_);
  }
  bool holdPolyline();
  void thickPolyline();
  void fillOutline();
  void circle(int x, int y, int r, bool filled);
  void smoothLine(double x0, double y0, double x1, double y1);
  void blendPixel(int x, int y, float coverage);
  void fillPolygon(const double* x, const double* y, int n, int& status);
  // R, G, B and colour index of three corner colour values.
  void cornerColours(const int32_t* colour, double* r, double* g, double* b, double* idx) const;

  std::unique_ptr<uint8_t, FreeDeleter> pixels_;
  // The last released framebuffer, kept for a following picture of the
  // same size (a program writing many plots allocates once).
  std::unique_ptr<uint8_t, FreeDeleter> spare_;
  uint64_t spareBytes_ = 0;
  std::unique_ptr<float[]> depth_;  // width_ x height_ depths, or none
  int width_ = 0, height_ = 0;
  std::size_t rowBytes_ = 0;
  bool trueColour_ = false;
  bool reverse_ = false;

  std::array<uint8_t, 256> red_{}, green_{}, blue_{};
  int tableSize_ = 256;

  // Current colour.
  uint8_t index_ = 0, r_ = 0, g_ = 0, b_ = 0, alpha_ = 255;

  int lineWidth_ = 1;
  int pointShape_ = 0;
  int lineCap_ = 1, lineJoin_ = 1;  // round, like the point shape
  double miterLimit_ = 2.0;
  bool antialias_ = false;
  int cxmin_ = 0, cymin_ = 0, cxmax_ = -1, cymax_ = -1;
  bool clipSet_ = false;  // a clip rectangle smaller than the picture

  std::array<int, kMaxPolyline> px_{}, py_{};
  int count_ = 0;
  bool lastWasMove_ = true;
  // A thick polyline longer than the buffer: the points already passed
  // on, so that the whole line is filled as one outline (no caps or seams
  // where the buffer was full).
  std::vector<double> heldX_, heldY_;
  ScanEdges outline_;
};

// The one context of the virtual raster device (VIRT keeps it after zanfin
// for the pixel routines until the next zanini).
RasterContext& virtualRaster();

}  // namespace zantor
