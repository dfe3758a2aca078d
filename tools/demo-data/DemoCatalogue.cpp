#include "DemoCatalogue.h"

#include <algorithm>
#include <string>
#include <unordered_set>

#include "DemoGeometry.h"
#include "DemoNames.h"
#include "DemoRandom.h"
#include "DemoShares.h"
#include "catalogue/BinaryClubList.h"
#include "util/Text.h"

namespace orvane::demo {
namespace {

// Names beyond this cannot be a first-generation device's key.
constexpr std::size_t kLongName = kShortKeyLength;
constexpr int kRenameAttempts = 12;
// Courses of one club lie within this of the clubhouse.
constexpr int kClubSpreadMetres = 900;

// Korean clubs mostly have two or three nine-hole courses; American ones
// mostly a single eighteen.
int ClubSize(DemoRandom& random, Flavour flavour) {
    const std::uint32_t roll = random.Below(100);
    switch (flavour) {
        case Flavour::Korean:
            return roll < 20 ? 1 : roll < 55 ? 2 : roll < 90 ? 3 : 4;
        case Flavour::Japanese:
        case Flavour::Chinese:
        case Flavour::Asian:
            return roll < 50 ? 1 : roll < 85 ? 2 : 3;
        default:
            return roll < 75 ? 1 : roll < 93 ? 2 : 3;
    }
}

// The server's first-generation reference list is read line by line, so a
// record whose numbers happen to hold CR LF would fall apart there; the
// server's own tool never published one.
bool SplitsItsLine(const CourseNode& course) {
    std::string record;
    AppendBinaryRecord(record, course);
    return record.find("\r\n") + 2 != record.size();
}
constexpr int kReshapeAttempts = 8;

// Spreadsheet-column letters: A..Z, AA, AB, ...
std::string Letters(unsigned number) {
    std::string out;
    for (++number; number > 0; number = (number - 1) / 26)
        out.insert(out.begin(), static_cast<char>('A' + (number - 1) % 26));
    return out;
}

class CatalogueBuilder {
public:
    explicit CatalogueBuilder(std::uint32_t seed)
        : random_(seed), nextAlias_(1000000 + random_.Below(400000)) {}

    void AddClub(const DemoArea& area, int size) {
        const std::vector<CourseName> names = NameUniquely(area, size);
        // Part of Korea, Japan and China still carry the older country code.
        const std::int32_t id =
            area.legacyId != 0 && random_.Below(4) == 0 ? area.legacyId : area.id;
        const MicroDegrees clubhouse = PointIn(random_, area.box);
        for (const CourseName& name : names) {
            CourseNode course;
            course.zone = area.zone;
            course.id = id;
            course.name = name.token;
            course.title = name.title;
            course.shortKey = ShortKeyFor(course.name);
            if (course.name.size() > kLongName) course.fileKey = NextAlias();
            course.version = random_.Between(100, 350) / 100.0;
            ShapeCourse(random_, course, PointNear(random_, clubhouse, kClubSpreadMetres));
            for (int retry = 0; retry < kReshapeAttempts && SplitsItsLine(course); ++retry)
                ShapeCourse(random_, course, PointNear(random_, clubhouse, kClubSpreadMetres));
            catalogue_.zones[static_cast<std::size_t>(area.zone)].push_back(std::move(course));
        }
    }

    DemoRandom& random() { return random_; }
    DemoCatalogue Take() { return std::move(catalogue_); }

private:
    std::vector<CourseName> NameUniquely(const DemoArea& area, int size) {
        ClubName club;
        std::vector<CourseName> names;
        for (int attempt = 0; attempt < kRenameAttempts; ++attempt) {
            club = NameClub(random_, area);
            names = NameCourses(random_, club, size);
            if (AllFree(names)) return Claim(std::move(names));
        }
        // Popular names run out in a big catalogue: tell the club apart the
        // way catalogues do, with letters after its stem.
        const std::string stem = club.stem;
        for (unsigned variant = 0;; ++variant) {
            club.stem = stem + Letters(variant);
            names = NameCourses(random_, club, size);
            if (AllFree(names)) return Claim(std::move(names));
        }
    }

    bool AllFree(const std::vector<CourseName>& names) const {
        for (const CourseName& name : names)
            if (taken_.contains(name.token)) return false;
        return true;
    }

    std::vector<CourseName> Claim(std::vector<CourseName> names) {
        for (const CourseName& name : names) taken_.insert(name.token);
        return names;
    }

    // "_" and seven digits, rising in uneven steps like ids handed out over
    // years.
    std::string NextAlias() {
        const std::string alias = Format("_%07u", nextAlias_ % 10000000u);
        nextAlias_ += 1 + random_.Below(12);
        return alias;
    }

    DemoRandom random_;
    std::uint32_t nextAlias_;
    std::unordered_set<std::string> taken_;
    DemoCatalogue catalogue_;
};

}  // namespace

std::size_t DemoCatalogue::CourseCount() const {
    std::size_t count = 0;
    for (const auto& zone : zones) count += zone.size();
    return count;
}

DemoCatalogue GenerateCatalogue(std::uint32_t seed, int courseCount) {
    CatalogueBuilder builder(seed);
    const std::vector<DemoArea> areas = WorldAreas(builder.random());
    const std::vector<int> counts = ShareCourses(areas, courseCount);
    for (std::size_t i = 0; i < areas.size(); ++i) {
        for (int left = counts[i]; left > 0;) {
            const int size = std::min(left, ClubSize(builder.random(), areas[i].flavour));
            builder.AddClub(areas[i], size);
            left -= size;
        }
    }
    return builder.Take();
}

}  // namespace orvane::demo
