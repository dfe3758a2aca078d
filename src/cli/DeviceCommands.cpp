#include "cli/DeviceCommands.h"

#include <iostream>

#include "device/Discovery.h"
#include "device/DeviceVolume.h"
#include "device/VersionFile.h"
#include "shell/ResultCode.h"
#include "shell/ShellTexts.h"

namespace orvane::cli {
namespace {

std::string RuleNames(const std::vector<DiscoveryRule>& rules) {
    std::string names;
    for (DiscoveryRule rule : rules) names += (names.empty() ? "" : ",") + std::string(RuleName(rule));
    return names.empty() ? "none" : names;
}

std::string_view VersionVerdict(int versionResult) {
    switch (versionResult) {
        case result::Ok: return "parsed";
        case result::Rejected: return "other family";
        default: return "unreadable";
    }
}

}  // namespace

nlohmann::ordered_json DeviceJson(DeviceLink& link, int versionResult) {
    return {
        {"DeviceRoot", link.DeviceRoot.string()},
        {"SoftwareVersion", link.SoftwareVersion},
        {"HardwareVersion", link.HardwareVersion},
        {"MarketCode", link.MarketCode},
        {"ModelCode", link.ModelCode},
        {"CourseFolder", link.CourseFolder},
        {"FreeBytes", link.DeviceRoot.empty() ? 0u : FreeBytes(link)},
        {"DeviceVersionLine", link.DeviceVersionLine},
        {"result", versionResult},
    };
}

int DevicesCommand(const CliContext& context) {
    const auto survey = SurveyVolumes(*context.MakeVolumeSource());
    if (context.json) {
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (const VolumeSurvey& volume : survey) {
            nlohmann::ordered_json rules = nlohmann::ordered_json::array();
            for (DiscoveryRule rule : volume.rules) rules.push_back(RuleName(rule));
            list.push_back({{"devicePath", volume.candidate.devicePath.string()},
                            {"instanceId", volume.candidate.instanceId},
                            {"rules", rules},
                            {"versionResult", volume.versionResult},
                            {"versionParsed", !volume.rules.empty() && volume.versionResult == 0}});
        }
        context.out << list.dump(2) << '\n';
        return 0;
    }
    if (survey.empty()) context.out << "No USB storage volume is mounted.\n";
    for (const VolumeSurvey& volume : survey) {
        context.out << volume.candidate.devicePath.string() << "\n  "
                    << volume.candidate.instanceId << "\n  rules: " << RuleNames(volume.rules)
                    << "  version file: "
                    << (volume.rules.empty() ? "not tried" : VersionVerdict(volume.versionResult))
                    << '\n';
    }
    return 0;
}

int DeviceInfoCommand(const CliContext& context) {
    DeviceLink link;
    int versionResult = result::Failed;
    if (context.device) {
        PickDeviceRoot(link, *context.device);
        versionResult = ReadVersionFile(link);
    } else if (FindDevice(link, *context.MakeVolumeSource())) {
        versionResult = result::Ok;
    }
    if (versionResult == result::Ok) UpdateDeviceVersionLine(link);

    const auto values = DeviceJson(link, versionResult);
    if (context.json) {
        context.out << values.dump(2) << '\n';
    } else {
        for (const auto& [key, value] : values.items()) {
            context.out << key << ": "
                        << (value.is_string() ? value.get<std::string>() : value.dump()) << '\n';
        }
    }
    if (versionResult == result::Ok) return 0;
    context.err << PickText(context.language, text::VersionUnreadable) << '\n';
    return 1;
}

}  // namespace orvane::cli
