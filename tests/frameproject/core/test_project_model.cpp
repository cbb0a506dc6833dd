#include "frameproject/model/project.h"
#include "frameproject/model/project_file.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace fs = std::filesystem;
using namespace frameproject;

namespace {

const std::string kPortalFile =
    "3 4 2 1 1\r\n"
    " 0 0 6 6\r\n"
    " 0 4 4 0\r\n"
    "1 1 1 1\r\n"
    "4 1 1 1\r\n"
    "1 2 500 20\r\n"
    "2 3 500 20\r\n"
    "4 3 500 20\r\n"
    "2.1 10\r\n"
    "2 1 6 -10\r\n";

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void writeFile(const fs::path& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
}

class ProjectFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path() /
                 ("frameproject_model_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::remove_all(folder, ec);
    }
    fs::path folder;
};

ProjectModel counts(int ne, int nj, int ns, int npj, int npf)
{
    ProjectModel m;
    m.NE = static_cast<std::int16_t>(ne);
    m.NJ = static_cast<std::int16_t>(nj);
    m.NS = static_cast<std::int16_t>(ns);
    m.NPJ = static_cast<std::int16_t>(npj);
    m.NPF = static_cast<std::int16_t>(npf);
    return m;
}

}  // namespace

TEST(DimensionTables, SizesTablesAndSkipsZeroLoadCounts)
{
    ProjectModel m = counts(3, 4, 2, 1, 1);
    ASSERT_FALSE(DimensionTables(m));
    m.PJ(1, 2) = 7;
    m.X(4) = 9;
    m.NPJ = 0;
    m.NJ = 2;
    ASSERT_FALSE(DimensionTables(m));
    EXPECT_EQ(m.X.size(), 2u);
    EXPECT_EQ(m.X.value(1), 0);
    EXPECT_EQ(m.JS.rows(), 2u);
    EXPECT_EQ(m.JE.rows(), 3u);
    EXPECT_EQ(m.EA.size(), 3u);
    EXPECT_EQ(m.EI.size(), 3u);
    // NPJ = 0: the nodal-load table keeps its size and content.
    EXPECT_EQ(m.PJ.rows(), 1u);
    EXPECT_EQ(m.PJ(1, 2), 7);
    // NPF = 1 again: created anew.
    EXPECT_EQ(m.PF.rows(), 1u);
}

TEST(DimensionTables, RefusesNegativeAndZeroCountsWithoutChanging)
{
    struct Case {
        int ne, nj, ns, npj, npf;
        const char* named;
    };
    const Case cases[] = {
        {0, 2, 1, 0, 0, "NE"}, {1, 0, 1, 0, 0, "NJ"},  {1, 2, 0, 0, 0, "NS"},
        {-1, 2, 1, 0, 0, "NE"}, {1, 2, 1, -3, 0, "NPJ"}, {1, 2, 1, 0, -1, "NPF"},
    };
    for (const Case& c : cases) {
        ProjectModel m = counts(c.ne, c.nj, c.ns, c.npj, c.npf);
        m.X.assignZeros(5);
        m.X(5) = 1.5;
        const auto error = DimensionTables(m);
        ASSERT_TRUE(error) << c.named;
        EXPECT_NE(error->message.find(c.named), std::string::npos) << error->message;
        EXPECT_EQ(m.X.size(), 5u);
        EXPECT_EQ(m.X(5), 1.5);
        EXPECT_TRUE(RedimensionKeeping(m));
    }
}

TEST(DimensionTables, RedimensionKeepingGrowsAndNeverDropsEntries)
{
    ProjectModel m = counts(2, 2, 1, 1, 0);
    ASSERT_FALSE(DimensionTables(m));
    m.X(2) = 3;
    m.JE(2, 2) = 1;
    m.EA(2) = 5;
    m.PJ(1, 1) = 2.2;
    m.NJ = 3;
    m.NE = 1;
    m.NPF = 2;
    ASSERT_FALSE(RedimensionKeeping(m));
    EXPECT_EQ(m.X.size(), 3u);
    EXPECT_EQ(m.X(2), 3);
    EXPECT_EQ(m.X(3), 0);
    EXPECT_EQ(m.PF.rows(), 2u);
    EXPECT_EQ(m.PJ(1, 1), 2.2);
    m.NE = 2;
    ASSERT_FALSE(RedimensionKeeping(m));
    EXPECT_EQ(m.JE(2, 2), 1);
    EXPECT_EQ(m.EA(2), 5);
    EXPECT_FALSE(CheckTableSizes(m));
}

