#include "cli/DeviceCommands.h"

#include <iostream>

#include "cli/JsonOutput.h"
#include "device/DeviceInfo.h"
#include "device/Discovery.h"
#include "shell/FrontEndTexts.h"
#include "shell/ResultCode.h"
#include "util/TextDecoding.h"

namespace orvane::cli {
namespace {

std::string RuleNames(const std::vector<DiscoveryRule>& rules, Language language) {
    std::string names;
    for (DiscoveryRule rule : rules) names += (names.empty() ? "" : ",") + std::string(RuleName(rule));
    return names.empty() ? std::string(PickText(language, text::NoRule)) : names;
}

TextPair VersionVerdict(const VolumeSurvey& volume) {
    if (volume.rules.empty()) return text::VersionNotTried;
    switch (volume.versionResult) {
        case result::Ok: return text::VersionParsed;
        case result::Rejected: return text::VersionOtherFamily;
        default: return text::VersionUnreadableShort;
    }
}

}  // namespace

nlohmann::ordered_json DeviceJson(const DeviceLink& link, std::uint32_t freeBytes,
                                  int versionResult) {
    return {
        {"DeviceRoot", link.DeviceRoot.string()},
        {"SoftwareVersion", link.SoftwareVersion},
        {"HardwareVersion", link.HardwareVersion},
        {"MarketCode", link.MarketCode},
        {"ModelCode", link.ModelCode},
        {"CourseFolder", link.CourseFolder},
        {"FreeBytes", freeBytes},
        {"DeviceVersionLine", link.DeviceVersionLine},
        {"result", versionResult},
    };
}

int DevicesCommand(const CliContext& context) {
    const auto survey = SurveyVolumes(*context.MakeVolumeSource());
    const Language language = context.language;
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
        PrintJson(context.out, std::move(list));
        return 0;
    }
    if (survey.empty()) context.out << PickText(language, text::NoUsbVolume) << '\n';
    for (const VolumeSurvey& volume : survey) {
        context.out << DisplayText(volume.candidate.devicePath.string()) << "\n  "
                    << DisplayText(volume.candidate.instanceId) << "\n  "
                    << PickText(language, text::RulesLabel) << RuleNames(volume.rules, language)
                    << PickText(language, text::VersionFileLabel)
                    << PickText(language, VersionVerdict(volume)) << '\n';
    }
    return 0;
}

int DeviceInfoCommand(const CliContext& context) {
    const DeviceInfo info = ReadDeviceInfo(*context.MakeVolumeSource(), context.device);
    const auto values = DeviceJson(info.link, info.freeBytes, info.versionResult);
    if (context.json) {
        PrintJson(context.out, values);
    } else {
        for (const auto& [key, value] : values.items()) {
            context.out << key << ": "
                        << (value.is_string() ? DisplayText(value.get<std::string>()) : value.dump())
                        << '\n';
        }
    }
    if (info.versionResult == result::Ok) return 0;
    context.err << PickText(context.language, text::VersionUnreadable) << '\n';
    return 1;
}

}  // namespace orvane::cli
