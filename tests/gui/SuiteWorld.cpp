#include "SuiteWorld.h"

#include <gtest/gtest.h>

namespace orvane::testing {
namespace {

std::unique_ptr<SuiteWorld> programWorld;

class WorldEnvironment : public ::testing::Environment {
public:
    void SetUp() override { programWorld = std::make_unique<SuiteWorld>(kWorldRecipe); }
    void TearDown() override { programWorld.reset(); }
};

}  // namespace

SuiteWorld::SuiteWorld(const WorldRecipe& recipe) : world_(recipe.seed, recipe.options) {
    if (recipe.savedFamily.empty()) return;
    const TempFolder work;
    const ProcessResult saved = world_.Cli({"records", "save", "--to", records().string(), "--all"},
                                           world_.Device(recipe.savedFamily), work.path());
    EXPECT_EQ(saved.exitCode, 0) << saved.err;
}

const SuiteWorld& World() { return *programWorld; }

void AddWorldEnvironment() { ::testing::AddGlobalTestEnvironment(new WorldEnvironment); }

std::unique_ptr<WindowDriver> OpenWindow(const std::filesystem::path& device,
                                         const std::filesystem::path& scratch, Language language,
                                         const std::string& server) {
    return std::make_unique<WindowDriver>(server.empty() ? World().world().server().url() : server,
                                          device, scratch / "work", language);
}

std::unique_ptr<WindowDriver> ConnectedWindow(const std::filesystem::path& device,
                                              const std::filesystem::path& scratch,
                                              Language language) {
    auto driver = OpenWindow(device, scratch, language);
    EXPECT_TRUE(driver->Connect()) << driver->Status().toStdString();
    return driver;
}

}  // namespace orvane::testing
