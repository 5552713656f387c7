#pragma once

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace platform::testing {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
  public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "ticklot-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~TempFolder() { std::filesystem::remove_all(path_); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

    // Writes a file below the folder and gives it the permission bits `mode`.
    std::string write(const std::string& name, const std::string& content,
                      std::filesystem::perms mode = std::filesystem::perms::owner_read |
                                                    std::filesystem::perms::owner_write) const {
        const std::filesystem::path file = path_ / name;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file) << content;
        std::filesystem::permissions(file, mode);
        return file.string();
    }

    std::string executable(const std::string& name, const std::string& content) const {
        using std::filesystem::perms;
        return write(name, content, perms::owner_read | perms::owner_write | perms::owner_exec);
    }

  private:
    std::filesystem::path path_;
};

}  // namespace platform::testing
