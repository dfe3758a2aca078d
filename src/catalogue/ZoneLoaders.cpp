#include "catalogue/ZoneLoaders.h"

#include <chrono>

#include "catalogue/BinaryClubList.h"
#include "catalogue/ClubListText.h"
#include "catalogue/DeviceFiles.h"
#include "util/Files.h"

namespace orvane {
namespace {

// A server file fetched into the working folder is read once and removed;
// the bytes of this run's fetch need no reading.
std::optional<std::string> TakeWorkFile(const CatalogueContext& context, std::string_view name,
                                        std::optional<std::string> fetched) {
    const auto path = context.workFolder / name;
    auto bytes = fetched ? std::move(fetched) : ReadFileBytes(path);
    if (bytes) {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }
    return bytes;
}

std::size_t Index(int zone) { return static_cast<std::size_t>(zone); }

const CourseNode* FindIn(const PerZone<std::vector<CourseNode>>& lists, std::string_view key,
                         std::string CourseNode::*field) {
    for (const auto& list : lists) {
        for (const CourseNode& course : list) {
            if (course.*field == key) return &course;
        }
    }
    return nullptr;
}

}  // namespace

void LoadCatalogueZone(CatalogueContext& context, int zone, FetchedZone fetched) {
    const std::string_view name = ZoneTable[Index(zone)].catalogueName;
    if (context.device.ModelCode == kFirstGenerationModel) {
        const auto aliases =
            TakeWorkFile(context, "_" + std::string(name), std::move(fetched.aliasList));
        context.data.AliasList[Index(zone)] = ParseAliasList(aliases.value_or(std::string()));
    }
    const auto text = TakeWorkFile(context, name, std::move(fetched.clubList));
    if (!text) return;
    context.data.CatalogueTextLength[Index(zone)] = text->size();
    if (text->empty()) return;
    context.data.CatalogueList[Index(zone)] =
        ParseTextClubList(*text, zone, ClubListSide::Catalogue, context.ui);
}

void LoadReferenceZone(CatalogueContext& context, int zone, std::optional<std::string> fetched) {
    const auto text =
        TakeWorkFile(context, ZoneTable[Index(zone)].catalogueName, std::move(fetched));
    if (!text) return;
    context.data.ReferenceList[Index(zone)] = ParseReferenceList(*text);
}

void LoadDeviceZone(CatalogueContext& context, int zone) {
    const bool firstGeneration = context.device.ModelCode == kFirstGenerationModel;
    if (firstGeneration) context.ui.Pause(std::chrono::milliseconds(100));
    LoadDeviceFile(context, nullptr, DeviceClubListName(zone, context.device.ModelCode));

    std::string& text = context.data.DeviceText[Index(zone)];
    auto& list = context.data.DeviceList[Index(zone)];
    if (firstGeneration) {
        list = ParseBinaryClubList(text, zone, context.data);
    } else {
        list = ParseTextClubList(text, zone, ClubListSide::Device, context.ui);
    }
    text.clear();
    text.shrink_to_fit();
}

const CourseNode* FindCatalogueCourse(const CatalogueData& data, std::string_view key) {
    return FindIn(data.CatalogueList, key,
                  key.starts_with('_') ? &CourseNode::fileKey : &CourseNode::name);
}

const CourseNode* FindDeviceCourse(const CatalogueData& data, std::string_view name) {
    return FindIn(data.DeviceList, name, &CourseNode::name);
}

}  // namespace orvane
