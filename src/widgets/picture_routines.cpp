// Icons and images in dialogs, shown alone or on push buttons.
//
//   wgicon (ip, clab, nw, nh, iray, id)   icon (up to 256 x 256 pixels)
//   wgpicon(ip, clab, nw, nh, iray, id)   push button with an icon
//   wgimg  (ip, clab, iray, nw, nh, id)   image (up to 4096 x 4096 pixels)
//   wgpimg (ip, clab, iray, nw, nh, id)   push button with an image
//
// With nw and nh > 0 the picture is the array iray(nw, nh), row by row from
// the top; each value is 0 (the widget's background), 1 (its foreground)
// or an explicit colour as intrgb returns it, and a non-blank clab is
// written below the picture.  With nw = nh = 0 the picture is read from
// the file clab: an ICO file for icons, whose icon number iray(1) is taken
// (1 for the first), a BMP file for images.
#include "core/api.h"
#include "widgets/motif_pictures.h"
#include "widgets/picture_files.h"
#include "widgets/widget_layer.h"

using namespace zantor;
using namespace zantor::widgets;

namespace {

int32_t pictureWidget(int32_t ip, const char* clab, size_t clab_len, int32_t nw, int32_t nh,
                      const int32_t* iray, uint8_t type, const char* lower, const char* upper) {
  std::string text;
  if (!copyArg(clab, clab_len, text, lower)) return -1;
  if (checkParent(ip, upper) == nullptr) return -1;
  const bool icon = type == kIcon || type == kPushIcon;
  const bool fromFile = nw == 0 && nh == 0;
  Picture picture;
  std::string_view error;
  if (fromFile && icon)
    error = readIcoFile(text, iray != nullptr ? iray[0] : 1, picture);
  else if (fromFile)
    error = readBmpFile(text, picture);
  else if (iray == nullptr)
    error = picture_message::kValue;
  else
    error = pictureFromArray(iray, nw, nh, icon ? kMaxIconSide : kMaxImageSide, picture);
  if (!error.empty()) {
    widgetError(error, upper);
    return -1;
  }
  const int32_t id = appendRecord(ip, type);
  if (!createPictureWidget(id, picture, fromFile ? std::string_view() : text, upper)) {
    dropLastRecord();
    return -1;
  }
  return id;
}

}  // namespace

ZANTOR_API void wgicon_(const int32_t* ip, const char* clab, const int32_t* nw, const int32_t* nh,
                        const int32_t* iray, int32_t* id, size_t clab_len) try {
  *id = -1;
  *id = pictureWidget(*ip, clab, clab_len, *nw, *nh, iray, kIcon, "wgicon", "WGICON");
} ZANTOR_CATCH

ZANTOR_API void wgpicon_(const int32_t* ip, const char* clab, const int32_t* nw, const int32_t* nh,
                         const int32_t* iray, int32_t* id, size_t clab_len) try {
  *id = -1;
  *id = pictureWidget(*ip, clab, clab_len, *nw, *nh, iray, kPushIcon, "wgpicon", "WGPICON");
} ZANTOR_CATCH

ZANTOR_API void wgimg_(const int32_t* ip, const char* clab, const int32_t* iray, const int32_t* nw,
                       const int32_t* nh, int32_t* id, size_t clab_len) try {
  *id = -1;
  *id = pictureWidget(*ip, clab, clab_len, *nw, *nh, iray, kImage, "wgimg", "WGIMG");
} ZANTOR_CATCH

ZANTOR_API void wgpimg_(const int32_t* ip, const char* clab, const int32_t* iray, const int32_t* nw,
                        const int32_t* nh, int32_t* id, size_t clab_len) try {
  *id = -1;
  *id = pictureWidget(*ip, clab, clab_len, *nw, *nh, iray, kPushImage, "wgpimg", "WGPIMG");
} ZANTOR_CATCH
