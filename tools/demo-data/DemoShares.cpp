#include "DemoShares.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "catalogue/ZoneTable.h"

namespace orvane::demo {
namespace {

std::size_t Heaviest(const std::vector<DemoArea>& areas, int zone) {
    std::size_t best = areas.size();
    for (std::size_t i = 0; i < areas.size(); ++i) {
        if (areas[i].zone == zone && (best == areas.size() || areas[i].weight > areas[best].weight))
            best = i;
    }
    return best;
}

// The area with the most courses among the zones that have more than `keep`.
std::size_t Donor(const std::vector<DemoArea>& areas, const std::vector<int>& counts,
                  const std::vector<int>& perZone, int keep) {
    std::size_t best = areas.size();
    for (std::size_t i = 0; i < areas.size(); ++i) {
        if (counts[i] == 0 || perZone[static_cast<std::size_t>(areas[i].zone)] <= keep) continue;
        if (best == areas.size() || counts[i] > counts[best]) best = i;
    }
    return best;
}

}  // namespace

std::vector<int> ShareCourses(const std::vector<DemoArea>& areas, int total) {
    std::vector<int> counts(areas.size(), 0);
    if (total <= 0 || areas.empty()) return counts;
    double weights = 0;
    for (const DemoArea& area : areas) weights += area.weight;

    // Largest remainders: the whole parts first, then one more for the
    // areas whose share was cut most.
    std::vector<double> remainders(areas.size());
    int given = 0;
    for (std::size_t i = 0; i < areas.size(); ++i) {
        const double share = total * areas[i].weight / weights;
        counts[i] = static_cast<int>(std::floor(share));
        remainders[i] = share - counts[i];
        given += counts[i];
    }
    std::vector<std::size_t> order(areas.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return remainders[a] > remainders[b]; });
    for (std::size_t i = 0; given < total; ++i, ++given) ++counts[order[i % order.size()]];

    std::vector<int> perZone(kZoneCount, 0);
    for (std::size_t i = 0; i < areas.size(); ++i)
        perZone[static_cast<std::size_t>(areas[i].zone)] += counts[i];
    for (int zone = 0; zone < kZoneCount; ++zone) {
        if (perZone[static_cast<std::size_t>(zone)] > 0) continue;
        const std::size_t taker = Heaviest(areas, zone);
        // Korea may empty another zone; the others only take what is spare.
        const std::size_t donor = Donor(areas, counts, perZone, zone == 0 ? 0 : 1);
        if (taker == areas.size() || donor == areas.size()) continue;
        --counts[donor];
        --perZone[static_cast<std::size_t>(areas[donor].zone)];
        ++counts[taker];
        ++perZone[static_cast<std::size_t>(zone)];
    }
    return counts;
}

}  // namespace orvane::demo
