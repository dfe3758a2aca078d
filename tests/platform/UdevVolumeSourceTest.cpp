// Runs against a umockdev test bed: the process must have libumockdev-preload
// loaded (the ctest entry starts it through umockdev-wrapper).
#include <gtest/gtest.h>
#include <umockdev.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "device/Discovery.h"
#include "platform/UdevVolumeSource.h"
#include "shell/ResultCode.h"
#include "support/TempFolder.h"

namespace orvane {
namespace {

constexpr const char* kDeviceId =
    "STORAGE\\VOLUME\\_??_USBSTOR#DISK&VEN_MORVANTI&PROD_QPX700&REV_1.00#0001#";
constexpr const char* kStickId =
    "STORAGE\\VOLUME\\_??_USBSTOR#DISK&VEN_SanDisk&PROD_Cruzer_Blade&REV_1.26#4C530001#";

// How one USB disk looks in sysfs; its first partition is the volume.
struct UsbDisk {
    const char* port;    // USB device name, e.g. "1-1"; devices sort by it
    const char* serial;  // the USB device's serial attribute
    // SCSI inquiry strings, padded as the kernel shows them.
    const char *vendor, *model, *rev;
    const char* disk;  // block device name, e.g. "sdb"
    unsigned minor;    // the disk's; its partition has minor + 1
    // What udev rules would have added to the partition, as name/value pairs.
    std::vector<const char*> udevProperties;
};

const UsbDisk kDevice{"1-2",
                      "0001",
                      "MORVANTI",
                      "QPX700          ",
                      "1.00",
                      "sdb",
                      16,
                      {"ID_BUS", "usb", "ID_VENDOR", "MORVANTI", "ID_MODEL", "QPX700",
                       "ID_REVISION", "1.00", "ID_SERIAL_SHORT", "0001"}};
// No udev properties at all: everything must come from sysfs.
const UsbDisk kStick{"1-1", "4C530001", "SanDisk ", " Cruzer Blade    ", "1.26", "sdc", 32, {}};

class UdevVolumeSourceTest : public ::testing::Test {
protected:
    void SetUp() override {
        testbed_.reset(umockdev_testbed_new());
        ASSERT_NE(testbed_, nullptr);
        // Only answers once a test bed exists.
        ASSERT_TRUE(umockdev_in_mock_environment())
            << "run under umockdev-wrapper (libumockdev-preload must be loaded)";
    }

    // umockdev takes NULL-terminated name/value lists that it only reads.
    std::string Add(const char* subsystem, const std::string& name, const std::string& parent,
                    std::vector<const char*> attributes, std::vector<const char*> properties) {
        attributes.push_back(nullptr);
        properties.push_back(nullptr);
        gchar* path = umockdev_testbed_add_devicev(
            testbed_.get(), subsystem, name.c_str(), parent.empty() ? nullptr : parent.c_str(),
            const_cast<gchar**>(attributes.data()), const_cast<gchar**>(properties.data()));
        EXPECT_NE(path, nullptr) << name;
        const std::string added = path != nullptr ? path : "";
        g_free(path);
        return added;
    }

    // The SCSI device of a disk on the USB port `port`.
    std::string AddScsiDevice(const UsbDisk& d) {
        const std::string port = d.port;
        const std::string usb =
            Add("usb", port, "", {"serial", d.serial}, {"DEVTYPE", "usb_device"});
        const std::string iface = Add("usb", port + ":1.0", usb, {}, {"DEVTYPE", "usb_interface"});
        const std::string host = Add("scsi", "host" + port, iface, {}, {"DEVTYPE", "scsi_host"});
        return Add("scsi", port + ":0:0:0", host,
                   {"vendor", d.vendor, "model", d.model, "rev", d.rev},
                   {"DEVTYPE", "scsi_device"});
    }

    // A disk under `parent` and its first partition.
    void AddDisk(const std::string& name, const std::string& parent, unsigned minor,
                 const std::vector<const char*>& partitionProperties) {
        const std::string disk = AddBlock(name, parent, "disk", minor, {});
        AddBlock(name + "1", disk, "partition", minor + 1, partitionProperties);
    }

    std::string AddBlock(const std::string& name, const std::string& parent, const char* type,
                         unsigned minor, const std::vector<const char*>& extra) {
        const std::string minorText = std::to_string(minor);
        const std::string dev = "8:" + minorText;
        std::vector<const char*> properties = {
            "DEVTYPE", type, "MAJOR", "8", "MINOR", minorText.c_str(), "DEVNAME", name.c_str()};
        properties.insert(properties.end(), extra.begin(), extra.end());
        return Add("block", name, parent, {"dev", dev.c_str()}, properties);
    }

