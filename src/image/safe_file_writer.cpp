#include "image/safe_file_writer.h"

#include <cerrno>
#include <chrono>
#include <cstdint>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pattik {
namespace {

// What fopen(path, "wb") asks for; the umask takes its share as usual.
constexpr mode_t kNewFileMode = S_IRUSR | S_IWUSR | S_IRGRP | S_IWGRP | S_IROTH | S_IWOTH;
constexpr mode_t kPermissionBits = S_IRWXU | S_IRWXG | S_IRWXO;
// As the system's own limit on symbolic links in one lookup.
constexpr int kMaxLinkHops = 40;
// The longest file name most file systems take, in bytes.
constexpr std::size_t kMaxNameBytes = 255;
constexpr const char kTemporaryMark[] = ".tmp-";
constexpr std::size_t kSuffixLength = 6;
constexpr int kMaxNameAttempts = 100;
constexpr const char kSuffixAlphabet[] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
// The steps of the SplitMix64 generator.
constexpr std::uint64_t kSplitMixGamma = 0x9E3779B97F4A7C15ull;
constexpr std::uint64_t kSplitMixFirstMultiplier = 0xBF58476D1CE4E5B9ull;
constexpr std::uint64_t kSplitMixSecondMultiplier = 0x94D049BB133111EBull;
constexpr std::size_t kUtf8ContinuationMask = 0xC0;
constexpr std::size_t kUtf8Continuation = 0x80;

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool ReadLink(const std::string& link, std::size_t sizeHint, std::string& contents) {
    // Links under /proc report a size of 0, so the buffer grows until the text fits.
    contents.assign(sizeHint + 1, '\0');
    for (;;) {
        const ssize_t length = readlink(link.c_str(), contents.data(), contents.size());
        if (length < 0) {
            return false;
        }
        if (static_cast<std::size_t>(length) < contents.size()) {
            contents.resize(static_cast<std::size_t>(length));
            return true;
        }
        contents.resize(contents.size() * 2);
    }
}

// The file a path names once its symbolic links are followed, existing or not: a link to a
// missing file is saved as that file, as fopen would.
int FollowLinks(const std::string& path, std::string& resolved) {
    std::string current = path;
    for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
        struct stat status {};
        if (lstat(current.c_str(), &status) != 0) {
            if (errno != ENOENT) {
                return errno;
            }
            resolved = current;
            return 0;
        }
        if (!S_ISLNK(status.st_mode)) {
            resolved = current;
            return 0;
        }
        std::string contents;
        if (!ReadLink(current, static_cast<std::size_t>(status.st_size), contents)) {
            return errno;
        }
        current =
            !contents.empty() && contents[0] == '/' ? contents : DirectoryOf(current) + contents;
    }
    return ELOOP;
}

// The temporary's name: the target's, cut at a character boundary if the mark would make
// it longer than a file name may be.
std::string TemporaryStem(const std::string& target) {
    const std::string directory = DirectoryOf(target);
    std::string name = target.substr(directory.size());
    const std::size_t room = kMaxNameBytes - (sizeof kTemporaryMark - 1) - kSuffixLength;
    if (name.size() > room) {
        std::size_t cut = room;
        while (cut > 0 && (std::uint8_t(name[cut]) & kUtf8ContinuationMask) == kUtf8Continuation) {
            --cut;
        }
        name.resize(cut);
    }
    return directory + name + kTemporaryMark;
}

std::string RandomSuffix() {
    // O_EXCL makes the name safe; the randomness only keeps attempts from colliding.
    thread_local std::uint64_t state =
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
        (static_cast<std::uint64_t>(getpid()) << 32);
    state += kSplitMixGamma;
    std::uint64_t mixed = state;
    mixed = (mixed ^ (mixed >> 30)) * kSplitMixFirstMultiplier;
    mixed = (mixed ^ (mixed >> 27)) * kSplitMixSecondMultiplier;
    mixed ^= mixed >> 31;
    std::string suffix;
    for (std::size_t i = 0; i < kSuffixLength; ++i) {
        suffix += kSuffixAlphabet[mixed % (sizeof kSuffixAlphabet - 1)];
        mixed /= sizeof kSuffixAlphabet - 1;
    }
    return suffix;
}

// Errors fsync gives for files that have nothing to sync, such as terminals and /dev/null.
bool NothingToSync(int error) {
    return error == EINVAL || error == EROFS || error == ENOTSUP;
}

// The kinds of node that are written in place rather than replaced.
bool IsDevice(mode_t mode) {
    return S_ISCHR(mode) || S_ISBLK(mode);
}

void SyncDirectoryOf(const std::string& target) {
    const std::string directory = DirectoryOf(target);
    const int fd =
        open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

} // namespace

SafeFileWriter::~SafeFileWriter() {
    Abandon();
}

