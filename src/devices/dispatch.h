// The device dispatch: chooses the writer by device code, opens and closes
// the output, and hands every drawing operation to the writer.
#pragma once
#include <functional>
#include <memory>

#include "devices/device.h"

namespace zantor {

bool displayReachable();   // an X display connection can be opened
bool openGlSupported();

// zanini's device start-up: zani01 for screens, zani02 + zani03 for files.
// Each sets nlev = 0 (after its warning) when the output cannot be opened.
void zani01();
void zani02();
void zani03();
// zanfin's device finish; returns 1 when a plot file was written, else 0.
int finishDevice();

// The writer of the current plot, or null outside a plot.
Device* currentDevice();

// Hands one point or command to the writer: 2 draw, 3 move, 4 new page,
// 6 width, 7 join, 8 cap, 9 miter limit, 16..18 clipping, 999 finish.
void xjdraw(float x, float y, int op);

// Flushes pending drawing (sendbf).
void sendBuffer();

// Tests: build the writer of every following plot with `factory` instead
// of the device table (the trace device).  An empty function restores it.
using DeviceFactory = std::function<std::unique_ptr<Device>(int code)>;
void setDeviceFactoryOverride(DeviceFactory factory);

}  // namespace zantor
