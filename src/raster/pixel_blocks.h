#pragma once

#include "raster/device_bitmap.h"

namespace pattik {

// Whole-pixel rearrangements of a block of a bitmap, for the Edit menu's turns and flips and
// its colour replacement. Each clips the block to the bitmap first, so a block that says
// more than the bitmap holds touches only what is there.

// Mirrors the block left to right, or top to bottom, in place.
void FlipBlockHorizontally(DeviceBitmap& bitmap, const RECT& block);
void FlipBlockVertically(DeviceBitmap& bitmap, const RECT& block);

// The block turned a quarter clockwise, as a bitmap of the block's height by its width:
// the block's top row becomes the right column. Empty for a block that holds no pixel.
//
//     ab        ca
//     cd   ->   db
DeviceBitmap TurnedQuarterClockwise(const DeviceBitmap& bitmap, const RECT& block);

// Copies the block of `from` into `to` with its top-left at `at`, clipped to both bitmaps.
void CopyBlock(const DeviceBitmap& from, const RECT& block, DeviceBitmap& to, Point at);

// How many pixels of the block hold `colour`.
int CountInBlock(const DeviceBitmap& bitmap, const RECT& block, COLORREF colour);
// Gives every pixel of `from` in the block the colour `to`; returns how many changed.
int ReplaceInBlock(DeviceBitmap& bitmap, const RECT& block, COLORREF from, COLORREF to);

} // namespace pattik
