#include "DemoMaps.h"

#include "DemoFiles.h"
#include "device/DevicePaths.h"

namespace orvane::demo {
namespace {

constexpr const char* kCourseFolders[] = {"Course_V40", "Course29", "Course30"};

// The map's file name on the server: the alias when it has one, else its name.
std::string MapFileName(const CourseNode& course) {
    return (course.fileKey.starts_with('_') ? course.fileKey : course.name) + ".dat";
}

void LinkOrCopy(const std::filesystem::path& from, const std::filesystem::path& to) {
    std::filesystem::create_directories(to.parent_path());
    std::filesystem::remove(to);
    std::error_code error;
    std::filesystem::create_hard_link(from, to, error);
    if (error) std::filesystem::copy_file(from, to);
}

}  // namespace

std::string PlausibleBytes(DemoRandom& random, std::string_view header, std::size_t length) {
    std::string bytes(header);
    bytes.resize(std::max(length, bytes.size()));
    for (std::size_t i = header.size(); i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(random.Below(256));
    return bytes;
}

void WriteServerMaps(const std::filesystem::path& server, const DemoCatalogue& catalogue,
                     DemoRandom& random, MapSizes sizes) {
    const auto download = server / "Download";
    for (const auto& zone : catalogue.zones) {
        for (const CourseNode& course : zone) {
            const std::string name = MapFileName(course);
            const auto mapIn = [&](int modelCode, std::string folder) {
                DeviceLink model;
                model.ModelCode = modelCode;
                model.CourseFolder = std::move(folder);
                return download / CourseMapFolder(model, course.id) / name;
            };
            const std::size_t length =
                sizes.smallest +
                random.Below(static_cast<std::uint32_t>(sizes.largest - sizes.smallest));
            const auto original = mapIn(0, kCourseFolders[0]);
            WriteDemoFile(original,
                          PlausibleBytes(random, "ORVANE-MAP " + course.name + "\n", length));
            LinkOrCopy(original, mapIn(0, kCourseFolders[1]));
            LinkOrCopy(original, mapIn(0, kCourseFolders[2]));
            LinkOrCopy(original, mapIn(kFirstGenerationModel, kCourseFolders[0]));
            // Text-layout devices know no aliases: they fetch a map by the
            // course's name.
            if (name != course.name + ".dat") {
                for (const auto& folder : kCourseFolders)
                    LinkOrCopy(original, mapIn(0, folder).replace_filename(course.name + ".dat"));
            }
        }
    }
}

}  // namespace orvane::demo
