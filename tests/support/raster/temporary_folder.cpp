#include "support/raster/temporary_folder.h"

#include <stdlib.h>

#include <string>

namespace pattik::testing {

namespace fs = std::filesystem;

TemporaryFolder::TemporaryFolder() {
    std::string pattern = (fs::temp_directory_path() / "pattik-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) {
        path_ = pattern;
    }
}

TemporaryFolder::~TemporaryFolder() {
    if (path_.empty()) {
        return;
    }
    std::error_code ignored;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(path_, ignored);
}

} // namespace pattik::testing
