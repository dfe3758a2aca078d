#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/TempFolder.h"
#include "util/Files.h"

namespace orvane {
namespace {

TEST(ReadFileBytes, ReadsEveryByteAndRefusesWhatIsNoRegularFile) {
    testing::TempFolder folder;
    std::string bytes(300 * 1024, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7 % 251);
    EXPECT_EQ(ReadFileBytes(folder.Write("map.dat", bytes)), bytes);
    EXPECT_EQ(ReadFileBytes(folder.Write("empty.dat", "")), "");

    EXPECT_EQ(ReadFileBytes(folder.path() / "missing.dat"), std::nullopt);
    EXPECT_EQ(ReadFileBytes(folder.path()), std::nullopt);
    // A pipe with no writer would block a plain open for ever.
    const auto pipe = folder.path() / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(ReadFileBytes(pipe), std::nullopt);
}

}  // namespace
}  // namespace orvane
