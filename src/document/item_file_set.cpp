// Writing an item's files as one set: every picture is encoded and reaches the disk in a
// temporary file beside its target before any file is replaced, so a failure on the way
// leaves the old set as it was; afterwards each file is read back and compared.
#include "document/item_files.h"

#include "image/memory_stream.h"
#include "image/output_names.h"
#include "image/safe_file_writer.h"
#include "image/write_gif.h"
#include "res/string_table.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>

namespace pattik {
namespace {

// One file of the set on its way to its place.
struct PendingFile {
    std::string fileName;
    const DeviceBitmap* picture = nullptr;
    std::vector<std::uint8_t> bytes;
    std::unique_ptr<SafeFileWriter> writer;
};

OutputResult::Failure FailureOf(const std::string& fileName, SaveFailure cause, int errorNumber,
                                std::string reason) {
    return OutputResult::Failure{fileName, std::move(reason), cause, errorNumber};
}

// The picture's file, whole, in memory.
std::optional<OutputResult::Failure> Encode(PendingFile& file) {
    CxImageGif picture;
    if (!picture.LoadFromDeviceBitmap(file.picture)) {
        // A bitmap with pixels fails to load only when there is no memory for the copy.
        return FailureOf(file.fileName,
                         file.picture->IsEmpty() ? SaveFailure::EmptyPicture
                                                 : SaveFailure::OutOfMemory,
                         0, picture.GetLastError());
    }
    CxImageGif gif;
    const SaveResult made = MakeGifPicture(picture, gif);
    if (!made.Succeeded()) {
        return FailureOf(file.fileName, made.cause, made.errorNumber, made.reason);
    }
    MemoryStream stream;
    if (!gif.Encode(&stream, kImageTypeGif)) {
        return FailureOf(file.fileName, SaveFailure::OutOfMemory, 0, gif.GetLastError());
    }
    file.bytes = stream.Data();
    return std::nullopt;
}

// The bytes in a temporary file beside the target, on the disk.
std::optional<OutputResult::Failure> Prepare(PendingFile& file) {
    file.writer = std::make_unique<SafeFileWriter>(file.fileName);
    SafeFileWriter& writer = *file.writer;
    // The whole English reason, for a log; the message is worded by cause and errno.
    const auto failed = [&](const char* what) {
        const int error = writer.ErrorNumber();
        return FailureOf(
            file.fileName, writer.Failure(), error,
            std::string("Save: cannot ") + what + " " + file.fileName + ": " +
                (error != 0 ? std::strerror(error) : "neither a regular file nor a device"));
    };
    if (!writer.Open()) {
        return failed("open");
    }
    if (std::fwrite(file.bytes.data(), 1, file.bytes.size(), writer.Handle()) !=
            file.bytes.size() ||
        !writer.Prepare()) {
        writer.Abandon();
        return failed("write");
    }
    return std::nullopt;
}

// The old files of the set stay reachable under a second name until every new one is in
// its place, so a replacement that fails halfway puts the old ones back: the set is never
// part new, part old. Hard links cost nothing and live beside their files.
class OldFiles {
  public:
    OldFiles() = default;
    OldFiles(const OldFiles&) = delete;
    OldFiles& operator=(const OldFiles&) = delete;
    // The second names go once the set is in place, or once the old files are back.
    ~OldFiles() {
        for (const Kept& kept : kept_) {
            if (!kept.copy.empty()) {
                unlink(kept.copy.c_str());
            }
        }
    }

    // Keeps the file a target names, when there is one, before it is replaced; an empty
    // target stands for a file that is not replaced.
    void Keep(const std::string& target) {
        Kept kept{target, {}};
        struct stat status {};
        if (!target.empty() && lstat(target.c_str(), &status) == 0 && S_ISREG(status.st_mode)) {
            const std::size_t slash = target.rfind('/');
            const std::string folder =
                slash == std::string::npos ? "" : target.substr(0, slash + 1);
            const std::string name = target.substr(slash == std::string::npos ? 0 : slash + 1);
            for (int attempt = 0; attempt < kAttempts; ++attempt) {
                const std::string copy = folder + "." + name + ".old-" + std::to_string(getpid()) +
                                         "-" + std::to_string(attempt);
                if (link(target.c_str(), copy.c_str()) == 0) {
                    kept.copy = copy;
                    break;
                }
                if (errno != EEXIST) {
                    break; // no second name to be had here: this file cannot be put back
                }
            }
        }
        kept_.push_back(std::move(kept));
    }
    // Puts back the old files of the first count targets, which were replaced; a target
    // that had no old file loses the new one.
    void PutBack(std::size_t count) {
        for (std::size_t i = 0; i < count && i < kept_.size(); ++i) {
            Kept& kept = kept_[i];
            if (kept.target.empty()) {
                continue;
            }
            if (kept.copy.empty()) {
                unlink(kept.target.c_str());
            } else if (std::rename(kept.copy.c_str(), kept.target.c_str()) == 0) {
                kept.copy.clear();
            }
        }
    }

