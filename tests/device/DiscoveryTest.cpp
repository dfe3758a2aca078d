#include <gtest/gtest.h>

#include "device/Discovery.h"
#include "shell/ResultCode.h"
#include "support/TempFolder.h"

namespace orvane {
namespace {

using testing::TempFolder;

constexpr const char* kDeviceId =
    "STORAGE\\VOLUME\\_??_USBSTOR#DISK&VEN_MORVANTI&PROD_QPX700&REV_1.00#0001#";
constexpr const char* kStickId =
    "STORAGE\\VOLUME\\_??_USBSTOR#DISK&VEN_SanDisk&PROD_Cruzer&REV_1.00#4C53#";

TEST(DiscoveryRules, EachRuleReadsItsPartOfTheIdentifier) {
    using enum DiscoveryRule;
    struct Case {
        std::string_view id;
        std::vector<DiscoveryRule> rules;
    };
    const Case cases[] = {
        {kDeviceId, {VendorMatch, AnyUsbStorage}},
        {kStickId, {AnyUsbStorage}},
        {"STORAGE\\VOLUME\\_??_USBSTOR#DISK&VEN_NUVOTON&PROD_501_MASS_STORAGE#1#",
         {VendorMatch, AnyUsbStorage}},
        {"STORAGE\\VOLUME\\_??_USBSTOR#DISK&VEN_MORVANTI&PROD_QPX800&REV_1.00#1#", {AnyUsbStorage}},
        // The product must follow the first "&PROD", the vendor the first "&VEN".
        {"STORAGE\\VOLUME\\X&VEN_OTHER&PROD_QPX700&VEN_MORVANTI", {}},
        {"STORAGE\\VOLUME\\&VEN_MORVANTI&PROD_QPX400", {VendorMatch}},
        {"STORAGE\\REMOVABLEMEDIA\\7&7849276&0&RMX", {KnownRemovableMedia, AnyUsbStorage}},
        {"STORAGE\\REMOVABLEMEDIA\\7&1234&0&RM", {AnyUsbStorage}},
        {"STORAGE\\REMOVABLEMEDIA\\NOAMPERSAND", {AnyUsbStorage}},
        // "_USB" must be "_USBSTOR" at its first occurrence.
        {"STORAGE\\VOLUME\\_??_USB#_USBSTOR#DISK", {}},
        {"SCSI\\DISK&VEN_MORVANTI&PROD_QPX700", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(RulesAccepting(c.id), c.rules) << c.id;
}

class ListedVolumes : public VolumeSource {
public:
    explicit ListedVolumes(std::optional<std::vector<VolumeCandidate>> volumes)
        : volumes_(std::move(volumes)) {}
    std::optional<std::vector<VolumeCandidate>> ListVolumes() override { return volumes_; }

private:
    std::optional<std::vector<VolumeCandidate>> volumes_;
};

class Discovery : public ::testing::Test {
protected:
    std::filesystem::path Volume(std::string_view name, std::optional<std::string_view> version) {
        const auto root = folder_.path() / name;
        std::filesystem::create_directories(root);
        if (version) folder_.Write(root / "System/Ver.ini", *version);
        return root;
    }

    TempFolder folder_;
    DeviceLink link_;
};

TEST_F(Discovery, AcceptsTheFirstCandidateWhoseVersionFileReads) {
    ListedVolumes source({{
        {Volume("stick", std::nullopt), kStickId},
        {Volume("broken", "garbage"), kDeviceId},
        {Volume("device", "V6.1.0Us V4.3.0Us"), kDeviceId},
        {Volume("second", "V5.1.0Kr V4.2.5Kr"), kDeviceId},
    }});
    EXPECT_TRUE(FindDevice(link_, source));
    EXPECT_EQ(link_.DeviceRoot, folder_.path() / "device");
    EXPECT_EQ(link_.ModelCode, 9);
}

TEST_F(Discovery, PassesOverVolumesThatAreNotTheDeviceOrHaveGone) {
    ListedVolumes source({{
        {Volume("stick", std::nullopt), kStickId},
        {folder_.path() / "unplugged", kDeviceId},
        {Volume("foreign", "V6.1.0Us V4.3.0Us"), "SCSI\\DISK&VEN_ATA"},
    }});
    EXPECT_FALSE(FindDevice(link_, source));
    EXPECT_TRUE(link_.DeviceRoot.empty());

    ListedVolumes unavailable(std::nullopt);
    EXPECT_FALSE(FindDevice(link_, unavailable));
}

TEST_F(Discovery, APickedFolderStaysUntilACandidateIsTried) {
    const auto picked = Volume("picked", "V6.1.0Us V4.3.0Us");
    EXPECT_FALSE(PickDeviceRoot(link_, ""));
    ASSERT_TRUE(PickDeviceRoot(link_, picked));
    EXPECT_EQ(link_.DeviceRoot, picked);

    ListedVolumes nothingUsable({{{Volume("foreign", std::nullopt), "SCSI\\DISK"}}});
    EXPECT_TRUE(FindDevice(link_, nothingUsable));
    EXPECT_EQ(link_.DeviceRoot, picked);

    ListedVolumes stick({{{Volume("stick", std::nullopt), kStickId}}});
    EXPECT_FALSE(FindDevice(link_, stick));
    EXPECT_TRUE(link_.DeviceRoot.empty());
}

// The rules each volume passes are checked against udev's volumes.
TEST_F(Discovery, SurveyTellsTheVersionOfEachVolume) {
    ListedVolumes source({{
        {Volume("device", "V6.1.0Us V4.3.0Us"), kDeviceId},
        {Volume("stick", std::nullopt), kStickId},
        {Volume("other", "V8.0.0Kr V4.3.0Kr"), kStickId},
    }});
    std::vector<int> results;
    for (const VolumeSurvey& volume : SurveyVolumes(source))
        results.push_back(volume.versionResult);
    EXPECT_EQ(results, (std::vector<int>{result::Ok, result::Failed, result::Rejected}));
    EXPECT_TRUE(link_.DeviceRoot.empty());
}

}  // namespace
}  // namespace orvane
