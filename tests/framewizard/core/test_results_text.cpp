#include "framewizard/engine/results_text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

using namespace framewizard::engine;
namespace fs = std::filesystem;

TEST(ResultsText, HeadingsExactly)
{
    EXPECT_EQ(list1Heading(),
              " node      R(角位移)                        U(水平线位移)                            V(竖向线位移)");
    EXPECT_EQ(list2Heading(),
              " K杆号      XP(截面位置)             N(轴力)                M(弯矩)                    Q(翦力)");
}

TEST(ResultsText, NodeAndSectionLinesUseBlankSignedNumbers)
{
    EXPECT_EQ(nodeLine(3, 0.5, -0.25, 12.25), "  3       .5            -.25                     12.25");
    EXPECT_EQ(sectionLine(2, 3, -9.5, 25, 0), "   2        3                  -9.5          25             0");
    EXPECT_EQ(sectionLine(2.4, 0.75, 1e-20, -1, 100),
              "   2.4        .75                   1E-20         -1             100");
}

TEST(ResultsText, FileRecordsWithEmptyRecordsPastTheEnd)
{
    const std::vector<std::string> list1 = {list1Heading(), "a", "b"};
    const std::vector<std::string> list2 = {list2Heading(), "s1"};
    EXPECT_EQ(resultsFileText(list1, list2), "\"a\"\r\n\"b\"\r\n\"\"\r\n\"s1\"\r\n\"\"\r\n\"\"\r\n");
}

TEST(ResultsText, NoSectionsGivesTwoEmptyRecordsAndOneFreeNodeOneLine)
{
    const std::vector<std::string> list1 = {list1Heading(), "  2       0             0                     0"};
    const std::vector<std::string> list2 = {list2Heading()};
    EXPECT_EQ(resultsFileText(list1, list2),
              "\"  2       0             0                     0\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n");
}

TEST(ResultsText, FilePath)
{
#ifdef _WIN32
    EXPECT_EQ(resultsFilePath("C:\\Users\\x"), "D:\\WTG1\\STATES.text");
#else
    EXPECT_EQ(resultsFilePath("/home/user"), "/home/user/WTG1/STATES.text");
#endif
}

namespace {

struct TempDir {
    fs::path path;
    TempDir()
    {
        path = fs::temp_directory_path()
            / ("framewizard_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_"
               + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~TempDir() { fs::remove_all(path); }
};

std::string readAll(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

TEST(ResultsFile, CreatesTheFolderAndRewritesTheSameContent)
{
    TempDir home;
    const std::string path = (home.path / "WTG1" / "STATES.text").string();
    const std::string content = resultsFileText({list1Heading(), "x"}, {list2Heading()});
    ASSERT_FALSE(writeResultsFile(path, "an older and much longer content\r\n"));
    ASSERT_FALSE(writeResultsFile(path, content));
    EXPECT_EQ(readAll(path), content);
    ASSERT_FALSE(writeResultsFile(path, content));
    EXPECT_EQ(readAll(path), content);
}

TEST(ResultsFile, FailureNamesThePath)
{
    TempDir home;
    // A plain file where the folder should be.
    std::ofstream(home.path / "WTG1") << "not a folder";
    const std::string path = (home.path / "WTG1" / "STATES.text").string();
    const auto error = writeResultsFile(path, "x");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->path, path);
    EXPECT_NE(error->message.find(path), std::string::npos);
    EXPECT_NE(error->message.find("无法"), std::string::npos);

    // The path names a folder.
    fs::create_directories(home.path / "dir" / "STATES.text");
    const auto folderError = writeResultsFile((home.path / "dir" / "STATES.text").string(), "x");
    ASSERT_TRUE(folderError);
}
