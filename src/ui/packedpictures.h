// The PNG pictures as the build stores them decoded (see picturepack): rows
// at an offset into one read-only block, premultiplied ARGB32, or RGB888 for
// a picture stored composited over the colour it always lies on.
#pragma once

#include <cstddef>

namespace ui {

struct PackedPicture {
    const char *name;  // the picture's file name
    std::size_t offset;
    int width;
    int height;
    int bytesPerLine;
    bool opaque;  // RGB888
};

extern const PackedPicture kPackedPictures[];
extern const std::size_t kPackedPictureCount;

// Pictures stored as their files are (the twins for scaled screens), after
// all the pixels: nothing touches them unless they are shown.
struct StoredPicture {
    const char *name;  // the picture's file name
    std::size_t offset;
    std::size_t size;
};

extern const StoredPicture kStoredPictures[];
extern const std::size_t kStoredPictureCount;
extern const unsigned char *const kPackedPixels;

}  // namespace ui
