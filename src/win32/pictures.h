// The images of picture buttons and picture boxes, ready for BM_SETIMAGE / STM_SETIMAGE.
#pragma once

#include "ui/model_types.h"
#include "win32/gdi_handles.h"

namespace gridmate::win32 {

// The button face colour the embedded pictures use where they are transparent
// (tools/make_pictures.py paints it); it is replaced by the system's button face.
constexpr COLORREF kPictureFace = RGB(212, 208, 200);

// A bitmap for `picture` at `dpi` (the pictures are drawn for 96 DPI and scaled), or an
// empty handle: no picture, an unknown resource, or a program without icons.
// A program's icon is its small icon 0, drawn at the top left of the image.
BitmapHandle loadPicture(const ui::Picture& picture, int dpi);

}  // namespace gridmate::win32
