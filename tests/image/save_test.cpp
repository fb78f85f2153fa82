#include "image/cximage.h"
#include "image/memory_stream.h"
#include "image/stdio_stream.h"
#include "support/raster/file_size_limit.h"
#include "support/raster/temporary_folder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pattik {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

const Bytes kOldContent = {'o', 'l', 'd', ' ', 'f', 'i', 'l', 'e'};
constexpr std::uint32_t kUnknownType = 3;

Bytes ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const fs::path& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

unsigned ModeOf(const fs::path& path) {
    struct stat status {};
    EXPECT_EQ(stat(path.c_str(), &status), 0) << path;
    return status.st_mode & 07777;
}

// Every name in a folder tree, so a test sees anything a save created or removed.
std::set<std::string> Listing(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        names.insert(entry.path().lexically_relative(folder).string());
    }
    return names;
}

void MakeOnePixelPicture(CxImage& image) {
    ASSERT_NE(image.Create(1, 1, 8, kImageTypeGif), nullptr);
    image.SetPixelIndex(0, 0, 5);
    image.info.TransparentIndex = 0;
}

// A fresh folder per test, and a 1 x 1 picture that encodes to a short GIF.
class SaveFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(folder.empty());
        MakeOnePixelPicture(image);
    }

    std::string PathOf(const char* name) const { return (folder / name).string(); }
    Bytes Encoded() {
        MemoryStream stream;
        EXPECT_TRUE(image.Encode(&stream, kImageTypeGif)) << image.GetLastError();
        return stream.Data();
    }
    void ExpectNoTemporaries() const {
        for (const std::string& name : Listing(folder)) {
            EXPECT_EQ(name.find(".tmp-"), std::string::npos) << "left behind: " << name;
        }
    }

    testing::TemporaryFolder temporary;
    const fs::path folder = temporary.Path();
    CxImage image{kImageTypeGif};
};

struct RefusalCase {
    const char* name;
    std::uint32_t typeCode;
    int width, height; // a negative width leaves the image empty
    SaveFailure cause;
    const char* message;
};

void PrintTo(const RefusalCase& c, std::ostream* out) {
    *out << c.name;
}

class SaveRefusal : public SaveFolder, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(SaveRefusal, LeavesNoNewFileAndKeepsAnOldOne) {
    const RefusalCase c = GetParam();
    CxImage subject(kImageTypeGif);
    if (c.width >= 0) {
        ASSERT_NE(subject.Create(c.width, c.height, 8, kImageTypeGif), nullptr);
    }
    WriteBytes(folder / "old.gif", kOldContent);

    for (const char* name : {"new.gif", "old.gif"}) {
        const SaveResult result = subject.Save(PathOf(name), c.typeCode);
        EXPECT_EQ(result.cause, c.cause) << name;
        EXPECT_EQ(result.errorNumber, 0) << name;
        EXPECT_EQ(result.reason, c.message) << name;
        EXPECT_STREQ(subject.GetLastError(), c.message) << name;
    }

    EXPECT_EQ(Listing(folder), std::set<std::string>{"old.gif"});
    EXPECT_EQ(ReadBytes(folder / "old.gif"), kOldContent);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SaveRefusal,
    ::testing::Values(RefusalCase{"UnknownType", kUnknownType, 1, 1, SaveFailure::UnsupportedFormat,
                                  "Encode: Unknown format"},
                      RefusalCase{"EmptyImage", kImageTypeGif, -1, 0, SaveFailure::EmptyPicture,
                                  "null image!!!"},
                      RefusalCase{"NoRows", kImageTypeGif, 3, 0, SaveFailure::ZeroArea,
                                  "Encode: a GIF needs at least one pixel across and down"}),
    [](const auto& row) { return std::string(row.param.name); });

struct OpenFailureCase {
    const char* name;
    const char* target;
    void (*prepare)(const fs::path& folder);
    SaveFailure cause;
    int errorNumber;
    const char* reason;
};

void PrintTo(const OpenFailureCase& c, std::ostream* out) {
    *out << c.name;
}

