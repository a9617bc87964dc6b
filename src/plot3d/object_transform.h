// The transformation of objects placed in absolute 3D space (the planes
// of grfini): shifts, scalings and rotations composed by the tr3 routines
// in the order they are called, reset by tr3res and by every graf3d.
#pragma once

#include "plot3d/projection.h"

namespace zantor {

// Applies the composed transformation to a point in absolute coordinates.
Abs3 transformObject(const Abs3& p);

// Back to the identity.
void resetObjectTransform();

}  // namespace zantor
