#include "browser/AreaTableData.h"

namespace orvane::area_data {
namespace {

// Tables without a Korean list show the English one in Korean too, but for
// "All Areas" and "Others" (RegionLabel).

constexpr std::string_view kAsiaAllEnglish[] = {"All Areas(Exclude Japan)"};
constexpr std::string_view kAsiaAllKorean[] = {"전체(일본제외)"};

constexpr std::string_view kKoreaEnglish[] = {
    "All Areas",      "Northern Cap.",   "Southern Cap.",   "GangWon", "TaeJeon/ChungCheong",
    "Gwangju/JeolLa", "Daegu/GyeongBuk", "Busan/GyeongNam", "Jeju"};
constexpr std::string_view kKoreaKorean[] = {"전체",      "수도권북부", "수도권남부",
                                             "강원도",    "대전/충청",  "광주/전라",
                                             "대구/경북", "부산/경남",  "제주도"};

constexpr std::string_view kChinaEnglish[] = {
    "All Areas",      "Northeastern",    "Beijing Area",      "Shanghai Area",
    "Central Inland", "Southern Inland", "Guangdong & Others"};
constexpr std::string_view kChinaKorean[] = {"전체",     "동북지역", "베이징지역", "상하이지역",
                                             "중부내륙", "남부내륙", "광동이남"};

constexpr std::string_view kIndonesiaEnglish[] = {"All Areas",
                                                  "JABOTABEK/West Java",
                                                  "Jogja/Central Java",
                                                  "Surabaya/Bali/Lombok/East Java",
                                                  "Batam/Bintan/Sumatra",
                                                  "Kalimantan/Irian Jaya"};
constexpr std::string_view kIndonesiaKorean[] = {"전체",
                                                 "자보타벡/서부자바",
                                                 "족자/중부자바",
                                                 "수라바야/발리/롬복/동부자바",
                                                 "바탐/빈탄/수마트라",
                                                 "깔리만탄/이리얀자야"};

constexpr std::string_view kMalaysiaEnglish[] = {
    "All Areas",           "Kuala Lumpur/Selangor", "Negeri Sembilan/Melaka/Johor",
    "Kedah/Perlis/Penang", "Perak/Kelantan",        "Pahang/Terengganu",
    "Sabah/Sarawak"};
constexpr std::string_view kMalaysiaKorean[] = {"전체",
                                                "쿠알라룸푸르/셀랑고",
                                                "네그리슴빌란/말라카/조호르",
                                                "끄다/펄리스/페낭",
                                                "페락/끌란탄",
                                                "파항/트렝가누",
                                                "사바/사라왁"};

constexpr std::string_view kPhilippinesEnglish[] = {"All Areas",      "Metro Manila",
                                                    "Northern Luzon", "Southern Luzon",
                                                    "Central Area",   "Mindanao Island"};
constexpr std::string_view kPhilippinesKorean[] = {"전체",         "마닐라지역", "루손북부지역",
                                                   "루손남부지역", "중부지역",   "민다나오섬"};

constexpr std::string_view kAllAreasEnglish[] = {"All Areas"};
constexpr std::string_view kAllAreasKorean[] = {"전체"};

constexpr std::string_view kThailandEnglish[] = {"All Areas",
                                                 "Bangkok/Northern Bangkok",
                                                 "Bangna-Trad to Pattaya/Rayong",
                                                 "Chiang Mai/Chiang Rai/Northern",
                                                 "Khao Yai/Nakhon Ratchasima",
                                                 "Nakhon Pathom/Kanchanaburi/Hua Hin",
                                                 "Phuket/Koh Samui/Hat Yai"};
constexpr std::string_view kThailandKorean[] = {"전체",
                                                "방콕/방콕북부",
                                                "방나트랏/파타야/라용",
                                                "치앙마이/치앙라이/북부",
                                                "카오야이/동부",
                                                "방콕서부/칸차나부리/후아힌",
                                                "푸켓/코사무이/핫야이"};

constexpr std::string_view kOtherAsiaEnglish[] = {"All Areas",  "Taiwan",   "Myanmar", "UAE",
                                                  "Brunei",     "Cambodia", "Laos",    "Qatar",
                                                  "Uzbekistan", "Others"};
constexpr std::string_view kOtherAsiaKorean[] = {"전체",         "대만",     "미얀마", "UAE",
                                                 "브루나이",     "캄보디아", "라오스", "카타르",
                                                 "우즈베키스탄", "기타"};

constexpr std::string_view kAmericaAllEnglish[] = {"All Areas(Exclude USA)"};
constexpr std::string_view kAmericaAllKorean[] = {"전체(미국제외)"};

constexpr std::string_view kOtherAmericaEnglish[] = {"All Areas", "Bermuda",     "Chile",
                                                     "Colombia",  "Puerto Rico", "Others"};
constexpr std::string_view kOtherAmericaKorean[] = {"전체",     "버뮤다",       "칠레",
                                                    "콜롬비아", "푸에르토리코", "기타"};

constexpr std::string_view kEuropeAllEnglish[] = {"All Areas(Exclude UK&Germany)"};
constexpr std::string_view kEuropeAllKorean[] = {"전체(영국&독일제외)"};

constexpr std::string_view kFranceEnglish[] = {"All Areas",
                                               "Alsace/Aquitaine/Auvergne",
                                               "Burgundy/Brittany/Centre",
                                               "Ile de France/Languedoc",
                                               "Lorraine/Midi Pyrenees",
                                               "Normandy/Nord Pas de Calais",
                                               "Pays de la Loire/Picardy",
                                               "Provence Alpes/Rhone Alpes",
                                               "Others"};

constexpr std::string_view kGermanyEnglish[] = {"All Areas",
                                                "Baden-Wurttemberg",
                                                "Bavaria",
                                                "Hesse",
                                                "Lower Saxony and Bremen",
                                                "North Rhine-Westfalia",
                                                "Rhineland-Palatinate",
                                                "Schleswig-Holstein and Hamburg",
                                                "Others"};

constexpr std::string_view kItaliaEnglish[] = {"All Areas",      "Emilia Romagna",
                                               "Lazio/Liguria",  "Lombardy/Piedmont",
                                               "Tuscany/Veneto", "Others"};

constexpr std::string_view kSpainEnglish[] = {
    "All Areas",           "Andalucia/Aragon/Asturias", "Balearic Islands/Canary Islands",
    "Cantabria/Catalonia", "Madrid/Murcia/Valencia",    "Others"};

constexpr std::string_view kSwedenEnglish[] = {"All Areas",
                                               "Blekinge/Bohuslan/Dalarna",
                                               "Halland/Ostergotland/Skane",
                                               "Smaland/Stockholm/Uppland",
                                               "Varmland/Vastergotland/Vastmanland",
                                               "Others"};

constexpr std::string_view kIrelandEnglish[] = {"All Areas",   "Shannon",       "South East",
                                                "South West",  "Midlands East", "North West",
                                                "West Ireland"};

constexpr std::string_view kOtherEuropeEnglish[] = {
    "All Areas", "Belgium",  "Czech Republic", "Greece", "Hungary", "Iceland",
    "Poland",    "Slovakia", "Russia",         "Turkey", "Others"};
constexpr std::string_view kOtherEuropeKorean[] = {"전체",   "벨기에",     "체코",   "그리스",
                                                   "헝가리", "아이슬란드", "폴란드", "슬로바키아",
                                                   "러시아", "터키",       "기타"};

constexpr std::string_view kNewZealandEnglish[] = {"All Areas", "North Islands", "South Islands"};

constexpr std::string_view kSouthAfricaEnglish[] = {"All Areas", "Cape(s)", "Free State/Gauteng",
                                                    "Kwa-Zulu Natal/Mpumalanga", "Others"};

constexpr std::string_view kOthersEnglish[] = {"All Areas", "Fiji", "Guam", "Saipan", "Others"};
constexpr std::string_view kOthersKorean[] = {"전체", "피지", "괌", "사이판", "기타"};

constexpr std::string_view kSearchResultsEnglish[] = {"All Courses"};
constexpr std::string_view kSearchResultsKorean[] = {"전체"};

}  // namespace

constexpr std::array<RegionNames, 39> RegionNamesTable = {{
    {0, 1, kAsiaAllEnglish, kAsiaAllKorean},                // the continent's "All" view
    {1, 9, kKoreaEnglish, kKoreaKorean},                    // Korea
    {3, 7, kChinaEnglish, kChinaKorean},                    // China
    {4, 6, kIndonesiaEnglish, kIndonesiaKorean},            // Indonesia
    {5, 7, kMalaysiaEnglish, kMalaysiaKorean},              // Malaysia
    {6, 6, kPhilippinesEnglish, kPhilippinesKorean},        // Philippines
    {7, 1, kAllAreasEnglish, kAllAreasKorean},              // Singapore
    {8, 7, kThailandEnglish, kThailandKorean},              // Thailand
    {9, 1, kAllAreasEnglish, kAllAreasKorean},              // Vietnam
    {10, 1, kAllAreasEnglish, kAllAreasKorean},             // India
    {11, 10, kOtherAsiaEnglish, kOtherAsiaKorean},          // Other Asia
    {100, 1, kAmericaAllEnglish, kAmericaAllKorean},        // the continent's "All" view
    {103, 1, kAllAreasEnglish, kAllAreasKorean},            // Mexico
    {104, 1, kAllAreasEnglish, kAllAreasKorean},            // Brazil
    {105, 1, kAllAreasEnglish, kAllAreasKorean},            // Argentina
    {106, 1, kAllAreasEnglish, kAllAreasKorean},            // Peru
    {107, 6, kOtherAmericaEnglish, kOtherAmericaKorean},    // Other America
    {200, 1, kEuropeAllEnglish, kEuropeAllKorean},          // the continent's "All" view
    {202, 9, kFranceEnglish, {}},                           // France
    {203, 9, kGermanyEnglish, {}},                          // Germany
    {204, 6, kItaliaEnglish, {}},                           // Italia
    {205, 6, kSpainEnglish, {}},                            // Spain
    {206, 6, kSwedenEnglish, {}},                           // Sweden
    {207, 7, kIrelandEnglish, {}},                          // Ireland
    {208, 1, kAllAreasEnglish, kAllAreasKorean},            // Austria
    {209, 1, kAllAreasEnglish, kAllAreasKorean},            // Denmark
    {210, 1, kAllAreasEnglish, kAllAreasKorean},            // Finland
    {211, 1, kAllAreasEnglish, kAllAreasKorean},            // Netherlands
    {212, 1, kAllAreasEnglish, kAllAreasKorean},            // Norway
    {213, 1, kAllAreasEnglish, kAllAreasKorean},            // Switzerland
    {214, 1, kAllAreasEnglish, kAllAreasKorean},            // Portugal
    {215, 11, kOtherEuropeEnglish, kOtherEuropeKorean},     // Other Europe
    {300, 1, kAllAreasEnglish, kAllAreasKorean},            // the continent's "All" view
    {302, 3, kNewZealandEnglish, {}},                       // New Zealand
    {303, 5, kSouthAfricaEnglish, {}},                      // Rep. of South Africa
    {304, 1, kAllAreasEnglish, kAllAreasKorean},            // Kenya
    {305, 1, kAllAreasEnglish, kAllAreasKorean},            // Morocco
    {306, 5, kOthersEnglish, kOthersKorean},                // Others
    {400, 1, kSearchResultsEnglish, kSearchResultsKorean},  // search results
}};

namespace {

// Each continent leaves room for a fixed number of region labels.
constexpr bool FitsItsContinent(const RegionNames& table) {
    constexpr int kSlots[kContinentCount] = {10, 7, 11, 9, 1};
    const bool koreanAgrees = table.korean.empty() || table.korean.size() == table.english.size();
    return table.n >= 1 && table.english.size() == static_cast<std::size_t>(table.n) &&
           koreanAgrees && table.n <= kSlots[ContinentOf(table.selectionCode)];
}

constexpr bool AllFit() {
    for (const RegionNames& table : RegionNamesTable) {
        if (!FitsItsContinent(table)) return false;
    }
    return true;
}
static_assert(AllFit());

}  // namespace

}  // namespace orvane::area_data
