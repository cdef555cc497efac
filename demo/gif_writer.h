#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bm::demo {

// An 8-bit palette picture: one palette index per pixel, row by row.
struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> palette; // 0xRRGGBB, at most 256 entries
    std::vector<std::uint8_t> pixels;
};

// The bytes of a GIF89a file of the picture. The image library the editor
// uses reads GIF but cannot write it, so the demo writes its own.
std::string encodeGif(const IndexedImage& image);

} // namespace bm::demo
