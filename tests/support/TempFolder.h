#pragma once

#include <filesystem>
#include <string_view>

namespace orvane::testing {

// A fresh folder under the system's temporary folder, removed with everything
// in it when the object goes.
class TempFolder {
public:
    TempFolder();
    // A fresh folder under `parent` instead.
    explicit TempFolder(const std::filesystem::path& parent);
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Writes `bytes` to `relative`, creating the folders on the way.
    std::filesystem::path Write(const std::filesystem::path& relative,
                                std::string_view bytes) const;

private:
    std::filesystem::path path_;
};

std::string ReadWholeFile(const std::filesystem::path& path);

}  // namespace orvane::testing
