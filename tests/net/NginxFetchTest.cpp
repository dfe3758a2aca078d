#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "net/Fetch.h"
#include "platform/CurlHttpClient.h"
#include "support/NginxServer.h"
#include "support/ScopedEnvironment.h"
#include "support/TempFolder.h"

namespace orvane {
namespace {

using testing::NginxServer;
using testing::ScopedEnvironment;
using testing::TempFolder;

bool Answers(std::uint16_t port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    const bool connected =
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return connected;
}

class NginxFetchTest : public ::testing::Test {
protected:
    ScopedEnvironment noProxy_{"no_proxy", "127.0.0.1"};
    TempFolder served_;
    TempFolder work_;
};

TEST_F(NginxFetchTest, FetchesFilesOfAServedTreeThroughDoubleSlashPaths) {
    std::string clubList(300'000, '\0');
    for (std::size_t i = 0; i < clubList.size(); ++i) clubList[i] = static_cast<char>(i % 253);
    served_.Write("Download/Course_V40/ClubListKorea.dat", clubList);
    served_.Write("Download/Downloader/manager_ver.txt", "1.0.7\r\n");
    NginxServer nginx(served_.path());
    CurlHttpClient http(nginx.url());

    EXPECT_EQ(FetchToFile(http, work_.path(), "Download//Course_V40", "ClubListKorea.dat"),
              clubList.size())
        << http.lastError() << nginx.Log();
    EXPECT_EQ(testing::ReadWholeFile(work_.path() / "ClubListKorea.dat"), clubList);
    EXPECT_EQ(FetchToMemory(http, "Download//Downloader//manager_ver.txt"), "1.0.7\r\n");

    EXPECT_EQ(FetchToFile(http, work_.path(), "Download//Course_V40", "Missing.dat"), std::nullopt);
    EXPECT_FALSE(std::filesystem::exists(work_.path() / "Missing.dat"));
    EXPECT_TRUE(http.CheckInternet());
}

TEST_F(NginxFetchTest, StopsNginxWhenItGoes) {
    std::uint16_t port = 0;
    pid_t pid = -1;
    {
        NginxServer nginx(served_.path());
        port = nginx.port();
        pid = nginx.pid();
        ASSERT_TRUE(Answers(port));
    }
    EXPECT_FALSE(Answers(port));
    // Reaped, so not even a zombie is left under this id.
    EXPECT_NE(::kill(pid, 0), 0);
    EXPECT_FALSE(CurlHttpClient("http://127.0.0.1:" + std::to_string(port)).CheckInternet());
}

}  // namespace
}  // namespace orvane
