// Hooks of the line pipeline and the area filler for a plane of 3D space
// (igrfit = 1): 2D drawing is clipped in the plane and then handed to the
// 3D axis system, which projects it.
#pragma once

#include "draw/pipeline.h"

namespace zantor {

// Receiver of the segments clipped in the plane, before the hidden-line
// and blanking routines.
void setPlaneRoutine(SegmentRoutine r);

// Maps a page point into the plane's picture for filled areas, which the
// device fills whole: false when it lies behind the eye.
using PlanePointRoutine = bool (*)(double& x, double& y);
void setPlanePointRoutine(PlanePointRoutine r);
// True with the point mapped while a plane is active, true and unchanged
// otherwise.
bool mapIntoPlane(double& x, double& y);

// Clips a segment to the current window and hands it on like the pipeline
// does; a segment starting where the last one of the run ended continues
// the device's run of draws.  A run ends with endClip2dRun.
void clip2dRun(double x1, double y1, double x2, double y2);
void endClip2dRun();

}  // namespace zantor
