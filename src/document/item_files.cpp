#include "document/item_files.h"

#include "catalogue/catalogue.h"
#include "document/shown_path.h"
#include "image/output_names.h"
#include "image/read_gif.h"
#include "res/batch_strings.h"
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

// Why a file was not read, in Korean and in English.
struct ReadProblemWords {
    std::string_view korean;
    std::string_view english;
};

ReadProblemWords ReadFailureWords(const GifReadResult& read) {
    switch (read.failure) {
    case GifReadFailure::None:
        return {};
    case GifReadFailure::CannotOpen:
        switch (read.errorNumber) {
        case ENOENT:
        case ENOTDIR:
            return {kNoSuchFileText, kNoSuchFileEnglish};
        case ENAMETOOLONG:
            return {kNameTooLongText, kNameTooLongEnglish};
        default:
            return {kCannotReadText, kCannotReadEnglish};
        }
    case GifReadFailure::NotAFile:
        return {kNotARegularFileText, kNotARegularFileEnglish};
    case GifReadFailure::TooLarge:
        return {kFileTooLargeText, kFileTooLargeEnglish};
    case GifReadFailure::NotGif:
        return {kNotGifText, kNotGifEnglish};
    case GifReadFailure::Damaged:
        return {kDamagedGifText, kDamagedGifEnglish};
    case GifReadFailure::NoPicture:
        return {kNoPictureInGifText, kNoPictureInGifEnglish};
    case GifReadFailure::NotOnePicture:
        return {kNotOnePictureText, kNotOnePictureEnglish};
    }
    return {kCannotReadText, kCannotReadEnglish};
}

std::string SizeText(int width, int height) {
    return std::to_string(width) + " x " + std::to_string(height);
}

// Reads one picture that must have the given size; the problem names the file.
std::optional<DeviceBitmap> ReadPicture(const std::string& path, Size size,
                                        ItemReadResult& result) {
    GifReadResult read = ReadGifFile(path);
    const std::string shown = ShownPath(path) + ": ";
    if (!read.Succeeded()) {
        const ReadProblemWords words = ReadFailureWords(read);
        result.problem = shown + std::string(words.korean);
        result.problemInEnglish = shown + std::string(words.english);
        return std::nullopt;
    }
    if (read.picture.Width() != size.cx || read.picture.Height() != size.cy) {
        const std::string found = SizeText(read.picture.Width(), read.picture.Height());
        const std::string wanted = SizeText(size.cx, size.cy);
        result.problem = shown + std::string(kWrongPictureSizePrefix) + found +
                         std::string(kWrongPictureSizeMiddle) + wanted +
                         std::string(kWrongPictureSizeSuffix);
        result.problemInEnglish = shown + std::string(kWrongSizeEnglishStart) + found +
                                  std::string(kWrongSizeEnglishMiddle) + wanted;
        return std::nullopt;
    }
    return std::move(read.picture);
}

} // namespace

ItemReadResult ReadItemFiles(const std::string& chosen) {
    ItemReadResult result;
    result.paths = ItemFilePathsFor(chosen);
    ItemFilePictures pictures;
    std::optional<DeviceBitmap> wear = ReadPicture(result.paths.wear, kWearImageSize, result);
    if (!wear) {
        return result;
    }
    pictures.wear = std::move(*wear);
    // A missing companion is no fault: the wear picture alone is worth opening. A companion
    // that is there but is not one of the item's pictures refuses the item.
    if (!result.paths.dp.empty() && Exists(result.paths.dp)) {
        pictures.dp = ReadPicture(result.paths.dp, kDpImageSize, result);
        if (!pictures.dp) {
            return result;
        }
    }
    if (!result.paths.hair.empty() && Exists(result.paths.hair)) {
        pictures.hair = ReadPicture(result.paths.hair, kHairImageSize, result);
        if (!pictures.hair) {
            return result;
        }
    }
    result.pictures = std::move(pictures);
    return result;
}

} // namespace pattik
