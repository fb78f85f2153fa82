// The reader the GIF tests trust must itself cope with files giflib has no words for.
#include "support/image/gif_decoder.h"

#include <gtest/gtest.h>

#include <vector>

namespace pattik {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A 1 x 1 screen with a two-entry colour table, then the given records and the trailer.
Bytes GifWith(const Bytes& records) {
    Bytes file = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0, 0, 0, 255, 255, 255};
    // A loop, not insert: GCC 12 warns of an empty insert here as out of bounds.
    for (const std::uint8_t byte : records) {
        file.push_back(byte);
    }
    file.push_back(0x3B);
    return file;
}

TEST(GifDecoder, FilesGiflibGivesNoErrorTextForAreRejectedWithOne) {
    const Bytes zeroAreaImage = {0x2C, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 2, 0x44, 0x01, 0};
    for (const Bytes& file : {GifWith({}), GifWith(zeroAreaImage)}) {
        const testing::DecodedGif gif = testing::DecodeGif(file);
        EXPECT_FALSE(gif.ok);
        EXPECT_FALSE(gif.error.empty());
    }
}

} // namespace
} // namespace pattik
