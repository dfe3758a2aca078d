#include "support/ScopedMount.h"

#include <sys/mount.h>

#include <string>

namespace orvane::testing {

std::unique_ptr<ScopedMount> ScopedMount::Tmpfs(const std::filesystem::path& target,
                                                std::uint64_t bytes) {
    const std::string options = "size=" + std::to_string(bytes);
    if (::mount("tmpfs", target.c_str(), "tmpfs", 0, options.c_str()) != 0) return nullptr;
    return std::unique_ptr<ScopedMount>(new ScopedMount(target));
}

std::unique_ptr<ScopedMount> ScopedMount::Bind(const std::filesystem::path& source,
                                               const std::filesystem::path& target) {
    if (::mount(source.c_str(), target.c_str(), nullptr, MS_BIND, nullptr) != 0) return nullptr;
    return std::unique_ptr<ScopedMount>(new ScopedMount(target));
}

std::unique_ptr<ScopedMount> ScopedMount::ReadOnlyBind(const std::filesystem::path& source,
                                                       const std::filesystem::path& target) {
    auto bound = Bind(source, target);
    // A bind mount takes the read-only flag only when it is mounted again.
    if (bound &&
        ::mount(nullptr, target.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0)
        return nullptr;
    return bound;
}

void ScopedMount::Detach() {
    if (mounted_) ::umount2(target_.c_str(), MNT_DETACH);
    mounted_ = false;
}

ScopedMount::~ScopedMount() { Detach(); }

}  // namespace orvane::testing
