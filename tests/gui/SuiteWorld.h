#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "WindowDriver.h"
#include "e2e/DemoWorld.h"

namespace orvane::testing {

// What the demo world of a GUI test program holds: the generator's seed and
// options, and the demo device whose rounds `records save` puts into a
// record folder (none when empty).
struct WorldRecipe {
    int seed;
    std::vector<std::string> options;
    std::string savedFamily;
};

// Each GUI test program defines its recipe. Its world is made before the
// first test and removed after the last: every suite of the program shares
// it, as it takes longer to write than the tests take to run.
extern const WorldRecipe kWorldRecipe;

class SuiteWorld {
public:
    explicit SuiteWorld(const WorldRecipe& recipe);

    const DemoWorld& world() const { return world_; }
    // The saved rounds of the recipe's device.
    const std::filesystem::path& records() const { return records_.path(); }

private:
    DemoWorld world_;
    TempFolder records_;
};

// The program's world, while its tests run.
const SuiteWorld& World();
// Lets the test run make the program's world (main calls it once).
void AddWorldEnvironment();

// The window over `device` with the world's server (or `server`), its
// working folder under `scratch`.
std::unique_ptr<WindowDriver> OpenWindow(const std::filesystem::path& device,
                                         const std::filesystem::path& scratch, Language language,
                                         const std::string& server = "");
// The same, once it connected (the test fails when it does not).
std::unique_ptr<WindowDriver> ConnectedWindow(const std::filesystem::path& device,
                                              const std::filesystem::path& scratch,
                                              Language language);

}  // namespace orvane::testing