bool SafeFileWriter::Open() {
    if (file != nullptr) {
        return Fail(SaveFailure::System, EBUSY);
    }
    // An empty path names no file; the system would end a path at a NUL byte and so write a
    // file other than the one the caller named.
    if (path.empty() || path.find('\0') != std::string::npos) {
        return Fail(SaveFailure::InvalidPath, 0);
    }
    const int linkError = FollowLinks(path, target);
    if (linkError != 0) {
        return Fail(SaveFailure::System, linkError);
    }
    struct stat status {};
    if (stat(target.c_str(), &status) != 0) {
        if (errno != ENOENT) {
            return Fail(SaveFailure::System, errno);
        }
        return OpenTemporary(nullptr);
    }
    if (S_ISREG(status.st_mode)) {
        return OpenTemporary(&status);
    }
    if (S_ISDIR(status.st_mode)) {
        return Fail(SaveFailure::NotAFileOrDevice, EISDIR);
    }
    // Opening a FIFO for writing waits until some process reads it, perhaps for ever.
    if (!IsDevice(status.st_mode)) {
        return Fail(SaveFailure::NotAFileOrDevice, 0);
    }
    // A device node replaced by a regular file would break whoever relies on it.
    return OpenInPlace();
}

bool SafeFileWriter::OpenInPlace() {
    inPlace = true;
    // Non-blocking, so that a FIFO put in the device's place since the stat cannot hold the
    // open up; no O_TRUNC, which devices ignore anyway, so a regular file put there is not
    // emptied before it is refused.
    const int fd = open(target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return Fail(SaveFailure::System, errno);
    }
    struct stat status {};
    if (fstat(fd, &status) != 0) {
        const int error = errno;
        close(fd);
        return Fail(SaveFailure::System, error);
    }
    if (!IsDevice(status.st_mode)) {
        close(fd);
        return Fail(SaveFailure::NotAFileOrDevice, 0);
    }
    // Writes to the device itself wait for it as usual.
    const int flags = fcntl(fd, F_GETFL);
    if (flags < 0 || fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        const int error = errno;
        close(fd);
        return Fail(SaveFailure::System, error);
    }
    file = fdopen(fd, "wb");
    if (file == nullptr) {
        const int error = errno;
        close(fd);
        return Fail(SaveFailure::System, error);
    }
    failure = SaveFailure::None;
    errorNumber = 0;
    errno = 0;
    return true;
}

bool SafeFileWriter::OpenTemporary(const struct stat* existing) {
    inPlace = false;
    const std::string stem = TemporaryStem(target);
    int fd = -1;
    for (int attempt = 0; attempt < kMaxNameAttempts && fd < 0; ++attempt) {
        temporary = stem + RandomSuffix();
        // Created as fopen would create the target, so the umask and default ACLs apply.
        fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
        if (fd < 0 && errno != EEXIST) {
            break;
        }
    }
    if (fd < 0) {
        const int error = errno;
        temporary.clear();
        return Fail(SaveFailure::System, error);
    }
    if (existing != nullptr) {
        // Overwriting keeps a file's owner; a replacement keeps it where we are allowed to.
        if (existing->st_uid != geteuid() || existing->st_gid != getegid()) {
            [[maybe_unused]] const int ignored = fchown(fd, existing->st_uid, existing->st_gid);
        }
        if (fchmod(fd, existing->st_mode & kPermissionBits) != 0) {
            const int error = errno;
            close(fd);
            RemoveTemporary();
            return Fail(SaveFailure::System, error);
        }
    }
    file = fdopen(fd, "wb");
    if (file == nullptr) {
        const int error = errno;
        close(fd);
        RemoveTemporary();
        return Fail(SaveFailure::System, error);
    }
    failure = SaveFailure::None;
    errorNumber = 0;
    // Whatever errno says from here on was left by a write.
    errno = 0;
    return true;
}

bool SafeFileWriter::Prepare() {
    if (file == nullptr) {
        return Fail(SaveFailure::System, EBADF);
    }
    int failed = 0;
    if (std::ferror(file) != 0) {
        // The failed write left its reason behind; stdio keeps no copy of it.
        failed = errno != 0 ? errno : EIO;
    } else if (std::fflush(file) != 0) {
        failed = errno;
    } else if (fsync(fileno(file)) != 0 && !(inPlace && NothingToSync(errno))) {
        failed = errno;
    }
    const int closed = std::fclose(file);
    file = nullptr;
    if (failed == 0 && closed != 0) {
        failed = errno;
    }
    if (failed != 0) {
        RemoveTemporary();
        return Fail(SaveFailure::System, failed);
    }
    prepared = true;
    return true;
}

bool SafeFileWriter::Replace() {
    if (!prepared) {
        return Fail(SaveFailure::System, EBADF);
    }
    prepared = false;
    if (!inPlace && std::rename(temporary.c_str(), target.c_str()) != 0) {
        const int failed = errno;
        RemoveTemporary();
        return Fail(SaveFailure::System, failed);
    }
    if (!inPlace) {
        temporary.clear();
        // The file is in place by now; a failed directory sync cannot undo that.
        SyncDirectoryOf(target);
    }
    return true;
}

void SafeFileWriter::Abandon() {
    if (file != nullptr) {
        std::fclose(file);
        file = nullptr;
    }
    RemoveTemporary();
}

bool SafeFileWriter::Fail(SaveFailure cause, int error) {
    failure = cause;
    errorNumber = error;
    return false;
}

void SafeFileWriter::RemoveTemporary() {
    if (!temporary.empty()) {
        unlink(temporary.c_str());
        temporary.clear();
    }
}

} // namespace pattik
