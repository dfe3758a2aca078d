// A text club list, as the server's catalogue and as the device keeps it.
#include "FuzzSupport.h"
#include "catalogue/ClubListText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvane;
    fuzz::SilentShell shell;
    Ui ui(shell, Language::English);
    const std::string text = fuzz::Text(data, size);
    for (const ClubListSide side : {ClubListSide::Catalogue, ClubListSide::Device}) {
        const std::vector<CourseNode> courses = ParseTextClubList(text, 5, side, ui);
        // Whatever comes through is whole.
        for (const CourseNode& course : courses)
            fuzz::Require(course.version >= 0.3 && course.version <= 9.99 &&
                              course.name.size() <= 255 && course.title.size() <= 255,
                          "course fields");
        // What was read is written back as the device's list and read again.
        std::string written;
        for (const CourseNode& course : courses) AppendTextClubListLine(written, course);
        ParseTextClubList(written, 5, ClubListSide::Device, ui);
    }
    return 0;
}
