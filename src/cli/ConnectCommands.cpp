#include "cli/ConnectCommands.h"

#include <iostream>
#include <nlohmann/json.hpp>

#include "catalogue/CatalogueCounts.h"
#include "cli/ConnectedRun.h"
#include "cli/DeviceCommands.h"
#include "cli/JsonOutput.h"
#include "device/DeviceVolume.h"
#include "shell/FrontEndTexts.h"
#include "util/Text.h"
#include "util/TextDecoding.h"
#include "server/Firmware.h"
#include "shell/ResultCode.h"

namespace orvane::cli {
namespace {

using nlohmann::ordered_json;

std::string_view MarkText(Mark mark) {
    switch (mark) {
        case Mark::New: return "N";
        case Mark::Updated: return "U";
        case Mark::Stored: return "";
    }
    return "";
}

ordered_json CourseJson(const CourseNode& course) {
    ordered_json points = ordered_json::array();
    for (const PointOffset& point : course.points) points.push_back({point.dLat, point.dLon});
    return {{"zone", course.zone},       {"id", course.id},
            {"title", course.title},     {"name", course.name},
            {"fileKey", course.fileKey}, {"shortKey", course.shortKey},
            {"mark", MarkText(course.mark)}, {"version", course.version},
            {"maxLat", course.maxLat},   {"minLat", course.minLat},
            {"minLon", course.minLon},   {"maxLon", course.maxLon},
            {"lat", course.lat},         {"lon", course.lon},
            {"points", points}};
}

ordered_json GroupJson(const GroupCounts& group) {
    return {{"total", group.total}, {"N", group.added}, {"U", group.modified}};
}

ordered_json CoursesJson(const std::vector<CourseNode>& courses) {
    ordered_json list = ordered_json::array();
    for (const CourseNode& course : courses) list.push_back(CourseJson(course));
    return list;
}

}  // namespace

int ConnectCommand(const CliContext& context) {
    ConnectedRun run(context);
    Session& session = run.session();
    const CatalogueCountsResult counts = CatalogueCounts(session.catalogue);
    if (context.json) {
        DeviceLink& device = session.device;
        const std::uint32_t freeBytes = device.DeviceRoot.empty() ? 0 : FreeBytes(device);
        ordered_json summary = DeviceJson(device, freeBytes, run.connected() ? 0 : 1);
        summary.erase("result");
        summary["connected"] = run.connected();
        summary["korea"] = GroupJson(counts.korea);
        summary["overseas"] = GroupJson(counts.overseas);
        summary["usa"] = GroupJson(counts.usa);
        PrintJson(context.out, std::move(summary));
    } else {
        const Language language = context.language;
        context.out << DisplayText(session.device.DeviceVersionLine) << '\n';
        const auto line = [&](TextPair group, const GroupCounts& c) {
            context.out << Format(std::string(PickText(language, text::GroupCountsFormat)).c_str(),
                                  std::string(PickText(language, group)).c_str(), c.total, c.added,
                                  c.modified)
                        << '\n';
        };
        line(text::KoreaGroup, counts.korea);
        line(text::OverseasGroup, counts.overseas);
        line(text::UsaGroup, counts.usa);
    }
    return run.connected() ? 0 : 1;
}

int ZoneCommand(const CliContext& context, int zone) {
    ConnectedRun run(context);
    const auto z = static_cast<std::size_t>(zone);
    const ordered_json lists = {{"catalogue", CoursesJson(run.session().catalogue.CatalogueList[z])},
                                {"device", CoursesJson(run.session().catalogue.DeviceList[z])}};
    PrintJson(context.out, lists);
    return run.connected() ? 0 : 1;
}

int FirmwareCommand(const CliContext& context) {
    ConnectedRun run(context);
    if (!run.connected()) return 1;
    OnFirmwareCommand(run.session().catalogueContext, run.session().server,
                      run.session().transfer.Busy());
    return 0;
}

}  // namespace orvane::cli
