#include "catalogue/SaveDeviceZone.h"

#include "catalogue/BinaryClubList.h"
#include "catalogue/ClubListText.h"
#include "catalogue/DeviceFiles.h"
#include "catalogue/NameIndex.h"

namespace orvane {

int SaveDeviceZone(CatalogueContext& context, int zone) {
    const auto z = static_cast<std::size_t>(zone);
    const auto& device = context.data.DeviceList[z];
    const NameIndex deviceIndex(device);
    const bool binary = context.device.ModelCode == kFirstGenerationModel;
    std::string text;
    text.reserve(2 * context.data.CatalogueTextLength[z] + 2);
    for (const CourseNode& course : context.data.CatalogueList[z]) {
        if (course.mark == Mark::New) continue;
        CourseNode written = course;
        if (course.mark == Mark::Updated) {
            if (const auto* sameName = deviceIndex.Find(course.name)) {
                written.id = device[sameName->front()].id;
                written.version = device[sameName->front()].version;
            }
        }
        if (binary) {
            AppendBinaryRecord(text, written);
        } else {
            AppendTextClubListLine(text, written);
        }
    }
    context.data.DeviceText[z] = std::move(text);
    return PutDeviceFile(context, nullptr, DeviceClubListName(zone, context.device.ModelCode)).code;
}

}  // namespace orvane
