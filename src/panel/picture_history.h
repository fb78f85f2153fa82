#pragma once

#include "panel/panel_types.h"
#include "raster/device_bitmap.h"

#include <array>
#include <cstddef>
#include <deque>
#include <memory>

namespace pattik {

// The undo history of the item's three pictures, each on its own: a bounded list of whole
// pictures with a cursor on the state the picture was last known to be in.
//
// It never needs to hear of each change. The panel records the current picture before every
// change and before every step; a picture that differs from the state at the cursor is a new
// state, which ends whatever could be redone. So a change made by any path, an undo swap
// included, is in the history by the time anyone steps through it.
//
//     states   s0  s1  s2  s3         picture == s3: back shows s2, then s1, s0
//                      ^ cursor       after two steps back: forward shows s3 again
//     a change there, recorded:       s0  s1  s2  s2'   (s3 can no longer be reached)
//
// Memory: at most kStatesKept copies of each picture. With the 75 x 125 wear, 75 x 83 DP and
// 25 x 25 hair pictures at 4 bytes a pixel that is 101 x (37,500 + 24,900 + 2,500) =
// 6,554,900 bytes of pixels (about 6.3 MiB) in the worst case, plus about 40 bytes of
// bookkeeping per state. The states are shared, never changed once kept, so a copy of the
// whole history costs a few pointers: the panel keeps one while a drag may still be called
// off.
class PictureHistory {
  public:
    // 100 steps back stay reachable: the state at the cursor and the 100 before it.
    static constexpr int kStepsBack = 100;
    static constexpr int kStatesKept = kStepsBack + 1;

    // Forgets every state of every picture.
    void Clear();

    // Records `picture` as the newest state of its mode's history when it differs from the
    // state at the cursor, dropping the states after the cursor and, past the limit, the
    // oldest one. A picture of another size than the states kept starts the history again.
    // An empty picture or a mode that names no picture is refused. True when recorded.
    bool Checkpoint(ViewMode mode, const DeviceBitmap& picture);

    // Each step records `current` first, so the step never loses it, then moves the cursor
    // and hands back the state there for the caller to show; null, the cursor left where
    // the recording put it, when there is nothing that way.
    const DeviceBitmap* StepBack(ViewMode mode, const DeviceBitmap& current);
    const DeviceBitmap* StepForward(ViewMode mode, const DeviceBitmap& current);

    // Whether a step from `current` would hand back a state. Forward is possible only while
    // the picture is still the state at the cursor: any change since ends the redo.
    bool CanStepBack(ViewMode mode, const DeviceBitmap& current) const;
    bool CanStepForward(ViewMode mode, const DeviceBitmap& current) const;

    // How many states a mode keeps, and where its cursor is (0 is the oldest state kept).
    int StateCount(ViewMode mode) const;
    int Cursor(ViewMode mode) const;
    // The pixels held by every state of every picture, in bytes.
    std::size_t PixelBytes() const;

  private:
    struct Track {
        std::deque<std::shared_ptr<const DeviceBitmap>> states;
        std::size_t cursor = 0;
    };

    Track* TrackOf(ViewMode mode);
    const Track* TrackOf(ViewMode mode) const;

    std::array<Track, 3> tracks_;
};

} // namespace pattik
