#pragma once

#include "image/save_failure.h"

#include <cstdio>
#include <string>
#include <utility>

struct stat;

namespace pattik {

// Writes a file so that no failure leaves a truncated one behind: the bytes go to a
// temporary file beside the target, which takes the target's place only once all of it
// reached the disk. The target keeps its permission bits; a symbolic link keeps pointing
// at the file it named. A device (/dev/null, a disk) cannot be replaced and is written in
// place; a folder, FIFO or socket is refused, as nothing there takes a picture.
class SafeFileWriter {
  public:
    // The path is a narrow string handed to the system as it is (UTF-8 on our platforms);
    // Open refuses an empty one and one holding a NUL byte.
    explicit SafeFileWriter(std::string targetPath) : path(std::move(targetPath)) {}
    // Abandons a file that was not committed.
    ~SafeFileWriter();
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    // False, with the reason in Failure and ErrorNumber, when there is nothing to write to.
    // Never waits for another process: a FIFO is refused, not opened.
    bool Open();
    // Valid between a successful Open and Commit or Abandon.
    std::FILE* Handle() const { return file; }
    // The file Replace puts the bytes in, its symbolic links followed; empty before Open.
    const std::string& TargetPath() const { return target; }
    // Whether the file is written where it is (a device), with nothing to replace.
    bool WritesInPlace() const { return inPlace; }
    // Makes what was written the target's content. False, with the target as it was, when
    // any write, the flush, the sync, the close or the replacement failed.
    bool Commit() { return Prepare() && Replace(); }
    // The two halves of Commit, for files that must replace their targets together: every
    // file is prepared before any replaces its target. Prepare puts what was written on the
    // disk in the temporary file (flush, sync, close); false, removing it, when any of that
    // failed. Replace then puts it in the target's place; false, with the target as it was.
    bool Prepare();
    bool Replace();
    // Drops what was written; the target stays as it was.
    void Abandon();
    // Why the last Open or Commit failed.
    SaveFailure Failure() const { return failure; }
    // The errno value of the last failure, or 0 when the system gave none.
    int ErrorNumber() const { return errorNumber; }

  private:
    // Always false, to return from the failing step.
    bool Fail(SaveFailure cause, int error);
    bool OpenInPlace();
    // existing: the regular file to be replaced, or null for a new one.
    bool OpenTemporary(const struct stat* existing);
    void RemoveTemporary();

    std::string path;
    std::string target;    // path with its symbolic links followed
    std::string temporary; // empty when writing in place or once committed
    std::FILE* file = nullptr;
    bool inPlace = false;
    bool prepared = false;
    SaveFailure failure = SaveFailure::None;
    int errorNumber = 0;
};

} // namespace pattik
