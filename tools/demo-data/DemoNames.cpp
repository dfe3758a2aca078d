#include "DemoNames.h"

#include <span>
#include <string_view>

namespace orvane::demo {
namespace {

using W = NameWord;

// A way clubs call themselves. In both patterns {P} stands for a place, {D}
// for a descriptive word (possibly none) and {R} for the region's name.
struct ClubKind {
    std::string_view token;
    std::string_view title;
};

struct Style {
    std::span<const W> descriptors;
    std::span<const ClubKind> kinds;
    std::span<const W> courses;
    bool numbered = false;
};

// ---- Korea.
constexpr W kKoreanWords[] = {{"LAKE", "레이크"}, {"HILLS", "힐스"},      {"VALLEY", "밸리"},
                              {"PINE", "파인"},   {"SKY", "스카이"},      {"GREEN", "그린"},
                              {"ROYAL", "로얄"},  {"BLUE", "블루"},       {"GOLD", "골드"},
                              {"OAK", "오크"},    {"FOREST", "포레스트"}, {"RIVER", "리버"}};
constexpr ClubKind kKoreanKinds[] = {{"{P}{D}CC", "{P} {D} 컨트리클럽"},
                                     {"{P}{D}GC", "{P} {D} 골프클럽"},
                                     {"{P}{D}CC", "{P}{D} CC"},
                                     {"{P}{D}GR", "{P} {D} 골프앤리조트"}};
constexpr W kKoreanCourses[] = {{"", "동코스"},     {"", "서코스"},     {"", "남코스"},
                                {"", "북코스"},     {"", "레이크코스"}, {"", "밸리코스"},
                                {"", "마운틴코스"}, {"", "힐코스"}};

// ---- Japan: the prefecture names the club.
constexpr W kJapaneseWords[] = {{"Kokusai"}, {"Kogen"},       {"Sakura"},   {"Matsubara"},
                                {"Fuji"},    {"Green Hills"}, {"Lakeside"}, {"Royal"},
                                {"Daiichi"}, {"Onsen"},       {"Highland"}, {"Shinrin"},
                                {"Minami"},  {"Higashi"},     {"Asahi"}};
constexpr ClubKind kJapaneseKinds[] = {{"{P}{D}CC", "{P} {D} Country Club"},
                                       {"{D}{P}GC", "{D} {P} Golf Club"},
                                       {"{P}{D}GC", "{P} {D} Golf Course"},
                                       {"{P}{D}GL", "{P} {D} Golf Links"}};
constexpr W kEasternCourses[] = {{"", "East Course"},  {"", "West Course"},  {"", "North Course"},
                                 {"", "South Course"}, {"", "Naka Course"},  {"", "Lake Course"},
                                 {"", "Hill Course"},  {"", "Valley Course"}};

// ---- China and the rest of Asia.
constexpr W kChineseWords[] = {{"Grand"},  {"Lakeside"}, {"Royal"},        {"Dragon"},     {"Jade"},
                               {"Golden"}, {"Orient"},   {"Peach Garden"}, {"Spring City"}};
constexpr ClubKind kChineseKinds[] = {{"{P}{D}GC", "{P} {D} Golf Club"},
                                      {"{P}{D}IGC", "{P} {D} International Golf Club"},
                                      {"{P}{D}CC", "{P} {D} Country Club"}};
constexpr W kAsianWords[] = {{"Royal"},   {"Lakeside"}, {"Highlands"}, {"Palm"}, {"Garden"},
                             {"Emerald"}, {"Imperial"}, {"Riverside"}, {"Bay"},  {"Springs"}};
constexpr ClubKind kAsianKinds[] = {{"{P}{D}GC", "{P} {D} Golf Club"},
                                    {"{P}{D}GCC", "{P} {D} Golf & Country Club"},
                                    {"{P}{D}GR", "{P} {D} Golf Resort"}};

// ---- English-speaking countries.
constexpr W kAmericanWords[] = {{"Hills"},   {"Creek"},    {"Ridge"},    {"Lakes"},
                                {"Oaks"},    {"Pines"},    {"Meadows"},  {"Valley"},
                                {"Springs"}, {"Woods"},    {"Crossing"}, {"Point"},
                                {"Trails"},  {"Preserve"}, {"Bluffs"},   {"Landing"}};
constexpr ClubKind kAmericanKinds[] = {{"{P}CC", "{P} Country Club"},
                                       {"{P}{D}GC", "{P} {D} Golf Club"},
                                       {"{P}{D}", "{P} {D} Golf Course"},
                                       {"{P}LINKS", "The Links at {P}"},
                                       {"{P}{D}GCC", "{P} {D} Golf & Country Club"},
                                       {"{R}NATL", "{R} National Golf Club"},
                                       {"{P}MUNI", "{P} Municipal Golf Course"}};
constexpr W kEnglishCourses[] = {
    {"", "North Course"},        {"", "South Course"}, {"", "East Course"},  {"", "West Course"},
    {"", "Championship Course"}, {"", "Lakes Course"}, {"", "Links Course"}, {"", "Red Course"},
    {"", "Blue Course"},         {"", "Old Course"},   {"", "New Course"}};
constexpr W kEnglishWords[] = {{"Heath"}, {"Park"},  {"Links"}, {"Downs"},  {"Hill"},   {"Vale"},
                               {"Manor"}, {"Lakes"}, {"Dunes"}, {"Forest"}, {"Castle"}, {"Abbey"}};
constexpr ClubKind kEnglishKinds[] = {{"{P}GC", "{P} Golf Club"},
                                      {"ROYAL{P}", "Royal {P} Golf Club"},
                                      {"{P}{D}GC", "{P} {D} Golf Club"},
                                      {"{P}GCC", "{P} Golf & Country Club"},
                                      {"{P}GL", "{P} Golf Links"}};

// ---- Continental Europe.
constexpr W kFrenchWords[] = {{"LACS", "des Lacs"},     {"CHATEAU", "du Château"},
                              {"FORET", "de la Forêt"}, {"PARC", "du Parc"},
                              {"BOIS", "des Bois"},     {"PINS", "des Pins"}};
constexpr ClubKind kFrenchKinds[] = {{"{P}{D}", "Golf {D} de {P}"},
                                     {"{P}GI", "Golf International de {P}"},
                                     {"GC{P}", "Golf Club de {P}"},
                                     {"{P}CC", "{P} Golf Country Club"}};
constexpr W kFrenchCourses[] = {{"", "Parcours Rouge"}, {"", "Parcours Bleu"},
                                {"", "Parcours Vert"},  {"", "Parcours Jaune"},
                                {"", "Les Lacs"},       {"", "La Forêt"}};
constexpr W kGermanWords[] = {{"SCHLOSS", "Schloss"},
                              {"GUT", "Gut"},
                              {"HOFGUT", "Hofgut"},
                              {"BURG", "Burg"},
                              {"WALD", "Waldhof"}};
constexpr ClubKind kGermanKinds[] = {{"GC{D}{P}", "Golfclub {D} {P}"},
                                     {"GLC{P}", "Golf- und Landclub {P}"},
                                     {"GP{P}", "Golfpark {P}"},
                                     {"GC{P}", "Golfclub {P} e.V."}};
constexpr W kGermanCourses[] = {{"", "Nordplatz"},
                                {"", "Südplatz"},
                                {"", "Ostplatz"},
                                {"", "Westplatz"},
                                {"", "Meisterschaftsplatz"}};
constexpr ClubKind kDutchKinds[] = {
    {"GC{P}", "Golfclub {P}"}, {"GCC{P}", "Golf & Country Club {P}"}, {"{P}GB", "Golfbaan {P}"}};
constexpr W kNordicWords[] = {
    {"STRAND", "Strand"}, {"NORRA", "Norra"}, {"SODRA", "Södra"}, {"SKOG", "Skog"}};
constexpr ClubKind kNordicKinds[] = {{"{P}{D}GK", "{P} {D} Golfklubb"},
                                     {"{P}GCC", "{P} Golf & Country Club"},
                                     {"{P}GB", "{P} Golfbana"}};
constexpr W kNordicCourses[] = {
    {"", "Nya banan"}, {"", "Gamla banan"}, {"", "Norra banan"}, {"", "Södra banan"}};
constexpr W kIberianWords[] = {
    {"VALLE", "Valle"}, {"SIERRA", "Sierra"}, {"MAR", "Mar"}, {"PINAR", "El Pinar"}};
constexpr ClubKind kIberianKinds[] = {{"CG{P}", "Club de Golf {P}"},
                                      {"RCG{P}", "Real Club de Golf {P}"},
                                      {"{P}{D}", "{P} {D} Golf"},
                                      {"{D}{P}", "Golf {D} de {P}"}};
constexpr W kIberianCourses[] = {
    {"", "Campo Norte"}, {"", "Campo Sur"}, {"", "Los Lagos"}, {"", "Old Course"}};
constexpr W kItalianWords[] = {
    {"VILLA", "Villa"}, {"CASTELLO", "Castello di"}, {"PARCO", "Parco di"}};
constexpr ClubKind kItalianKinds[] = {
    {"GC{D}{P}", "Golf Club {D} {P}"}, {"CG{P}", "Circolo Golf {P}"}, {"{P}GC", "{P} Golf Club"}};
constexpr W kItalianCourses[] = {
    {"", "Percorso Rosso"}, {"", "Percorso Blu"}, {"", "Percorso Giallo"}, {"", "Percorso Verde"}};

// ---- Latin America and the Caribbean.
constexpr W kLatinWords[] = {{"LOMAS", "Las Lomas"},
                             {"BOSQUE", "El Bosque"},
                             {"LAGOS", "Los Lagos"},
                             {"SANTAFE", "Santa Fe"}};
constexpr ClubKind kLatinKinds[] = {{"CG{D}{P}", "Club de Golf {D} {P}"},
                                    {"CC{P}", "Club Campestre {P}"},
                                    {"{P}CC", "{P} Country Club"},
                                    {"{P}GC", "{P} Golf Club"}};

const Style& StyleOf(Flavour flavour) {
    static const Style korean{kKoreanWords, kKoreanKinds, kKoreanCourses, true};
    static const Style japanese{kJapaneseWords, kJapaneseKinds, kEasternCourses, true};
    static const Style chinese{kChineseWords, kChineseKinds, kEasternCourses, true};
    static const Style asian{kAsianWords, kAsianKinds, kEnglishCourses};
    static const Style american{kAmericanWords, kAmericanKinds, kEnglishCourses};
    static const Style english{kEnglishWords, kEnglishKinds, kEnglishCourses};
    static const Style french{kFrenchWords, kFrenchKinds, kFrenchCourses};
    static const Style german{kGermanWords, kGermanKinds, kGermanCourses};
    static const Style dutch{{}, kDutchKinds, kEnglishCourses};
    static const Style nordic{kNordicWords, kNordicKinds, kNordicCourses};
    static const Style iberian{kIberianWords, kIberianKinds, kIberianCourses};
    static const Style italian{kItalianWords, kItalianKinds, kItalianCourses};
    static const Style latin{kLatinWords, kLatinKinds, kIberianCourses};
    switch (flavour) {
        case Flavour::Korean:
            return korean;
        case Flavour::Japanese:
            return japanese;
        case Flavour::Chinese:
            return chinese;
        case Flavour::Asian:
            return asian;
        case Flavour::American:
            return american;
        case Flavour::English:
            return english;
        case Flavour::French:
            return french;
        case Flavour::German:
            return german;
        case Flavour::Dutch:
            return dutch;
        case Flavour::Nordic:
            return nordic;
        case Flavour::Iberian:
            return iberian;
        case Flavour::Italian:
            return italian;
        case Flavour::Latin:
            return latin;
    }
    return american;
}

// Letters and digits of `word`, upper-cased, at most `limit` of them: what a
// word leaves in a name token.
std::string Compact(std::string_view word, std::size_t limit) {
    std::string out;
    for (const char c : word) {
        if (out.size() == limit) break;
        if (c >= 'a' && c <= 'z')
            out.push_back(static_cast<char>(c - 'a' + 'A'));
        else if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
            out.push_back(c);
    }
    return out;
}

// Single blanks only, none at either end: an empty {D} leaves no gap.
std::string Tidy(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == ' ' && (out.empty() || out.back() == ' ')) continue;
        out.push_back(c);
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

struct Fill {
    std::string_view place;
    std::string_view descriptor;
    std::string_view region;
};

std::string Expand(std::string_view pattern, const Fill& fill) {
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '{' && i + 2 < pattern.size() && pattern[i + 2] == '}') {
            const char slot = pattern[i + 1];
            out += slot == 'P' ? fill.place : slot == 'D' ? fill.descriptor : fill.region;
            i += 2;
        } else {
            out.push_back(pattern[i]);
        }
    }
    return out;
}

