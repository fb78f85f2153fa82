#include "png_writer.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <string_view>
#include <vector>

namespace pattik::render {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::array<std::uint8_t, 8> kSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::uint8_t kBitDepth = 8;
constexpr std::uint8_t kColourTypeRgb = 2;
constexpr std::uint8_t kNoFilter = 0;
// zlib header for deflate with a 32K window and no preset dictionary (a multiple of 31).
constexpr std::uint8_t kZlibMethod = 0x78;
constexpr std::uint8_t kZlibFlags = 0x01;
// A stored deflate block holds at most this many bytes.
constexpr std::size_t kStoredBlockLimit = 0xFFFF;
constexpr std::uint32_t kCrcPolynomial = 0xEDB88320u;
constexpr std::uint32_t kAdlerModulus = 65521u;

std::uint32_t Crc32(const Bytes& data, std::size_t from) {
    static const auto table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < t.size(); ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) {
                c = (c & 1u) ? kCrcPolynomial ^ (c >> 1) : c >> 1;
            }
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = from; i < data.size(); ++i) {
        crc = table[(crc ^ data[i]) & 0xFFu] ^ (crc >> 8);
    }
    return crc ^ 0xFFFFFFFFu;
}

std::uint32_t Adler32(const Bytes& data) {
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (const std::uint8_t byte : data) {
        a = (a + byte) % kAdlerModulus;
        b = (b + a) % kAdlerModulus;
    }
    return (b << 16) | a;
}

void PutBigEndian(Bytes& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

void PutChunk(Bytes& out, std::string_view type, const Bytes& body) {
    PutBigEndian(out, static_cast<std::uint32_t>(body.size()));
    const std::size_t crcFrom = out.size();
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), body.begin(), body.end());
    PutBigEndian(out, Crc32(out, crcFrom));
}

// Scanlines of filter byte 0 followed by R, G, B of each pixel.
Bytes Scanlines(const DeviceBitmap& bitmap) {
    Bytes raw;
    for (int y = 0; y < bitmap.Height(); ++y) {
        raw.push_back(kNoFilter);
        for (int x = 0; x < bitmap.Width(); ++x) {
            const COLORREF colour = bitmap.At(x, y);
            raw.push_back(GetRValue(colour));
            raw.push_back(GetGValue(colour));
            raw.push_back(GetBValue(colour));
        }
    }
    return raw;
}

Bytes StoredZlib(const Bytes& raw) {
    Bytes out{kZlibMethod, kZlibFlags};
    std::size_t at = 0;
    do {
        const std::size_t length = std::min(kStoredBlockLimit, raw.size() - at);
        const bool last = at + length == raw.size();
        out.push_back(last ? 1 : 0); // BFINAL, BTYPE 00 (stored)
        const auto len16 = static_cast<std::uint16_t>(length);
        const auto nlen16 = static_cast<std::uint16_t>(~len16);
        out.insert(out.end(),
                   {static_cast<std::uint8_t>(len16), static_cast<std::uint8_t>(len16 >> 8),
                    static_cast<std::uint8_t>(nlen16), static_cast<std::uint8_t>(nlen16 >> 8)});
        out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(at),
                   raw.begin() + static_cast<std::ptrdiff_t>(at + length));
        at += length;
    } while (at < raw.size());
    PutBigEndian(out, Adler32(raw));
    return out;
}

} // namespace

bool WritePng(const DeviceBitmap& bitmap, const std::string& path) {
    Bytes file(kSignature.begin(), kSignature.end());
    Bytes header;
    PutBigEndian(header, static_cast<std::uint32_t>(bitmap.Width()));
    PutBigEndian(header, static_cast<std::uint32_t>(bitmap.Height()));
    // Depth, colour type, then compression, filter method and interlace, all 0.
    header.insert(header.end(), {kBitDepth, kColourTypeRgb, 0, 0, 0});
    PutChunk(file, "IHDR", header);
    PutChunk(file, "IDAT", StoredZlib(Scanlines(bitmap)));
    PutChunk(file, "IEND", {});

    std::ofstream stream(path, std::ios::binary);
    stream.write(reinterpret_cast<const char*>(file.data()),
                 static_cast<std::streamsize>(file.size()));
    stream.close();
    return static_cast<bool>(stream);
}

} // namespace pattik::render
