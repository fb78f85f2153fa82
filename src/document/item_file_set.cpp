// Writing an item's files as one set: every picture is encoded and reaches the disk in a
// temporary file beside its target before any file is replaced, so a failure on the way
// leaves the old set as it was; afterwards each file is read back and compared.
#include "document/item_files.h"

#include "image/memory_stream.h"
#include "image/output_names.h"
#include "image/safe_file_writer.h"
#include "image/write_gif.h"
#include "res/string_table.h"

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
    for (PendingFile& file : files) {
        if (!file.writer->Replace()) {
            result.failures.push_back(FailureOf(file.fileName, file.writer->Failure(),
                                                file.writer->ErrorNumber(),
                                                "cannot replace " + file.fileName));
            continue;
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
