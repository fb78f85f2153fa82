#pragma once

#include <string>

namespace pattik {

// Why a picture was not saved. A window picks its own words (in any language) by the cause
// and, for System, by the errno value; it never has to read the English reason.
enum class SaveFailure {
    None,
    EmptyPicture,      // there are no pixels to save
    ZeroArea,          // no columns or no rows: no reader opens such a file
    PictureTooLarge,   // wider or taller than the 65535 pixels a GIF can state
    UnsupportedFormat, // a file type, or a bit count for it, that the encoder does not write
    OutOfMemory,       // no room for the copy of the picture that is written
    InvalidPath,       // empty, or holding a NUL byte the system would end the name at
    NotAFileOrDevice,  // a folder, FIFO or socket: nothing a picture can be written into
    System,            // the system refused to open or write the file; see errorNumber
    ReadBackDiffers,   // written, but the file read back is not what was written
};

// What became of a save. The reason is kept whole however long the path; the image's own
// last error text holds only as much of it as fits.
struct SaveResult {
    SaveFailure cause = SaveFailure::None;
    int errorNumber = 0; // the errno the system gave, or 0
    std::string reason;
    // Colours of the picture that had no palette entry left and were drawn with the
    // nearest one instead (a GIF holds 256 colours, magenta and black among them).
    int mergedColours = 0;

    bool Succeeded() const { return cause == SaveFailure::None; }
};

} // namespace pattik
