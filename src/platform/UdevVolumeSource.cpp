#include "platform/UdevVolumeSource.h"

#include <libudev.h>
#include <sys/sysmacros.h>

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

namespace orvane {
namespace {

struct UdevUnref {
    void operator()(udev* handle) const { udev_unref(handle); }
    void operator()(udev_enumerate* handle) const { udev_enumerate_unref(handle); }
    void operator()(udev_device* handle) const { udev_device_unref(handle); }
};
using Udev = std::unique_ptr<udev, UdevUnref>;
using UdevEnumerate = std::unique_ptr<udev_enumerate, UdevUnref>;
using UdevDevice = std::unique_ptr<udev_device, UdevUnref>;

bool Equals(const char* value, std::string_view expected) {
    return value != nullptr && value == expected;
}

bool OnUsbBus(udev_device* device) {
    return Equals(udev_device_get_property_value(device, "ID_BUS"), "usb") ||
           udev_device_get_parent_with_subsystem_devtype(device, "usb", nullptr) != nullptr;
}

// SCSI inquiry strings are space-padded to fixed widths, and the identifier
// uses spaces nowhere.
std::string IdentifierPart(const char* raw) {
    std::string_view text = raw != nullptr ? raw : "";
    const std::size_t begin = text.find_first_not_of(" \t\n");
    if (begin == std::string_view::npos) return {};
    text = text.substr(begin, text.find_last_not_of(" \t\n") + 1 - begin);
    std::string cleaned(text);
    std::ranges::replace(cleaned, ' ', '_');
    return cleaned;
}

// The udev property when the rules set it, else the sysfs attribute of
// `parent`, which is all there is on systems without the udev database.
std::string Field(udev_device* device, const char* property, udev_device* parent,
                  const char* attribute) {
    const char* value = udev_device_get_property_value(device, property);
    if ((value == nullptr || *value == '\0') && parent != nullptr) {
        value = udev_device_get_sysattr_value(parent, attribute);
    }
    return IdentifierPart(value);
}

std::string InstanceId(udev_device* device) {
    udev_device* scsi = udev_device_get_parent_with_subsystem_devtype(device, "scsi", "scsi_device");
    udev_device* usb = udev_device_get_parent_with_subsystem_devtype(device, "usb", "usb_device");
    return "STORAGE\\VOLUME\\_??_USBSTOR#DISK&VEN_" + Field(device, "ID_VENDOR", scsi, "vendor") +
           "&PROD_" + Field(device, "ID_MODEL", scsi, "model") +
           "&REV_" + Field(device, "ID_REVISION", scsi, "rev") + "#" +
           Field(device, "ID_SERIAL_SHORT", usb, "serial") + "#";
}

}  // namespace

UdevVolumeSource::UdevVolumeSource(std::filesystem::path mountInfoPath)
    : mountInfoPath_(std::move(mountInfoPath)) {}

std::optional<std::vector<VolumeCandidate>> UdevVolumeSource::ListVolumes() {
    const auto mounts = ReadMountTable(mountInfoPath_);
    if (!mounts) return std::nullopt;

    const Udev context(udev_new());
    if (!context) return std::nullopt;
    const UdevEnumerate enumerate(udev_enumerate_new(context.get()));
    if (!enumerate || udev_enumerate_add_match_subsystem(enumerate.get(), "block") < 0 ||
        udev_enumerate_scan_devices(enumerate.get()) < 0) {
        return std::nullopt;
    }

    std::vector<VolumeCandidate> volumes;
    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerate.get())) {
        const UdevDevice device(
            udev_device_new_from_syspath(context.get(), udev_list_entry_get_name(entry)));
        // A device can go between the scan and this look-up.
        if (!device) continue;
        const char* type = udev_device_get_devtype(device.get());
        if (!Equals(type, "disk") && !Equals(type, "partition")) continue;
        if (!OnUsbBus(device.get())) continue;
        const dev_t number = udev_device_get_devnum(device.get());
        const auto mountPoint = MountPointOf(*mounts, major(number), minor(number));
        if (!mountPoint) continue;
        volumes.push_back({*mountPoint, InstanceId(device.get())});
    }
    return volumes;
}

}  // namespace orvane