class SaveOpenFailure : public SaveFolder, public ::testing::WithParamInterface<OpenFailureCase> {};

TEST_P(SaveOpenFailure, ChangesNothingAndSaysWhy) {
    const OpenFailureCase c = GetParam();
    c.prepare(folder);
    const std::set<std::string> before = Listing(folder);
    const std::string target = PathOf(c.target);

    const SaveResult result = image.Save(target, kImageTypeGif);
    EXPECT_EQ(result.cause, c.cause);
    EXPECT_EQ(result.errorNumber, c.errorNumber);
    EXPECT_EQ(result.reason, "Save: cannot open " + target + ": " + c.reason);
    EXPECT_EQ(image.GetLastError(), result.reason);
    EXPECT_EQ(Listing(folder), before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SaveOpenFailure,
    ::testing::Values(
        OpenFailureCase{"MissingFolder", "missing/item.gif", [](const fs::path&) {},
                        SaveFailure::System, ENOENT, "No such file or directory"},
        // Stands in for an unwritable folder where permission bits do not apply (root).
        OpenFailureCase{"ParentIsAFile", "plain/item.gif",
                        [](const fs::path& f) { WriteBytes(f / "plain", kOldContent); },
                        SaveFailure::System, ENOTDIR, "Not a directory"},
        OpenFailureCase{"Directory", "folder",
                        [](const fs::path& f) { fs::create_directory(f / "folder"); },
                        SaveFailure::NotAFileOrDevice, EISDIR, "Is a directory"},
        OpenFailureCase{"LinkLoop", "loop.gif",
                        [](const fs::path& f) { fs::create_symlink("loop.gif", f / "loop.gif"); },
                        SaveFailure::System, ELOOP, "Too many levels of symbolic links"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(SaveFolder, LongPathFailureKeepsItsWholeReason) {
    // Past the last error text's 255 bytes: there the reason itself would be cut off.
    const std::string target = PathOf("missing/") + std::string(250, 'n') + ".gif";
    const SaveResult result = image.Save(target, kImageTypeGif);
    EXPECT_EQ(result.cause, SaveFailure::System);
    EXPECT_EQ(result.errorNumber, ENOENT);
    EXPECT_EQ(result.reason, "Save: cannot open " + target + ": No such file or directory");
    EXPECT_EQ(image.GetLastError(), result.reason.substr(0, kLastErrorSize - 1));
}

// The read end is held open, so a save that opened the FIFO would not wait but write into
// it, and the test fails instead of hanging.
TEST_F(SaveFolder, FifoIsRefusedAndGetsNoBytes) {
    const fs::path fifo = folder / "pipe.gif";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const int reader = open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);

    const SaveResult result = image.Save(fifo.string(), kImageTypeGif);
    EXPECT_EQ(result.cause, SaveFailure::NotAFileOrDevice);
    EXPECT_EQ(result.errorNumber, 0);
    EXPECT_EQ(result.reason,
              "Save: cannot open " + fifo.string() + ": neither a regular file nor a device");
    char byte = 0;
    EXPECT_LE(read(reader, &byte, 1), 0) << "bytes reached the pipe";
    close(reader);
    EXPECT_TRUE(fs::is_fifo(fifo));
    ExpectNoTemporaries();
}

TEST_F(SaveFolder, PathsNamingNoFileAreRefused) {
    // Cut at its NUL byte, the second path would name new.gif, which must not appear.
    const std::pair<std::string, const char*> paths[] = {
        {"", "Save: cannot open an empty path"},
        {PathOf("new.gif") + std::string(1, '\0') + "x",
         "Save: cannot open a path holding a NUL byte"}};
    for (const auto& [path, reason] : paths) {
        const SaveResult result = image.Save(path, kImageTypeGif);
        EXPECT_EQ(result.cause, SaveFailure::InvalidPath);
        EXPECT_EQ(result.reason, reason);
        EXPECT_STREQ(image.GetLastError(), reason);
    }
    EXPECT_TRUE(Listing(folder).empty());
}

TEST_F(SaveFolder, UnwritableFolderFailsWithoutAFile) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "permission bits do not stop root; ParentIsAFile covers the refusal";
    }
    fs::create_directory(folder / "locked");
    fs::permissions(folder / "locked", fs::perms::owner_read | fs::perms::owner_exec);
    const std::string target = PathOf("locked/item.gif");
    const SaveResult result = image.Save(target, kImageTypeGif);
    EXPECT_EQ(result.cause, SaveFailure::System);
    EXPECT_EQ(result.errorNumber, EACCES);
    EXPECT_EQ(std::string(image.GetLastError()),
              "Save: cannot open " + target + ": Permission denied");
    fs::permissions(folder / "locked", fs::perms::owner_all);
    EXPECT_TRUE(fs::is_empty(folder / "locked"));
}

using testing::FileSizeLimit;

TEST_F(SaveFolder, FailedWriteKeepsTheOldFileByteForByte) {
    WriteBytes(folder / "old.gif", kOldContent);
    SaveResult savedOver;
    SaveResult savedNew;
    {
        const FileSizeLimit limit(kOldContent.size() + 1);
        savedOver = image.Save(PathOf("old.gif"), kImageTypeGif);
        savedNew = image.Save(PathOf("new.gif"), kImageTypeGif);
    }
    EXPECT_EQ(savedOver.cause, SaveFailure::System);
    EXPECT_EQ(savedOver.errorNumber, EFBIG);
    EXPECT_EQ(savedOver.reason, "Save: cannot write " + PathOf("old.gif") + ": File too large");
    EXPECT_FALSE(savedNew.Succeeded());
    EXPECT_EQ(ReadBytes(folder / "old.gif"), kOldContent);
    EXPECT_EQ(Listing(folder), std::set<std::string>{"old.gif"});
}

TEST_F(SaveFolder, FullDeviceFailsAndStaysADevice) {
    // The small picture fails at the final flush, the large one already while being written.
    CxImage large(kImageTypeGif);
    ASSERT_NE(large.Create(256, 64, 8, kImageTypeGif), nullptr);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 256; ++x) {
            large.SetPixelIndex(x, y, std::uint8_t(x ^ y));
        }
    }
    fs::create_symlink("/dev/full", folder / "full.gif");
    for (CxImage* picture : {&image, &large}) {
        for (const std::string& target : {std::string("/dev/full"), PathOf("full.gif")}) {
            const SaveResult result = picture->Save(target, kImageTypeGif);
            EXPECT_EQ(result.cause, SaveFailure::System) << target;
            EXPECT_EQ(result.errorNumber, ENOSPC) << target;
            EXPECT_EQ(std::string(picture->GetLastError()),
                      "Save: cannot write " + target + ": No space left on device");
            EXPECT_TRUE(fs::is_character_file("/dev/full"));
        }
    }
    EXPECT_TRUE(fs::is_symlink(folder / "full.gif"));
    ExpectNoTemporaries();
}

