#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/HttpModule.h"
#include "support/FaultServer.h"
#include "support/Process.h"
#include "support/ScopedEnvironment.h"
#include "support/TempFolder.h"

namespace orvane {
namespace {

using testing::FaultResponse;
using testing::FaultServer;

// Whether a shared object whose file name contains `name` is mapped into this
// process.
bool Mapped(const std::string& name) {
    std::ifstream maps("/proc/self/maps");
    std::stringstream text;
    text << maps.rdbuf();
    return text.str().find(name) != std::string::npos;
}

// One test, so that nothing else in the process has loaded the module before.
TEST(HttpModule, LoadsLibcurlWithTheFirstRequestAndServesThroughIt) {
    const testing::ScopedEnvironment noProxy("no_proxy", "127.0.0.1");
    FaultServer server({FaultResponse::Ok("first"), FaultResponse::Ok("second", 404)});
    const auto http = OpenHttpClient(server.url());
    EXPECT_FALSE(Mapped(ORVANE_HTTP_MODULE));
    EXPECT_FALSE(Mapped("libcurl"));

    const auto first = http->Get("Download//Course_V40//ClubListKorea.dat");
    EXPECT_TRUE(Mapped(ORVANE_HTTP_MODULE));
    EXPECT_TRUE(Mapped("libcurl"));
    ASSERT_TRUE(first);
    EXPECT_EQ(first->status, 200);
    EXPECT_EQ(first->contentLength, "5");
    EXPECT_EQ(first->body, "first");
    const auto second = http->Get("Download//missing.txt");
    ASSERT_TRUE(second);
    EXPECT_EQ(second->status, 404);
    ASSERT_EQ(server.requests().size(), 2u);
    EXPECT_EQ(server.requests()[1].connection, 0);
    EXPECT_TRUE(server.requests()[0].head.starts_with(
        "GET /Download//Course_V40//ClubListKorea.dat HTTP/1.1\r\n"));
}

TEST(HttpModule, AProgramWithoutTheModuleSaysWhichFileIsMissing) {
    testing::TempFolder folder;
    const auto cli = folder.path() / "orvane-cli";
    std::filesystem::copy_file(ORVANE_CLI, cli);
    const auto device = folder.path() / "device";
    std::filesystem::create_directory(device);
    const auto work = folder.path() / "work";

    // A command that never reaches the server does not miss it.
    const auto areas = testing::RunProcess({cli.string(), "areas"});
    EXPECT_EQ(areas.exitCode, 0) << areas.err;

    const auto connect =
        testing::RunProcess({cli.string(), "--server", "http://127.0.0.1:9", "--device",
                             device.string(), "--workdir", work.string(), "connect"});
    EXPECT_EQ(connect.exitCode, 1);
    const std::string expected = "orvane-cli: the HTTP module " +
                                 HttpModulePath(folder.path()).string() + " cannot be loaded: ";
    EXPECT_NE(connect.err.find(expected), std::string::npos) << connect.err;
}

// A build tree has the module beside the program; an installed tree, unpacked
// wherever, in its private library folder.
TEST(HttpModule, IsLookedForBesideTheProgramThenInTheInstalledTree) {
    testing::TempFolder root;
    const auto bin = root.path() / "usr" / "bin";
    std::filesystem::create_directories(bin);
    EXPECT_EQ(HttpModulePath(bin),
              (root.path() / "usr" / ORVANE_HTTP_MODULE_INSTALL_DIR / ORVANE_HTTP_MODULE));

    root.Write("usr/bin/" ORVANE_HTTP_MODULE, "");
    EXPECT_EQ(HttpModulePath(bin), bin / ORVANE_HTTP_MODULE);
}

}  // namespace
}  // namespace orvane
