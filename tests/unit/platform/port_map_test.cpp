// Port numbers to devices through the port map folder, and where that folder is.
#include "platform/port_map.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>

namespace shortmsg {
namespace {

namespace fs = std::filesystem;

// A port map folder of its own with COM1 -> a file, COM2 -> nowhere, and a plain COM4.
class PortDeviceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string name = (fs::temp_directory_path() / "shortmsg-ports-XXXXXX").string();
        ASSERT_NE(::mkdtemp(name.data()), nullptr);
        folder_ = name;
        device_ = folder_ / "device";
        {
            std::FILE* f = std::fopen(device_.c_str(), "w");
            std::fclose(f);
        }
        fs::create_symlink(device_, folder_ / "COM1");
        fs::create_symlink(folder_ / "gone", folder_ / "COM2");
        {
            std::FILE* f = std::fopen((folder_ / "COM4").c_str(), "w");
            std::fclose(f);
        }
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path folder_;
    fs::path device_;
};

TEST_F(PortDeviceTest, ALinkNamesItsTarget) {
    EXPECT_EQ(PortDevice("1", folder_), fs::canonical(device_).string());
}

TEST_F(PortDeviceTest, ADanglingLinkStillNamesThePort) {
    // Opening it fails as for an absent device; it does not fall back to /dev/ttyS1.
    EXPECT_EQ(PortDevice("2", folder_), (folder_ / "COM2").string());
}

TEST_F(PortDeviceTest, APlainFileInTheMapIsUsed) {
    EXPECT_EQ(PortDevice("4", folder_), fs::canonical(folder_ / "COM4").string());
}

TEST_F(PortDeviceTest, WithoutALinkTheSerialDeviceCountsFromZero) {
    EXPECT_EQ(PortDevice("3", folder_), "/dev/ttyS2");
    EXPECT_EQ(PortDevice("10", folder_), "/dev/ttyS9");
}

TEST_F(PortDeviceTest, AMissingFolderMeansNoLinks) {
    EXPECT_EQ(PortDevice("1", folder_ / "absent"), "/dev/ttyS0");
}

TEST_F(PortDeviceTest, ADevicePathIsUsedAsItStands) {
    EXPECT_EQ(PortDevice("/dev/ttyUSB0", folder_), "/dev/ttyUSB0");
}

TEST_F(PortDeviceTest, TextThatNamesNoPortGivesNothing) {
    for (const char* text :
         {"", "0", "-1", "COM1", "1a", " 1", "dev/ttyS0", "99999999999999999999"}) {
        EXPECT_EQ(PortDevice(text, folder_), "") << text;
    }
}

}  // namespace
}  // namespace shortmsg