TEST(DimensionTables, CheckTableSizesNamesTheShortTable)
{
    ProjectModel m = counts(1, 2, 1, 0, 0);
    ASSERT_FALSE(DimensionTables(m));
    EXPECT_FALSE(CheckTableSizes(m));
    m.NPF = 1;  // changed without re-dimensioning
    const auto error = CheckTableSizes(m);
    ASSERT_TRUE(error);
    EXPECT_NE(error->message.find("PF"), std::string::npos);
}

TEST(ProjectFile, ExampleLoadsAndSavesBackByteForByte)
{
    ProjectModel m;
    const LoadReport report = ParseProject(m, kPortalFile);
    ASSERT_TRUE(report.complete) << report.message;
    EXPECT_EQ(m.ProjectLoaded, 1);
    EXPECT_EQ(m.NE, 3);
    EXPECT_EQ(m.NJ, 4);
    EXPECT_EQ(m.NS, 2);
    EXPECT_EQ(m.X(3), 6);
    EXPECT_EQ(m.Y(2), 4);
    EXPECT_EQ(m.JS(2, 1), 4);
    EXPECT_EQ(m.JE(3, 1), 4);
    EXPECT_EQ(m.JE(3, 2), 3);
    EXPECT_EQ(m.EA(2), 500);
    EXPECT_EQ(m.EI(3), 20);
    EXPECT_DOUBLE_EQ(m.PJ(1, 1), 2.1);
    EXPECT_EQ(m.PF(1, 4), -10);
    EXPECT_EQ(ProjectText(m), kPortalFile);
}

TEST_F(ProjectFolder, SaveThenLoadRoundTrip)
{
    ProjectModel m = counts(1, 3, 1, 0, 1);
    ASSERT_FALSE(DimensionTables(m));
    m.ProjectName = "框架1";
    m.X(2) = 2.5;
    m.X(3) = -1;
    m.Y(3) = 0.1 + 0.2;
    m.JS(1, 1) = 1;
    m.JS(1, 2) = 1;
    m.JE(1, 1) = 1;
    m.JE(1, 2) = 3;
    m.EA(1) = 2.1E8;
    m.EI(1) = 1E-20;
    m.PF(1, 1) = 1;
    m.PF(1, 2) = 2.7;
    m.PF(1, 3) = 0.25;
    m.PF(1, 4) = -12345.678;
    ASSERT_FALSE(SaveProject(m, folder));
    const std::string text = readFile(ProjectPath(folder, "框架1"));
    EXPECT_EQ(text.substr(0, 32), "1 3 1 0 1\r\n 0 2.5 -1\r\n 0 0 0.3\r\n");
    EXPECT_EQ(text.find('\n', 0), text.find("\r\n", 0) + 1);

    ProjectModel back;
    back.ProjectName = "框架1";
    const LoadReport report = LoadProject(back, folder);
    ASSERT_TRUE(report.complete) << report.message;
    EXPECT_EQ(ProjectText(back), text);
    EXPECT_EQ(back.X(2), 2.5);
    EXPECT_EQ(back.EA(1), 2.1E8);
    EXPECT_EQ(back.EI(1), 1E-20);
    EXPECT_EQ(back.PF(1, 2), 2.7);
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST_F(ProjectFolder, NoLoadsEndsAfterElements)
{
    ProjectModel m = counts(1, 2, 1, 0, 0);
    ASSERT_FALSE(DimensionTables(m));
    m.ProjectName = "p";
    m.X(2) = 1;
    m.JS(1, 1) = 1;
    m.JE(1, 1) = 1;
    m.JE(1, 2) = 2;
    ASSERT_FALSE(SaveProject(m, folder));
    EXPECT_EQ(readFile(folder / "p.txt"), "1 2 1 0 0\r\n 0 1\r\n 0 0\r\n1 0 0 0\r\n1 2 0 0\r\n");
}

TEST_F(ProjectFolder, FailedSaveKeepsOldFileAndSaysWhy)
{
    // The target name is taken by a folder: the rename fails even for root.
    ProjectModel m;
    ASSERT_FALSE(ParseProject(m, kPortalFile).message.size());
    m.ProjectName = "busy";
    fs::create_directory(folder / "busy.txt");
    writeFile(folder / "busy.txt" / "inside", "keep");
    const auto error = SaveProject(m, folder);
    ASSERT_TRUE(error);
    EXPECT_NE(error->message.find("busy.txt"), std::string::npos) << error->message;
    EXPECT_NE(error->message.find("文件夹"), std::string::npos) << error->message;
    EXPECT_EQ(readFile(folder / "busy.txt" / "inside"), "keep");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);

    // The folder itself is missing: nothing can be created, the error says so.
    m.ProjectName = "p";
    const auto missing = SaveProject(m, folder / "no such folder");
    ASSERT_TRUE(missing);
    EXPECT_NE(missing->message.find("文件夹不存在"), std::string::npos) << missing->message;
}

