// Fuzz target: the ICO and BMP readers of the picture widgets.  Whatever
// the bytes, a reader returns a picture whose pixels fill its sides within
// the limits, or one of its messages; it never reads outside the bytes.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "widgets/picture_files.h"

namespace {

void check(std::string_view message, const zantor::widgets::Picture& p, int32_t limit) {
  if (!message.empty()) return;
  if (p.width < 1 || p.height < 1 || p.width > limit || p.height > limit ||
      p.pixels.size() != std::size_t(p.width) * std::size_t(p.height))
    std::abort();
  for (int32_t v : p.pixels)
    if (v != 0 && (v >> 24) != 1) std::abort();  // transparent or an explicit colour
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace zantor::widgets;
  const std::span<const uint8_t> bytes(data, size);
  Picture p;
  check(decodeBmp(bytes, p), p, kMaxImageSide);
  for (int32_t index : {1, 2}) {
    Picture icon;
    check(decodeIco(bytes, index, icon), icon, kMaxIconSide);
  }
  return 0;
}
