#include "framewizard/model/frame_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using framewizard::FrameModel;

TEST(FrameModel, RedimensionKeepsStoredValues)
{
    FrameModel m;
    m.nodeCount = 3;
    ASSERT_TRUE(m.redimensionNodes());
    ASSERT_EQ(m.nodeX.size(), 3u);
    m.nodeX(1) = 1.5;
    m.nodeY(3) = -2;
    // Same count again: nothing changes.
    ASSERT_TRUE(m.redimensionNodes());
    EXPECT_EQ(m.nodeX(1), 1.5);
    EXPECT_EQ(m.nodeY(3), -2);
    // Growing keeps the old items and adds zeros; shrinking keeps what survives.
    m.nodeCount = 5;
    ASSERT_TRUE(m.redimensionNodes());
    EXPECT_EQ(m.nodeX(1), 1.5);
    EXPECT_EQ(m.nodeY(3), -2);
    EXPECT_EQ(m.nodeY(5), 0);
    m.nodeCount = 1;
    ASSERT_TRUE(m.redimensionNodes());
    EXPECT_EQ(m.nodeX.size(), 1u);
    EXPECT_EQ(m.nodeX(1), 1.5);
}

TEST(FrameModel, TablesKeepRowsAndColumnsFromOne)
{
    FrameModel m;
    m.loadCount = 2;
    ASSERT_TRUE(m.redimensionLoads());
    m.loadTable(2, 4) = 6;
    m.loadTable(1, 1) = 3;
    m.loadCount = 4;
    ASSERT_TRUE(m.redimensionLoads());
    EXPECT_EQ(m.loadTable.rows(), 4u);
    EXPECT_EQ(m.loadTable(2, 4), 6);
    EXPECT_EQ(m.loadTable(1, 1), 3);
    EXPECT_EQ(m.loadTable(4, 2), 0);
    EXPECT_FALSE(m.loadTable.contains(1, 5));
    EXPECT_FALSE(m.loadTable.contains(0, 1));
    EXPECT_FALSE(m.loadTable.set(5, 1, 1.0));
    EXPECT_EQ(m.loadTable.value(5, 1), 0);
}

TEST(FrameModel, CountsAreRoundedHalfEvenForSizes)
{
    struct Case { double count; std::size_t size; };
    const Case cases[] = {{2.5, 2}, {3.5, 4}, {2.4, 2}, {0, 0}, {0.5, 0}, {1.5, 2}};
    for (const Case& c : cases) {
        FrameModel m;
        m.memberCount = c.count;
        ASSERT_TRUE(m.redimensionMembers()) << c.count;
        ASSERT_TRUE(m.redimensionRigidities()) << c.count;
        EXPECT_EQ(m.memberSmallEnd.size(), c.size) << c.count;
        EXPECT_EQ(m.memberEI.size(), c.size) << c.count;
    }
}

TEST(FrameModel, UnusableCountsLeaveTheArraysAlone)
{
    const double bad[] = {-1, -0.6, std::numeric_limits<double>::quiet_NaN(),
                          std::numeric_limits<double>::infinity(), 1e12};
    for (double count : bad) {
        FrameModel m;
        m.sectionCount = 2;
        ASSERT_TRUE(m.redimensionSections());
        m.sectionTable(2, 2) = 7;
        m.sectionCount = count;
        EXPECT_FALSE(m.redimensionSections()) << count;
        EXPECT_EQ(m.sectionTable.rows(), 2u) << count;
        EXPECT_EQ(m.sectionTable(2, 2), 7) << count;
    }
}

TEST(FrameModel, SeriesCheckedAccess)
{
    framewizard::Series s;
    EXPECT_EQ(s.size(), 0u);
    EXPECT_FALSE(s.contains(1));
    EXPECT_FALSE(s.set(1, 2.0));
    EXPECT_EQ(s.value(1), 0);
    s.resize(2);
    EXPECT_FALSE(s.contains(0));
    EXPECT_TRUE(s.set(2, 4.0));
    EXPECT_EQ(s.value(2), 4.0);
    EXPECT_EQ(s.value(3), 0);
}

TEST(FrameModel, UnknownCountFollowsTheCounts)
{
    FrameModel m;
    m.nodeCount = 5;
    m.fixedNodeCount = 2;
    m.updateUnknownCount();
    EXPECT_EQ(m.unknownCount, 9);
    m.fixedNodeCount = 5;
    m.updateUnknownCount();
    EXPECT_EQ(m.unknownCount, 0);
}

TEST(FrameModel, RoundedIndexAndWholeCounts)
{
    EXPECT_EQ(framewizard::roundedIndex(2.5), 2u);
    EXPECT_EQ(framewizard::roundedIndex(3.5), 4u);
    EXPECT_EQ(framewizard::roundedIndex(-0.4), 0u);
    EXPECT_FALSE(framewizard::roundedIndex(-0.6));
    EXPECT_FALSE(framewizard::roundedIndex(std::nan("")));
    EXPECT_TRUE(framewizard::isWholeCount(0));
    EXPECT_TRUE(framewizard::isWholeCount(7));
    EXPECT_FALSE(framewizard::isWholeCount(2.5));
    EXPECT_FALSE(framewizard::isWholeCount(-1));
    EXPECT_FALSE(framewizard::isWholeCount(std::numeric_limits<double>::infinity()));
}
