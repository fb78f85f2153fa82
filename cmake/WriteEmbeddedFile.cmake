# Run with -DOUTPUT=<cpp> -DFILE=<path> -DFUNCTION=<name> -DHEADER=<include path>: a source
# file whose function FUNCTION returns the file's bytes.
file(READ ${FILE} hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){32})" "\\1\n    " bytes "${bytes}")
file(WRITE ${OUTPUT}.tmp
"// Generated from ${FILE}; do not edit.
#include \"${HEADER}\"

namespace pattik {
namespace {

const unsigned char kBytes[] = {
    ${bytes}
};

} // namespace

std::span<const unsigned char> ${FUNCTION}() {
    return kBytes;
}

} // namespace pattik
")
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.tmp)
