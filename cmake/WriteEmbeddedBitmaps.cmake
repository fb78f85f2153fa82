# Run with -DOUTPUT=<cpp> -DFILES=<list of <id>.bmp paths>.
set(entries "")
set(arrays "")
list(SORT FILES)
foreach(file IN LISTS FILES)
    get_filename_component(id ${file} NAME_WE)
    file(READ ${file} hex HEX)
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string(REGEX REPLACE "((0x..,){32})" "\\1\n    " bytes "${bytes}")
    string(APPEND arrays "const unsigned char kBitmap${id}[] = {\n    ${bytes}\n};\n")
    string(APPEND entries "    {${id}, kBitmap${id}, sizeof(kBitmap${id})},\n")
endforeach()
file(WRITE ${OUTPUT}.tmp
"// Generated from the BMP files in src/res; do not edit.
#include \"res/resource_data.h\"

#include <algorithm>
#include <iterator>

namespace pattik {
namespace {

${arrays}
struct Entry {
    int id;
    const unsigned char* data;
    std::size_t size;
};

const Entry kEntries[] = {
${entries}    {0, nullptr, 0},
};

} // namespace

std::span<const unsigned char> FindBitmapResourceBytes(int id) {
    const auto end = std::end(kEntries) - 1;
    const auto it = std::find_if(std::begin(kEntries), end, [id](const Entry& e) { return e.id == id; });
    if (it == end) {
        return {};
    }
    return {it->data, it->size};
}

} // namespace pattik
")
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.tmp)
