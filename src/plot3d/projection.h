// The transformation of a 3D axis system: user coordinates to absolute 3D
// coordinates (the box centred at the origin) and absolute coordinates to
// plot coordinates with a depth, through the view matrix and the central
// or parallel projection.  Everything drawn in 3D goes through here.
#pragma once

namespace zantor {

// A point in absolute 3D coordinates.
struct Abs3 {
  double x = 0, y = 0, z = 0;
};

// A projected point: plot coordinates as the line pipeline uses them
// (y grows downwards, origin at the top of the page, user origin not
// added) and the normalised depth z'/w' (larger is farther).  In central
// projection the depth is 0 at the near plane and 1 at the far plane
// (1 - near/distance without a far plane).  `visible` is false for a point
// at or behind the eye plane; its coordinates are then NaN, which breaks
// a line in the pipeline.
struct Plot3 {
  double x = 0, y = 0, depth = 0;
  bool visible = true;
};

// The axis-system type (igraf) of a 3D axis system opened by graf3d.
constexpr int kAxisSystem3d = 3;

// True inside a 3D axis system opened by graf3d (level 3, axis-system
// type 3).
bool in3dAxisSystem();

// User coordinates to absolute 3D coordinates (log10 of the value on a
// logarithmic axis).
Abs3 userToAbs3d(double x, double y, double z);

// Absolute 3D coordinates to plot coordinates and depth, through xtrmat.
Plot3 absToPlot3d(double X, double Y, double Z);
inline Plot3 absToPlot3d(const Abs3& p) { return absToPlot3d(p.x, p.y, p.z); }

// User coordinates to plot coordinates and depth.
inline Plot3 userToPlot3d(double x, double y, double z) {
  return absToPlot3d(userToAbs3d(x, y, z));
}

// The view point of the current axis system in absolute coordinates.
Abs3 viewPoint3d();

// Resolves the focus and the view point (warning 33 and the default view
// point when it lies inside the box) and builds xtrmat from the view,
// projection and clipping settings and the picture placement xcen3,
// ycen3, xlmin3.  Called by graf3d after the axis limits are stored.
void buildTransform3d();

// The rotation of 3D objects set by rot3d, applied to a point given
// relative to the object's centre.
void rotate3dObject(double& x, double& y, double& z);

}  // namespace zantor
