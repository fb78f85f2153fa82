#include "app/font_configuration_warm_up.h"

#include <QFontDatabase>
#include <QStringList>

#include <chrono>
#include <thread>

#include <gtest/gtest.h>

namespace pattik::testing {
namespace {

bool FontsAreReadable() {
    return QFontDatabase::families().contains(QStringLiteral("NanumGothic"));
}

// The editor hands over as soon as its QApplication stands, however far the reader has got:
// Qt's font database may then load the configuration beside a reader still at work.
TEST(FontConfigurationWarmUp, FontsAreReadableWhetherTheReaderHasFinishedOrNot) {
    {
        FontConfigurationWarmUp warmUp;
        warmUp.HandOver();
        EXPECT_TRUE(FontsAreReadable());
        warmUp.HandOver();
    }
    {
        FontConfigurationWarmUp warmUp;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        warmUp.HandOver();
        EXPECT_TRUE(FontsAreReadable());
    }
    // An early return (a failed start) never hands over: the reader is waited for.
    { FontConfigurationWarmUp abandoned; }
    EXPECT_TRUE(FontsAreReadable());
}

} // namespace
} // namespace pattik::testing
