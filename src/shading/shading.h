// Shaded 3D pictures: the depth buffer of the current device and the
// lighting model.
#pragma once
#include <cstdint>
#include <string_view>

#include "plot3d/projection.h"

namespace zantor {

// Defaults of a new plot (resall): depth buffer on, lighting off, light 1
// on at (4, -5, 4), the default material.
void resetShadingDefaults();
// reset for a setter of the depth buffer, the lights, the material and
// the shaded surfaces (first four letters, upper case); false when the
// name is not one of them.
bool resetShadingSetting(std::string_view key);

// Colour components 0..1 of a point P with unit normal N (absolute 3D
// coordinates) lit by the switched-on lights, seen from `view`.
struct Intensity {
  double r = 0, g = 0, b = 0;
};
Intensity lightIntensity(const Abs3& p, const Abs3& n, const Abs3& view);

// The explicit colour value of an intensity (components held to 0..1).
int32_t intensityColour(const Intensity& i);

// True while the depth buffer of zbfini exists.
bool depthBufferActive();

}  // namespace zantor
