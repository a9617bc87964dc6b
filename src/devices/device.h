// The interface every output writer implements.  The device dispatch
// (xjdraw, the colour hand-over, the fill primitives, newpag, zanfin) calls
// these slots with coordinates already transformed to the device's units.
// A writer keeps its own state in its own object and never reads another
// writer's state.  Where a writer cannot do something (fill, hardware
// width), the core does the work in software.
#pragma once
#include <cstdint>
#include <vector>

namespace zantor {

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
};

struct DeviceCaps {
  bool fillPolygon = false;  // fillPolygon() fills; otherwise hatching
  bool fillRect = false;     // fillRect() fills; otherwise a polygon fill
  bool hwLineWidth = false;  // lineWidth() draws wide lines itself
  bool hwClip = false;       // clipRect() clips in the device
  bool hwText = false;       // hardware characters
};

// Where an image lies on the device: the device positions of the image's
// upper-left, upper-right and lower-left corners (the picture's first row
// is its top row).  On a rotated page the image is rotated with it.
struct ImageCorners {
  double ulx, uly, urx, ury, llx, lly;
};

// A marker symbol as a device may keep it once and place it many times:
// its polylines relative to the symbol's centre in device units, a NaN
// point separating one polyline from the next.  A filled symbol (one
// polyline) is stroked first and then filled by the even-odd rule.
struct SymbolShape {
  std::vector<double> x, y;
  bool filled = false;
};

// One character of a standard font (hardware text): the start of its
// baseline in device units, the angle in degrees counter-clockwise on the
// page, the character height in device units, the horizontal scaling
// (1 = undistorted) and the font index 0..34 in the order of the standard
// PostScript fonts.  `code` is the library's character code.
struct DeviceChar {
  int code = 0;
  double x = 0, y = 0, angle = 0, height = 0, widthScale = 1;
  int font = 0;
};

// Where an image lands, in device units: (x0, y0) is the outer corner of
// the first cell of the first row (the upper left corner on the page),
// (ux, uy) runs along a row to the upper right corner and (vx, vy) down a
// column to the lower left corner.  The vectors carry any rotation and
// flip of the page, so a device maps the image with one affine transform.
struct ImagePlacement {
  double x0 = 0, y0 = 0, ux = 0, uy = 0, vx = 0, vy = 0;
};

class Device {
 public:
  virtual ~Device() = default;
  virtual DeviceCaps caps() const { return {}; }

  // zanini, after the file is open and xscf is known: header.
  // Returns 0, -1 (cannot open) or -2 (no memory).
  virtual int start() { return 0; }

  // The op stream of xjdraw: 2 draw, 3 move, 999 flush the pending path
  // (device coordinates).  Attribute ops arrive through their own slots.
  virtual void move(double x, double y) = 0;
  virtual void draw(double x, double y) = 0;
  virtual void flush() {}

  // Current colour: the resolved RGB and the colour value it came from.
  virtual void colour(Rgb /*rgb*/, int32_t /*value*/) {}
  // The colour table changed (setvlt, setind, myvlt, resall): 256 entries
  // 0x00RRGGBB; size mode 0 = 9 entries used, 7 = 16, else 256.  Devices
  // that draw with colour indices (the raster) keep a copy.
  virtual void colourTable(const int32_t* /*table*/, int /*sizeMode*/) {}
  // Line attributes as the pipeline sets them: width in plot units (1 =
  // thin; devices without hardware widths always get 1), join 0 sharp,
  // 1 round, 2 truncated; cap 0 cut, 1 round, 2 long; miter limit.
  virtual void lineWidth(double /*w*/) {}
  virtual void lineJoin(int /*j*/) {}
  virtual void lineCap(int /*c*/) {}
  virtual void miterLimit(double /*m*/) {}
  // Hardware clipping in device coordinates; reset() removes it.
  virtual void clipRect(double, double, double, double) {}
  virtual void clipReset() {}

  // Filled polygon (even-odd rule) in the current colour, device units.
  virtual void fillPolygon(const double* /*x*/, const double* /*y*/, int /*n*/) {}
  // Several closed rings filled together by the even-odd rule (holes and
  // islands), ring k having counts[k] points, stored one after another.
  // Writers that can fill several subpaths at once override it; the
  // default joins the rings into one polygon through bridges to the first
  // point that are walked twice and cancel.
  virtual void fillRings(const double* x, const double* y, const int* counts, int nrings);
  // Axis-parallel rectangle with opposite corners, in the given colour.
  virtual void fillRect(double, double, double, double, Rgb) {}

  // An RGB image (pw x ph pixels, 3 bytes per pixel, rows top to bottom)
  // stretched over the given corners.  A device that embeds pictures
  // (PDF image XObjects, SVG <image>) returns true; false makes the caller
  // (deviceImage in devices/device_image.h) paint the pixels as filled
  // rectangles instead.  The caller has flushed the line pipeline.
  virtual bool image(const ImageCorners& /*at*/, const uint8_t* /*rgb*/, int /*pw*/,
                     int /*ph*/) {
    return false;
  }
  // The symbol `shape` centred at (x, y), stroked in the current colour
  // and width (and filled in it).  Called only when the whole symbol lies
  // inside the clipping window and its strokes would reach the device
  // unchanged.  A device that reuses one drawing of the shape (PDF form
  // objects) returns true; false makes the caller draw the polylines.
  virtual bool symbol(double /*x*/, double /*y*/, const SymbolShape& /*shape*/) { return false; }
  // One hardware character (caps().hwText); ignored by the others.
  virtual void character(const DeviceChar& /*c*/) {}

  // Image of w x h cells (colour matrices, colour bars), row 0 at the top
  // of the page, each a colour value (table index or explicit colour) as
  // qqsclr takes it; the current
  // colour is not changed.  Returns false when the device has no images:
  // the caller then fills one rectangle per cell (colour matrices and the
  // colour bar use this; the cells stay owned by the caller).
  // The default hands the cells on as an RGB image (PDF, SVG); raster and
  // PostScript devices draw the cells themselves.
  virtual bool cellImage(const ImagePlacement& at, const int32_t* cells, int w, int h);

  // Depth buffer of raster devices: mode 0 creates it (every depth far),
  // 1 frees it, 2 clears the depths, 3 clears the picture; 0 on success.
  // Devices without one return 1.
  virtual int depthBuffer(int /*mode*/) { return 1; }
  // Depth-tested drawing while the buffer exists (device coordinates, a
  // depth per point, smaller is nearer): a triangle with a colour value
  // per corner, interpolated across it, and a line in the current colour.
  virtual void depthTriangle(const double* /*x*/, const double* /*y*/, const double* /*z*/,
                             const int32_t* /*colour*/) {}
  virtual void depthLine(double, double, double, double, double, double) {}

  virtual void newPage() {}
  // sendbf: buffered drawing goes to the screen now (window devices).
  virtual void toScreen() {}
  virtual void erase() {}

  // zanfin: trailer.  Returns 0 or a negative status (-1 cannot open,
  // -2 no memory) that the dispatch turns into a warning.
  virtual int finish() { return 0; }

  // True when the writer wrote a plot file (for the protocol).
  virtual bool wroteFile() const { return true; }
};

// Joins rings (counts[k] points each) into one polygon for an even-odd
// fill: after every further ring the outline returns to the first point,
// so that each connecting edge is walked once in each direction.
void joinRings(const double* x, const double* y, const int* counts, int nrings,
               std::vector<double>& px, std::vector<double>& py);

}  // namespace zantor
