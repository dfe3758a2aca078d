#include "DemoClubLists.h"

#include "catalogue/BinaryClubList.h"
#include "catalogue/ClubListText.h"
#include "device/DeviceLink.h"

namespace orvane::demo {

std::string TextClubList(const std::vector<CourseNode>& courses) {
    std::string text;
    for (const CourseNode& course : courses) AppendTextClubListLine(text, course);
    return text;
}

std::string BinaryClubList(const std::vector<CourseNode>& courses) {
    std::string bytes;
    for (const CourseNode& course : courses) AppendBinaryRecord(bytes, course);
    return bytes;
}

std::string AliasList(const std::vector<CourseNode>& courses) {
    std::string text;
    for (const CourseNode& course : courses) {
        if (course.fileKey.empty()) continue;
        text += course.fileKey + " " + course.name + "\r\n";
    }
    return text;
}

std::string DeviceClubList(const std::vector<CourseNode>& courses, int modelCode) {
    return modelCode == kFirstGenerationModel ? BinaryClubList(courses) : TextClubList(courses);
}

}  // namespace orvane::demo
