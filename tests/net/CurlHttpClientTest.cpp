#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <set>

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
using testing::TempFolder;

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
    TempFolder work_;
};

TEST_F(CurlHttpClientTest, FetchToFileWritesExactlyTheBodyFetchedWithNoCacheHeaders) {
    // Every byte value, so that nothing in between treats the body as text.
    std::string body(5000, '\0');
    for (std::size_t i = 0; i < body.size(); ++i) body[i] = static_cast<char>(i * 7 % 256);
    FaultServer server({FaultResponse::Ok(body)});
    auto http = Client(server);

    EXPECT_EQ(FetchClubList(http), body.size());
    EXPECT_EQ(Listing(work_.path()), std::set<std::string>{"ClubListKorea.dat"});
    EXPECT_EQ(testing::ReadWholeFile(work_.path() / "ClubListKorea.dat"), body);
    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].requestLine, "GET /Download//Course_V40//ClubListKorea.dat HTTP/1.1");
    EXPECT_EQ(requests[0].Header("Cache-Control"), "no-cache");
    EXPECT_EQ(requests[0].Header("Pragma"), "no-cache");
}

// The old file stays as it was, and nothing else is left beside it.
TEST_F(CurlHttpClientTest, AFailedFetchToFileLeavesTheWorkingFolderAsItWas) {
    const std::vector<FaultResponse> scripts[] = {
        {FaultResponse::Ok("missing", 404)},
        {FaultResponse::WithoutLength("a"), FaultResponse::WithoutLength("a")},
        {FaultResponse::CutShort(1000, std::string(999, 'x'))},
    };
    for (const auto& script : scripts) {
        SCOPED_TRACE(&script - scripts);
        FaultServer server(script);
        auto http = Client(server);
        EXPECT_EQ(FetchClubList(http), std::nullopt);
        EXPECT_EQ(Listing(work_.path()), std::set<std::string>{"ClubListKorea.dat"});
        EXPECT_EQ(testing::ReadWholeFile(work_.path() / "ClubListKorea.dat"), "old");
    }
}

TEST_F(CurlHttpClientTest, FetchToFileRefusesANameLeavingTheFolderWithoutAsking) {
    FaultServer server({FaultResponse::Ok("escaped")});
    auto http = Client(server);
    const auto work = work_.path() / "work";
    std::filesystem::create_directory(work);

    EXPECT_EQ(FetchToFile(http, work, "Download", "../x"), std::nullopt);
    EXPECT_TRUE(server.requests().empty());
    EXPECT_EQ(Listing(work_.path()), std::set<std::string>{"work"});
    EXPECT_TRUE(Listing(work).empty());
}

TEST_F(CurlHttpClientTest, ReportsStatusLengthTextAndBodyAsReceived) {
    FaultServer server({
        FaultResponse::Raw("HTTP/1.1 200 OK\r\ncontent-LENGTH: \t 5 \r\n\r\nhello"),
        FaultResponse::WithoutLength("no length"),
        FaultResponse::Ok("missing", 404),
        // A redirect is an answer of its own; the new place is not asked.
        FaultResponse::Raw(
            "HTTP/1.1 301 Moved\r\nLocation: /elsewhere\r\nContent-Length: 0\r\n\r\n"),
    });
    auto http = Client(server);
    const struct {
        int status;
        std::optional<std::string> length;
        std::string body;
    } expected[] = {
        {200, "5", "hello"}, {200, {}, "no length"}, {404, "7", "missing"}, {301, "0", ""}};
    for (const auto& e : expected) {
        const auto response = http.Get("a");
        ASSERT_TRUE(response) << http.lastError();
        EXPECT_EQ(response->status, e.status);
        EXPECT_EQ(response->contentLength, e.length) << e.status;
        EXPECT_EQ(response->body, e.body);
    }
    EXPECT_EQ(server.requests().size(), 4u);
}

TEST_F(CurlHttpClientTest, ReusesOneConnectionForConsecutiveRequests) {
    FaultServer server({FaultResponse::Ok("first"), FaultResponse::Ok("second")});
    auto http = Client(server);

    ASSERT_TRUE(http.Get("a"));
    ASSERT_TRUE(http.Get("b"));
    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].connection, requests[1].connection);
    EXPECT_EQ(server.connections(), 1);
}

