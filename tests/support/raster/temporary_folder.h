#pragma once

#include <filesystem>

namespace pattik::testing {

// A fresh folder under the system's temporary folder, removed with everything in it
// (even parts a test made read-only) when the object goes. Path() is empty if the
// folder could not be made.
class TemporaryFolder {
  public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path path_;
};

} // namespace pattik::testing
