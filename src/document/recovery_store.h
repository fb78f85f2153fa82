#pragma once

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace pattik {

// Where recovery records live: $XDG_STATE_HOME/pattik, else ~/.local/state/pattik; empty
// when there is no home to put it in.
std::string RecoveryFolder();

// This editor's recovery record, and the records that editors no longer running left
// behind. Each running editor holds a lock on a lock file of its own, which the system
// lets go however the editor ends (a crash or kill -9 included): a record whose lock can be
// taken belongs to no running editor, and a running editor's record is never offered.
class RecoveryStore {
  public:
    // Creates the folder when missing and takes this editor's lock.
    explicit RecoveryStore(std::string folder);
    // Lets go of the lock; the record stays unless Clear came first.
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;

    // Whether the folder and the lock could be had; without them nothing is kept.
    bool Usable() const { return lock_ >= 0; }

    // Each Clear starts a new era; a record made in an earlier one (a write that was on its
    // way while the work was saved) is not written. Safe to call from a second thread.
    std::uint64_t Era() const;
    // Replaces this editor's record with the bytes, atomically; false when it could not.
    bool Write(const std::vector<std::uint8_t>& bytes, std::uint64_t era);
    // Removes this editor's record: the work was saved or let go.
    void Clear();

    // The records of editors no longer running, newest first.
    std::vector<std::string> OrphanRecords() const;
    // An orphan's bytes, or nothing when it cannot be read.
    static std::optional<std::vector<std::uint8_t>> ReadRecord(const std::string& path);
    // Removes an orphan once recovered or let go, with its lock file.
    static void Discard(const std::string& path);
    // Keeps a damaged orphan aside (as "....damaged"), where it is never offered again.
    static void SetAside(const std::string& path);

    const std::string& RecordPath() const { return record_; }

  private:
    std::string folder_;
    std::string record_;
    std::string lockPath_;
    int lock_ = -1;
    mutable std::mutex mutex_;
    std::uint64_t era_ = 0;
};

} // namespace pattik
