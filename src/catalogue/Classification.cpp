#include "catalogue/Classification.h"

#include <string_view>
#include <unordered_map>

#include "catalogue/NameIndex.h"
#include "device/DevicePaths.h"
#include "util/SafeFile.h"

namespace orvane {
namespace {

void SettleAliases(const std::vector<CourseNode>& aliases, std::vector<CourseNode>& catalogue,
                   std::vector<CourseNode>& device) {
    if (aliases.empty()) return;
    std::unordered_map<std::string_view, const CourseNode*> byName, byFileKey;
    for (const CourseNode& alias : aliases) {
        byName.try_emplace(alias.name, &alias);
        byFileKey.try_emplace(alias.fileKey, &alias);
    }
    for (CourseNode& course : catalogue) {
        if (const auto found = byName.find(course.name); found != byName.end())
            course.fileKey = found->second->fileKey;
    }
    for (CourseNode& course : device) {
        if (!course.fileKey.starts_with('_')) continue;
        if (const auto found = byFileKey.find(course.fileKey); found != byFileKey.end())
            course.name = found->second->name;
    }
}

// Courses in the 999 family are kept whatever their id on the device.
bool IdIsWildcard(std::int32_t id) { return (id / 10000) % 1000 == 999; }

Mark Classify(const CourseNode& course, const std::vector<CourseNode>& device,
              const NameIndex& index) {
    const auto* sameName = index.Find(course.name);
    if (sameName == nullptr) return Mark::New;
    const CourseNode& stored = device[sameName->front()];
    if (course.version > stored.version) return Mark::Updated;
    if (course.id == stored.id || IdIsWildcard(course.id)) return course.mark;
    for (std::size_t i = 1; i < sameName->size(); ++i) {
        if (device[(*sameName)[i]].id == course.id) return course.mark;
    }
    return Mark::New;
}

bool MapIsOnDevice(const DeviceLink& device, const CourseNode& course) {
    const std::string fileName = FirstGenerationKey(course) + ".dat";
    if (!IsSafeFileName(fileName)) return false;
    const auto path =
        DeviceFilePath(device, CourseMapFolder(device, course.id)) / fileName;
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

}  // namespace

void ClassifyCourses(CatalogueData& data) {
    for (std::size_t zone = 0; zone < kZoneCount; ++zone) {
        auto& catalogue = data.CatalogueList[zone];
        const auto& device = data.DeviceList[zone];
        SettleAliases(data.AliasList[zone], catalogue, data.DeviceList[zone]);
        const NameIndex index(device);
        for (CourseNode& course : catalogue) course.mark = Classify(course, device, index);
    }
}

void CheckDeviceMaps(const DeviceLink& device, CatalogueData& data,
                     const std::function<void()>& afterEachCourse) {
    for (std::size_t zone = 0; zone < kZoneCount; ++zone) {
        auto& catalogue = data.CatalogueList[zone];
        const NameIndex catalogueIndex(catalogue);
        std::vector<CourseNode> kept;
        for (CourseNode& course : data.DeviceList[zone]) {
            if (MapIsOnDevice(device, course)) {
                kept.push_back(std::move(course));
            } else if (const auto* sameName = catalogueIndex.Find(course.name)) {
                catalogue[sameName->front()].mark = Mark::New;
            }
            if (afterEachCourse) afterEachCourse();
        }
        data.DeviceList[zone] = std::move(kept);
    }
}

}  // namespace orvane
