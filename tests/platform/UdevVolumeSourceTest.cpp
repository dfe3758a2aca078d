// Runs against a umockdev test bed: the process must have libumockdev-preload
// loaded (the ctest entry starts it through umockdev-wrapper).
#include <gtest/gtest.h>
#include <umockdev.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/UdevVolumeSource.h"
#include "support/TempFolder.h"

namespace orvane {
namespace {

class UdevVolumeSourceTest : public ::testing::Test {
protected:
    void SetUp() override {
        testbed_.reset(umockdev_testbed_new());
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

    std::string AddBlock(const std::string& name, const std::string& parent, const char* type,
                         unsigned minor, const std::vector<const char*>& extra) {
        const std::string minorText = std::to_string(minor);
        const std::string dev = "8:" + minorText;
        std::vector<const char*> properties = {
            "DEVTYPE", type, "MAJOR", "8", "MINOR", minorText.c_str(), "DEVNAME", name.c_str()};
        properties.insert(properties.end(), extra.begin(), extra.end());
        return Add("block", name, parent, {"dev", dev.c_str()}, properties);
    }

    // A disk under the SCSI device `scsi` and its first partition, of minor + 1.
    void AddDisk(const std::string& name, const std::string& scsi, unsigned minor,
                 const std::vector<const char*>& partitionProperties) {
        const std::string disk = AddBlock(name, scsi, "disk", minor, {});
        AddBlock(name + "1", disk, "partition", minor + 1, partitionProperties);
    }

    // A disk on the USB port `port` (devices sort by it) with SCSI inquiry
    // strings `vendor`, `model` and `rev`, padded as the kernel shows them.
    void AddUsbDisk(const std::string& port, const char* serial, const char* vendor,
                    const char* model, const char* rev, const std::string& disk, unsigned minor,
                    const std::vector<const char*>& partitionProperties) {
        const std::string usb = Add("usb", port, "", {"serial", serial}, {"DEVTYPE", "usb_device"});
        const std::string iface = Add("usb", port + ":1.0", usb, {}, {"DEVTYPE", "usb_interface"});
        const std::string host = Add("scsi", "host" + port, iface, {}, {"DEVTYPE", "scsi_host"});
        AddDisk(disk,
                Add("scsi", port + ":0:0:0", host, {"vendor", vendor, "model", model, "rev", rev},
                    {"DEVTYPE", "scsi_device"}),
                minor, partitionProperties);
    }

    std::unique_ptr<UMockdevTestbed, decltype(&g_object_unref)> testbed_{nullptr, g_object_unref};
    testing::TempFolder mounts_;
};

// The device's identifier comes from the udev properties, the stick's from
// sysfs alone; how the discovery rules read them is theirs to show.
TEST_F(UdevVolumeSourceTest, ListsMountedUsbVolumesWithTheirInstanceIds) {
    AddUsbDisk("1-2", "0001", "MORVANTI", "QPX700          ", "1.00", "sdb", 16,
               {"ID_BUS", "usb", "ID_VENDOR", "MORVANTI", "ID_MODEL", "QPX700", "ID_REVISION",
                "1.00", "ID_SERIAL_SHORT", "0001"});
    AddUsbDisk("1-1", "4C530001", "SanDisk ", " Cruzer Blade    ", "1.26", "sdc", 32, {});
    // A SATA disk, its partition mounted at "/", with nothing USB above it.
    const std::string host = Add("scsi", "host0", "", {}, {"DEVTYPE", "scsi_host"});
    AddDisk("sda",
            Add("scsi", "0:0:0:0", host, {"vendor", "ATA     ", "model", "SSD", "rev", "1B6Q"},
                {"DEVTYPE", "scsi_device"}),
            0, {"ID_BUS", "ata"});
    // The names have a space so that the escape in mountinfo matters.
    const auto root = mounts_.path() / "QPX700 vol", stick = mounts_.path() / "stick vol";
    // The device's partition and the stick's whole disk are mounted, neither
    // the device's disk nor the stick's partition.
    const auto mountInfo =
        mounts_.Write("mountinfo",
                      "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
                      "90 22 8:32 / " +
                          mounts_.path().string() +
                          "/stick\\040vol rw - vfat /dev/sdc rw\n"
                          "91 22 8:17 / " +
                          mounts_.path().string() + "/QPX700\\040vol rw - vfat /dev/sdb1 rw\n");

    const auto volumes = UdevVolumeSource(mountInfo).ListVolumes();
    ASSERT_TRUE(volumes.has_value());
    ASSERT_EQ(volumes->size(), 2u);
    EXPECT_EQ((*volumes)[0].devicePath, stick);
    EXPECT_EQ((*volumes)[0].instanceId,
              "STORAGE\\VOLUME\\_??_USBSTOR#DISK&VEN_SanDisk&PROD_Cruzer_Blade&REV_1.26#4C530001#");
    EXPECT_EQ((*volumes)[1].devicePath, root);
    EXPECT_EQ((*volumes)[1].instanceId,
              "STORAGE\\VOLUME\\_??_USBSTOR#DISK&VEN_MORVANTI&PROD_QPX700&REV_1.00#0001#");

    EXPECT_EQ(UdevVolumeSource(mounts_.path() / "absent").ListVolumes(), std::nullopt);
}

}  // namespace
}  // namespace orvane
