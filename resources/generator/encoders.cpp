#include "resources/generator/encoders.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <cassert>
#include <string_view>

namespace tessaro {
namespace {

void Put8(Bytes& out, unsigned value) { out.push_back(static_cast<std::uint8_t>(value & 0xFF)); }
void Put16(Bytes& out, unsigned value) {
    Put8(out, value);
    Put8(out, value >> 8);
}
void Put32(Bytes& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}
// Byte by byte: GCC 12 at -O3 wrongly reports a range insert into the still
// empty vector as an overflow (-Wstringop-overflow).
void PutText(Bytes& out, std::string_view text) {
    for (char c : text) Put8(out, static_cast<unsigned char>(c));
}

// Bitmap rows are padded to whole 32-bit words.
int RowBytes(int width, int bitsPerPixel) { return (width * bitsPerPixel + 31) / 32 * 4; }

std::uint8_t PixelAt(const PaletteImage& image, int x, int y) {
    return image.pixels[static_cast<std::size_t>(y * image.width + x)];
}

// ---- icon ----

constexpr int kIconDirSize = 6;
constexpr int kIconEntrySize = 16;
constexpr int kInfoHeaderSize = 40;
constexpr int kIconColours = 16;

int IconImageSize(const PaletteImage& image) {
    return kInfoHeaderSize + kIconColours * 4 + (RowBytes(image.width, 4) + RowBytes(image.width, 1)) * image.height;
}

void PutIconImage(Bytes& out, const PaletteImage& image) {
    const int xorRow = RowBytes(image.width, 4);
    const int andRow = RowBytes(image.width, 1);
    Put32(out, kInfoHeaderSize);
    Put32(out, static_cast<std::uint32_t>(image.width));
    Put32(out, static_cast<std::uint32_t>(image.height * 2));  // colour rows, then mask rows
    Put16(out, 1);                                             // planes
    Put16(out, 4);                                             // bits per pixel
    Put32(out, 0);                                             // no compression
    Put32(out, static_cast<std::uint32_t>((xorRow + andRow) * image.height));
    Put32(out, 0);  // pixels per metre, x and y: unused for icons
    Put32(out, 0);
    Put32(out, 0);  // colours used: 0 means all 16
    Put32(out, 0);
    for (int i = 0; i < kIconColours; ++i) {
        const Rgba c = i < static_cast<int>(image.palette.size()) ? image.palette[static_cast<std::size_t>(i)] : kBlack;
        // A transparent pixel must be black in the colour part, or the screen
        // behind it would be inverted instead of left alone.
        const bool clear = c.a == 0;
        Put8(out, clear ? 0 : c.b);
        Put8(out, clear ? 0 : c.g);
        Put8(out, clear ? 0 : c.r);
        Put8(out, 0);
    }
    // Bitmaps run from the bottom row up.
    for (int y = image.height - 1; y >= 0; --y) {
        Bytes row(static_cast<std::size_t>(xorRow), 0);
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t index = PixelAt(image, x, y);
            row[static_cast<std::size_t>(x / 2)] |= x % 2 ? index : index << 4;
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    for (int y = image.height - 1; y >= 0; --y) {
        Bytes row(static_cast<std::size_t>(andRow), 0);
        for (int x = 0; x < image.width; ++x) {
            if (image.palette[PixelAt(image, x, y)].a == 0) row[static_cast<std::size_t>(x / 8)] |= 0x80 >> (x % 8);
        }
        out.insert(out.end(), row.begin(), row.end());
    }
}

// ---- GIF ----

// Codes go out least significant bit first, packed into bytes.
class BitPacker {
public:
    void Put(int code, int width) {
        pending_ |= static_cast<std::uint32_t>(code) << count_;
        count_ += width;
        while (count_ >= 8) {
            bytes_.push_back(static_cast<std::uint8_t>(pending_ & 0xFF));
            pending_ >>= 8;
            count_ -= 8;
        }
    }
    Bytes Finish() {
        if (count_ > 0) bytes_.push_back(static_cast<std::uint8_t>(pending_ & 0xFF));
        return std::move(bytes_);
    }

private:
    Bytes bytes_;
    std::uint32_t pending_ = 0;
    int count_ = 0;
};

Bytes CompressLzw(const std::vector<std::uint8_t>& pixels, int minCodeSize) {
    constexpr int kMaxCodes = 4096;  // 12-bit codes at most
    const int alphabet = 1 << minCodeSize;
    const int clearCode = alphabet;
    const int endCode = alphabet + 1;

    // child[(code << minCodeSize) | pixel]: the code of that string plus that
    // pixel, or 0 when it has none yet (0 is never a string's extension).
    std::vector<std::uint16_t> child(static_cast<std::size_t>(kMaxCodes) << minCodeSize, 0);
    int width = minCodeSize + 1;
    int next = endCode + 1;
    BitPacker packer;
    packer.Put(clearCode, width);

    int prefix = pixels.front();
    for (std::size_t i = 1; i < pixels.size(); ++i) {
        const int pixel = pixels[i];
        std::uint16_t& slot =
            child[(static_cast<std::size_t>(prefix) << minCodeSize) | static_cast<std::size_t>(pixel)];
        if (slot != 0) {
            prefix = slot;
            continue;
        }
        packer.Put(prefix, width);
        const int added = next++;
        slot = static_cast<std::uint16_t>(added);
        // The reader builds its table one code behind us and widens at the
        // same moment: as soon as the newest code no longer fits.
        if (added >= (1 << width) && width < 12) ++width;
        if (next == kMaxCodes) {
            packer.Put(clearCode, width);
            std::fill(child.begin(), child.end(), 0);
            width = minCodeSize + 1;
            next = endCode + 1;
        }
        prefix = pixel;
    }
    packer.Put(prefix, width);
    // Reading that last code, the reader adds one more entry of its own and
    // may widen before it reads the end code.
    if (next >= (1 << width) && width < 12) ++width;
    packer.Put(endCode, width);
    return packer.Finish();
}

}  // namespace

Bytes EncodeIco(const std::vector<PaletteImage>& images) {
    assert(!images.empty());
    Bytes out;
    Put16(out, 0);  // reserved
    Put16(out, 1);  // icon, not cursor
    Put16(out, static_cast<unsigned>(images.size()));
    std::uint32_t offset = kIconDirSize + kIconEntrySize * static_cast<std::uint32_t>(images.size());
    for (const PaletteImage& image : images) {
        assert(image.width > 0 && image.width < 256 && image.height > 0 && image.height < 256);
        assert(!image.palette.empty() && image.palette.size() <= kIconColours);
        const auto size = static_cast<std::uint32_t>(IconImageSize(image));
        Put8(out, static_cast<unsigned>(image.width));
        Put8(out, static_cast<unsigned>(image.height));
        Put8(out, kIconColours);
        Put8(out, 0);   // reserved
        Put16(out, 1);  // planes
        Put16(out, 4);  // bits per pixel
        Put32(out, size);
        Put32(out, offset);
        offset += size;
    }
    for (const PaletteImage& image : images) PutIconImage(out, image);
    return out;
}

Bytes EncodeGif(const PaletteImage& image) {
    assert(image.width > 0 && image.width <= 0xFFFF && image.height > 0 && image.height <= 0xFFFF);
    assert(!image.palette.empty() && image.palette.size() <= 256);
    int tableBits = 1;
    while ((1u << tableBits) < image.palette.size()) ++tableBits;

    Bytes out;
    PutText(out, "GIF87a");
    Put16(out, static_cast<unsigned>(image.width));
    Put16(out, static_cast<unsigned>(image.height));
    Put8(out, 0x80u | 0x70u | static_cast<unsigned>(tableBits - 1));  // global table, 8-bit colour resolution
    Put8(out, 0);                                                     // background: entry 0
    Put8(out, 0);                                                     // square pixels
    for (int i = 0; i < (1 << tableBits); ++i) {
        const Rgba c = i < static_cast<int>(image.palette.size()) ? image.palette[static_cast<std::size_t>(i)] : kBlack;
        Put8(out, c.r);
        Put8(out, c.g);
        Put8(out, c.b);
    }
    Put8(out, 0x2C);  // image descriptor: whole screen, no local table, not interlaced
    Put16(out, 0);
    Put16(out, 0);
    Put16(out, static_cast<unsigned>(image.width));
    Put16(out, static_cast<unsigned>(image.height));
    Put8(out, 0);

    const int minCodeSize = std::max(2, tableBits);
    Put8(out, static_cast<unsigned>(minCodeSize));
    const Bytes data = CompressLzw(image.pixels, minCodeSize);
    for (std::size_t at = 0; at < data.size(); at += 255) {
        const std::size_t length = std::min<std::size_t>(255, data.size() - at);
        Put8(out, static_cast<unsigned>(length));
        out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(at),
                   data.begin() + static_cast<std::ptrdiff_t>(at + length));
    }
    Put8(out, 0);     // end of the image data
    Put8(out, 0x3B);  // end of file
    return out;
}

Bytes EncodeWav(const std::vector<std::int16_t>& samples, int sampleRate) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    const auto rate = static_cast<std::uint32_t>(sampleRate);
    Bytes out;
    PutText(out, "RIFF");
    Put32(out, 36 + dataBytes);
    PutText(out, "WAVE");
    PutText(out, "fmt ");
    Put32(out, 16);
    Put16(out, 1);  // PCM
    Put16(out, 1);  // one channel
    Put32(out, rate);
    Put32(out, rate * 2);  // bytes per second
    Put16(out, 2);         // bytes per sample frame
    Put16(out, 16);        // bits per sample
    PutText(out, "data");
    Put32(out, dataBytes);
    for (std::int16_t s : samples) Put16(out, static_cast<std::uint16_t>(s));
    return out;
}

Bytes EncodePng(const ColourImage& image) {
    bool opaque = true;
    for (Rgba c : image.pixels) opaque = opaque && c.a == 255;
    QImage q(image.width, image.height, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32);
    for (int y = 0; y < image.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(q.scanLine(y));
        for (int x = 0; x < image.width; ++x) {
            const Rgba c = image.At(x, y);
            line[x] = qRgba(c.r, c.g, c.b, c.a);
        }
    }
    // A fresh image takes its resolution from the screen, if there is one;
    // fix it so that the file does not depend on where it was made.
    constexpr int kDotsPerMetre = 3780;  // 96 dots per inch
    q.setDotsPerMeterX(kDotsPerMetre);
    q.setDotsPerMeterY(kDotsPerMetre);
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(q)) return {};
    return Bytes(data.begin(), data.end());
}

}  // namespace tessaro
