#include "document/recovery_store.h"

#include "image/safe_file_writer.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace pattik {
namespace {

namespace fs = std::filesystem;

constexpr const char* kRecordExtension = ".record";
constexpr const char* kLockExtension = ".lock";
constexpr const char* kDamagedExtension = ".damaged";
// A record is a few hundred kilobytes; anything far larger is no record of ours.
constexpr std::uintmax_t kLargestRecord = 16u << 20;

std::string LockPathOf(const std::string& record) {
    return record.substr(0, record.size() - std::string(kRecordExtension).size()) + kLockExtension;
}

// Whether a running editor holds the lock: one that is free is taken for a moment to tell.
bool HeldByARunningEditor(const std::string& lockPath) {
    const int file = open(lockPath.c_str(), O_RDONLY | O_CLOEXEC);
    if (file < 0) {
        return false;
    }
    const bool held = flock(file, LOCK_EX | LOCK_NB) != 0;
    close(file);
    return held;
}

} // namespace

std::string RecoveryFolder() {
    const char* state = std::getenv("XDG_STATE_HOME");
    if (state != nullptr && state[0] == '/') {
        return std::string(state) + "/pattik";
    }
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') {
        return std::string(home) + "/.local/state/pattik";
    }
    return {};
}

RecoveryStore::RecoveryStore(std::string folder) : folder_(std::move(folder)) {
    std::error_code error;
    if (folder_.empty() ||
        (!fs::create_directories(folder_, error) && !fs::is_directory(folder_))) {
        return;
    }
    // The process id and the clock: two editors never share a name, even across restarts.
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const std::string id =
        std::to_string(getpid()) + "-" +
        std::to_string(std::chrono::duration_cast<std::chrono::microseconds>(now).count());
    record_ = folder_ + "/" + id + kRecordExtension;
    lockPath_ = folder_ + "/" + id + kLockExtension;
    const int file = open(lockPath_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (file < 0) {
        return;
    }
    if (flock(file, LOCK_EX | LOCK_NB) != 0) {
        close(file);
        return;
    }
    lock_ = file;
}

RecoveryStore::~RecoveryStore() {
    if (lock_ >= 0) {
        // A record left here is a crash's (the window clears it on a clean exit): its lock
        // file stays beside it, free, so the next editor offers it.
        std::error_code error;
        if (!fs::exists(record_, error)) {
            unlink(lockPath_.c_str());
        }
        close(lock_);
    }
}

std::uint64_t RecoveryStore::Era() const {
    const std::lock_guard<std::mutex> guard(mutex_);
    return era_;
}

bool RecoveryStore::Write(const std::vector<std::uint8_t>& bytes, std::uint64_t era) {
    const std::lock_guard<std::mutex> guard(mutex_);
    if (lock_ < 0 || era != era_) {
        return false;
    }
    SafeFileWriter file(record_);
    if (!file.Open()) {
        return false;
    }
    if (std::fwrite(bytes.data(), 1, bytes.size(), file.Handle()) != bytes.size()) {
        file.Abandon();
        return false;
    }
    return file.Commit();
}

void RecoveryStore::Clear() {
    const std::lock_guard<std::mutex> guard(mutex_);
    ++era_;
    if (lock_ >= 0) {
        unlink(record_.c_str());
    }
}

std::vector<std::string> RecoveryStore::OrphanRecords() const {
    std::vector<std::pair<fs::file_time_type, std::string>> found;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder_, error)) {
        const std::string path = entry.path().string();
        if (entry.path().extension() != kRecordExtension || path == record_ ||
            !entry.is_regular_file(error) || HeldByARunningEditor(LockPathOf(path))) {
            continue;
        }
        found.emplace_back(entry.last_write_time(error), path);
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a > b; });
    std::vector<std::string> records;
    for (const auto& [time, path] : found) {
        records.push_back(path);
    }
    return records;
}

std::optional<std::vector<std::uint8_t>> RecoveryStore::ReadRecord(const std::string& path) {
    std::error_code error;
    const std::uintmax_t size = fs::file_size(path, error);
    if (error || size > kLargestRecord) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return std::vector<std::uint8_t>{std::istreambuf_iterator<char>(in), {}};
}

void RecoveryStore::Discard(const std::string& path) {
    unlink(path.c_str());
    unlink(LockPathOf(path).c_str());
}

void RecoveryStore::SetAside(const std::string& path) {
    if (std::rename(path.c_str(), (path + kDamagedExtension).c_str()) != 0) {
        unlink(path.c_str());
    }
    unlink(LockPathOf(path).c_str());
}

} // namespace pattik