    void AddUsbDisk(const UsbDisk& d) {
        AddDisk(d.disk, AddScsiDevice(d), d.minor, d.udevProperties);
    }

    // A mount point folder; the name has a space so the escape in mountinfo
    // matters. The device's holds its version file.
    std::filesystem::path MountPoint(const std::string& name, bool device = false) {
        const auto folder = mounts_.path() / (name + " vol");
        std::filesystem::create_directories(folder);
        if (device) mounts_.Write(folder / "System/Ver.ini", "V6.1.0Us V4.3.0Us");
        return folder;
    }

    void WriteMountInfo(const std::vector<std::pair<unsigned, std::filesystem::path>>& mounts) {
        std::string text = "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n";
        for (const auto& [minor, folder] : mounts) {
            std::string escaped = folder.string();
            for (std::size_t at; (at = escaped.find(' ')) != std::string::npos;)
                escaped.replace(at, 1, "\\040");
            text += "90 22 8:" + std::to_string(minor) + " / " + escaped +
                    " rw,nosuid shared:45 - vfat /dev/x rw\n";
        }
        mountInfo_ = mounts_.Write("mountinfo", text);
    }

    UdevVolumeSource Source() const { return UdevVolumeSource(mountInfo_); }

    struct Unref {
        void operator()(UMockdevTestbed* testbed) const { g_object_unref(testbed); }
    };
    std::unique_ptr<UMockdevTestbed, Unref> testbed_;
    testing::TempFolder mounts_;
    std::filesystem::path mountInfo_;
};

std::vector<std::string> RuleNames(const VolumeSurvey& survey) {
    std::vector<std::string> names;
    for (DiscoveryRule rule : survey.rules) names.emplace_back(RuleName(rule));
    return names;
}

// The device's identifier comes from the udev properties, the stick's from
// sysfs alone; the stick sorts first and must be passed over.
TEST_F(UdevVolumeSourceTest, FindsTheDeviceBehindAStickListedFirst) {
    AddUsbDisk(kDevice);
    AddUsbDisk(kStick);
    const auto root = MountPoint("QPX700", true);
    const auto stick = MountPoint("stick");
    WriteMountInfo({{33, stick}, {17, root}});

    auto source = Source();
    const auto survey = SurveyVolumes(source);
    ASSERT_EQ(survey.size(), 2u);
    EXPECT_EQ(survey[0].candidate.instanceId, kStickId);
    EXPECT_EQ(survey[0].candidate.devicePath, stick);
    EXPECT_EQ(RuleNames(survey[0]), std::vector<std::string>{"C"});
    EXPECT_EQ(survey[0].versionResult, result::Failed);
    EXPECT_EQ(survey[1].candidate.instanceId, kDeviceId);
    EXPECT_EQ(survey[1].candidate.devicePath, root);
    EXPECT_EQ(RuleNames(survey[1]), (std::vector<std::string>{"A", "C"}));
    EXPECT_EQ(survey[1].versionResult, result::Ok);

    DeviceLink link;
    ASSERT_TRUE(FindDevice(link, source));
    EXPECT_EQ(link.DeviceRoot, root);
    EXPECT_EQ(link.ModelCode, 9);
}

TEST_F(UdevVolumeSourceTest, LeavesOutUnmountedAndNonUsbDisks) {
    AddUsbDisk(kDevice);
    AddUsbDisk(kStick);
    // A SATA disk, mounted at "/", with nothing USB above it.
    const std::string host = Add("scsi", "host0", "", {}, {"DEVTYPE", "scsi_host"});
    const std::string scsi =
        Add("scsi", "0:0:0:0", host, {"vendor", "ATA     ", "model", "Samsung SSD", "rev", "1B6Q"},
            {"DEVTYPE", "scsi_device"});
    AddDisk("sda", scsi, 0, {"ID_BUS", "ata"});
    const auto stick = MountPoint("stick");
    // Only the whole stick disk is mounted, not its partition; the device not at all.
    WriteMountInfo({{32, stick}});

    auto source = Source();
    const auto volumes = source.ListVolumes();
    ASSERT_TRUE(volumes.has_value());
    ASSERT_EQ(volumes->size(), 1u);
    EXPECT_EQ((*volumes)[0].devicePath, stick);
    EXPECT_EQ((*volumes)[0].instanceId, kStickId);
    DeviceLink link;
    EXPECT_FALSE(FindDevice(link, source));

    EXPECT_EQ(UdevVolumeSource(mounts_.path() / "absent").ListVolumes(), std::nullopt);
}

}  // namespace
}  // namespace orvane
