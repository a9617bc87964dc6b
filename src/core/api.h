// Marks a public routine: C linkage, exported from the shared library.
// Everything else stays hidden inside the library.
#pragma once
#include <cstddef>
#include <cstdint>

#define ZANTOR_API extern "C" __attribute__((visibility("default")))
