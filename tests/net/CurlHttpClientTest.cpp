#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <set>
#include <tuple>

#include "net/Fetch.h"
#include "platform/CurlHttpClient.h"
#include "support/FaultServer.h"
#include "support/ScopedEnvironment.h"
#include "support/TempFolder.h"

namespace orvane {
namespace {

using namespace std::chrono_literals;
using testing::FaultResponse;
using testing::FaultServer;
using testing::ScopedEnvironment;

constexpr std::uint64_t kCap = 64 * 1024;
constexpr const char* kClubList = "Download//Course_V40//ClubListKorea.dat";

std::set<std::string> Listing(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

class CurlHttpClientTest : public ::testing::Test {
protected:
    CurlHttpClient Client(const FaultServer& server) {
        return CurlHttpClient(server.url(), limits_);
    }
    // Fetches the club list into a working folder that holds an old copy.
    std::optional<std::uint64_t> FetchClubList(CurlHttpClient& http) {
        work_.Write("ClubListKorea.dat", "old");
        return FetchToFile(http, work_.path(), "Download//Course_V40", "ClubListKorea.dat");
    }

    // A proxy of the developer's must not stand between the tests and their servers.
    ScopedEnvironment noProxy_{"no_proxy", "127.0.0.1"};
    CurlLimits limits_{
        .maxBodyBytes = kCap, .connectTimeout = 2s, .lowSpeedLimit = 1, .lowSpeedTime = 1s};
    testing::TempFolder work_;
};

TEST_F(CurlHttpClientTest, FetchToFileWritesExactlyTheBodyFetchedWithNoCacheHeaders) {
    // Every byte value, so that nothing in between treats the body as text.
    std::string body(5000, '\0');
    for (std::size_t i = 0; i < body.size(); ++i) body[i] = static_cast<char>(i * 7 % 256);
    FaultServer server({FaultResponse::Ok(body)});
    auto http = Client(server);
    // Checking the server only connects: a request would take the fetch's answer.
    EXPECT_TRUE(http.CheckInternet());

    EXPECT_EQ(FetchClubList(http), body.size());
    EXPECT_EQ(Listing(work_.path()), std::set<std::string>{"ClubListKorea.dat"});
    EXPECT_EQ(testing::ReadWholeFile(work_.path() / "ClubListKorea.dat"), body);
    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 1u);
    // The path goes out as given, double slashes included.
    for (const char* line : {"GET /Download//Course_V40//ClubListKorea.dat HTTP/1.1\r\n",
                             "\r\nCache-Control: no-cache\r\n", "\r\nPragma: no-cache\r\n"})
        EXPECT_NE(requests[0].head.find(line), std::string::npos) << requests[0].head;
}

// A 404 page or a cut-off body never replaces the old file, and nothing else
// is left beside it; a name leading out of the folder is not even asked for.
TEST_F(CurlHttpClientTest, AFailedOrRefusedFetchToFileLeavesTheWorkingFolderAsItWas) {
    for (const FaultResponse& failure : {FaultResponse::Ok("missing", 404),
                                         FaultResponse::CutShort(1000, std::string(999, 'x'))}) {
        FaultServer server({failure});
        auto http = Client(server);
        EXPECT_EQ(FetchClubList(http), std::nullopt);
        EXPECT_EQ(Listing(work_.path()), std::set<std::string>{"ClubListKorea.dat"});
        EXPECT_EQ(testing::ReadWholeFile(work_.path() / "ClubListKorea.dat"), "old");
    }
    FaultServer server({FaultResponse::Ok("escaped")});
    auto http = Client(server);
    std::filesystem::create_directory(work_.path() / "sub");
    EXPECT_EQ(FetchToFile(http, work_.path() / "sub", "Download", "../x"), std::nullopt);
    EXPECT_TRUE(server.requests().empty());
    EXPECT_EQ(Listing(work_.path()), (std::set<std::string>{"ClubListKorea.dat", "sub"}));
}

TEST_F(CurlHttpClientTest, ReportsStatusLengthTextAndBodyOverOneConnection) {
    FaultServer server({
        FaultResponse::Ok("missing", 404),
        // A redirect is an answer of its own; the new place is not asked.
        FaultResponse::Raw(
            "HTTP/1.1 301 Moved\r\nLocation: /elsewhere\r\nContent-Length: 0\r\n\r\n"),
        FaultResponse::Raw("HTTP/1.1 200 OK\r\ncontent-LENGTH: \t 5 \r\n\r\nhello"),
        FaultResponse::WithoutLength("no length"),
    });
    auto http = Client(server);
    const std::tuple<int, std::optional<std::string>, std::string> expected[] = {
        {404, "7", "missing"}, {301, "0", ""}, {200, "5", "hello"}, {200, {}, "no length"}};
    for (const auto& e : expected) {
        const auto response = http.Get("a");
        ASSERT_TRUE(response) << http.lastError();
        EXPECT_EQ(std::tie(response->status, response->contentLength, response->body), e);
    }
    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 4u);
    // The connection left open after the 404 carries the next request.
    EXPECT_EQ(requests[1].connection, requests[0].connection);
}

TEST_F(CurlHttpClientTest, AsksOnceMoreOnlyWhenTheLengthIsMissing) {
    FaultServer server({FaultResponse::WithoutLength("first"), FaultResponse::Ok("second"),
                        FaultResponse::WithoutLength("third"),
                        FaultResponse::WithoutLength("fourth"), FaultResponse::Ok("not asked")});
    auto http = Client(server);
    EXPECT_EQ(FetchToMemory(http, kClubList), "second");
    EXPECT_EQ(FetchToMemory(http, kClubList), std::nullopt);
    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 4u);
    EXPECT_EQ(requests[1].head, requests[0].head);
}

