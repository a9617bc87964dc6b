// Byte-stream files for calling programs: 100 units, independent of the
// plot, data and error files.
#include <array>
#include <cstdio>
#include <string>

#include <sys/stat.h>

#include "core/api.h"
#include "core/args.h"
#include "core/keywords.h"
#include "core/levels.h"
#include "core/warnings.h"

namespace {

constexpr int kUnits = 100;
enum Mode : int { kClosed = 0, kRead = 1, kWrite = 2, kAppend = 3 };

struct UserUnit {
  std::FILE* stream = nullptr;
  int mode = kClosed;
};

// Closes every open unit when the process ends.
struct UnitTable {
  std::array<UserUnit, kUnits> units;
  ~UnitTable() {
    for (auto& u : units)
      if (u.stream != nullptr) std::fclose(u.stream);
  }
};

UnitTable table;

// The unit if `nlu` is in range and open in one of the wanted modes.
std::FILE* openUnit(int32_t nlu, bool read, bool write) {
  if (nlu < 0 || nlu >= kUnits) return nullptr;
  const UserUnit& u = table.units[static_cast<std::size_t>(nlu)];
  if (u.mode == kClosed) return nullptr;
  if (read && u.mode != kRead) return nullptr;
  if (write && u.mode != kWrite && u.mode != kAppend) return nullptr;
  return u.stream;
}

}  // namespace

using namespace zantor;

ZANTOR_API void openfl_(const char* cfil, const int32_t* nlu, const int32_t* imode,
                        int32_t* istat, size_t cfil_len) try {
  *istat = -1;
  if (jqqlev(0, 3, "OPENFL") != 0) return;
  if (jqqval(*nlu, 0, kUnits - 1) != 0 || jqqval(*imode, 0, 2) != 0) return;
  UserUnit& u = table.units[static_cast<std::size_t>(*nlu)];
  if (u.mode != kClosed) {
    *istat = 2;
    qqerror(163, "File is already open");
    return;
  }
  std::string name(trimmedArg(cfil, cfil_len).substr(0, 255));
  static constexpr const char* kModes[3] = {"rb", "wb", "ab"};
  std::FILE* f = name.empty() ? nullptr : std::fopen(name.c_str(), kModes[*imode]);
  // A directory opens for reading but is no file: it cannot be used.
  struct stat st;
  if (f != nullptr && (fstat(fileno(f), &st) != 0 || S_ISDIR(st.st_mode))) {
    std::fclose(f);
    f = nullptr;
  }
  if (f == nullptr) {
    *istat = 1;
    warnin(36);
    return;
  }
  u.stream = f;
  u.mode = *imode + 1;
  *istat = 0;
} ZANTOR_CATCH

ZANTOR_API void closfl_(const int32_t* nlu) try {
  if (jqqlev(0, 3, "CLOSFL") != 0) return;
  if (jqqval(*nlu, 0, kUnits - 1) != 0) return;
  UserUnit& u = table.units[static_cast<std::size_t>(*nlu)];
  if (u.mode == kClosed) {
    qqerror(164, "File is not open");
    return;
  }
  std::fclose(u.stream);
  u = UserUnit{};
} ZANTOR_CATCH

ZANTOR_API void readfl_(const int32_t* nlu, void* ibuf, const int32_t* nbyt, int32_t* istat) try {
  *istat = -1;
  std::FILE* f = openUnit(*nlu, true, false);
  if (f == nullptr || *nbyt < 0) return;
  *istat = static_cast<int32_t>(std::fread(ibuf, 1, static_cast<std::size_t>(*nbyt), f));
} ZANTOR_CATCH

ZANTOR_API void writfl_(const int32_t* nlu, void* ibuf, const int32_t* nbyt, int32_t* istat) try {
  *istat = -1;
  std::FILE* f = openUnit(*nlu, false, true);
  if (f == nullptr || *nbyt < 0) return;
  *istat = static_cast<int32_t>(std::fwrite(ibuf, 1, static_cast<std::size_t>(*nbyt), f));
  if (std::fflush(f) != 0 && *istat == *nbyt) *istat = -1;
} ZANTOR_CATCH

ZANTOR_API void skipfl_(const int32_t* nlu, const int32_t* nbyt, int32_t* istat) try {
  *istat = -1;
  std::FILE* f = openUnit(*nlu, false, false);
  if (f == nullptr) return;
  *istat = std::fseek(f, *nbyt, SEEK_CUR) == 0 ? 0 : -1;
} ZANTOR_CATCH

ZANTOR_API void posifl_(const int32_t* nlu, const int32_t* npos, int32_t* istat) try {
  *istat = -1;
  std::FILE* f = openUnit(*nlu, false, false);
  if (f == nullptr || *npos < 0) return;
  *istat = std::fseek(f, *npos, SEEK_SET) == 0 ? 0 : -1;
} ZANTOR_CATCH

ZANTOR_API void tellfl_(const int32_t* nlu, int32_t* npos) try {
  *npos = -1;
  std::FILE* f = openUnit(*nlu, false, false);
  if (f == nullptr) return;
  long p = std::ftell(f);
  *npos = p < 0 || p > INT32_MAX ? -1 : static_cast<int32_t>(p);
} ZANTOR_CATCH
