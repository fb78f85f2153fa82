#include "document/item_files.h"

#include "catalogue/catalogue.h"
#include "image/output_names.h"
#include "image/read_gif.h"
#include "image/write_gif.h"
#include "res/string_table.h"

#include <sys/stat.h>

#include <cerrno>
#include <string_view>

namespace pattik {
namespace {

bool Exists(const std::string& path) {
    struct stat status {};
    return !path.empty() && stat(path.c_str(), &status) == 0;
}

// The wear file of a companion's base, when the base ends with the companion's suffix and
// that wear file is there.
std::optional<std::string> WearOfCompanion(const std::string& base, std::string_view suffix) {
    if (base.size() <= suffix.size() || !base.ends_with(suffix) ||
        base[base.size() - suffix.size() - 1] == '/') {
        return std::nullopt;
    }
    const std::string wear =
        OutputNamesFor(base.substr(0, base.size() - suffix.size()) + ".gif").wear;
    return Exists(wear) ? std::optional(wear) : std::nullopt;
}

std::string ReadFailureText(const GifReadResult& read) {
    switch (read.failure) {
    case GifReadFailure::None:
        return "";
    case GifReadFailure::CannotOpen:
        switch (read.errorNumber) {
        case ENOENT:
        case ENOTDIR:
            return std::string(kNoSuchFileText);
        case EACCES:
        case EPERM:
            return std::string(kCannotReadText);
        case ENAMETOOLONG:
            return std::string(kNameTooLongText);
        default:
            return std::string(kCannotReadText);
        }
    case GifReadFailure::NotAFile:
        return std::string(kNotARegularFileText);
    case GifReadFailure::TooLarge:
        return std::string(kFileTooLargeText);
    case GifReadFailure::NotGif:
        return std::string(kNotGifText);
    case GifReadFailure::Damaged:
        return std::string(kDamagedGifText);
    case GifReadFailure::NoPicture:
        return std::string(kNoPictureInGifText);
    case GifReadFailure::NotOnePicture:
        return std::string(kNotOnePictureText);
    }
    return std::string(kCannotReadText);
}

std::string SizeText(int width, int height) {
    return std::to_string(width) + " x " + std::to_string(height);
}

// Reads one picture that must have the given size; the problem names the file.
std::optional<DeviceBitmap> ReadPicture(const std::string& path, Size size, std::string& problem) {
    GifReadResult read = ReadGifFile(path);
    if (!read.Succeeded()) {
        problem = path + ": " + ReadFailureText(read);
        return std::nullopt;
    }
    if (read.picture.Width() != size.cx || read.picture.Height() != size.cy) {
        problem = path + ": " + std::string(kWrongPictureSizePrefix) +
                  SizeText(read.picture.Width(), read.picture.Height()) +
                  std::string(kWrongPictureSizeMiddle) + SizeText(size.cx, size.cy) +
                  std::string(kWrongPictureSizeSuffix);
        return std::nullopt;
    }
    return std::move(read.picture);
}

} // namespace

ItemFilePaths ItemFilePathsFor(const std::string& chosen) {
    const std::string base = GifBaseName(chosen);
    std::optional<std::string> wear = WearOfCompanion(base, "DP");
    if (!wear) {
        wear = WearOfCompanion(base, "Rp");
    }
    if (!wear) {
        wear = Exists(chosen) ? chosen : OutputNamesFor(chosen).wear;
    }
    if (wear->empty()) {
        wear = chosen; // no name to save under: reading it reports why
    }
    const OutputNames names = OutputNamesFor(*wear);
    return ItemFilePaths{*wear, names.dp, names.hair};
}

ItemReadResult ReadItemFiles(const std::string& chosen) {
    ItemReadResult result;
    result.paths = ItemFilePathsFor(chosen);
    ItemFilePictures pictures;
    std::optional<DeviceBitmap> wear =
        ReadPicture(result.paths.wear, kWearImageSize, result.problem);
    if (!wear) {
        return result;
    }
    pictures.wear = std::move(*wear);
    // A missing companion is no fault: the wear picture alone is worth opening. A companion
    // that is there but is not one of the item's pictures refuses the item.
    if (!result.paths.dp.empty() && Exists(result.paths.dp)) {
        pictures.dp = ReadPicture(result.paths.dp, kDpImageSize, result.problem);
        if (!pictures.dp) {
            return result;
        }
    }
    if (!result.paths.hair.empty() && Exists(result.paths.hair)) {
        pictures.hair = ReadPicture(result.paths.hair, kHairImageSize, result.problem);
        if (!pictures.hair) {
            return result;
        }
    }
    result.pictures = std::move(pictures);
    return result;
}

namespace {

// Converts one composed bitmap and writes it, noting in the result whether it got there.
void WriteFile(const std::string& fileName, const DeviceBitmap& bitmap, OutputResult& result) {
    CxImageGif picture;
    SaveResult saved;
    if (!picture.LoadFromDeviceBitmap(&bitmap)) {
        // A bitmap with pixels fails to load only when there is no memory for the copy.
        saved.cause = bitmap.IsEmpty() ? SaveFailure::EmptyPicture : SaveFailure::OutOfMemory;
        saved.reason = picture.GetLastError();
    } else {
        saved = WriteGif(fileName, picture);
        if (saved.Succeeded()) {
            result.written.push_back(fileName);
            return;
        }
    }
    result.failures.push_back(
        OutputResult::Failure{fileName, saved.reason, saved.cause, saved.errorNumber});
}

} // namespace

OutputResult WriteItemFiles(const std::string& path, const OutputPictures& pictures) {
    const OutputNames names = OutputNamesFor(path);
    OutputResult result;
    WriteFile(names.wear, pictures.wear, result);
    WriteFile(names.dp, pictures.dp, result);
    if (pictures.hair) {
        WriteFile(names.hair, *pictures.hair, result);
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
