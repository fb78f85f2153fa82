#include "image/gif_run_coder.h"

#include "raster/pixel_runs.h"

#include <algorithm>

namespace pattik {
namespace {

// The decoder's table holds 4096 codes; clear, end and the literals take 2^s + 2 of them.
constexpr int kTableSize = 4096;
// A small code width would grow past what the ladder needs, so it clears early.
constexpr int kSmallCodeWidth = 3;
constexpr int kSmallClearLimit = 9;
// Runs are counted in an int; a picture of one colour larger than this is sent as
// several runs rather than overflowing the count.
constexpr int kLongestRun = 1 << 30;

} // namespace

GifRunCoder::GifRunCoder(ByteStream& stream, int minimumCodeSize)
    : packer_(stream), baseCode_((1 << minimumCodeSize) + 2),
      initialCodeWidth_(minimumCodeSize + 1), initialBump_((1 << minimumCodeSize) - 1),
      initialClearLimit_(initialCodeWidth_ <= kSmallCodeWidth ? kSmallClearLimit
                                                              : initialBump_ - 1),
      maxCodes_(kTableSize - ((1 << minimumCodeSize) + 3)), clearCode_(1 << minimumCodeSize),
      endCode_((1 << minimumCodeSize) + 1) {}

void GifRunCoder::Restart() {
    codeWidth_ = initialCodeWidth_;
    bump_ = initialBump_;
    clearLimit_ = initialClearLimit_;
    codeCount_ = 0;
    tableMax_ = 0;
    justCleared_ = true;
}

void GifRunCoder::RestoreClearLimit() {
    clearLimit_ = initialClearLimit_;
    if (codeCount_ >= clearLimit_) {
        Emit(clearCode_);
        Restart();
    }
}

std::uint32_t GifRunCoder::IntegerSquareRoot(std::uint32_t x) {
    if (x < 2) {
        return x;
    }
    std::uint32_t r = 1;
    for (std::uint32_t v = x; v != 0; v >>= 2) {
        r <<= 1;
    }
    for (;;) {
        const std::uint32_t v = (x / r + r) / 2;
        if (v == r || v == r + 1) {
            return r;
        }
        r = v;
    }
}

std::uint32_t GifRunCoder::Cost(std::uint32_t count, std::uint32_t maxCodes) {
    const std::uint32_t perLadder = maxCodes * (maxCodes + 1) / 2;
    std::uint32_t cost = 0;
    while (count >= perLadder) {
        cost += maxCodes;
        count -= perLadder;
    }
    if (count > 0) {
        // The shortest ladder 1 .. r with r (r + 1) / 2 >= count.
        std::uint32_t r = IntegerSquareRoot(count);
        while (r * (r + 1) >= 2 * count) {
            --r;
        }
        while (r * (r + 1) < 2 * count) {
            ++r;
        }
        cost += r;
    }
    return cost;
}

// Sends a run right after a clear: a literal, then run codes for 2, 3, 4 ... pixels,
// each of which the decoder has just learned from the code before it.
void GifRunCoder::SendFromClear(int count) {
    clearLimit_ = maxCodes_;
    tablePixel_ = runPixel_;
    int k = 1;
    while (count > 0) {
        if (k == 1) {
            tableMax_ = 1;
            EmitPlain(runPixel_);
            count -= 1;
        } else if (count >= k) {
            tableMax_ = k;
            EmitPlain(baseCode_ + k - 2);
            count -= k;
        } else if (count == 1) {
            ++tableMax_;
            EmitPlain(runPixel_);
            count = 0;
        } else {
            ++tableMax_;
            EmitPlain(baseCode_ + count - 2);
            count = 0;
        }
        k = codeCount_ == 0 ? 1 : k + 1;
    }
    RestoreClearLimit();
}

// A run of a pixel the table knows nothing about: literals, unless clearing and
// climbing a new ladder costs fewer codes.
void GifRunCoder::SendWithClearOrRepeat(int count) {
    const auto pixels = static_cast<std::uint32_t>(count);
    if (1 + Cost(pixels, static_cast<std::uint32_t>(maxCodes_)) < pixels) {
        Emit(clearCode_);
        Restart();
        SendFromClear(count);
        return;
    }
    for (int i = 0; i < count; ++i) {
        EmitPlain(runPixel_);
    }
}

// A run of the pixel whose run codes the table holds: repeats of the longest known run
// and one code for the rest, unless a clear and a new ladder is cheaper.
void GifRunCoder::SendWithTable(int count) {
    const auto maxCodes = static_cast<std::uint32_t>(maxCodes_);
    int reps = count / tableMax_;
    int left = count % tableMax_;
    std::uint32_t extra = left > 0 ? 1 : 0;
    if (codeCount_ + reps + static_cast<int>(extra) > maxCodes_) {
        reps = maxCodes_ - codeCount_;
        left = count - reps * tableMax_;
        extra = 1 + Cost(static_cast<std::uint32_t>(left), maxCodes);
    }
    if (1 + Cost(static_cast<std::uint32_t>(count), maxCodes) <
        static_cast<std::uint32_t>(reps) + extra) {
        Emit(clearCode_);
        Restart();
        SendFromClear(count);
        return;
    }
    clearLimit_ = maxCodes_;
    for (int i = 0; i < reps; ++i) {
        EmitPlain(baseCode_ + tableMax_ - 2);
    }
    if (left > 0) {
        if (justCleared_) {
            SendFromClear(left);
        } else if (left == 1) {
            EmitPlain(runPixel_);
        } else {
            EmitPlain(baseCode_ + left - 2);
        }
    }
    RestoreClearLimit();
}

void GifRunCoder::FlushRun() {
    if (runCount_ == 1) {
        EmitPlain(runPixel_);
    } else if (justCleared_) {
        SendFromClear(runCount_);
    } else if (tableMax_ < 2 || tablePixel_ != runPixel_) {
        SendWithClearOrRepeat(runCount_);
    } else {
        SendWithTable(runCount_);
    }
    runCount_ = 0;
}

// A stretch of pixels each unlike the next is a stretch of literals, each a plain code
// that changes neither the code width nor the clear: they go to the packer together, up to
// the code before the one that does. The row's last pixel is left, as a run may go on into
// the next row. Returns how many pixels were sent.
int GifRunCoder::EmitLonePixels(const std::uint8_t* pixels, int count) {
    int lone = 0;
    while (lone + 1 < count && pixels[lone] != pixels[lone + 1]) {
        ++lone;
    }
    const int plain = std::min({lone, bump_ - codeCount_ - 1, clearLimit_ - codeCount_ - 1});
    if (plain <= 0) {
        return 0;
    }
    packer_.EmitEach(pixels, static_cast<std::size_t>(plain), codeWidth_);
    codeCount_ += plain;
    justCleared_ = false;
    return plain;
}

// Adds a row's pixels to the run being collected, a whole run of equal values at a time.
void GifRunCoder::AddPixels(const std::uint8_t* pixels, int count) {
    int i = 0;
    while (i < count) {
        if (runCount_ == 0) {
            i += EmitLonePixels(pixels + i, count - i);
            if (i == count) {
                break;
            }
        }
        const int pixel = pixels[i];
        if (runCount_ > 0 && (pixel != runPixel_ || runCount_ == kLongestRun)) {
            if (runCount_ == 1) {
                EmitPlain(runPixel_); // a lone pixel is its literal: the common case of noise
                runCount_ = 0;
            } else {
                FlushRun();
            }
            continue; // the next run starts at this pixel, perhaps a stretch of lone ones
        }
        if (runCount_ == 0) {
            runPixel_ = pixel;
        }
        // The run's length in this row, without passing the longest run counted at once.
        const int room = kLongestRun - runCount_;
        const int limit = count - i > room ? i + room : count;
        const int end =
            i + static_cast<int>(LeadingByteRun(pixels + i, static_cast<std::size_t>(limit - i),
                                                static_cast<std::uint8_t>(pixel)));
        runCount_ += end - i;
        i = end;
    }
}

void GifRunCoder::EncodeImage(int width, int rows,
                              const std::function<const std::uint8_t*(int)>& row) {
    runCount_ = 0;
    Restart();
    Emit(clearCode_);
    for (int y = 0; y < rows; ++y) {
        AddPixels(row(y), width);
    }
    if (runCount_ > 0) {
        FlushRun();
    }
    Emit(endCode_);
    packer_.Finish();
}

} // namespace pattik
