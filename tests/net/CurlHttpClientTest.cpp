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

// Every byte value, so that nothing in between treats the body as text.
std::string Binary(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i * 7 % 256);
    return bytes;
}

std::set<std::string> Listing(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

class CurlHttpClientTest : public ::testing::Test {
protected:
    CurlHttpClient Client(const FaultServer& server) {
        return CurlHttpClient(server.url(), limits_);
    }

    // A proxy of the developer's must not stand between the tests and their servers.
    ScopedEnvironment noProxy_{"no_proxy", "127.0.0.1"};
    CurlLimits limits_{
        .maxBodyBytes = kCap, .connectTimeout = 2s, .lowSpeedLimit = 1, .lowSpeedTime = 1s};
};

TEST_F(CurlHttpClientTest, FetchesAWholeBodyOfTheAnnouncedLength) {
    const std::string body = Binary(1000);
    FaultServer server({FaultResponse::Ok(body)});
    auto http = Client(server);

    EXPECT_EQ(FetchToMemory(http, kClubList), body);
    EXPECT_EQ(server.requests().size(), 1u);
}

TEST_F(CurlHttpClientTest, SendsThePathUnchangedWithNoCacheHeaders) {
    FaultServer server({FaultResponse::Ok("x")});
    auto http = Client(server);

    ASSERT_TRUE(http.Get(kClubList));
    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].requestLine, "GET /Download//Course_V40//ClubListKorea.dat HTTP/1.1");
    EXPECT_EQ(requests[0].Header("Cache-Control"), "no-cache");
    EXPECT_EQ(requests[0].Header("Pragma"), "no-cache");
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

    const auto lowerCase = http.Get("a");
    ASSERT_TRUE(lowerCase) << http.lastError();
    EXPECT_EQ(lowerCase->status, 200);
    EXPECT_EQ(lowerCase->contentLength, "5");
    EXPECT_EQ(lowerCase->body, "hello");

    const auto unannounced = http.Get("b");
    ASSERT_TRUE(unannounced) << http.lastError();
    EXPECT_EQ(unannounced->contentLength, std::nullopt);
    EXPECT_EQ(unannounced->body, "no length");

    const auto notFound = http.Get("c");
    ASSERT_TRUE(notFound) << http.lastError();
    EXPECT_EQ(notFound->status, 404);
    EXPECT_EQ(notFound->contentLength, "7");

    const auto moved = http.Get("d");
    ASSERT_TRUE(moved) << http.lastError();
    EXPECT_EQ(moved->status, 301);
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
    {
        FaultServer server({FaultResponse::WithoutLength("first"),
                            FaultResponse::WithoutLength("second"), FaultResponse::Ok("third")});
        auto http = Client(server);
        EXPECT_EQ(FetchToMemory(http, kClubList), std::nullopt);
        EXPECT_EQ(server.requests().size(), 2u);
    }
}

