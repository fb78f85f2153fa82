#pragma once

#include "image/gif_code_packer.h"

#include <cstdint>
#include <functional>

namespace pattik {

// The image data coder: it writes a GIF code stream that any decoder reads back exactly,
// without keeping a string table. It sends literal pixel values and, for runs of equal
// pixels, codes that stand for runs the decoder's table is known to hold: after a clear,
// the decoder's table fills with runs of 2, 3, 4 ... of the pixel being sent, so a run is
// sent as a ladder of growing run codes, or as repeats of the longest one known.
class GifRunCoder {
  public:
    // The value nextPixel returns after the last pixel.
    static constexpr int kEndOfPixels = -1;

    GifRunCoder(ByteStream& stream, int minimumCodeSize);

    // Codes the pixels of rows rows of width values each, top row first, that row(i)
    // points at, then the end code, and writes the last sub-block. Runs go on across rows.
    void EncodeImage(int width, int rows, const std::function<const std::uint8_t*(int)>& row);

    // Codes needed to send a run of count pixels from a fresh table whose codes may grow
    // up to maxCodes runs long: each ladder 1, 2 .. m covers m (m + 1) / 2 pixels.
    static std::uint32_t Cost(std::uint32_t count, std::uint32_t maxCodes);
    static std::uint32_t IntegerSquareRoot(std::uint32_t x);

  private:
    void Restart();
    void Emit(int code) { packer_.Emit(static_cast<unsigned>(code), codeWidth_); }
    // A code that makes the decoder add a table entry: it counts towards the code width and
    // towards the clear that keeps the table from filling. Inline: it runs once a pixel for
    // a picture without runs.
    void EmitPlain(int code) {
        justCleared_ = false;
        Emit(code);
        ++codeCount_;
        if (codeCount_ >= bump_) {
            ++codeWidth_;
            bump_ += 1 << (codeWidth_ - 1);
        }
        if (codeCount_ >= clearLimit_) {
            Emit(clearCode_);
            Restart();
        }
    }
    void RestoreClearLimit();
    void SendFromClear(int count);
    void SendWithClearOrRepeat(int count);
    void SendWithTable(int count);
    void FlushRun();
    void AddPixels(const std::uint8_t* pixels, int count);
    int EmitLonePixels(const std::uint8_t* pixels, int count);

    GifCodePacker packer_;

    int runPixel_ = 0;
    const int baseCode_;
    int runCount_ = 0;
    int tablePixel_ = 0;
    int tableMax_ = 0;
    bool justCleared_ = true;
    int codeWidth_ = 0;
    const int initialCodeWidth_;
    int codeCount_ = 0;
    int bump_ = 0;
    const int initialBump_;
    int clearLimit_ = 0;
    const int initialClearLimit_;
    const int maxCodes_;
    const int clearCode_;
    const int endCode_;
};

} // namespace pattik
