#pragma once

#include "image/cximage.h"
#include "image/cximage_gif.h"
#include "image/save_failure.h"

#include <string>

namespace pattik {

// The palette every saved picture starts from: entry 0 the transparent magenta (and so
// every entry up to 254 until a colour takes it), entry 255 black.
inline constexpr int kTransparentEntry = 0;
inline constexpr int kBlackEntry = 255;

// Converts a true-colour picture into an 8-bit GIF image of the same size and saves it.
// New colours take palette entries from 1 upward in the order they are met, scanning from
// the bottom row up; once every entry is taken, a colour is drawn with its nearest entry,
// and the result counts such merged colours. Entry 255 stays black whenever the picture
// holds black, wherever its first black pixel lies.
// A failure says why: a picture that is empty or has a size GIF cannot hold, a path that
// names no file to write, or the system's refusal with its errno.
SaveResult WriteGif(const std::string& fileName, const CxImage& picture);

// The conversion alone: the 8-bit image WriteGif would save, in gif. Fails only for an empty
// picture or one too large to convert; counts the merged colours.
SaveResult MakeGifPicture(const CxImage& picture, CxImageGif& gif);

} // namespace pattik