TEST_F(SaveFolder, NullDeviceTakesTheBytesInPlace) {
    EXPECT_TRUE(image.Save("/dev/null", kImageTypeGif).Succeeded()) << image.GetLastError();
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

TEST_F(SaveFolder, NewFileGetsTheModeFopenWouldGive) {
    const mode_t savedMask = umask(027);
    const bool saved = image.Save(PathOf("new.gif"), kImageTypeGif).Succeeded();
    umask(savedMask);
    ASSERT_TRUE(saved) << image.GetLastError();
    EXPECT_EQ(ModeOf(folder / "new.gif"), 0640u);
    EXPECT_EQ(ReadBytes(folder / "new.gif"), Encoded());
    EXPECT_EQ(Listing(folder), std::set<std::string>{"new.gif"});
}

TEST_F(SaveFolder, ReplacedFileKeepsItsModeAndOwner) {
    const fs::path old = folder / "old.gif";
    WriteBytes(old, kOldContent);
    fs::permissions(old, fs::perms(0604));
    // Only root can hand a file to someone else, and only root's save could take it back.
    const bool root = geteuid() == 0;
    constexpr uid_t kOtherUser = 65534;
    if (root) {
        ASSERT_EQ(chown(old.c_str(), kOtherUser, kOtherUser), 0);
    }
    ASSERT_TRUE(image.Save(old.string(), kImageTypeGif).Succeeded()) << image.GetLastError();
    EXPECT_EQ(ReadBytes(old), Encoded());
    EXPECT_EQ(ModeOf(old), 0604u);
    struct stat status {};
    ASSERT_EQ(stat(old.c_str(), &status), 0);
    EXPECT_EQ(status.st_uid, root ? kOtherUser : geteuid());
    ExpectNoTemporaries();
}

TEST_F(SaveFolder, HangulAndLongNamesSave) {
    // 83 three-byte syllables and ".gif": 253 bytes, too long for a temporary beside it.
    std::string longName;
    for (int i = 0; i < 83; ++i) {
        longName += "가";
    }
    longName += ".gif";
    for (const std::string& name : {std::string("아바타.gif"), longName}) {
        ASSERT_TRUE(image.Save((folder / name).string(), kImageTypeGif).Succeeded())
            << image.GetLastError();
        EXPECT_EQ(ReadBytes(folder / name), Encoded()) << name;
    }
    ExpectNoTemporaries();
}

TEST_F(SaveFolder, SymbolicLinkKeepsPointingAtTheUpdatedFile) {
    fs::create_directory(folder / "art");
    WriteBytes(folder / "art/real.gif", kOldContent);
    // Relative links count from the link's folder, not from the working directory.
    fs::create_symlink("art/real.gif", folder / "link.gif");
    fs::create_symlink("art/new.gif", folder / "dangling.gif");

    ASSERT_TRUE(image.Save(PathOf("link.gif"), kImageTypeGif).Succeeded()) << image.GetLastError();
    ASSERT_TRUE(image.Save(PathOf("dangling.gif"), kImageTypeGif).Succeeded())
        << image.GetLastError();

    EXPECT_EQ(fs::read_symlink(folder / "link.gif"), "art/real.gif");
    EXPECT_EQ(fs::read_symlink(folder / "dangling.gif"), "art/new.gif");
    EXPECT_EQ(ReadBytes(folder / "art/real.gif"), Encoded());
    EXPECT_EQ(ReadBytes(folder / "art/new.gif"), Encoded());
    ExpectNoTemporaries();
}

TEST(SaveEncode, NeedsAStream) {
    CxImage image(kImageTypeGif);
    MakeOnePixelPicture(image);
    EXPECT_FALSE(image.Encode(static_cast<ByteStream*>(nullptr), kImageTypeGif));
    EXPECT_STREQ(image.GetLastError(), "null file handler");
    CxImage other(kImageTypeGif);
    MakeOnePixelPicture(other);
    EXPECT_FALSE(other.Encode(static_cast<std::FILE*>(nullptr), kImageTypeGif));
    EXPECT_STREQ(other.GetLastError(), "null file handler");
}

TEST(SaveEncode, FailsWhenTheStreamLosesBytes) {
    CxImage image(kImageTypeGif);
    MakeOnePixelPicture(image);
    MemoryStream failing;
    failing.FailWrites(true);
    EXPECT_FALSE(image.Encode(&failing, kImageTypeGif));
    EXPECT_STRNE(image.GetLastError(), "");
    StdioStream noFile;
    EXPECT_FALSE(image.Encode(&noFile, kImageTypeGif));
}

TEST(SaveEncode, WritesToTheCallersHandleAndLeavesItOpen) {
    CxImage image(kImageTypeGif);
    MakeOnePixelPicture(image);
    MemoryStream memory;
    ASSERT_TRUE(image.Encode(&memory, kImageTypeGif));
    std::FILE* handle = std::tmpfile();
    ASSERT_NE(handle, nullptr);
    ASSERT_TRUE(image.Encode(handle, kImageTypeGif));
    EXPECT_EQ(std::fputc(0x3B, handle), 0x3B) << "the handle must still be open";
    EXPECT_EQ(std::ftell(handle), long(memory.Data().size() + 1));
    std::fclose(handle);
}

} // namespace
} // namespace pattik