TEST_F(CurlHttpClientTest, ABrokenTransferIsNoResponse) {
    // Cut short answers nothing rather than the partial body.
    {
        FaultServer server({FaultResponse::CutShort(1000, std::string(400, 'x'))});
        auto http = Client(server);
        EXPECT_EQ(http.Get("a"), std::nullopt);
        EXPECT_FALSE(http.lastError().empty());
    }
    {
        FaultServer server({FaultResponse::Reset()});
        auto http = Client(server);
        EXPECT_EQ(http.Get("a"), std::nullopt);
    }
    {
        std::string url;
        {
            FaultServer gone({});
            url = gone.url();
        }
        CurlHttpClient http(url, limits_);
        EXPECT_EQ(http.Get("a"), std::nullopt);
        EXPECT_FALSE(http.CheckInternet());
    }
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

struct FailureCase {
    const char* name;
    std::vector<FaultResponse> script;
};

void PrintTo(const FailureCase& failure, std::ostream* out) { *out << failure.name; }

class FetchToFileFailure : public CurlHttpClientTest,
                           public ::testing::WithParamInterface<FailureCase> {};

// The old file stays as it was, and nothing else is left beside it.
TEST_P(FetchToFileFailure, LeavesTheWorkingFolderAsItWas) {
    FaultServer server(GetParam().script);
    auto http = Client(server);
    TempFolder work;
    work.Write("ClubListKorea.dat", "old");

    EXPECT_EQ(FetchToFile(http, work.path(), "Download//Course_V40", "ClubListKorea.dat"),
              std::nullopt);
    EXPECT_EQ(Listing(work.path()), std::set<std::string>{"ClubListKorea.dat"});
    EXPECT_EQ(testing::ReadWholeFile(work.path() / "ClubListKorea.dat"), "old");
}

INSTANTIATE_TEST_SUITE_P(
    Faults, FetchToFileFailure,
    ::testing::Values(
        FailureCase{"NotFound", {FaultResponse::Ok("missing", 404)}},
        FailureCase{"NoLengthTwice",
                    {FaultResponse::WithoutLength("a"), FaultResponse::WithoutLength("a")}},
        FailureCase{"CutShort", {FaultResponse::CutShort(1000, std::string(999, 'x'))}},
        FailureCase{"Stall", {FaultResponse::Stall()}},
        FailureCase{"Reset", {FaultResponse::Reset()}},
        FailureCase{"OverCapAnnounced", {FaultResponse::Huge(kCap + 1, true)}},
        FailureCase{"OverCapUnannounced", {FaultResponse::Huge(4 * kCap, false)}}),
    [](const ::testing::TestParamInfo<FailureCase>& tested) { return tested.param.name; });

TEST_F(CurlHttpClientTest, FetchToFileWritesExactlyTheBody) {
    const std::string body = Binary(5000);
    FaultServer server({FaultResponse::Ok(body)});
    auto http = Client(server);
    TempFolder work;
    work.Write("ClubListKorea.dat", "old");

    EXPECT_EQ(FetchToFile(http, work.path(), "Download//Course_V40", "ClubListKorea.dat"),
              body.size());
    EXPECT_EQ(Listing(work.path()), std::set<std::string>{"ClubListKorea.dat"});
    EXPECT_EQ(testing::ReadWholeFile(work.path() / "ClubListKorea.dat"), body);
    ASSERT_EQ(server.requests().size(), 1u);
    EXPECT_EQ(server.requests()[0].requestLine,
              "GET /Download//Course_V40//ClubListKorea.dat HTTP/1.1");
}

TEST_F(CurlHttpClientTest, FetchToFileRefusesANameLeavingTheFolderWithoutAsking) {
    FaultServer server({FaultResponse::Ok("escaped")});
    auto http = Client(server);
    TempFolder outer;
    const auto work = outer.path() / "work";
    std::filesystem::create_directory(work);

    EXPECT_EQ(FetchToFile(http, work, "Download", "../x"), std::nullopt);
    EXPECT_TRUE(server.requests().empty());
    EXPECT_EQ(Listing(outer.path()), std::set<std::string>{"work"});
    EXPECT_TRUE(Listing(work).empty());
}

TEST(DefaultServerUrl, PrefersANonEmptyEnvironmentSetting) {
    {
        const ScopedEnvironment server("ORVANE_SERVER", "http://127.0.0.1:8080");
        EXPECT_EQ(DefaultServerUrl(), "http://127.0.0.1:8080");
    }
    {
        const ScopedEnvironment server("ORVANE_SERVER", "");
        EXPECT_EQ(DefaultServerUrl(), ORVANE_DEFAULT_SERVER);
    }
    {
        const ScopedEnvironment server("ORVANE_SERVER", std::nullopt);
        EXPECT_EQ(DefaultServerUrl(), ORVANE_DEFAULT_SERVER);
    }
}

}  // namespace
}  // namespace orvane
