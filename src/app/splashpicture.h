#pragma once
// The splash picture, drawn from assets/splash.svg when the program is built
// (lumo-picture, src/tools), so that showing it takes no SVG renderer: the
// pixels over white in QImage::Format_RGB32, packed with qCompress.
#include <cstddef>

namespace lumo {

struct PackedPicture {
    const unsigned char* data; // qCompress's output: the unpacked size, then a zlib stream
    std::size_t size;          // bytes of `data`
    int width;                 // pixels
    int height;
};

// [0] at the splash's 449 × 298 pixels, [1] at twice that.
extern const PackedPicture kSplashPicture[2];

} // namespace lumo
