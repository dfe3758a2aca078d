#pragma once

#include <array>
#include <string_view>
#include <vector>

namespace orvane {

// The rules by which a volume's instance identifier makes it a candidate, in
// the order they are tried. One volume may be tried by several rules.
enum class DiscoveryRule { VendorMatch, KnownRemovableMedia, AnyUsbStorage };

inline constexpr std::array kDiscoveryRules = {
    DiscoveryRule::VendorMatch, DiscoveryRule::KnownRemovableMedia, DiscoveryRule::AnyUsbStorage};

bool RuleAccepts(DiscoveryRule rule, std::string_view instanceId);
std::vector<DiscoveryRule> RulesAccepting(std::string_view instanceId);

// "A", "B" or "C".
std::string_view RuleName(DiscoveryRule rule);

}  // namespace orvane
