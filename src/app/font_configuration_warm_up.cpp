#include "app/font_configuration_warm_up.h"

#include <fontconfig/fontconfig.h>
#include <sys/resource.h>
#include <unistd.h>

#include <system_error>

namespace pattik {
namespace {

// On Linux a nice value belongs to one thread: this lowers the reader's alone.
constexpr int kLowestPriority = 19;

} // namespace

FontConfigurationWarmUp::FontConfigurationWarmUp() {
    try {
        // The font library makes its one configuration safely however many threads ask
        // for it at once: it keeps the first complete copy and hands every thread that one.
        reader_ = std::thread([this] {
            setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), kLowestPriority);
            FcInit();
            finished_.store(true, std::memory_order_release);
        });
    } catch (const std::system_error&) {
        // No thread to spare: Qt reads the configuration itself when it first needs it.
    }
}

FontConfigurationWarmUp::~FontConfigurationWarmUp() {
    if (reader_.joinable()) {
        reader_.join();
    }
}

void FontConfigurationWarmUp::HandOver() {
    if (reader_.joinable() && finished_.load(std::memory_order_acquire)) {
        reader_.join();
    }
}

} // namespace pattik
