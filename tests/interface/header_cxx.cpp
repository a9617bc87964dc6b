// The public header must compile as C++ and give C linkage.
#include <zantor.h>

#include <type_traits>

static_assert(std::is_same_v<decltype(&getlev_), void (*)(int32_t*)>);
static_assert(std::is_same_v<decltype(&metafl_), void (*)(const char*, size_t)>);

int zantor_header_cxx_probe() {
  int32_t level = 0;
  getlev_(&level);
  return level;
}
