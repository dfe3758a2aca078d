#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

namespace orvane::testing {

// A mount made for one test and detached when the object goes. Mounting needs
// root; Make returns nothing when the system refuses, so that the test can
// skip.
class ScopedMount {
public:
    // A tmpfs of `bytes` at `target`.
    static std::unique_ptr<ScopedMount> Tmpfs(const std::filesystem::path& target,
                                              std::uint64_t bytes);
    // `source` again at `target`, read-only.
    static std::unique_ptr<ScopedMount> ReadOnlyBind(const std::filesystem::path& source,
                                                     const std::filesystem::path& target);
    // `source` again at `target`.
    static std::unique_ptr<ScopedMount> Bind(const std::filesystem::path& source,
                                             const std::filesystem::path& target);
    ~ScopedMount();
    ScopedMount(const ScopedMount&) = delete;
    ScopedMount& operator=(const ScopedMount&) = delete;

    // Detaches the mount now, as an unplugged device goes.
    void Detach();

private:
    explicit ScopedMount(std::filesystem::path target) : target_(std::move(target)) {}

    std::filesystem::path target_;
    bool mounted_ = true;
};

}  // namespace orvane::testing
