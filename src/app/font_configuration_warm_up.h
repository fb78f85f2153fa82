#pragma once

#include <atomic>
#include <thread>

namespace pattik {

// Reads the system's font configuration (its files, and the caches of every installed
// font) on a second core while Qt connects to the display. The first widget that shows
// text would otherwise read it then, on the way to the first window: about a tenth of the
// start-up. Qt's font database then finds the configuration loaded.
//
// The reader runs at the lowest priority: at normal priority it took the CPU from the
// display server and the main thread's own start, and the QApplication came up 4 ms later.
//
// Start it before the QApplication and hand over once the QApplication stands, before any
// widget asks for a font.
class FontConfigurationWarmUp {
  public:
    FontConfigurationWarmUp();
    // Waits for a reader still at work, so none runs on into the program's exit.
    ~FontConfigurationWarmUp();
    FontConfigurationWarmUp(const FontConfigurationWarmUp&) = delete;
    FontConfigurationWarmUp& operator=(const FontConfigurationWarmUp&) = delete;

    // Returns at once. A reader that has finished is joined. One still at work (a busy
    // machine holds a low-priority thread back) is left to finish: Qt then reads the
    // configuration itself, and the font library keeps whichever copy is complete first.
    void HandOver();

  private:
    std::atomic<bool> finished_{false};
    std::thread reader_;
};

} // namespace pattik
