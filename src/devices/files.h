// Output file naming: the default name, the existing-file modes and the
// installation directory.
#pragma once
#include <string>
#include <string_view>

#include "core/fixed_string.h"

namespace zantor {

bool fileExists(const std::string& path);

// Applies the existing-file mode (filmod, filopt) to `name` in place.
// Returns 0, or the message number of the failure: 37 syntax error,
// 168 cannot be deleted, 169 file exists, 170 too many versions.
int gfilnn(FixedString<256>& name);

// The message text that belongs to a gfilnn status.
std::string_view gfilnnMessage(int status);

// The environment variable `name`; for ZANTOR, the installation directory
// of this build ("/usr/local/zantor" for the default prefix) when it is
// unset or blank.
std::string qqgetenv(std::string_view name);

// Default file extension of a device code ("" for devices without a file).
std::string_view deviceExtension(int code);

}  // namespace zantor
