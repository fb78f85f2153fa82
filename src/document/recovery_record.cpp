// A recovery record is written by this program alone and read back by it, but it may be cut
// short by the very crash it is for, or damaged on the disk: every length is checked
// against what is left before it is used, and a checksum covers the whole record.
#include "document/recovery_record.h"

#include "catalogue/catalogue.h"

#include <array>
#include <cstring>

namespace pattik {
namespace {

constexpr std::array<std::uint8_t, 8> kSignature{'P', 'A', 'T', 'T', 'R', 'E', 'C', '1'};
// No title or path the record keeps is longer than a path the system takes, many times over.
constexpr std::uint32_t kLongestText = 1u << 16;

// FNV-1a over 64 bits: enough to tell a damaged record from a whole one.
std::uint64_t Checksum(std::span<const std::uint8_t> bytes) {
    std::uint64_t hash = 0xcbf29ce484222325ull;
    for (const std::uint8_t byte : bytes) {
        hash = (hash ^ byte) * 0x100000001b3ull;
    }
    return hash;
}

class Writer {
  public:
    void Bytes(const void* data, std::size_t size) {
        const auto* begin = static_cast<const std::uint8_t*>(data);
        out.insert(out.end(), begin, begin + size);
    }
    void Number(std::uint64_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
        }
    }
    void Text(const std::string& text) {
        Number(text.size(), 4);
        Bytes(text.data(), text.size());
    }
    void Picture(const DeviceBitmap& picture) {
        Number(static_cast<std::uint32_t>(picture.Width()), 4);
        Number(static_cast<std::uint32_t>(picture.Height()), 4);
        for (int y = 0; y < picture.Height(); ++y) {
            for (int x = 0; x < picture.Width(); ++x) {
                Number(picture.At(x, y), 4);
            }
        }
    }
    std::vector<std::uint8_t> out;
};

class Reader {
  public:
    explicit Reader(std::span<const std::uint8_t> bytes) : in(bytes) {}

    bool Number(std::uint64_t& value, int bytes) {
        if (in.size() - at < static_cast<std::size_t>(bytes)) {
            return false;
        }
        value = 0;
        for (int i = 0; i < bytes; ++i) {
            value |= std::uint64_t{in[at++]} << (8 * i);
        }
        return true;
    }
    bool Signed(int& value) {
        std::uint64_t raw = 0;
        if (!Number(raw, 4)) {
            return false;
        }
        value = static_cast<std::int32_t>(static_cast<std::uint32_t>(raw));
        return true;
    }
    bool Text(std::string& text) {
        std::uint64_t size = 0;
        if (!Number(size, 4) || size > kLongestText || in.size() - at < size) {
            return false;
        }
        text.assign(reinterpret_cast<const char*>(in.data() + at), size);
        at += size;
        return true;
    }
    // A picture of exactly the size given.
    bool Picture(DeviceBitmap& picture, Size size) {
        std::uint64_t width = 0;
        std::uint64_t height = 0;
        if (!Number(width, 4) || !Number(height, 4) ||
            width != static_cast<std::uint64_t>(size.cx) ||
            height != static_cast<std::uint64_t>(size.cy) || in.size() - at < width * height * 4) {
            return false;
        }
        picture = DeviceBitmap(size.cx, size.cy);
        for (int y = 0; y < size.cy; ++y) {
            for (int x = 0; x < size.cx; ++x) {
                std::uint64_t colour = 0;
                Number(colour, 4);
                picture.At(x, y) = static_cast<COLORREF>(colour);
            }
        }
        return true;
    }
    bool AtEnd() const { return at == in.size(); }

  private:
    std::span<const std::uint8_t> in;
    std::size_t at = 0;
};

} // namespace

std::vector<std::uint8_t> EncodeRecoveryRecord(const RecoveryRecord& record) {
    Writer writer;
    writer.Bytes(kSignature.data(), kSignature.size());
    writer.Number(static_cast<std::uint64_t>(record.writtenAt), 8);
    writer.Number(static_cast<std::uint32_t>(record.gender), 4);
    writer.Number(static_cast<std::uint32_t>(record.category), 4);
    writer.Text(record.title);
    writer.Text(record.pathName);
    writer.Text(record.savedPath);
    writer.Picture(record.wear);
    writer.Picture(record.dp);
    writer.Picture(record.hair);
    writer.Number(Checksum(writer.out), 8);
    return writer.out;
}

std::optional<RecoveryRecord> DecodeRecoveryRecord(std::span<const std::uint8_t> bytes) {
    constexpr std::size_t kChecksumBytes = 8;
    if (bytes.size() < kSignature.size() + kChecksumBytes ||
        std::memcmp(bytes.data(), kSignature.data(), kSignature.size()) != 0) {
        return std::nullopt;
    }
    const std::span<const std::uint8_t> body = bytes.first(bytes.size() - kChecksumBytes);
    std::uint64_t stored = 0;
    Reader tail(bytes.last(kChecksumBytes));
    if (!tail.Number(stored, 8) || stored != Checksum(body)) {
        return std::nullopt;
    }
    Reader reader(body.subspan(kSignature.size()));
    RecoveryRecord record;
    std::uint64_t writtenAt = 0;
    if (!reader.Number(writtenAt, 8) || !reader.Signed(record.gender) ||
        !reader.Signed(record.category) || !reader.Text(record.title) ||
        !reader.Text(record.pathName) || !reader.Text(record.savedPath) ||
        !reader.Picture(record.wear, kWearImageSize) || !reader.Picture(record.dp, kDpImageSize) ||
        !reader.Picture(record.hair, kHairImageSize) || !reader.AtEnd()) {
        return std::nullopt;
    }
    record.writtenAt = static_cast<std::int64_t>(writtenAt);
    if (record.gender < -1 || record.gender > 1 || record.category < -1 ||
        record.category >= kCategoryCount) {
        return std::nullopt;
    }
    return record;
}

} // namespace pattik
