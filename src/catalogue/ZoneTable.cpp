#include "catalogue/ZoneTable.h"

#include "device/DeviceLink.h"
#include "util/Text.h"

namespace orvane {

const std::array<ZoneFiles, kZoneCount> ZoneTable = {{
    {"ClubListKorea.dat", "ClubList.dat"},     {"ClubListChina.dat", "Cl_China.dat"},
    {"ClubListJapan_E.dat", "Cl_Jp_E.dat"},    {"ClubListJapan_W.dat", "Cl_Jp_W.dat"},
    {"ClubListAsia.dat", "Cl_Asia.dat"},       {"ClubListUSA_CA.dat", "Cl_US_CA.dat"},
    {"ClubListUSA_CN.dat", "Cl_US_CN.dat"},    {"ClubListUSA_EC.dat", "Cl_US_EC.dat"},
    {"ClubListUSA_EN.dat", "Cl_US_EN.dat"},    {"ClubListUSA_ES.dat", "Cl_US_ES.dat"},
    {"ClubListUSA_FL.dat", "Cl_US_FL.dat"},    {"ClubListUSA_MI.dat", "Cl_US_MI.dat"},
    {"ClubListUSA_NC.dat", "Cl_US_NC.dat"},    {"ClubListUSA_NE.dat", "Cl_US_NE.dat"},
    {"ClubListUSA_NW.dat", "Cl_US_NW.dat"},    {"ClubListUSA_NY.dat", "Cl_US_NY.dat"},
    {"ClubListUSA_SC.dat", "Cl_US_SC.dat"},    {"ClubListUSA_SW.dat", "Cl_US_SW.dat"},
    {"ClubListUSA_TX.dat", "Cl_US_TX.dat"},    {"ClubListUSA_OT.dat", "Cl_US_OT.dat"},
    {"ClubListCanada.dat", "Cl_Canad.dat"},    {"ClubListAustralia.dat", "Cl_Austr.dat"},
    {"ClubListUK_N.dat", "CL_UK_N.dat"},       {"ClubListUK_S.dat", "CL_UK_S.dat"},
    {"ClubListFrance.dat", "CL_Franc.dat"},    {"ClubListGermany.dat", "CL_Germa.dat"},
    {"ClubListSweden.dat", "CL_Swede.dat"},    {"ClubListEurope.dat", "CL_Europ.dat"},
}};

std::string_view DeviceClubListName(int zone, int modelCode) {
    const ZoneFiles& files = ZoneTable.at(static_cast<std::size_t>(zone));
    return modelCode == kFirstGenerationModel ? files.firstGenerationName : files.catalogueName;
}

std::optional<int> ZoneOfDeviceClubList(std::string_view name, int modelCode) {
    // "Cl_" names are always first-generation names, whatever the model.
    const bool firstGenerationName =
        StartsWithIgnoringCase(name, "Cl_") || modelCode == kFirstGenerationModel;
    for (int zone = 0; zone < kZoneCount; ++zone) {
        const ZoneFiles& files = ZoneTable[static_cast<std::size_t>(zone)];
        if ((firstGenerationName ? files.firstGenerationName : files.catalogueName) == name)
            return zone;
    }
    return std::nullopt;
}

bool IsLeftOutOfZone4(std::int32_t id) {
    const std::int32_t family = id / 10000;
    return family == 11 || family == 1002 || family == 2001;
}

}  // namespace orvane