TEST_F(ProjectFolder, FailedWriteLeavesPreviousProjectIntact)
{
    // A file-size limit makes the write fail half way, as a full disk would
    // (root is not exempt from it).
    writeFile(folder / "old.txt", kPortalFile);
    ProjectModel m = counts(1, 500, 1, 0, 0);
    ASSERT_FALSE(DimensionTables(m));
    m.ProjectName = "old";
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 200;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto error = SaveProject(m, folder);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    ASSERT_TRUE(error);
    EXPECT_NE(error->message.find("原有文件未改动"), std::string::npos) << error->message;
    EXPECT_EQ(readFile(folder / "old.txt"), kPortalFile);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);

    // A model whose tables do not match its counts is refused before the disk is touched.
    ProjectModel unsized = counts(2, 2, 1, 0, 0);
    unsized.ProjectName = "old";
    ASSERT_TRUE(SaveProject(unsized, folder));
    EXPECT_EQ(readFile(folder / "old.txt"), kPortalFile);
}

TEST_F(ProjectFolder, SaveReplacesOldContentCompletely)
{
    writeFile(folder / "p.txt", kPortalFile + kPortalFile);
    ProjectModel m = counts(1, 2, 1, 0, 0);
    ASSERT_FALSE(DimensionTables(m));
    m.ProjectName = "p";
    ASSERT_FALSE(SaveProject(m, folder));
    EXPECT_EQ(readFile(folder / "p.txt"), "1 2 1 0 0\r\n 0 0\r\n 0 0\r\n0 0 0 0\r\n0 0 0 0\r\n");
}

TEST(ProjectFile, CutShortInElementsKeepsWhatWasReadAndSaysWhere)
{
    ProjectModel m;
    const std::string cut = kPortalFile.substr(0, kPortalFile.find("2 3 500") + 6);  // "2 3 50"
    const LoadReport report = ParseProject(m, cut + "\r\n");
    EXPECT_FALSE(report.complete);
    EXPECT_EQ(report.section, LoadSection::Elements);
    EXPECT_EQ(report.entry, 2u);
    EXPECT_EQ(report.field, 4u);
    EXPECT_NE(report.message.find("单元数据第2项"), std::string::npos) << report.message;
    EXPECT_NE(report.message.find("文件提前结束"), std::string::npos) << report.message;
    EXPECT_EQ(m.NE, 3);
    EXPECT_EQ(m.NPF, 1);
    EXPECT_EQ(m.X(3), 6);
    EXPECT_EQ(m.JS(2, 1), 4);
    EXPECT_EQ(m.EI(1), 20);
    EXPECT_EQ(m.EA(2), 50);
    EXPECT_EQ(m.EI(2), 0);
    EXPECT_EQ(m.JE(3, 1), 0);
    // The tables were dimensioned from this file: they are this project's.
    EXPECT_EQ(m.ProjectLoaded, 1);
}