std::string_view Spelled(const W& word) { return word.local.empty() ? word.ascii : word.local; }

template <typename T>
const T& Pick(DemoRandom& random, std::span<const T> items) {
    return items[random.Below(static_cast<std::uint32_t>(items.size()))];
}

}  // namespace

ClubName NameClub(DemoRandom& random, const DemoArea& area) {
    const Style& style = StyleOf(area.flavour);
    // Japanese clubs go by their prefecture; everyone else by a town.
    W place{area.subAreaName.empty() ? area.regionName : area.subAreaName};
    if (area.flavour != Flavour::Japanese && !area.places.empty())
        place = Pick(random, area.places);
    W descriptor{};
    if (!style.descriptors.empty() && random.Below(2) == 0)
        descriptor = Pick(random, style.descriptors);
    const ClubKind& kind = Pick(random, style.kinds);

    ClubName club;
    club.flavour = area.flavour;
    club.stem = Compact(Expand(kind.token, {Compact(place.ascii, 9), Compact(descriptor.ascii, 5),
                                            Compact(area.regionName, 6)}),
                        24);
    club.title = Tidy(Expand(kind.title, {Spelled(place), Spelled(descriptor), area.regionName}));
    return club;
}

std::vector<CourseName> NameCourses(DemoRandom& random, const ClubName& club, int count) {
    const Style& style = StyleOf(club.flavour);
    const auto words = static_cast<std::uint32_t>(style.courses.size());
    const std::uint32_t first = random.Below(words);
    std::vector<CourseName> courses;
    for (int i = 0; i < count; ++i) {
        CourseName course{club.stem, club.title};
        if (style.numbered || count > 1) course.token += std::to_string(i + 1);
        if (count > 1) {
            course.title += ' ';
            course.title += Spelled(style.courses[(first + static_cast<std::uint32_t>(i)) % words]);
        }
        courses.push_back(std::move(course));
    }
    return courses;
}

}  // namespace orvane::demo