// A cut-short, stalled or refused answer is nothing rather than a partial body.
TEST_F(CurlHttpClientTest, ABrokenStalledOrRefusedTransferIsNoResponse) {
    for (const FaultResponse& broken :
         {FaultResponse::CutShort(1000, std::string(400, 'x')), FaultResponse::Stall()}) {
        FaultServer server({broken});
        auto http = Client(server);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(http.Get("a"), std::nullopt);
        EXPECT_FALSE(http.lastError().empty());
        // Without the low-speed limit a stall would last as long as the server's.
        EXPECT_LT(std::chrono::steady_clock::now() - start, limits_.lowSpeedTime + 10s);
    }
    // Nothing listens on the port of a server that is gone.
    CurlHttpClient http(FaultServer({}).url(), limits_);
    EXPECT_EQ(http.Get("a"), std::nullopt);
    EXPECT_FALSE(http.CheckInternet());
}

TEST_F(CurlHttpClientTest, RefusesBodiesOverTheCapAnnouncedOrNot) {
    const std::string over(kCap + 1, 'x');
    FaultServer server({FaultResponse::Ok(std::string(kCap, 'x')), FaultResponse::Ok(over),
                        FaultResponse::WithoutLength(over)});
    auto http = Client(server);
    const auto atCap = http.Get("a");
    ASSERT_TRUE(atCap) << http.lastError();
    EXPECT_EQ(atCap->body.size(), kCap);
    EXPECT_EQ(http.Get("a"), std::nullopt);
    EXPECT_EQ(http.Get("a"), std::nullopt);
    EXPECT_EQ(server.requests().size(), 3u);
}

TEST_F(CurlHttpClientTest, GoesThroughTheProxyFromTheEnvironment) {
    FaultServer proxy({FaultResponse::Ok("via proxy")});
    const ScopedEnvironment httpProxy("http_proxy", proxy.url());
    const ScopedEnvironment noProxy("no_proxy", std::nullopt), upper("NO_PROXY", std::nullopt);
    CurlHttpClient http("http://update.orvane.invalid", limits_);

    EXPECT_EQ(FetchToMemory(http, kClubList), "via proxy") << http.lastError();
    ASSERT_EQ(proxy.requests().size(), 1u);
    EXPECT_TRUE(proxy.requests()[0].head.starts_with(
        "GET http://update.orvane.invalid/Download//Course_V40//ClubListKorea.dat HTTP/1.1\r\n"));
    // Behind a proxy the server's own name may not resolve; reaching the proxy is what counts.
    EXPECT_TRUE(http.CheckInternet());
}

TEST(DefaultServerUrl, PrefersANonEmptyEnvironmentSetting) {
    for (const std::string setting : {"http://127.0.0.1:8080", ""}) {
        const ScopedEnvironment server("ORVANE_SERVER", setting);
        EXPECT_EQ(DefaultServerUrl(), setting.empty() ? ORVANE_DEFAULT_SERVER : setting);
    }
}

}  // namespace
}  // namespace orvane
