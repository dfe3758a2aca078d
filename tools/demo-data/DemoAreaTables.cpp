#include "DemoAreaTables.h"

namespace orvane::demo {
namespace {

using W = NameWord;
using Names = std::string_view;

// ---- Korea: places by region, with their Hangul spelling for the titles.

constexpr W kKoreaNorth[] = {
    {"SEOUL", "서울"},       {"GOYANG", "고양"},        {"PAJU", "파주"},
    {"POCHEON", "포천"},     {"YANGJU", "양주"},        {"GAPYEONG", "가평"},
    {"NAMYANGJU", "남양주"}, {"DONGDUCHEON", "동두천"}, {"UIJEONGBU", "의정부"}};
constexpr W kKoreaSouth[] = {{"YONGIN", "용인"},  {"ICHEON", "이천"},   {"YEOJU", "여주"},
                             {"ANSEONG", "안성"}, {"HWASEONG", "화성"}, {"SUWON", "수원"},
                             {"ANYANG", "안양"},  {"SEONGNAM", "성남"}, {"PYEONGTAEK", "평택"},
                             {"INCHEON", "인천"}, {"GIMPO", "김포"},    {"YANGPYEONG", "양평"}};
constexpr W kGangwon[] = {{"CHUNCHEON", "춘천"},   {"WONJU", "원주"},      {"HONGCHEON", "홍천"},
                          {"PYEONGCHANG", "평창"}, {"GANGNEUNG", "강릉"},  {"SOKCHO", "속초"},
                          {"JEONGSEON", "정선"},   {"HOENGSEONG", "횡성"}, {"GOSEONG", "고성"}};
constexpr W kChungcheong[] = {{"DAEJEON", "대전"}, {"CHEONAN", "천안"}, {"CHEONGJU", "청주"},
                              {"CHUNGJU", "충주"}, {"ASAN", "아산"},    {"SEJONG", "세종"},
                              {"JECHEON", "제천"}, {"TAEAN", "태안"},   {"BORYEONG", "보령"}};
constexpr W kJeolla[] = {{"GWANGJU", "광주"}, {"JEONJU", "전주"}, {"SUNCHEON", "순천"},
                         {"MUAN", "무안"},    {"YEOSU", "여수"},  {"NAJU", "나주"},
                         {"GUNSAN", "군산"},  {"IKSAN", "익산"},  {"HAENAM", "해남"}};
constexpr W kGyeongbuk[] = {{"DAEGU", "대구"},      {"GYEONGJU", "경주"}, {"GUMI", "구미"},
                            {"POHANG", "포항"},     {"ANDONG", "안동"},   {"SANGJU", "상주"},
                            {"YEONGCHEON", "영천"}, {"CHILGOK", "칠곡"},  {"MUNGYEONG", "문경"}};
constexpr W kGyeongnam[] = {{"BUSAN", "부산"},    {"GIMHAE", "김해"},    {"YANGSAN", "양산"},
                            {"CHANGWON", "창원"}, {"TONGYEONG", "통영"}, {"GEOJE", "거제"},
                            {"JINJU", "진주"},    {"ULSAN", "울산"},     {"MIRYANG", "밀양"}};
constexpr W kJeju[] = {{"JEJU", "제주"},     {"SEOGWIPO", "서귀포"}, {"HALLA", "한라"},
                       {"JUNGMUN", "중문"},  {"ORA", "오라"},        {"AEWOL", "애월"},
                       {"SEONGSAN", "성산"}, {"HALLIM", "한림"},     {"PYOSEON", "표선"}};

// The capital area holds the most courses; Jeju many for its size.
constexpr RegionRow kKorea[] = {
    {"Northern Cap.", 14, -1, 1, {37.55, 38.10, 126.75, 127.50}, kKoreaNorth},
    {"Southern Cap.", 26, -1, 1, {36.95, 37.50, 126.85, 127.70}, kKoreaSouth},
    {"GangWon", 12, -1, 1, {37.20, 38.20, 127.65, 128.85}, kGangwon},
    {"TaeJeon/ChungCheong", 12, -1, 1, {36.15, 37.00, 126.70, 128.00}, kChungcheong},
    {"Gwangju/JeolLa", 10, -1, 1, {34.70, 35.90, 126.50, 127.65}, kJeolla},
    {"Daegu/GyeongBuk", 10, -1, 1, {35.75, 36.85, 128.15, 129.30}, kGyeongbuk},
    {"Busan/GyeongNam", 11, -1, 1, {34.95, 35.55, 127.85, 129.15}, kGyeongnam},
    {"Jeju", 7, -1, 1, {33.27, 33.48, 126.25, 126.85}, kJeju},
};

// ---- China: the region number sits in the last digits.

constexpr W kChinaNorthEast[] = {{"Shenyang"}, {"Dalian"}, {"Changchun"}, {"Harbin"}};
constexpr W kChinaBeijing[] = {{"Beijing"}, {"Tianjin"}, {"Langfang"}, {"Shunyi"}};
constexpr W kChinaShanghai[] = {{"Shanghai"}, {"Suzhou"}, {"Kunshan"},
                                {"Hangzhou"}, {"Ningbo"}, {"Wuxi"}};
constexpr W kChinaCentral[] = {{"Wuhan"}, {"Zhengzhou"}, {"Xian"}, {"Changsha"}, {"Hefei"}};
constexpr W kChinaSouthInland[] = {{"Chengdu"}, {"Chongqing"}, {"Kunming"}, {"Guilin"}};
constexpr W kChinaGuangdong[] = {{"Guangzhou"}, {"Shenzhen"}, {"Dongguan"},
                                 {"Zhuhai"},    {"Xiamen"},   {"Sanya"}};
constexpr RegionRow kChina[] = {
    {"Northeastern", 12, -1, 1, {41.0, 45.5, 122.5, 127.5}, kChinaNorthEast},
    {"Beijing Area", 22, -1, 1, {39.5, 40.4, 116.0, 117.4}, kChinaBeijing},
    {"Shanghai Area", 24, -1, 1, {30.8, 31.8, 120.3, 121.6}, kChinaShanghai},
    {"Central Inland", 12, -1, 1, {28.5, 34.5, 108.5, 115.5}, kChinaCentral},
    {"Southern Inland", 10, -1, 1, {24.5, 30.5, 102.5, 110.5}, kChinaSouthInland},
    {"Guangdong & Others", 20, -1, 1, {22.5, 24.0, 112.5, 116.5}, kChinaGuangdong},
};

// ---- Japan: region rows with their prefectures, east and west zones.

constexpr Names kChubu[] = {"Aichi",   "Fukui",    "Gifu",   "Ishikawa", "Nagano",
                            "Niigata", "Shizouka", "Toyama", "Yamanashi"};
constexpr Names kChugoku[] = {"Hiroshima", "Okayama", "Shimane", "Tottori", "Yamaguchi"};
constexpr Names kHokkaido[] = {"Hokkaido"};
constexpr Names kKanto[] = {"Chiba", "Gunma", "Ibaraki", "Kanagawa", "Saitama", "Tochigi", "Tokyo"};
constexpr Names kKinki[] = {"Hyogo", "Kyoto", "Mie", "Nara", "Osaka", "Shiga", "Wakayama"};
constexpr Names kKyushu[] = {"Fukuoka",  "Kagoshima", "Kumamoto", "Miyazaki",
                             "Nagasaki", "Oita",      "Okinawa",  "Saga"};
constexpr Names kShikoku[] = {"Ehime", "Kagawa", "Kochi", "Tokushima"};
constexpr Names kTohoku[] = {"Aomori", "Akita", "Fukushima", "Iwata", "Miyagi", "Yamagata"};
constexpr RegionRow kJapan[] = {
    {"Chubu", 16, 2, 9, {34.8, 37.3, 136.2, 138.8}, {}, kChubu},
    {"Chugoku", 7, 3, 5, {34.2, 35.3, 131.5, 134.2}, {}, kChugoku},
    {"Hokkaido", 7, 2, 1, {42.2, 43.8, 141.0, 144.0}, {}, kHokkaido},
    {"Kanto", 32, 2, 7, {35.3, 36.7, 139.1, 140.6}, {}, kKanto},
    {"Kinki", 16, 3, 7, {33.9, 35.5, 134.7, 136.4}, {}, kKinki},
    {"Kyushu", 11, 3, 8, {31.4, 33.8, 130.1, 131.8}, {}, kKyushu},
    {"Shikoku", 4, 3, 4, {33.2, 34.3, 132.7, 134.6}, {}, kShikoku},
    {"Tohoku", 7, 2, 6, {37.1, 40.8, 139.9, 141.6}, {}, kTohoku},
};

// ---- USA: state rows, their county counts and the zone of each state.
// Weights follow how many courses a state has.

constexpr RegionRow kUsa[] = {
    {"Alabama", 300, 9, 19, {31.2, 34.8, -88.2, -85.2}},
    {"Alaska", 20, 19, 1, {60.8, 61.7, -150.2, -148.8}},
    {"Arizona", 350, 17, 7, {31.6, 36.8, -114.3, -109.2}},
    {"Arkansas", 180, 16, 10, {33.2, 36.4, -94.3, -90.3}},
    {"California", 1100, 5, 33, {35.0, 39.5, -121.5, -118.5}},
    {"Colorado", 250, 17, 12, {37.1, 40.9, -108.9, -102.2}},
    {"Connecticut", 180, 15, 8, {41.1, 42.0, -73.6, -72.0}},
    {"Delaware", 50, 8, 3, {38.6, 39.7, -75.7, -75.3}},
    {"Dist. of Columbia", 5, 7, 1, {38.86, 38.97, -77.08, -76.95}},
    {"Florida", 1250, 10, 33, {26.5, 29.8, -82.2, -80.9}},
    {"Georgia", 450, 9, 23, {31.0, 34.8, -85.0, -82.0}},
    {"Hawaii", 80, 19, 5, {21.35, 21.55, -158.10, -157.85}},
    {"Idaho", 100, 14, 6, {42.2, 48.5, -116.8, -111.3}},
    {"Illinois", 650, 6, 31, {37.2, 42.4, -90.9, -87.8}},
    {"Indiana", 450, 13, 25, {38.0, 41.7, -87.5, -85.0}},
    {"Iowa", 400, 6, 31, {40.7, 43.4, -95.8, -91.3}},
    {"Kansas", 250, 17, 14, {37.1, 39.9, -101.9, -94.7}},
    {"Kentucky", 250, 19, 18, {36.7, 38.6, -89.0, -82.9}},
    {"Louisiana", 180, 16, 13, {30.2, 32.9, -93.7, -90.2}},
    {"Maine", 150, 19, 8, {43.3, 46.5, -70.9, -68.0}},
    {"Maryland", 200, 7, 14, {38.5, 39.7, -77.8, -76.6}},
    {"Massachusetts", 350, 19, 11, {41.8, 42.7, -73.2, -71.0}},
    {"Michigan", 850, 11, 35, {42.0, 45.5, -86.2, -83.0}},
    {"Minnesota", 500, 12, 28, {43.6, 48.5, -96.5, -92.5}},
    {"Mississippi", 180, 16, 10, {30.6, 34.9, -91.0, -88.2}},
    {"Missouri", 350, 16, 20, {36.6, 40.5, -94.5, -90.3}},
    {"Montana", 100, 14, 6, {45.0, 48.9, -115.8, -104.2}},
    {"Nebraska", 220, 17, 8, {40.1, 42.9, -103.9, -95.5}},
    {"Nevada", 150, 5, 6, {37.5, 41.8, -117.8, -114.1}},
    {"New Hampshire", 100, 19, 6, {42.8, 44.9, -72.5, -71.0}},
    {"New Jersey", 300, 8, 12, {39.3, 41.3, -75.1, -74.2}},
    {"New Mexico", 90, 17, 6, {32.0, 36.9, -108.9, -103.1}},
    {"New York", 850, 15, 32, {42.0, 44.9, -79.0, -73.6}},
    {"North Carolina", 650, 7, 32, {34.9, 36.5, -83.5, -77.5}},
    {"North Dakota", 100, 14, 7, {46.0, 48.9, -103.9, -97.0}},
    {"Ohio", 750, 13, 35, {38.9, 41.6, -84.7, -80.6}},
    {"Oklahoma", 250, 18, 13, {33.9, 36.9, -99.9, -94.5}},
    {"Oregon", 200, 14, 11, {42.1, 45.9, -123.6, -117.0}},
    {"Pennsylvania", 750, 8, 31, {39.8, 41.9, -80.4, -75.3}},
    {"Rhode Island", 50, 19, 3, {41.4, 42.0, -71.8, -71.4}},
    {"South Carolina", 400, 9, 16, {32.4, 35.1, -82.7, -79.5}},
    {"South Dakota", 100, 14, 6, {43.0, 45.9, -103.9, -96.6}},
    {"Tennessee", 300, 16, 18, {35.0, 36.6, -90.0, -82.0}},
    {"Texas", 900, 18, 36, {29.8, 33.9, -102.5, -94.2}},
    {"Utah", 130, 17, 6, {37.1, 41.9, -113.9, -109.1}},
    {"Vermont", 60, 19, 6, {42.8, 44.9, -73.3, -71.6}},
    {"Virginia", 350, 7, 27, {36.6, 39.3, -82.5, -76.5}},
    {"Washington", 300, 14, 15, {45.7, 48.9, -123.0, -117.1}},
    {"West Virginia", 100, 7, 7, {37.3, 40.0, -82.3, -78.0}},
    {"Wisconsin", 500, 12, 29, {42.6, 46.6, -92.7, -87.9}},
    {"Wyoming", 60, 14, 5, {41.1, 44.9, -110.9, -104.1}},
};
constexpr W kUsaPlaces[] = {
    {"Springfield"},     {"Riverside"},     {"Fairview"},     {"Franklin"},
    {"Greenville"},      {"Madison"},       {"Clinton"},      {"Salem"},
    {"Georgetown"},      {"Oakwood"},       {"Lakewood"},     {"Brookfield"},
    {"Cedar Falls"},     {"Maple Grove"},   {"Willow Creek"}, {"Eagle Point"},
    {"Hunters Run"},     {"Fox Hollow"},    {"Deer Run"},     {"Quail Ridge"},
    {"Heron Bay"},       {"Stonebridge"},   {"Copper Hill"},  {"Silver Lake"},
    {"Bear Creek"},      {"Elk Ridge"},     {"Indian Hills"}, {"Twin Oaks"},
    {"Crystal Springs"}, {"Falcon Crest"},  {"Hawthorne"},    {"Prairie View"},
    {"Pebble Creek"},    {"Red Hawk"},      {"Timber Ridge"}, {"Whispering Pines"},
    {"Rolling Hills"},   {"Sunset Valley"}, {"Wildwood"},     {"Pine Lake"},
};

// ---- Canada, the United Kingdom and Australia are subdivided too.

constexpr RegionRow kCanada[] = {
    {"Alberta", 14, 20, 6, {49.1, 55.5, -119.0, -110.2}},
    {"British Columbia", 14, 20, 6, {49.0, 53.0, -122.8, -116.0}},
    {"Manitoba", 5, 20, 1, {49.1, 51.5, -101.0, -96.0}},
    {"New Brunswick", 2.5, 20, 1, {45.3, 47.5, -67.5, -65.0}},
    {"Newfoundland", 1.2, 20, 1, {47.4, 49.3, -57.5, -53.2}},
    {"Northwest Territories", 0.1, 20, 1, {62.40, 62.50, -114.45, -114.30}},
    {"Nova Scotia", 3, 20, 1, {44.5, 45.8, -65.0, -62.0}},
    {"Nunavut", 0.05, 20, 1, {63.73, 63.76, -68.55, -68.48}},
    {"Ontario", 36, 20, 9, {42.5, 46.4, -81.4, -75.6}},
    {"Prince Edward Island", 1.2, 20, 1, {46.2, 46.6, -63.8, -62.5}},
    {"Quebec", 16, 20, 5, {45.2, 48.4, -74.8, -70.6}},
    {"Saskatchewan", 6, 20, 3, {49.1, 53.5, -109.5, -102.0}},
    {"Yukon Territory", 0.1, 20, 1, {60.65, 60.78, -135.15, -134.95}},
};
constexpr W kCanadaPlaces[] = {
    {"Banff"},   {"Jasper"},    {"Kananaskis"}, {"Muskoka"},  {"Niagara"},     {"Whistler"},
    {"Kelowna"}, {"Osoyoos"},   {"Lethbridge"}, {"Red Deer"}, {"Sudbury"},     {"Kingston"},
    {"Guelph"},  {"Oakville"},  {"Brantford"},  {"Moncton"},  {"Fredericton"}, {"Halifax"},
    {"Regina"},  {"Saskatoon"}, {"Brandon"},    {"Nanaimo"},  {"Bromont"},     {"Gatineau"},
};

constexpr W kNorthEngland[] = {{"Harrogate"}, {"Ilkley"},    {"Ripon"},  {"Whitby"}, {"Kendal"},
                               {"Keswick"},   {"Southport"}, {"Formby"}, {"Lytham"}, {"Buxton"},
                               {"Lincoln"},   {"Chester"},   {"Durham"}, {"Hexham"}, {"Alnmouth"}};
constexpr W kSouthEngland[] = {{"Brighton"},   {"Canterbury"},  {"Dorking"}, {"Epsom"},
                               {"Guildford"},  {"Henley"},      {"Marlow"},  {"Salisbury"},
                               {"Sherborne"},  {"Taunton"},     {"Truro"},   {"Windsor"},
                               {"Winchester"}, {"Sunningdale"}, {"Burnham"}, {"Hunstanton"}};
constexpr W kScotland[] = {{"Aberdeen"}, {"Crail"}, {"Dornoch"},  {"Elie"},      {"Gullane"},
                           {"Nairn"},    {"Troon"}, {"Montrose"}, {"Prestwick"}, {"Kingsbarns"}};
constexpr W kWales[] = {{"Tenby"}, {"Conwy"}, {"Pwllheli"}, {"Porthcawl"}, {"Aberdovey"}};
constexpr W kNorthernIreland[] = {{"Portrush"}, {"Newcastle"}, {"Bangor"}, {"Portstewart"}};
constexpr RegionRow kUnitedKingdom[] = {
    {"Northern England", 30, 22, 10, {53.3, 55.2, -2.9, -0.6}, kNorthEngland},
    {"Southern England", 42, 23, 18, {50.8, 52.6, -3.5, 0.8}, kSouthEngland},
    {"Scotland", 20, 22, 6, {55.2, 57.5, -4.8, -2.3}, kScotland},
    {"Wales", 6, 23, 1, {51.6, 53.1, -4.0, -3.1}, kWales},
    {"Northern Ireland", 4, 22, 1, {54.3, 55.0, -7.3, -5.9}, kNorthernIreland},
};

constexpr RegionRow kAustralia[] = {
    {"ACT", 2, 21, 1, {-35.45, -35.15, 148.95, 149.20}},
    {"New South Wales", 33, 21, 4, {-35.0, -29.5, 147.0, 151.2}},
    {"Northern Territory", 1, 21, 1, {-12.55, -12.35, 130.85, 131.05}},
    {"Queensland", 22, 21, 4, {-28.0, -19.5, 146.0, 152.6}},
    {"South Australia", 8, 21, 1, {-35.3, -33.8, 138.5, 139.8}},
    {"Tasmania", 4, 21, 1, {-42.9, -41.2, 145.8, 147.8}},
    {"Victoria", 25, 21, 4, {-38.1, -36.0, 142.0, 147.5}},
    {"Western Australia", 10, 21, 1, {-33.8, -31.2, 115.9, 117.4}},
};
constexpr W kAustraliaPlaces[] = {
    {"Ballarat"},       {"Bendigo"},    {"Cairns"},    {"Coffs Harbour"}, {"Geelong"},
    {"Hobart"},         {"Launceston"}, {"Mandurah"},  {"Noosa"},         {"Orange"},
    {"Port Macquarie"}, {"Rosebud"},    {"Toowoomba"}, {"Townsville"},    {"Wagga Wagga"},
    {"Wollongong"},     {"Albury"},     {"Bunbury"},
};

// ---- The rest of Asia.

constexpr W kIndonesia[] = {{"Jakarta"},  {"Bogor"}, {"Bandung"}, {"Semarang"}, {"Yogyakarta"},
                            {"Surabaya"}, {"Bali"},  {"Batam"},   {"Bintan"},   {"Medan"}};
constexpr RegionRow kIndonesiaRegions[] = {
    {"JABOTABEK/West Java", 40, -1, 1, {-6.9, -6.2, 106.5, 107.6}},
    {"Jogja/Central Java", 10, -1, 1, {-7.8, -6.9, 109.5, 110.8}},
    {"Surabaya/Bali/Lombok/East Java", 25, -1, 1, {-8.6, -7.2, 112.5, 115.3}},
    {"Batam/Bintan/Sumatra", 18, -1, 1, {0.8, 3.6, 98.6, 104.5}},
    {"Kalimantan/Irian Jaya", 7, -1, 1, {-1.3, 0.5, 116.8, 117.3}},
};
constexpr W kMalaysia[] = {{"Kuala Lumpur"},  {"Shah Alam"}, {"Seremban"}, {"Melaka"},
                           {"Johor"},         {"Penang"},    {"Ipoh"},     {"Kuantan"},
                           {"Kota Kinabalu"}, {"Kuching"}};
constexpr W kPhilippines[] = {{"Manila"}, {"Baguio"}, {"Clark"},  {"Tagaytay"},
                              {"Cebu"},   {"Davao"},  {"Laguna"}, {"Cavite"}};
constexpr W kSingapore[] = {{"Sentosa"}, {"Tanah Merah"}, {"Keppel"}, {"Changi"}, {"Seletar"}};
constexpr W kThailand[] = {{"Bangkok"}, {"Pattaya"},      {"Rayong"}, {"Chiang Mai"}, {"Khao Yai"},
                           {"Hua Hin"}, {"Kanchanaburi"}, {"Phuket"}, {"Koh Samui"},  {"Hat Yai"}};
constexpr W kVietnam[] = {{"Hanoi"}, {"Da Nang"}, {"Phan Thiet"}, {"Dalat"}, {"Vung Tau"}};
constexpr W kIndia[] = {{"Delhi"}, {"Gurgaon"}, {"Noida"}, {"Pune"}, {"Bangalore"}, {"Jaipur"}};
constexpr W kTaiwan[] = {{"Taipei"}, {"Taichung"}, {"Kaohsiung"}, {"Linkou"}};
constexpr W kMyanmar[] = {{"Yangon"}, {"Mandalay"}};
constexpr W kUae[] = {{"Dubai"}, {"Abu Dhabi"}};
constexpr W kBrunei[] = {{"Bandar"}, {"Jerudong"}};
constexpr W kCambodia[] = {{"Siem Reap"}, {"Phnom Penh"}};
constexpr W kLaos[] = {{"Vientiane"}};
constexpr W kQatar[] = {{"Doha"}};
constexpr W kUzbekistan[] = {{"Tashkent"}};
constexpr W kOtherAsia[] = {{"Ulaanbaatar"}, {"Colombo"}, {"Kathmandu"}, {"Almaty"}};
constexpr RegionRow kOtherAsiaRegions[] = {
    {"Taiwan", 50, -1, 1, {22.9, 25.0, 120.4, 121.5}, kTaiwan},
    {"Myanmar", 10, -1, 1, {16.8, 21.9, 95.9, 96.2}, kMyanmar},
    {"UAE", 8, -1, 1, {24.4, 25.2, 55.2, 55.5}, kUae},
    {"Brunei", 2, -1, 1, {4.85, 4.95, 114.85, 114.98}, kBrunei},
    {"Cambodia", 5, -1, 1, {11.5, 13.4, 103.8, 104.9}, kCambodia},
    {"Laos", 2, -1, 1, {17.92, 18.00, 102.55, 102.68}, kLaos},
    {"Qatar", 2, -1, 1, {25.25, 25.38, 51.43, 51.53}, kQatar},
    {"Uzbekistan", 1, -1, 1, {41.25, 41.35, 69.20, 69.35}, kUzbekistan},
    {"Others", 8, -1, 1, {47.85, 47.95, 106.85, 106.98}, kOtherAsia},
};
constexpr RegionRow kMalaysiaRegions[] = {
    {"Kuala Lumpur/Selangor", 35}, {"Negeri Sembilan/Melaka/Johor", 25},
    {"Kedah/Perlis/Penang", 12},   {"Perak/Kelantan", 10},
    {"Pahang/Terengganu", 8},      {"Sabah/Sarawak", 10},
};
constexpr RegionRow kPhilippinesRegions[] = {
    {"Metro Manila", 30}, {"Northern Luzon", 20}, {"Southern Luzon", 30},
    {"Central Area", 12}, {"Mindanao Island", 8},
};
constexpr RegionRow kThailandRegions[] = {
    {"Bangkok/Northern Bangkok", 30, -1, 1, {13.7, 14.3, 100.3, 100.8}},
    {"Bangna-Trad to Pattaya/Rayong", 22, -1, 1, {12.7, 13.6, 100.8, 101.4}},
    {"Chiang Mai/Chiang Rai/Northern", 12, -1, 1, {18.6, 19.9, 98.9, 99.9}},
    {"Khao Yai/Nakhon Ratchasima", 10, -1, 1, {14.4, 15.0, 101.3, 102.1}},
    {"Nakhon Pathom/Kanchanaburi/Hua Hin", 16, -1, 1, {12.5, 14.1, 99.5, 100.1}},
    {"Phuket/Koh Samui/Hat Yai", 10, -1, 1, {7.8, 8.1, 98.3, 98.4}},
};

// ---- The Americas beyond the USA and Canada.

constexpr W kMexico[] = {{"Guadalajara"}, {"Queretaro"}, {"Morelia"}, {"Puebla"},
                         {"Cuernavaca"},  {"Leon"},      {"Toluca"}};
constexpr W kBrazil[] = {{"Sao Paulo"}, {"Campinas"}, {"Rio"}, {"Santos"}, {"Sorocaba"}};
constexpr W kArgentina[] = {{"Buenos Aires"}, {"Rosario"},    {"Cordoba"},
                            {"Pilar"},        {"San Isidro"}, {"Mar del Plata"}};
constexpr W kPeru[] = {{"Lima"}, {"La Molina"}};
constexpr W kBermuda[] = {{"Hamilton"}, {"Tuckers Town"}};
constexpr W kChile[] = {{"Santiago"}, {"Vina del Mar"}};
constexpr W kColombia[] = {{"Bogota"}, {"Medellin"}};
constexpr W kPuertoRico[] = {{"San Juan"}, {"Dorado"}, {"Rio Grande"}};
constexpr W kOtherAmerica[] = {{"San Jose"}, {"Panama"}, {"Montevideo"}};
constexpr RegionRow kOtherAmericaRegions[] = {
    {"Bermuda", 5, -1, 1, {32.26, 32.36, -64.85, -64.70}, kBermuda},
    {"Chile", 25, -1, 1, {-33.6, -33.3, -70.8, -70.5}, kChile},
    {"Colombia", 30, -1, 1, {4.5, 6.3, -75.7, -74.0}, kColombia},
    {"Puerto Rico", 15, -1, 1, {18.05, 18.40, -66.90, -65.80}, kPuertoRico},
    {"Others", 25, -1, 1, {9.85, 10.05, -84.25, -83.95}, kOtherAmerica},
};

// ---- Europe.

constexpr W kFrance[] = {{"Arcachon"}, {"Biarritz"},   {"Chantilly"},     {"Deauville"},
                         {"Dinard"},   {"Evian"},      {"Fontainebleau"}, {"Hossegor"},
                         {"La Baule"}, {"Le Touquet"}, {"Lyon"},          {"Megeve"},
                         {"Nantes"},   {"Reims"},      {"Rouen"},         {"Strasbourg"},
                         {"Toulouse"}, {"Vichy"},      {"Dijon"},         {"Avignon"}};
constexpr RegionRow kFranceRegions[] = {
    {"Alsace/Aquitaine/Auvergne", 14, -1, 1, {44.2, 45.8, -0.8, 3.0}},
    {"Burgundy/Brittany/Centre", 14, -1, 1, {46.8, 48.4, -3.8, 4.5}},
    {"Ile de France/Languedoc", 22, -1, 1, {48.5, 49.1, 1.8, 2.9}},
    {"Lorraine/Midi Pyrenees", 10, -1, 1, {43.3, 44.2, 0.5, 2.0}},
    {"Normandy/Nord Pas de Calais", 12, -1, 1, {49.2, 50.6, 0.2, 3.0}},
    {"Pays de la Loire/Picardy", 9, -1, 1, {47.0, 48.0, -1.8, 0.4}},
    {"Provence Alpes/Rhone Alpes", 16, -1, 1, {43.5, 46.0, 4.8, 6.8}},
    {"Others", 3, -1, 1, {41.6, 42.6, 8.8, 9.3}},
};
constexpr W kGermany[] = {{"Berlin"},    {"Bremen"},     {"Duesseldorf"}, {"Frankfurt"},
                          {"Hamburg"},   {"Hannover"},   {"Koeln"},       {"Muenchen"},
                          {"Stuttgart"}, {"Wiesbaden"},  {"Starnberg"},   {"Feldafing"},
                          {"Lindau"},    {"Bad Saarow"}, {"Heidelberg"}};
constexpr RegionRow kGermanyRegions[] = {
    {"Baden-Wurttemberg", 16, -1, 1, {47.8, 49.5, 8.2, 10.2}},
    {"Bavaria", 22, -1, 1, {47.6, 50.2, 10.3, 13.3}},
    {"Hesse", 10, -1, 1, {49.5, 51.3, 8.3, 9.9}},
    {"Lower Saxony and Bremen", 13, -1, 1, {51.8, 53.3, 7.3, 10.8}},
    {"North Rhine-Westfalia", 18, -1, 1, {50.5, 52.2, 6.2, 8.8}},
    {"Rhineland-Palatinate", 6, -1, 1, {49.2, 50.5, 6.5, 8.1}},
    {"Schleswig-Holstein and Hamburg", 9, -1, 1, {53.5, 54.7, 9.0, 10.8}},
    {"Others", 6, -1, 1, {51.0, 53.2, 11.5, 14.0}},
};
constexpr W kItaly[] = {{"Roma"},   {"Milano"}, {"Torino"}, {"Firenze"}, {"Venezia"}, {"Bologna"},
                        {"Verona"}, {"Garda"},  {"Como"},   {"Parma"},   {"Siena"},   {"Rapallo"}};
constexpr RegionRow kItalyRegions[] = {
    {"Emilia Romagna", 14, -1, 1, {44.2, 44.9, 9.8, 12.2}},
    {"Lazio/Liguria", 18, -1, 1, {41.7, 42.3, 12.3, 13.0}},
    {"Lombardy/Piedmont", 36, -1, 1, {44.8, 45.8, 7.6, 10.0}},
    {"Tuscany/Veneto", 26, -1, 1, {43.2, 45.6, 10.8, 12.2}},
    {"Others", 6, -1, 1, {40.6, 41.1, 14.2, 15.0}},
};
constexpr W kSpain[] = {{"Marbella"}, {"Sotogrande"}, {"Estepona"},  {"Sevilla"},
                        {"Valencia"}, {"Alicante"},   {"Murcia"},    {"Girona"},
                        {"Salou"},    {"Madrid"},     {"Santander"}, {"Oviedo"}};
constexpr RegionRow kSpainRegions[] = {
    {"Andalucia/Aragon/Asturias", 36, -1, 1, {36.5, 37.6, -6.0, -4.0}},
    {"Balearic Islands/Canary Islands", 14, -1, 1, {39.4, 39.8, 2.5, 3.3}},
    {"Cantabria/Catalonia", 20, -1, 1, {41.3, 42.2, 1.0, 2.9}},
    {"Madrid/Murcia/Valencia", 24, -1, 1, {38.0, 40.6, -3.9, -0.6}},
    {"Others", 6, -1, 1, {41.5, 42.5, -5.5, -2.0}},
};
constexpr W kPortugal[] = {{"Vilamoura"}, {"Cascais"}, {"Estoril"}, {"Lagos"},
                           {"Albufeira"}, {"Sintra"},  {"Porto"},   {"Obidos"}};
constexpr W kSweden[] = {{"Falsterbo"}, {"Halmstad"}, {"Bastad"},    {"Visby"},     {"Uppsala"},
                         {"Vasteras"},  {"Orebro"},   {"Jonkoping"}, {"Linkoping"}, {"Vaxjo"},
                         {"Kalmar"},    {"Karlstad"}, {"Goteborg"},  {"Malmo"},     {"Lund"}};
constexpr RegionRow kSwedenRegions[] = {
    {"Blekinge/Bohuslan/Dalarna", 18, -1, 1, {56.2, 60.6, 14.5, 15.8}},
    {"Halland/Ostergotland/Skane", 30, -1, 1, {55.4, 58.5, 12.9, 16.2}},
    {"Smaland/Stockholm/Uppland", 28, -1, 1, {57.0, 60.0, 14.5, 18.0}},
    {"Varmland/Vastergotland/Vastmanland", 18, -1, 1, {58.0, 59.9, 12.5, 16.5}},
    {"Others", 6, -1, 1, {62.0, 64.0, 15.0, 18.5}},
};
constexpr W kIreland[] = {{"Adare"},     {"Ballybunion"}, {"Bantry"}, {"Carlow"},    {"Dingle"},
                          {"Dundalk"},   {"Ennis"},       {"Galway"}, {"Kilkenny"},  {"Killarney"},
                          {"Mullingar"}, {"Sligo"},       {"Tralee"}, {"Waterford"}, {"Westport"}};
constexpr RegionRow kIrelandRegions[] = {
    {"Shannon", 14, -1, 1, {52.5, 52.9, -9.4, -8.4}},
    {"South East", 20, -1, 1, {52.2, 53.0, -7.5, -6.4}},
    {"South West", 20, -1, 1, {51.7, 52.4, -9.8, -8.2}},
    {"Midlands East", 24, -1, 1, {53.1, 53.8, -7.8, -6.3}},
    {"North West", 10, -1, 1, {54.0, 54.9, -8.7, -7.4}},
    {"West Ireland", 12, -1, 1, {53.2, 53.9, -9.6, -8.6}},
};
constexpr W kAustria[] = {{"Kitzbuehel"}, {"Seefeld"}, {"Salzburg"}, {"Innsbruck"},
                          {"Linz"},       {"Graz"},    {"Villach"},  {"Wien"}};
constexpr W kDenmark[] = {{"Aalborg"},   {"Aarhus"}, {"Esbjerg"},   {"Odense"},  {"Roskilde"},
                          {"Silkeborg"}, {"Vejle"},  {"Helsingor"}, {"Rungsted"}};
constexpr W kFinland[] = {{"Helsinki"}, {"Espoo"},  {"Tampere"},   {"Turku"}, {"Oulu"},
                          {"Lahti"},    {"Kuopio"}, {"Jyvaskyla"}, {"Porvoo"}};
constexpr W kNetherlands[] = {{"Noordwijk"}, {"Haarlem"}, {"Utrecht"}, {"Hilversum"}, {"Eindhoven"},
                              {"Zandvoort"}, {"Arnhem"},  {"Breda"},   {"Groningen"}};
constexpr W kNorway[] = {{"Oslo"},         {"Bergen"},   {"Stavanger"},
                         {"Trondheim"},    {"Drammen"},  {"Fredrikstad"},
                         {"Kristiansand"}, {"Tonsberg"}, {"Larvik"}};
constexpr W kSwitzerland[] = {{"Crans"},   {"Davos"}, {"Lausanne"}, {"Luzern"},
                              {"Zuerich"}, {"Basel"}, {"Ascona"},   {"Bern"}};
constexpr W kBelgium[] = {{"Knokke"}, {"Waterloo"}, {"Spa"}, {"Antwerpen"}};
constexpr W kCzech[] = {{"Praha"}, {"Karlovy Vary"}, {"Brno"}, {"Marianske Lazne"}};
constexpr W kGreece[] = {{"Glyfada"}, {"Navarino"}, {"Corfu"}};
constexpr W kHungary[] = {{"Budapest"}, {"Tata"}, {"Balaton"}};
constexpr W kIceland[] = {{"Reykjavik"}, {"Keilir"}, {"Akureyri"}};
constexpr W kPoland[] = {{"Warszawa"}, {"Krakow"}, {"Gdansk"}, {"Poznan"}, {"Wroclaw"}};
constexpr W kSlovakia[] = {{"Bratislava"}, {"Tale"}, {"Piestany"}};
constexpr W kRussia[] = {{"Moskva"}, {"Pavlovsk"}, {"Kazan"}};
constexpr W kTurkey[] = {{"Belek"}, {"Antalya"}, {"Istanbul"}, {"Bodrum"}};
constexpr W kOtherEurope[] = {{"Ljubljana"}, {"Bled"}, {"Tallinn"}, {"Riga"}, {"Vilnius"}};
constexpr RegionRow kOtherEuropeRegions[] = {
    {"Belgium", 30, -1, 1, {50.5, 51.2, 3.6, 5.5}, kBelgium},
    {"Czech Republic", 25, -1, 1, {49.2, 50.5, 13.5, 17.5}, kCzech},
    {"Greece", 3, -1, 1, {37.85, 38.10, 23.70, 23.95}, kGreece},
    {"Hungary", 5, -1, 1, {46.8, 47.7, 17.8, 19.5}, kHungary},
    {"Iceland", 12, -1, 1, {63.95, 64.15, -22.05, -21.70}, kIceland},
    {"Poland", 8, -1, 1, {50.2, 53.5, 16.5, 21.5}, kPoland},
    {"Slovakia", 4, -1, 1, {48.2, 49.0, 17.3, 20.0}, kSlovakia},
    {"Russia", 3, -1, 1, {55.55, 55.95, 37.30, 37.90}, kRussia},
    {"Turkey", 4, -1, 1, {36.82, 36.92, 30.95, 31.20}, kTurkey},
    {"Others", 6, -1, 1, {45.95, 46.35, 14.30, 14.60}, kOtherEurope},
};

// ---- Oceania and Africa.

constexpr W kNewZealand[] = {{"Rotorua"}, {"Taupo"},      {"Napier"}, {"Hamilton"}, {"Tauranga"},
                             {"Nelson"},  {"Queenstown"}, {"Wanaka"}, {"Dunedin"},  {"Timaru"}};
constexpr RegionRow kNewZealandRegions[] = {
    {"North Islands", 60, -1, 1, {-39.5, -37.0, 175.0, 176.5}},
    {"South Islands", 40, -1, 1, {-45.5, -42.0, 169.5, 172.5}},
};
constexpr W kSouthAfrica[] = {{"Durban"},   {"George"},       {"Hermanus"}, {"Knysna"},
                              {"Pretoria"}, {"Stellenbosch"}, {"Paarl"},    {"Bloemfontein"}};
constexpr RegionRow kSouthAfricaRegions[] = {
    {"Cape(s)", 35, -1, 1, {-34.1, -33.3, 18.6, 22.5}},
    {"Free State/Gauteng", 35, -1, 1, {-26.6, -25.5, 27.6, 28.6}},
    {"Kwa-Zulu Natal/Mpumalanga", 20, -1, 1, {-30.0, -25.6, 30.2, 30.9}},
    {"Others", 10, -1, 1, {-29.0, -25.5, 24.0, 26.5}},
};
constexpr W kKenya[] = {{"Nairobi"}, {"Karen"}, {"Limuru"}, {"Thika"}};
constexpr W kMorocco[] = {{"Marrakech"}, {"Agadir"}, {"Rabat"}, {"Fes"}, {"Mohammedia"}};
constexpr W kFiji[] = {{"Nadi"}, {"Suva"}, {"Denarau"}};
constexpr W kGuam[] = {{"Tamuning"}, {"Talofofo"}, {"Mangilao"}};
constexpr W kSaipan[] = {{"Saipan"}, {"Marpi"}};
constexpr W kPacific[] = {{"Papeete"}, {"Koror"}, {"Noumea"}};
constexpr RegionRow kOceaniaRegions[] = {
    {"Fiji", 25, -1, 1, {-17.85, -17.65, 177.40, 177.55}, kFiji},
    {"Guam", 35, -1, 1, {13.35, 13.55, 144.75, 144.85}, kGuam},
    {"Saipan", 25, -1, 1, {15.12, 15.25, 145.70, 145.78}, kSaipan},
    {"Others", 15, -1, 1, {-17.62, -17.52, -149.60, -149.45}, kPacific},
};
constexpr W kAfrica[] = {{"Cairo"}, {"Hurghada"}, {"Windhoek"}, {"Lusaka"}, {"Accra"}};

// One row per country in the order of the country tabs: name, country code,
// older code, code form, zone, flavour, courses at world size, box (for
// countries whose regions have none), regions, places.
// clang-format off
constexpr CountryRow kCountries[] = {
    // Asia/Pacific.
    {"Korea", 5010, 0, CodeForm::RegionLast, 0, Flavour::Korean, 4000, {}, kKorea},
    {"Japan", 5012, 12, CodeForm::Subdivided, 2, Flavour::Japanese, 4800, {}, kJapan},
    {"China", 5011, 11, CodeForm::RegionLast, 1, Flavour::Chinese, 900, {}, kChina},
    {"Indonesia", 5031, -1, CodeForm::RegionLast, 4, Flavour::Asian, 250, {},
     kIndonesiaRegions, kIndonesia},
    {"Malaysia", 5032, -1, CodeForm::RegionLast, 4, Flavour::Asian, 300,
     {2.2, 5.8, 100.8, 103.2}, kMalaysiaRegions, kMalaysia},
    {"Philippines", 5033, -1, CodeForm::RegionLast, 4, Flavour::Asian, 150,
     {13.9, 16.5, 120.5, 121.3}, kPhilippinesRegions, kPhilippines},
    {"Singapore", 5034, -1, CodeForm::RegionLast, 4, Flavour::Asian, 40,
     {1.32, 1.42, 103.70, 103.95}, {}, kSingapore},
    {"Thailand", 5035, -1, CodeForm::RegionLast, 4, Flavour::Asian, 400, {},
     kThailandRegions, kThailand},
    {"Vietnam", 5036, -1, CodeForm::RegionLast, 4, Flavour::Asian, 80,
     {20.85, 21.15, 105.65, 106.00}, {}, kVietnam},
    {"India", 5041, -1, CodeForm::RegionLast, 4, Flavour::Asian, 150,
     {18.5, 28.4, 73.8, 79.5}, {}, kIndia},
    {"Other Asia", 5999, -1, CodeForm::CatchAll, 4, Flavour::Asian, 250, {}, kOtherAsiaRegions},
    // America.
    {"USA", 1001, -1, CodeForm::Subdivided, 5, Flavour::American, 20000, {}, kUsa, kUsaPlaces},
    {"Canada", 1002, -1, CodeForm::Subdivided, 20, Flavour::English, 2300, {}, kCanada,
     kCanadaPlaces},
    {"Mexico", 1003, -1, CodeForm::RegionLast, 4, Flavour::Latin, 250,
     {19.2, 21.0, -103.4, -98.5}, {}, kMexico},
    {"Brazil", 1101, -1, CodeForm::RegionLast, 4, Flavour::Latin, 120,
     {-23.8, -22.2, -47.5, -45.0}, {}, kBrazil},
    {"Argentina", 1102, -1, CodeForm::RegionLast, 4, Flavour::Latin, 300,
     {-34.9, -31.5, -63.5, -58.6}, {}, kArgentina},
    {"Peru", 1103, -1, CodeForm::RegionLast, 4, Flavour::Latin, 30,
     {-12.20, -12.00, -77.00, -76.85}, {}, kPeru},
    {"Other America", 1999, -1, CodeForm::CatchAll, 4, Flavour::Latin, 250, {},
     kOtherAmericaRegions},
    // Europe.
    {"United Kingdom", 3001, -1, CodeForm::Subdivided, 22, Flavour::English, 2800, {},
     kUnitedKingdom},
    {"France", 3002, -1, CodeForm::RegionLast, 24, Flavour::French, 700, {}, kFranceRegions,
     kFrance},
    {"Germany", 3003, -1, CodeForm::RegionLast, 25, Flavour::German, 750, {}, kGermanyRegions,
     kGermany},
    {"Italia", 3004, -1, CodeForm::RegionLast, 27, Flavour::Italian, 300, {}, kItalyRegions,
     kItaly},
    {"Spain", 3005, -1, CodeForm::RegionLast, 24, Flavour::Iberian, 400, {}, kSpainRegions,
     kSpain},
    {"Sweden", 3006, -1, CodeForm::RegionLast, 26, Flavour::Nordic, 480, {}, kSwedenRegions,
     kSweden},
    {"Ireland", 3007, -1, CodeForm::RegionLast, 27, Flavour::English, 420, {}, kIrelandRegions,
     kIreland},
    {"Austria", 3008, -1, CodeForm::RegionLast, 27, Flavour::German, 160,
     {47.0, 47.8, 10.5, 15.9}, {}, kAustria},
    {"Denmark", 3009, -1, CodeForm::RegionLast, 25, Flavour::Nordic, 200,
     {55.3, 57.0, 8.6, 10.4}, {}, kDenmark},
    {"Finland", 3010, -1, CodeForm::RegionLast, 26, Flavour::Nordic, 150,
     {60.3, 62.5, 22.5, 28.0}, {}, kFinland},
    {"Netherlands", 3011, -1, CodeForm::RegionLast, 25, Flavour::Dutch, 250,
     {51.5, 53.1, 4.7, 6.8}, {}, kNetherlands},
    {"Norway", 3012, -1, CodeForm::RegionLast, 26, Flavour::Nordic, 170,
     {59.3, 60.9, 9.6, 11.5}, {}, kNorway},
    {"Switzerland", 3013, -1, CodeForm::RegionLast, 27, Flavour::German, 100,
     {46.4, 47.5, 7.1, 9.4}, {}, kSwitzerland},
    {"Portugal", 3014, -1, CodeForm::RegionLast, 24, Flavour::Iberian, 90,
     {37.1, 41.6, -8.6, -7.6}, {}, kPortugal},
    {"Other Europe", 3999, -1, CodeForm::CatchAll, 27, Flavour::English, 500, {},
     kOtherEuropeRegions},
    // Others.
    {"Australia", 2001, -1, CodeForm::Subdivided, 21, Flavour::English, 1600, {}, kAustralia,
     kAustraliaPlaces},
    {"New Zealand", 2002, -1, CodeForm::RegionLast, 4, Flavour::English, 400, {},
     kNewZealandRegions, kNewZealand},
    {"Rep. of South Africa", 4001, -1, CodeForm::RegionLast, 4, Flavour::English, 450, {},
     kSouthAfricaRegions, kSouthAfrica},
    {"Kenya", 4002, -1, CodeForm::RegionLast, 4, Flavour::English, 40,
     {-1.40, -1.15, 36.70, 36.95}, {}, kKenya},
    {"Morocco", 4003, -1, CodeForm::RegionLast, 4, Flavour::French, 40,
     {31.5, 34.0, -8.0, -5.2}, {}, kMorocco},
    {"Others", 2999, -1, CodeForm::CatchAll, 4, Flavour::English, 60, {}, kOceaniaRegions},
    // The African "Others" entry is the one code 49990001.
    {"Others", 4999, -1, CodeForm::CatchAll, 4, Flavour::English, 40,
     {29.95, 30.10, 31.05, 31.35}, {}, kAfrica},
};
// clang-format on

}  // namespace

std::span<const CountryRow> CountryRows() { return kCountries; }

}  // namespace orvane::demo
