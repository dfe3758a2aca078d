#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

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

const std::string kChunked =
    "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nKorea\r\n0\r\n\r\n";

struct HostileCase {
    const char* what;
    std::vector<FaultResponse> script;
    // Requests the fetch may make: one, or two when the length was missing.
    std::size_t requests;
};

// Servers that misbehave on purpose (bodies over the cap are the client's
// own tests'). Every such fetch fails with the client's
// reason, within the low-speed limit, and the working folder keeps its old
// file and gains nothing.
TEST(HostileServer, EveryHostileAnswerFailsWithoutAPartialFile) {
    const testing::ScopedEnvironment noProxy("no_proxy", "127.0.0.1");
    const CurlLimits limits{
        .maxBodyBytes = 1 << 20, .connectTimeout = 2s, .lowSpeedLimit = 100, .lowSpeedTime = 1s};
    const std::string megabytes(4 << 20, 'h');
    const HostileCase cases[] = {
        {"a redirect, which is not followed",
         {FaultResponse::Raw("HTTP/1.1 302 Found\r\nLocation: /Download//elsewhere.dat\r\n"
                             "Content-Length: 0\r\n\r\n")},
         1},
        {"chunked, announcing no length",
         {FaultResponse::Raw(kChunked), FaultResponse::Raw(kChunked)},
         2},
        {"headers of several megabytes",
         {FaultResponse::Raw("HTTP/1.1 200 OK\r\nX-Filler: " + megabytes +
                             "\r\nContent-Length: 5\r\n\r\nKorea")},
         1},
        {"a drip under the low-speed limit",
         {FaultResponse::Drip("HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nKorea", 200ms)},
         1},
    };
    for (const HostileCase& hostile : cases) {
        SCOPED_TRACE(hostile.what);
        FaultServer server(hostile.script);
        CurlHttpClient http(server.url(), limits);
        testing::TempFolder work;
        work.Write("ClubListKorea.dat", "old");
        const auto began = std::chrono::steady_clock::now();
        EXPECT_EQ(FetchToFile(http, work.path(), "Download//Course_V40", "ClubListKorea.dat"),
                  std::nullopt);
        EXPECT_LT(std::chrono::steady_clock::now() - began, 10s);
        EXPECT_EQ(server.requests().size(), hostile.requests);
        EXPECT_EQ(testing::ReadWholeFile(work.path() / "ClubListKorea.dat"), "old");
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(work.path()),
                                std::filesystem::directory_iterator()),
                  1);
    }
}

// A body longer than its announced length is cut there, and the bytes past
// it never pass for the answer to the next request.
TEST(HostileServer, BytesPastTheAnnouncedLengthAreNotTheNextAnswer) {
    const testing::ScopedEnvironment noProxy("no_proxy", "127.0.0.1");
    const std::string trailing = "HTTP/1.1 200 OK\r\nContent-Length: 6\r\n\r\nforged";
    FaultServer server({FaultResponse{.bytes = "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nKorea" +
                                               trailing + std::string(1 << 20, 'x'),
                                      .keepOpen = true},
                        FaultResponse::Ok("Japan")});
    CurlHttpClient http(server.url(), CurlLimits{.connectTimeout = 2s, .lowSpeedTime = 2s});
    const auto first = FetchToMemory(http, "Download//a");
    const auto second = FetchToMemory(http, "Download//b");
    EXPECT_EQ(first, "Korea");
    EXPECT_EQ(second, "Japan");
}

}  // namespace
}  // namespace orvane