  private:
    static constexpr int kAttempts = 100;
    struct Kept {
        std::string target;
        std::string copy; // empty when there was no old file, or it is back
    };
    std::vector<Kept> kept_;
};

bool ReadsBackAs(const std::string& fileName, const std::vector<std::uint8_t>& bytes) {
    std::ifstream in(fileName, std::ios::binary);
    if (!in) {
        return false;
    }
    const std::vector<std::uint8_t> read{std::istreambuf_iterator<char>(in), {}};
    return read == bytes;
}

} // namespace

OutputResult WriteItemFiles(const std::string& path, const OutputPictures& pictures) {
    return WriteItemFiles(path, pictures, [](const std::string&) {});
}

OutputResult WriteItemFiles(const std::string& path, const OutputPictures& pictures,
                            const std::function<void(const std::string&)>& beforeReplacing) {
    const OutputNames names = OutputNamesFor(path);
    std::vector<PendingFile> files;
    files.push_back(PendingFile{names.wear, &pictures.wear, {}, nullptr});
    files.push_back(PendingFile{names.dp, &pictures.dp, {}, nullptr});
    if (pictures.hair) {
        files.push_back(PendingFile{names.hair, &*pictures.hair, {}, nullptr});
    }
    OutputResult result;
    // Every file is tried, so the message can name each one that cannot be written; the
    // temporary files go with their writers whenever any failed.
    for (PendingFile& file : files) {
        std::optional<OutputResult::Failure> failure = Encode(file);
        if (!failure) {
            failure = Prepare(file);
        }
        if (failure) {
            result.failures.push_back(std::move(*failure));
        }
    }
    if (!result.failures.empty()) {
        return result;
    }
    OldFiles old;
    for (const PendingFile& file : files) {
        // A device is written where it is: there is no old file to keep or put back.
        old.Keep(file.writer->WritesInPlace() ? std::string() : file.writer->TargetPath());
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        PendingFile& file = files[i];
        beforeReplacing(file.fileName);
        if (!file.writer->Replace()) {
            result.failures.push_back(
                FailureOf(file.fileName, file.writer->Failure(), file.writer->ErrorNumber(),
                          std::string("Save: cannot replace ") + file.fileName + ": " +
                              std::strerror(file.writer->ErrorNumber())));
            // The files already replaced get their old ones back; the rest were never
            // touched, and their temporary files go with their writers.
            old.PutBack(i);
            result.written.clear();
            return result;
        }
        result.written.push_back(file.fileName);
    }
    // What is on the disk now must be what was meant: a file that reads back otherwise is a
    // failed save, and the work stays unsaved.
    for (const PendingFile& file : files) {
        if (result.failures.empty() && !ReadsBackAs(file.fileName, file.bytes)) {
            result.failures.push_back(FailureOf(file.fileName, SaveFailure::ReadBackDiffers, 0,
                                                file.fileName + " reads back otherwise"));
        }
    }
    return result;
}

OutputResult ComposeOutput(const CEditPanel& panel, const std::string& path) {
    return WriteItemFiles(path, panel.ComposeOutputPictures());
}

std::string SaveFailureText(SaveFailure cause, int errorNumber) {
    switch (cause) {
    case SaveFailure::None:
        return "";
    case SaveFailure::EmptyPicture:
    case SaveFailure::ZeroArea:
    case SaveFailure::PictureTooLarge:
    case SaveFailure::UnsupportedFormat:
        return std::string(kPictureNotWritableText);
    case SaveFailure::OutOfMemory:
        return std::string(kOutOfMemoryText);
    case SaveFailure::InvalidPath:
        return std::string(kInvalidFileNameText);
    case SaveFailure::NotAFileOrDevice:
        return std::string(kNotAFileText);
    case SaveFailure::ReadBackDiffers:
        return std::string(kReadBackDiffersText);
    case SaveFailure::System:
        break;
    }
    switch (errorNumber) {
    case ENOENT:
    case ENOTDIR:
        return std::string(kNoSuchFolderText);
    case EACCES:
    case EPERM:
        return std::string(kNoPermissionText);
    case EROFS:
        return std::string(kReadOnlyText);
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return std::string(kDiskFullText);
    case EISDIR:
        return std::string(kNotAFileText);
    case ENAMETOOLONG:
        return std::string(kNameTooLongText);
    default:
        return std::string(kCannotWriteText);
    }
}

} // namespace pattik