TEST(ProjectFile, StopsOnNonNumberAndOverflow)
{
    struct Case {
        std::string text;
        LoadSection section;
        std::size_t entry;
        std::size_t field;
        const char* reason;
        std::int16_t loaded;
    };
    const Case cases[] = {
        {"3 4 x 1 1", LoadSection::ControlNumbers, 0, 3, "“x”不是数字", 0},
        {"1 2 1 0 0 0 abc", LoadSection::X, 2, 0, "“abc”不是数字", 1},
        {"1 2 1 0 0 0 1 0 0 40000 1 1 1", LoadSection::SpecialNodes, 1, 1, "超出整数范围", 1},
        {"1 2 1 0 0 0 1 0 0 1 1 1 1 1 2 1e999", LoadSection::Elements, 1, 3, "“1e999”超出数值范围", 1},
        {"1 2 1 0 0 0 1 0 0 1 1 1 1 1 2 5 12abc", LoadSection::Elements, 1, 4, "“12abc”不是数字", 1},
        {"0 2 1 0 0", LoadSection::Dimensioning, 0, 0, "NE", 0},
        {"", LoadSection::ControlNumbers, 0, 1, "文件提前结束", 0},
        {"1 2 1 1 0 0 1 0 0 1 1 1 1 1 2 5 5 2.2", LoadSection::NodalLoads, 1, 2, "文件提前结束", 1},
    };
    for (const Case& c : cases) {
        ProjectModel m;
        m.ProjectLoaded = 1;  // from an earlier project
        const LoadReport report = ParseProject(m, c.text);
        EXPECT_FALSE(report.complete) << c.text;
        EXPECT_EQ(report.section, c.section) << c.text;
        EXPECT_EQ(report.entry, c.entry) << c.text;
        EXPECT_EQ(report.field, c.field) << c.text;
        EXPECT_NE(report.message.find(c.reason), std::string::npos) << report.message;
        EXPECT_EQ(m.ProjectLoaded, c.loaded) << c.text;
    }
}

TEST(ProjectFile, ReaderTakesAStreamOfNumbers)
{
    // Commas, tabs, any line breaks; halves to even for 16-bit fields;
    // trailing data ignored.
    ProjectModel m;
    const LoadReport report =
        ParseProject(m, "1,2.5,1\t0\n0\n 0 1.5E1\r\n 0 0\n2.5 1 1 1 3.5 2 1e6 1E4 anything after");
    ASSERT_TRUE(report.complete) << report.message;
    EXPECT_EQ(m.NJ, 2);
    EXPECT_EQ(m.X(2), 15);
    EXPECT_EQ(m.JS(1, 1), 2);
    EXPECT_EQ(m.JE(1, 1), 4);
    EXPECT_EQ(m.EA(1), 1e6);
}

TEST_F(ProjectFolder, EmptyAndMissingFiles)
{
    ProjectModel m = counts(3, 3, 3, 3, 3);
    m.ProjectLoaded = 1;
    m.ProjectName = "empty";
    writeFile(folder / "empty.txt", "");
    LoadReport report = LoadProject(m, folder);
    EXPECT_FALSE(report.complete);
    EXPECT_EQ(report.section, LoadSection::ControlNumbers);
    EXPECT_EQ(m.NE + m.NJ + m.NS + m.NPJ + m.NPF, 0);
    EXPECT_EQ(m.ProjectLoaded, 0);

    m.ProjectName = "missing";
    report = LoadProject(m, folder);
    EXPECT_EQ(report.section, LoadSection::File);
    EXPECT_NE(report.message.find("missing.txt"), std::string::npos);
}

TEST(ProjectFile, LargerFileAfterSmallerOneTakesAllFromFile)
{
    ProjectModel m;
    ASSERT_TRUE(ParseProject(m, "1 2 1 0 0 0 1 0 0 1 1 1 1 1 2 9 9").complete);
    ASSERT_TRUE(ParseProject(m, kPortalFile).complete);
    EXPECT_EQ(m.X.size(), 4u);
    EXPECT_EQ(m.EA(1), 500);
    EXPECT_EQ(ProjectText(m), kPortalFile);
}