TEST_F(CurlHttpClientTest, AsksOnceMoreOnlyWhenTheLengthIsMissing) {
    {
        FaultServer server({FaultResponse::WithoutLength("first"), FaultResponse::Ok("second")});
        auto http = Client(server);
        EXPECT_EQ(FetchToMemory(http, kClubList), "second");
        const auto requests = server.requests();
        ASSERT_EQ(requests.size(), 2u);
        EXPECT_EQ(requests[1].requestLine, requests[0].requestLine);
    }
    FaultServer server({FaultResponse::WithoutLength("first"),
                        FaultResponse::WithoutLength("second"), FaultResponse::Ok("third")});
    auto http = Client(server);
    EXPECT_EQ(FetchToMemory(http, kClubList), std::nullopt);
    EXPECT_EQ(server.requests().size(), 2u);
}

// Cut short, reset or refused answers nothing rather than a partial body.
TEST_F(CurlHttpClientTest, ABrokenTransferIsNoResponse) {
    for (const FaultResponse& broken :
         {FaultResponse::CutShort(1000, std::string(400, 'x')), FaultResponse::Reset()}) {
        FaultServer server({broken});
        auto http = Client(server);
        EXPECT_EQ(http.Get("a"), std::nullopt);
        EXPECT_FALSE(http.lastError().empty());
    }
    std::string url;
    {
        FaultServer gone({});
        url = gone.url();
    }
    CurlHttpClient http(url, limits_);
    EXPECT_EQ(http.Get("a"), std::nullopt);
    EXPECT_FALSE(http.CheckInternet());
}

TEST_F(CurlHttpClientTest, GivesUpOnAStalledServerWithinTheLowSpeedTime) {
    FaultServer server({FaultResponse::Stall()});
    auto http = Client(server);

    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(http.Get("a"), std::nullopt);
    // Without the low-speed limit this would wait for as long as the server does.
    EXPECT_LT(std::chrono::steady_clock::now() - start, limits_.lowSpeedTime + 10s);
    EXPECT_EQ(server.requests().size(), 1u);
}

TEST_F(CurlHttpClientTest, RefusesBodiesOverTheCap) {
    {
        FaultServer server({FaultResponse::Ok(std::string(kCap, 'x'))});
        auto http = Client(server);
        const auto atCap = http.Get("a");
        ASSERT_TRUE(atCap) << http.lastError();
        EXPECT_EQ(atCap->body.size(), kCap);
    }
    for (const bool announce : {true, false}) {
        SCOPED_TRACE(announce ? "announced" : "unannounced");
        FaultServer server({FaultResponse::Huge(kCap + 1, announce)});
        auto http = Client(server);
        EXPECT_EQ(http.Get("a"), std::nullopt);
    }
}

TEST_F(CurlHttpClientTest, GoesThroughTheProxyFromTheEnvironment) {
    FaultServer proxy({FaultResponse::Ok("via proxy")});
    const ScopedEnvironment httpProxy("http_proxy", proxy.url());
    const ScopedEnvironment noProxy("no_proxy", std::nullopt);
    const ScopedEnvironment noProxyUpper("NO_PROXY", std::nullopt);
    CurlHttpClient http("http://update.orvane.invalid", limits_);

    const auto response = http.Get(kClubList);
    ASSERT_TRUE(response) << http.lastError();
    EXPECT_EQ(response->body, "via proxy");
    const auto requests = proxy.requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].requestLine,
              "GET http://update.orvane.invalid/Download//Course_V40//ClubListKorea.dat HTTP/1.1");
    // Behind a proxy the server's own name may not resolve; reaching the proxy is what counts.
    EXPECT_TRUE(http.CheckInternet());
}

TEST_F(CurlHttpClientTest, ChecksTheServerByConnectingWithoutARequest) {
    FaultServer server({});
    auto http = Client(server);

    EXPECT_TRUE(http.CheckInternet());
    EXPECT_TRUE(server.WaitForConnections(1, 5s));
    EXPECT_TRUE(server.requests().empty());
}

TEST(DefaultServerUrl, PrefersANonEmptyEnvironmentSetting) {
    const std::pair<std::optional<std::string>, std::string> cases[] = {
        {"http://127.0.0.1:8080", "http://127.0.0.1:8080"},
        {"", ORVANE_DEFAULT_SERVER},
        {std::nullopt, ORVANE_DEFAULT_SERVER}};
    for (const auto& [setting, expected] : cases) {
        const ScopedEnvironment server("ORVANE_SERVER", setting);
        EXPECT_EQ(DefaultServerUrl(), expected) << setting.value_or("(unset)");
    }
}

}  // namespace
}  // namespace orvane
