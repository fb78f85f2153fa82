#pragma once

namespace pattik {

enum class PointerShape { Arrow, Cross, Move };
// The keys the tools poll while the pointer moves.
enum class PolledKey { Space, LeftControl };

// What the pointer handlers need from the window under the pointer: capture, the pointer's
// shape, the keys they poll, and the airbrush's timer.
class PointerHost {
  public:
    virtual ~PointerHost() = default;

    virtual void CapturePointer() = 0;
    virtual void ReleasePointer() = 0;
    virtual bool HasPointerCapture() const = 0;
    virtual void SetPointerShape(PointerShape shape) = 0;
    // Whether the key is held now (left Ctrl only, never the right one).
    virtual bool IsKeyDown(PolledKey key) const = 0;
    // Calls the panel's timer handler with id about every intervalMs until stopped.
    virtual void StartTimer(int id, int intervalMs) = 0;
    virtual void StopTimer(int id) = 0;
};

} // namespace pattik
