#include "panel/picture_history.h"

#include <algorithm>

namespace pattik {
namespace {

bool SameSize(const DeviceBitmap& a, const DeviceBitmap& b) {
    return a.Width() == b.Width() && a.Height() == b.Height() &&
           a.GetBitmapDimension() == b.GetBitmapDimension();
}

// A state is the picture only with the dimension its bitmap records as well.
bool SameState(const DeviceBitmap& a, const DeviceBitmap& b) {
    return SameSize(a, b) && SamePixels(a, b);
}

std::size_t PixelBytesOf(const DeviceBitmap& bitmap) {
    return static_cast<std::size_t>(bitmap.Width()) * static_cast<std::size_t>(bitmap.Height()) *
           sizeof(COLORREF);
}

} // namespace

PictureHistory::Track* PictureHistory::TrackOf(ViewMode mode) {
    const auto index = static_cast<std::size_t>(static_cast<int>(mode));
    // A mode read from outside may name no picture at all.
    return index < tracks_.size() ? &tracks_[index] : nullptr;
}

const PictureHistory::Track* PictureHistory::TrackOf(ViewMode mode) const {
    const auto index = static_cast<std::size_t>(static_cast<int>(mode));
    return index < tracks_.size() ? &tracks_[index] : nullptr;
}

void PictureHistory::Clear() {
    for (Track& track : tracks_) {
        track.states.clear();
        track.cursor = 0;
    }
}

bool PictureHistory::Checkpoint(ViewMode mode, const DeviceBitmap& picture) {
    Track* track = TrackOf(mode);
    if (track == nullptr || picture.IsEmpty()) {
        return false;
    }
    if (!track->states.empty()) {
        const DeviceBitmap& atCursor = *track->states[track->cursor];
        if (!SameSize(atCursor, picture)) {
            // States of another size could never be shown in this picture.
            track->states.clear();
        } else if (SameState(atCursor, picture)) {
            return false;
        } else {
            track->states.erase(track->states.begin() + static_cast<std::ptrdiff_t>(track->cursor) +
                                    1,
                                track->states.end());
        }
    }
    track->states.push_back(std::make_shared<const DeviceBitmap>(picture));
    while (track->states.size() > static_cast<std::size_t>(kStatesKept)) {
        track->states.pop_front();
    }
    track->cursor = track->states.size() - 1;
    return true;
}

const DeviceBitmap* PictureHistory::StepBack(ViewMode mode, const DeviceBitmap& current) {
    Checkpoint(mode, current);
    Track* track = TrackOf(mode);
    if (track == nullptr || track->states.empty() || track->cursor == 0) {
        return nullptr;
    }
    --track->cursor;
    return track->states[track->cursor].get();
}

const DeviceBitmap* PictureHistory::StepForward(ViewMode mode, const DeviceBitmap& current) {
    Checkpoint(mode, current);
    Track* track = TrackOf(mode);
    if (track == nullptr || track->cursor + 1 >= track->states.size()) {
        return nullptr;
    }
    ++track->cursor;
    return track->states[track->cursor].get();
}

bool PictureHistory::CanStepBack(ViewMode mode, const DeviceBitmap& current) const {
    const Track* track = TrackOf(mode);
    if (track == nullptr || track->states.empty() || current.IsEmpty()) {
        return false;
    }
    const DeviceBitmap& atCursor = *track->states[track->cursor];
    if (!SameSize(atCursor, current)) {
        return false; // recording it starts the history again, with nothing before it
    }
    // A picture changed since the cursor's state will be recorded, and that state lies
    // before it.
    return track->cursor > 0 || !SameState(atCursor, current);
}

bool PictureHistory::CanStepForward(ViewMode mode, const DeviceBitmap& current) const {
    const Track* track = TrackOf(mode);
    if (track == nullptr || track->cursor + 1 >= track->states.size()) {
        return false;
    }
    return SameState(*track->states[track->cursor], current);
}

int PictureHistory::StateCount(ViewMode mode) const {
    const Track* track = TrackOf(mode);
    return track == nullptr ? 0 : static_cast<int>(track->states.size());
}

int PictureHistory::Cursor(ViewMode mode) const {
    const Track* track = TrackOf(mode);
    return track == nullptr ? 0 : static_cast<int>(track->cursor);
}

std::size_t PictureHistory::PixelBytes() const {
    std::size_t bytes = 0;
    for (const Track& track : tracks_) {
        for (const auto& state : track.states) {
            bytes += PixelBytesOf(*state);
        }
    }
    return bytes;
}

} // namespace pattik
