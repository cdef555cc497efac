#include "demo/gif_writer.h"

#include <algorithm>

namespace bm::demo {
namespace {

// Packs variable-width codes least significant bit first, as GIF wants.
class BitWriter {
public:
    void put(unsigned code, int width) {
        buffer_ |= static_cast<std::uint64_t>(code) << bits_;
        bits_ += width;
        while (bits_ >= 8) {
            bytes_.push_back(static_cast<char>(buffer_ & 0xFF));
            buffer_ >>= 8;
            bits_ -= 8;
        }
    }
    std::string finish() {
        if (bits_ > 0) {
            bytes_.push_back(static_cast<char>(buffer_ & 0xFF));
        }
        return bytes_;
    }

private:
    std::string bytes_;
    std::uint64_t buffer_ = 0;
    int bits_ = 0;
};

void putWord(std::string& out, int value) {
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

} // namespace

std::string encodeGif(const IndexedImage& image) {
    std::string out = "GIF89a";
    putWord(out, image.width);
    putWord(out, image.height);
    out.push_back(static_cast<char>(0xF7)); // global colour table of 256 entries
    out.push_back(0);                       // background colour
    out.push_back(0);                       // square pixels
    for (int i = 0; i < 256; ++i) {
        const std::uint32_t rgb =
            i < static_cast<int>(image.palette.size()) ? image.palette[static_cast<size_t>(i)] : 0;
        out.push_back(static_cast<char>((rgb >> 16) & 0xFF));
        out.push_back(static_cast<char>((rgb >> 8) & 0xFF));
        out.push_back(static_cast<char>(rgb & 0xFF));
    }
    out.push_back(0x2C); // image descriptor
    putWord(out, 0);
    putWord(out, 0);
    putWord(out, image.width);
    putWord(out, image.height);
    out.push_back(0);

    // Every pixel goes out as its own literal code, with a clear code often
    // enough that the decoder's table never needs codes wider than 9 bits.
    // Larger than a real LZW stream, but tiny pictures do not mind.
    constexpr unsigned kClear = 256;
    constexpr unsigned kEnd = 257;
    constexpr int kWidth = 9;
    BitWriter bits;
    bits.put(kClear, kWidth);
    int sinceClear = 0;
    for (const std::uint8_t p : image.pixels) {
        if (sinceClear == 250) {
            bits.put(kClear, kWidth);
            sinceClear = 0;
        }
        bits.put(p, kWidth);
        ++sinceClear;
    }
    bits.put(kEnd, kWidth);
    const std::string data = bits.finish();

    out.push_back(8); // minimum code size
    for (std::size_t i = 0; i < data.size(); i += 255) {
        const std::size_t n = std::min<std::size_t>(255, data.size() - i);
        out.push_back(static_cast<char>(n));
        out.append(data, i, n);
    }
    out.push_back(0);    // end of image data
    out.push_back(0x3B); // trailer
    return out;
}

} // namespace bm::demo
