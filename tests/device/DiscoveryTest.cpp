#include <gtest/gtest.h>

#include "device/Discovery.h"
#include "support/TempFolder.h"

namespace orvane {
namespace {

constexpr const char* kDeviceId =
    "STORAGE\\VOLUME\\_??_USBSTOR#DISK&VEN_MORVANTI&PROD_QPX700&REV_1.00#0001#";
constexpr const char* kStickId =
    "STORAGE\\VOLUME\\_??_USBSTOR#DISK&VEN_SanDisk&PROD_Cruzer&REV_1.00#4C53#";

TEST(DiscoveryRules, EachRuleReadsItsPartOfTheIdentifier) {
    using enum DiscoveryRule;
    const std::pair<std::string_view, std::vector<DiscoveryRule>> cases[] = {
        {kDeviceId, {VendorMatch, AnyUsbStorage}},
        {kStickId, {AnyUsbStorage}},
        // The product must follow the first "&PROD", the vendor the first "&VEN".
        {"STORAGE\\VOLUME\\X&VEN_OTHER&PROD_QPX700&VEN_MORVANTI", {}},
        {"STORAGE\\REMOVABLEMEDIA\\7&7849276&0&RMX", {KnownRemovableMedia, AnyUsbStorage}},
        // "_USB" must be "_USBSTOR" at its first occurrence.
        {"STORAGE\\VOLUME\\_??_USB#_USBSTOR#DISK", {}},
    };
    for (const auto& [id, rules] : cases) EXPECT_EQ(RulesAccepting(id), rules) << id;
}

struct ListedVolumes : VolumeSource {
    explicit ListedVolumes(std::optional<std::vector<VolumeCandidate>> listed)
        : volumes(std::move(listed)) {}
    std::optional<std::vector<VolumeCandidate>> ListVolumes() override { return volumes; }
    std::optional<std::vector<VolumeCandidate>> volumes;
};

class Discovery : public ::testing::Test {
protected:
    std::filesystem::path Volume(std::string_view name, std::optional<std::string_view> version) {
        const auto root = folder_.path() / name;
        std::filesystem::create_directories(root);
        if (version) folder_.Write(root / "System/Ver.ini", *version);
        return root;
    }

    testing::TempFolder folder_;
    DeviceLink link_;
};

// Volumes that are not the device, have gone or hold no readable version
// file are passed over.
TEST_F(Discovery, AcceptsTheFirstCandidateWhoseVersionFileReads) {
    ListedVolumes source({{
        {Volume("stick", std::nullopt), kStickId},
        {folder_.path() / "unplugged", kDeviceId},
        {Volume("foreign", "V6.1.0Us V4.3.0Us"), "SCSI\\DISK&VEN_ATA"},
        {Volume("broken", "garbage"), kDeviceId},
        {Volume("device", "V6.1.0Us V4.3.0Us"), kDeviceId},
        {Volume("second", "V5.1.0Kr V4.2.5Kr"), kDeviceId},
    }});
    EXPECT_TRUE(FindDevice(link_, source));
    EXPECT_EQ(link_.DeviceRoot, folder_.path() / "device");
    EXPECT_EQ(link_.ModelCode, 9);

    ListedVolumes unavailable(std::nullopt);
    EXPECT_FALSE(FindDevice(link_, unavailable));
}

TEST_F(Discovery, APickedFolderStaysUntilACandidateIsTried) {
    const auto picked = Volume("picked", "V6.1.0Us V4.3.0Us");
    EXPECT_FALSE(PickDeviceRoot(link_, ""));
    ASSERT_TRUE(PickDeviceRoot(link_, picked));

    ListedVolumes nothingUsable({{{Volume("foreign", std::nullopt), "SCSI\\DISK"}}});
    EXPECT_TRUE(FindDevice(link_, nothingUsable));
    EXPECT_EQ(link_.DeviceRoot, picked);

    ListedVolumes stick({{{Volume("stick", std::nullopt), kStickId}}});
    EXPECT_FALSE(FindDevice(link_, stick));
    EXPECT_TRUE(link_.DeviceRoot.empty());
}

}  // namespace
}  // namespace orvane
