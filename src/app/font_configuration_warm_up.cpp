#include "app/font_configuration_warm_up.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

namespace pattik {

FontConfigurationWarmUp::FontConfigurationWarmUp() {
    try {
        // The font library makes its one configuration safely however many threads ask
        // for it; whichever asks later is handed the same one.
        reader_ = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        // No thread to spare: Qt reads the configuration itself when it first needs it.
    }
}

FontConfigurationWarmUp::~FontConfigurationWarmUp() {
    Wait();
}

void FontConfigurationWarmUp::Wait() {
    if (reader_.joinable()) {
        reader_.join();
    }
}

} // namespace pattik
