// Marks a public routine: C linkage, exported from the shared library.
// Everything else stays hidden inside the library.
//
// No exception may reach the calling program (a Fortran or C program
// cannot catch it; it would abort).  Every public routine is therefore
// written as a function-try-block that ends in one of the guards below:
//
//   ZANTOR_API void graf_(...) try {
//     ...
//   } ZANTOR_CATCH
//
// and ZANTOR_CATCH_RETURN(0) for functions.  The only exception the library
// can meet is a failed allocation; whatever it is, the routine reports
// warning 53 "Not enough memory" under its own name and returns.
#pragma once
#include <cstddef>
#include <cstdint>

#define ZANTOR_API extern "C" __attribute__((visibility("default")))

namespace zantor {
// Reports an exception caught at the public interface; never throws.
void publicRoutineFailed() noexcept;
}  // namespace zantor

#define ZANTOR_CATCH \
  catch (...) { ::zantor::publicRoutineFailed(); }
#define ZANTOR_CATCH_RETURN(value)    \
  catch (...) {                       \
    ::zantor::publicRoutineFailed();  \
    return value;                     \
  }
