// Map axis systems: the internal interface shared by the map routines.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "maps/projection.h"

namespace zantor {

// Map defaults of a new plot (called by resall); the user projection
// routine survives.
void resetMapDefaults();

// reset for one map setter (first four characters of its name); false
// when the name is not one of them.
bool resetMapSetting(std::string_view key);

// The projection prepared by grafmp.
const Projection& mapProjection();

// Longitude relative to the central meridian, as the map layer uses it.
double mapCentralMeridian();

// Geographic window of the map in relative longitude and latitude, and
// whether lines and areas are cut to it (cylindrical, world and conical
// maps); azimuthal maps are cut in the plane instead.
struct GeoWindow {
  double x1, x2, y1, y2;
  bool active;
};
GeoWindow mapWindow();

// Relative longitude and latitude (degrees) to absolute plot coordinates.
// False when the point has no image.
bool mapToPlot(double rlon, double lat, double& xp, double& yp);

// An absolute longitude and latitude (degrees) to plot coordinates, as
// the ordinary 2D routines use it in a map axis system.  False when the
// point lies off the map: outside the axis ranges, beyond the region of an
// azimuthal map, or without an image.
bool geoToPlot(double lon, double lat, double& xp, double& yp);

// Where a MapPen puts its output instead of the line pipeline: runs of
// plot coordinates separated by NaN.
struct MapPolyline {
  std::vector<double> x, y;
  void breakLine();
  void add(double px, double py);
};

// A pen that draws map lines point by point in geographic coordinates
// (relative longitudes, already unwrapped by the caller), connected
// according to the mode (0 straight, 1 interpolated, 2 great circles) and
// cut to the map window.
class MapPen {
 public:
  explicit MapPen(int mode, MapPolyline* out = nullptr) : mode_(mode), out_(out) {}
  void move(double rlon, double lat);
  void draw(double rlon, double lat);

 private:
  void segment(double x1, double y1, double x2, double y2);
  void piece(double x1, double y1, double x2, double y2);
  int mode_;
  MapPolyline* out_;
  bool has_ = false;
  double lx_ = 0, ly_ = 0;    // last geographic point
  bool penDown_ = false;      // the pipeline's pen is at (px_, py_)
  double px_ = 0, py_ = 0;
  double gx_ = 0, gy_ = 0;    // geographic point of (px_, py_)
};

// Draws a polyline of absolute longitudes and latitudes (degrees) once for
// every longitude shift of 360 degrees that reaches the map window, with
// the date-line rule when `dateLine` is set (no joint between points whose
// longitudes differ by 15 degrees or more).
void drawMapPolyline(const double* lon, const double* lat, int n, int mode, bool dateLine);

// The same polyline projected into `out` instead of drawn (curves of the
// 2D routines, which draw it with their own line attributes).
void projectMapPolyline(const double* lon, const double* lat, int n, int mode, bool dateLine,
                        MapPolyline& out);

// Fills a polygon of absolute longitudes and latitudes (degrees) with the
// current pattern and colour, cut to the map.
void fillMapPolygon(const double* lon, const double* lat, int n);

// Fills the whole map area (the sea of shdmap) with the current pattern.
void fillMapArea();

// The built-in map: draws the coastlines, the borders or the lake shores,
// or fills the land regions of a region mask (bit per continent) or the
// lakes.
void drawBuiltinLines(int kind);
void fillBuiltinRegions(unsigned mask);
void fillBuiltinLakes();

// Shoreline files: reads a file in the binary shoreline format and hands
// every polygon that passes the level selection (0 all, 1 land, 2 lake,
// 3 all; a river file takes every level) to `out`.  Returns false when
// the file cannot be read; `error` tells why ("" for a good file).
struct ShorelinePolygon {
  int level = 0;
  std::vector<double> lon, lat;
};
bool readShorelines(const std::vector<unsigned char>& bytes, int levelSelect,
                    std::vector<ShorelinePolygon>& out);
// The same, handing each polygon to `visit` as it is read (one reused
// buffer: large files are drawn without holding all their points).
bool forEachShoreline(const std::vector<unsigned char>& bytes, int levelSelect,
                      const std::function<void(const ShorelinePolygon&)>& visit);

// Reads a whole file; false when it cannot be opened (the open error is
// reported by the caller).
bool readWholeFile(const std::string& path, std::vector<unsigned char>& bytes);

// Full path of a shoreline or river file of the installation; resolution
// 1 low .. 4 full.
std::string shorelinePath(int resolution, bool rivers);

// The built-in coastlines written as a low-resolution shoreline file.
std::vector<unsigned char> builtinShorelineFile();

// Reads a text map file: one longitude and latitude per line, a line
// starting with "#" begins a new polyline.  `opened` tells whether the
// file could be opened.
bool readTextMap(const std::string& path, std::vector<ShorelinePolygon>& out, bool& opened);

// Reports " <<<< Open error: " with the file name.
void reportOpenError(const std::string& path);

}  // namespace zantor
