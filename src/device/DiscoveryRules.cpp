#include "device/DiscoveryRules.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace orvane {
namespace {

constexpr std::string_view kVolumePrefix = "STORAGE\\VOLUME\\";
constexpr std::string_view kRemovableMediaPrefix = "STORAGE\\REMOVABLEMEDIA\\";

constexpr std::pair<std::string_view, std::string_view> kVendorProducts[] = {
    {"&VEN_NUVOTON", "&PROD_501_MASS"}, {"&VEN_MORVANTI", "&PROD_QPX700"},
    {"&VEN_MORVANTI", "&PROD_QPX600"},  {"&VEN_MORVANTI", "&PROD_QPX500"},
    {"&VEN_MORVANTI", "&PROD_QPX350"},  {"&VEN_MORVANTI", "&PROD_QPX430"},
    {"&VEN_MORVANTI", "&PROD_QPX420"},  {"&VEN_MORVANTI", "&PROD_QPX410"},
    {"&VEN_MORVANTI", "&PROD_QPX400"},
};

constexpr std::string_view kRemovableMediaSuffixes[] = {"&10054800&0&RM", "&7849276&0&RM"};

// The text from the first occurrence of `marker` on; nothing when absent.
std::optional<std::string_view> FromFirst(std::string_view text, std::string_view marker) {
    const std::size_t at = text.find(marker);
    if (at == std::string_view::npos) return std::nullopt;
    return text.substr(at);
}

bool VendorMatch(std::string_view id) {
    if (!id.starts_with(kVolumePrefix)) return false;
    const auto vendor = FromFirst(id, "&VEN");
    const auto product = FromFirst(id, "&PROD");
    if (!vendor || !product) return false;
    return std::ranges::any_of(kVendorProducts, [&](const auto& pair) {
        return vendor->starts_with(pair.first) && product->starts_with(pair.second);
    });
}

bool KnownRemovableMedia(std::string_view id) {
    if (!id.starts_with(kRemovableMediaPrefix)) return false;
    const auto suffix = FromFirst(id, "&");
    if (!suffix) return false;
    return std::ranges::any_of(kRemovableMediaSuffixes,
                               [&](std::string_view known) { return suffix->starts_with(known); });
}

bool AnyUsbStorage(std::string_view id) {
    if (id.starts_with(kRemovableMediaPrefix)) return true;
    if (!id.starts_with(kVolumePrefix)) return false;
    const auto usb = FromFirst(id, "_USB");
    return usb && usb->starts_with("_USBSTOR");
}

}  // namespace

bool RuleAccepts(DiscoveryRule rule, std::string_view instanceId) {
    switch (rule) {
        case DiscoveryRule::VendorMatch: return VendorMatch(instanceId);
        case DiscoveryRule::KnownRemovableMedia: return KnownRemovableMedia(instanceId);
        case DiscoveryRule::AnyUsbStorage: return AnyUsbStorage(instanceId);
    }
    return false;
}

std::vector<DiscoveryRule> RulesAccepting(std::string_view instanceId) {
    std::vector<DiscoveryRule> rules;
    for (DiscoveryRule rule : kDiscoveryRules) {
        if (RuleAccepts(rule, instanceId)) rules.push_back(rule);
    }
    return rules;
}

std::string_view RuleName(DiscoveryRule rule) {
    switch (rule) {
        case DiscoveryRule::VendorMatch: return "A";
        case DiscoveryRule::KnownRemovableMedia: return "B";
        case DiscoveryRule::AnyUsbStorage: return "C";
    }
    return "?";
}

}  // namespace orvane
