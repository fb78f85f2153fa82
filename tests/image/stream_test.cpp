#include "image/memory_stream.h"
#include "image/stdio_stream.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include <fcntl.h>
#include <unistd.h>

namespace pattik {
namespace {

bool DescriptorIsOpen(int fd) {
    return fcntl(fd, F_GETFD) != -1;
}

class StreamStdio : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_NE(handle, nullptr); }
    void TearDown() override { std::fclose(handle); }

    std::FILE* handle = std::tmpfile();
};

TEST_F(StreamStdio, MovesBytesThroughTheCallersHandle) {
    StdioStream stream(handle);
    EXPECT_EQ(stream.Write("GIF89a", 1, 6), 6u);
    EXPECT_TRUE(stream.PutC(0xE7));
    EXPECT_TRUE(stream.Flush());
    EXPECT_EQ(stream.Tell(), 7);
    EXPECT_TRUE(stream.Seek(-4, SeekOrigin::End));
    EXPECT_EQ(stream.GetC(), '8');
    EXPECT_TRUE(stream.Seek(1, SeekOrigin::Current));
    EXPECT_EQ(stream.GetC(), 'a');
    EXPECT_EQ(stream.GetC(), 0xE7) << "a byte above 127 must not read as negative";
    EXPECT_FALSE(stream.Eof());
    EXPECT_EQ(stream.GetC(), -1);
    EXPECT_TRUE(stream.Eof());
    EXPECT_EQ(stream.Error(), 0);
    EXPECT_FALSE(stream.Seek(-1, SeekOrigin::Start));

    char bytes[3] = {};
    ASSERT_TRUE(stream.Seek(0, SeekOrigin::Start));
    EXPECT_EQ(stream.Read(bytes, 3, 1), 1u);
    EXPECT_EQ(std::memcmp(bytes, "GIF", 3), 0);
}

TEST_F(StreamStdio, SizeLeavesThePositionWhereItWas) {
    StdioStream stream(handle);
    stream.Write("0123456789", 1, 10);
    ASSERT_TRUE(stream.Seek(3, SeekOrigin::Start));
    EXPECT_EQ(stream.Size(), 10);
    EXPECT_EQ(stream.Tell(), 3);
    EXPECT_EQ(stream.GetC(), '3');
}

TEST_F(StreamStdio, NeverClosesTheCallersHandle) {
    const int fd = fileno(handle);
    {
        StdioStream stream(handle);
        EXPECT_TRUE(stream.Close());
        EXPECT_EQ(stream.GetHandle(), handle) << "Close must not forget a handle it may not close";
        EXPECT_TRUE(stream.PutC('x'));
    }
    EXPECT_TRUE(DescriptorIsOpen(fd));
    EXPECT_EQ(std::fputc('y', handle), 'y');
    EXPECT_EQ(std::fflush(handle), 0);
}

TEST_F(StreamStdio, ReportsTheHandlesErrorFlag) {
    std::FILE* readOnly = std::fopen("/dev/null", "rb");
    ASSERT_NE(readOnly, nullptr);
    StdioStream stream(readOnly);
    EXPECT_FALSE(stream.PutC('x'));
    EXPECT_NE(stream.Error(), 0);
    std::fclose(readOnly);
}

TEST(StreamStdioWithoutHandle, AnswersAsAStreamWithNoFile) {
    StdioStream stream;
    char byte = 0;
    EXPECT_TRUE(stream.Close());
    EXPECT_EQ(stream.Read(&byte, 1, 1), 0u);
    EXPECT_EQ(stream.Write(&byte, 1, 1), 0u);
    EXPECT_FALSE(stream.Seek(0, SeekOrigin::Start));
    EXPECT_EQ(stream.Tell(), 0);
    EXPECT_EQ(stream.Size(), -1);
    EXPECT_FALSE(stream.Flush());
    EXPECT_TRUE(stream.Eof());
    EXPECT_EQ(stream.Error(), -1);
    EXPECT_FALSE(stream.PutC('x'));
    EXPECT_EQ(stream.GetC(), -1);
}

TEST(StreamStdioWithoutHandle, ClosesTheFileItOpenedItself) {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("pattik-stream-" + std::to_string(getpid()));
    StdioStream stream;
    ASSERT_TRUE(stream.Open(path.c_str(), "wb"));
    EXPECT_FALSE(stream.Open(path.c_str(), "wb")) << "a second file would leak the first";
    const int fd = fileno(stream.GetHandle());
    EXPECT_TRUE(stream.PutC('x'));
    EXPECT_TRUE(stream.Close());
    EXPECT_EQ(stream.GetHandle(), nullptr);
    EXPECT_FALSE(DescriptorIsOpen(fd));
    EXPECT_EQ(std::filesystem::file_size(path), 1u) << "Close flushes what was written";
    std::filesystem::remove(path);
}

TEST(StreamStdioWithHandle, RefusesToOpenAnotherFile) {
    StdioStream stream(stdout);
    EXPECT_FALSE(stream.Open("/dev/null", "wb"));
    EXPECT_EQ(stream.GetHandle(), stdout);
}

TEST(StreamMemory, BehavesAsAFile) {
    MemoryStream stream;
    EXPECT_EQ(stream.Write("abcd", 2, 2), 2u);
    EXPECT_TRUE(stream.PutC('e'));
    EXPECT_EQ(stream.Size(), 5);
    EXPECT_TRUE(stream.Seek(7, SeekOrigin::Start));
    EXPECT_TRUE(stream.PutC('z'));
    EXPECT_EQ(stream.Data(), (std::vector<std::uint8_t>{'a', 'b', 'c', 'd', 'e', 0, 0, 'z'}))
        << "a seek past the end leaves a gap of zeros";
    EXPECT_FALSE(stream.Seek(-9, SeekOrigin::End));
    EXPECT_EQ(stream.Tell(), 8) << "a refused seek keeps the position";

    ASSERT_TRUE(stream.Seek(-8, SeekOrigin::Current));
    char bytes[6] = {};
    EXPECT_EQ(stream.Read(bytes, 2, 2), 2u);
    EXPECT_EQ(std::memcmp(bytes, "abcd", 4), 0);
    EXPECT_EQ(stream.Read(bytes, 3, 2), 1u) << "only whole elements are read";
    EXPECT_EQ(stream.Tell(), 8) << "as fread, a partial element is consumed";
    EXPECT_TRUE(stream.Eof());
    EXPECT_EQ(stream.GetC(), -1);
    ASSERT_TRUE(stream.Seek(-1, SeekOrigin::End));
    EXPECT_FALSE(stream.Eof()) << "a seek clears the end-of-file flag";
    EXPECT_EQ(stream.GetC(), 'z');
    EXPECT_EQ(stream.Error(), 0);
    EXPECT_TRUE(stream.Flush());
}

TEST(StreamMemory, FailingWritesChangeNothingAndSetTheError) {
    MemoryStream stream({1, 2, 3});
    stream.FailWrites(true);
    EXPECT_EQ(stream.Write("ab", 1, 2), 0u);
    EXPECT_FALSE(stream.PutC('x'));
    EXPECT_FALSE(stream.Flush());
    EXPECT_NE(stream.Error(), 0);
    EXPECT_EQ(stream.Data(), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(stream.Tell(), 0);

    stream.FailWrites(false);
    EXPECT_NE(stream.Error(), 0) << "the error stays until cleared";
    stream.ClearError();
    EXPECT_TRUE(stream.PutC('x'));
    EXPECT_EQ(stream.Error(), 0);
}

} // namespace
} // namespace pattik
