#include "device/DevicePaths.h"

#include <cstdio>

#include "util/Text.h"

namespace orvane {
std::int32_t FirstGenerationMapNumber(std::int32_t id) {
    if (id / 10000 == 5010) return id % 10000;
    if (id / 10000000 == 5) return id % 10000000;
    return id;
}

std::string CourseMapFolder(const DeviceLink& link, std::int32_t courseId,
                            std::string_view separator) {
    const bool firstGeneration = link.ModelCode == kFirstGenerationModel;
    const std::int32_t number = firstGeneration ? FirstGenerationMapNumber(courseId) : courseId;
    const std::string sep(separator);
    return Format("%s%s%06d%s%02d", firstGeneration ? "Cour107" : link.CourseFolder.c_str(),
                  sep.c_str(), number / 100, sep.c_str(), number % 100);
}

std::string DevicePathFor(const DeviceLink& link, std::string_view name,
                          std::optional<std::int32_t> courseId) {
    const std::string nameText(name);
    if (name.starts_with("Ver.ini")) return "System/Ver.ini";
    // Zones 22 to 27 of the first generation are named "CL_..." on the device.
    if (StartsWithIgnoringCase(name, "Cl_")) return "ClubList/" + nameText;
    if (name.starts_with("ClubList")) {
        return (link.ModelCode == kFirstGenerationModel ? "ClubList" : link.CourseFolder) + "/" +
               nameText;
    }
    if (name.starts_with("DataList.dat")) return "UserData/DataList.dat";
    if (name.starts_with("UserData")) return nameText;
    if (!courseId) return {};
    return CourseMapFolder(link, *courseId) + "/" + nameText;
}

std::filesystem::path DeviceFilePath(const DeviceLink& link, std::string_view relativePath) {
    return link.DeviceRoot / relativePath;
}

}  // namespace orvane
