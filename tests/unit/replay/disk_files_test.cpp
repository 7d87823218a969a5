// The position-log files on disk: appends and replacements under the data root, folders
// made on the way, a failure with its reason, and paths that would leave the root. What
// the replay reports of these writes, a missing folder made and a folder in the way of a
// file are golden scenarios (gps/logs, logs_unwritable).
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/disk_files.h"

namespace shortmsg {
namespace {

namespace fs = std::filesystem;

// A fresh folder removed at the end of the test.
struct TempRoot {
    TempRoot() {
        std::string name = (fs::temp_directory_path() / "shortmsg-files-XXXXXX").string();
        EXPECT_NE(::mkdtemp(name.data()), nullptr);
        path = name;
    }
    ~TempRoot() { fs::remove_all(path); }
    std::string Read(const std::string& relative) const {
        std::ifstream in(path / relative, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    fs::path path;
};

TEST(DiskFilesWrite, AppendAddsOutputReplacesAndFoldersAreMade) {
    TempRoot root;
    DiskFiles files(root.path);
    std::string error;
    EXPECT_TRUE(files.Append("GPS_info/GPS_info1.txt", "\"a\",1\r\n", error)) << error;
    EXPECT_TRUE(files.Append("GPS_info/GPS_info1.txt", "\"b\",2\r\n", error)) << error;
    EXPECT_EQ(root.Read("GPS_info/GPS_info1.txt"), "\"a\",1\r\n\"b\",2\r\n");
    EXPECT_TRUE(files.Output("GPSS/deep/GPSS.LLD", "first\r\n", error)) << error;
    EXPECT_TRUE(files.Output("GPSS/deep/GPSS.LLD", std::string("\0\xFF", 2), error)) << error;
    EXPECT_EQ(root.Read("GPSS/deep/GPSS.LLD"), std::string("\0\xFF", 2));
}

TEST(DiskFilesWrite, AFileWhereAFolderGoesFailsWithAReason) {
    TempRoot root;
    std::ofstream(root.path / "GPS_info") << "a file";
    DiskFiles files(root.path);
    std::string error;
    EXPECT_FALSE(files.Append("GPS_info/GPS_info1.txt", "x", error));
    EXPECT_NE(error.find("folder"), std::string::npos) << error;
}

// A path that would leave the data root is refused, and nothing is written outside it
// (tests/unit/tables/platform.txt has the paths).
TEST(DiskFilesPaths, NothingIsWrittenOutsideTheRoot) {
    TempRoot root;
    DiskFiles files(root.path / "inner");
    std::string error;
    EXPECT_FALSE(files.Append("../escaped.txt", "x", error));
    EXPECT_FALSE(fs::exists(root.path / "escaped.txt"));
    EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace shortmsg
