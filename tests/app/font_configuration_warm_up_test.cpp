#include "app/font_configuration_warm_up.h"

#include <QFontDatabase>
#include <QStringList>
#include <gtest/gtest.h>

namespace pattik::testing {
namespace {

// The editor waits once; an early return (a failed start) waits in the destructor. Either
// way Qt's font database then reads the configuration the second thread loaded.
TEST(FontConfigurationWarmUp, WaitingOnceTwiceOrNeverLeavesTheFontsReadable) {
    {
        FontConfigurationWarmUp warmUp;
        warmUp.Wait();
        warmUp.Wait();
    }
    { FontConfigurationWarmUp abandoned; }
    EXPECT_TRUE(QFontDatabase::families().contains(QStringLiteral("NanumGothic")));
}

} // namespace
} // namespace pattik::testing
