#include <gtest/gtest.h>

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
    std::string url;
    pid_t pid = -1;
    {
        NginxServer nginx(served_.path());
        url = nginx.url();
        pid = nginx.pid();
        ASSERT_TRUE(CurlHttpClient(url).CheckInternet());
    }
    EXPECT_FALSE(CurlHttpClient(url).CheckInternet());
    // Reaped, so not even a zombie is left under this id.
    EXPECT_NE(::kill(pid, 0), 0);
}

}  // namespace
}  // namespace orvane
