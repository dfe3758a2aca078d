// The device's record index, UserData/DataList.dat, and the save dialog's
// rows built from it.
#include "FuzzSupport.h"
#include "records/RecordLists.h"
#include "util/SafeFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvane;
    static const CatalogueData catalogue = [] {
        CatalogueData made;
        CourseNode club;
        club.name = "Club";
        club.id = 50101234;
        made.DeviceList[0].push_back(club);
        return made;
    }();
    const std::vector<RecordEntry> list = buildDeviceRecordList(catalogue, fuzz::Text(data, size));
    for (const RecordEntry& entry : list) {
        // Every path stays in the device's record folder.
        fuzz::Require(entry.path.starts_with("UserData/") &&
                          IsSafeFileName(std::string_view(entry.path).substr(9)),
                      "record path");
        fuzz::Require(IsSafeFileName(SavedRecordFileName(entry)), "saved file name");
    }
    for (const Language language : {Language::Korean, Language::English}) {
        std::vector<RecordRow> rows = SaveDialogRows(list, language);
        SortRecordRows(rows, SaveDialogSort());
        for (const RecordRow& row : rows)
            fuzz::Require(FindRowEntry(list, row, language).has_value(), "row finds its entry");
    }
    return 0;
}
