// The toolkit side of the picture widgets (icons, images and push buttons
// showing them) and of the menu variants (a menu button in the work area,
// an entry with an on/off mark).
#pragma once
#include <cstdint>
#include <string_view>

#include "widgets/picture_files.h"

namespace zantor::widgets {

// Creates the toolkit widget of picture record `id` in its parent, its
// pixmap made from `picture`; a non-blank caption is written below the
// picture.  The pixmap is freed with the widget (when wgfin takes the
// dialog down).  False after "Cannot create pixmap" for `routine`.
bool createPictureWidget(int32_t id, const Picture& picture, std::string_view caption,
                         std::string_view routine);

// wgpopb: a menu button in the work area of the record's parent; its
// pull-down menu takes the entries of wgapp and wgappb.
bool createMenuButton(int32_t id);
// wgappb: an entry with an on/off mark in the menu of its parent.
bool createToggleEntry(int32_t id, std::string_view label);

}  // namespace zantor::widgets
