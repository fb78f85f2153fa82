#pragma once

#include <thread>

namespace pattik {

// Reads the system's font configuration (its files, and the caches of every installed
// font) on a second core while Qt connects to the display. The first widget that shows
// text would otherwise read it then, on the way to the first window: about a tenth of the
// start-up. Qt's font database then finds the configuration loaded.
//
// Start it before the QApplication and wait for it once the QApplication stands, before
// any widget asks for a font.
class FontConfigurationWarmUp {
  public:
    FontConfigurationWarmUp();
    ~FontConfigurationWarmUp();
    FontConfigurationWarmUp(const FontConfigurationWarmUp&) = delete;
    FontConfigurationWarmUp& operator=(const FontConfigurationWarmUp&) = delete;

    // Returns once the configuration is read; at once after the first call.
    void Wait();

  private:
    std::thread reader_;
};

} // namespace pattik
