// The PNG pictures as the build stores them decoded (see picturepack):
// premultiplied ARGB32 rows at an offset into one read-only block.
#pragma once

#include <cstddef>

namespace ui {

struct PackedPicture {
    const char *name;  // the picture's file name
    std::size_t offset;
    int width;
    int height;
};

extern const PackedPicture kPackedPictures[];
extern const std::size_t kPackedPictureCount;
extern const unsigned char *const kPackedPixels;

}  // namespace ui
