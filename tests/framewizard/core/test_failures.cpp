#include "framewizard/engine/analysis.h"

#include "frames.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>

using namespace framewizard::engine;
using framewizard::FrameModel;
using frames::makeModel;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

struct Counter : AnalysisListener {
    int list1 = 0, list2 = 0;
    void addList1Item(const std::string&) override { ++list1; }
    void addList2Item(const std::string&) override { ++list2; }
};

struct Case {
    const char* name;
    std::function<void(FrameModel&)> change;
    ErrorKind kind;
    std::size_t item;
    const char* named;  // text the message must contain
};

}  // namespace

TEST(Failures, EveryBrokenConditionIsReportedByName)
{
    const Case cases[] = {
        {"no free node", [](FrameModel& m) { m.fixedNodeCount = 4; m.updateUnknownCount(); },
         ErrorKind::NoFreeNode, 0, "自由结点"},
        {"more fixed nodes than nodes", [](FrameModel& m) { m.fixedNodeCount = 5; m.updateUnknownCount(); },
         ErrorKind::NoFreeNode, 0, "自由结点"},
        {"fractional node count", [](FrameModel& m) { m.nodeCount = 4.5; m.updateUnknownCount(); },
         ErrorKind::BadCount, 0, "结点总数"},
        {"negative load count", [](FrameModel& m) { m.loadCount = -1; }, ErrorKind::BadCount, 0, "荷载总数"},
        {"fractional section count", [](FrameModel& m) { m.sectionCount = 2.5; }, ErrorKind::BadCount, 0, "截面总数"},
        {"infinite member count", [](FrameModel& m) { m.memberCount = kInf; }, ErrorKind::BadCount, 0, "杆件单元数"},
        {"unknown count out of step", [](FrameModel& m) { m.unknownCount = 3; }, ErrorKind::BadCount, 0, "未知量"},
        {"node array not sized", [](FrameModel& m) { m.nodeCount = 5; m.updateUnknownCount(); },
         ErrorKind::MissingData, 0, "结点坐标"},
        {"large end fixed", [](FrameModel& m) { m.memberSmallEnd(3) = 1; m.memberLargeEnd(3) = 2; },
         ErrorKind::MemberEnds, 3, "第3号杆件"},
        {"small end above large end", [](FrameModel& m) { m.memberSmallEnd(2) = 4; m.memberLargeEnd(2) = 3; },
         ErrorKind::MemberEnds, 2, "第2号杆件"},
        {"both ends the same node", [](FrameModel& m) { m.memberSmallEnd(2) = 4; },
         ErrorKind::MemberEnds, 2, "第2号杆件"},
        {"large end beyond the last node", [](FrameModel& m) { m.memberLargeEnd(3) = 5; },
         ErrorKind::MemberEnds, 3, "第3号杆件"},
        {"small end 0", [](FrameModel& m) { m.memberSmallEnd(1) = 0.4; }, ErrorKind::MemberEnds, 1, "第1号杆件"},
        {"negative end number", [](FrameModel& m) { m.memberSmallEnd(1) = -3; }, ErrorKind::MemberEnds, 1, "第1号杆件"},
        {"zero length", [](FrameModel& m) { m.nodeX(4) = 0; }, ErrorKind::ZeroLength, 2, "第2号杆件"},
        {"free node without members",
         [](FrameModel& m) {
             m.nodeCount = 5; m.updateUnknownCount(); m.redimensionNodes();
             m.nodeX(5) = 9; m.nodeY(5) = 9;
         },
         ErrorKind::NodeNotReached, 5, "第5号结点"},
        {"load on member 4", [](FrameModel& m) { m.loadTable(2, 1) = 4; }, ErrorKind::LoadMember, 2, "第2个荷载"},
        {"load on member 0.4", [](FrameModel& m) { m.loadTable(3, 1) = 0.4; }, ErrorKind::LoadMember, 3, "第3个荷载"},
        {"load type 256", [](FrameModel& m) { m.loadTable(1, 4) = 256; }, ErrorKind::LoadType, 1, "第1个荷载"},
        {"load type -255.6", [](FrameModel& m) { m.loadTable(2, 4) = -255.6; }, ErrorKind::LoadType, 2, "第2个荷载"},
        {"load type NaN", [](FrameModel& m) { m.loadTable(2, 4) = kNaN; }, ErrorKind::NotFinite, 2, "第2个荷载"},
        {"section on member 7", [](FrameModel& m) { m.sectionTable(4, 1) = 7; },
         ErrorKind::SectionMember, 4, "第4个截面"},
        {"section on member -1", [](FrameModel& m) { m.sectionTable(1, 1) = -1; },
         ErrorKind::SectionMember, 1, "第1个截面"},
        {"infinite coordinate", [](FrameModel& m) { m.nodeY(3) = kInf; }, ErrorKind::NotFinite, 3, "第3号结点"},
        {"coordinates too far apart", [](FrameModel& m) { m.nodeX(4) = 1e200; m.nodeY(4) = 1e200; },
         ErrorKind::NotFinite, 2, "第2号杆件"},
        {"NaN stiffness", [](FrameModel& m) { m.memberEA(2) = kNaN; }, ErrorKind::NotFinite, 2, "第2号杆件"},
        {"stiffness overflowing", [](FrameModel& m) { m.memberEI(3) = 1e308; }, ErrorKind::NotFinite, 3, "第3号杆件"},
        {"infinite load", [](FrameModel& m) { m.loadTable(1, 2) = -kInf; }, ErrorKind::NotFinite, 1, "第1个荷载"},
        {"load overflowing", [](FrameModel& m) { m.loadTable(1, 2) = 1e300; m.loadTable(1, 3) = 1e300; },
         ErrorKind::NotFinite, 1, "第1个荷载"},
        {"infinite section position", [](FrameModel& m) { m.sectionTable(5, 2) = kInf; },
         ErrorKind::NotFinite, 5, "第5个截面"},
        {"no supports: the frame floats", [](FrameModel& m) { m.fixedNodeCount = 0; m.updateUnknownCount(); },
         ErrorKind::Singular, 0, "可变体系"},
        {"columns without bending stiffness sway freely",
         [](FrameModel& m) { m.memberEI(1) = 0; m.memberEI(3) = 0; }, ErrorKind::Singular, 0, "可变体系"},
        {"leaning columns without bending stiffness (pivot left as rounding noise)",
         [](FrameModel& m) { m.nodeX(3) = 0.3; m.nodeX(4) = 6.6; m.memberEI(1) = 0; m.memberEI(3) = 0; },
         ErrorKind::Singular, 0, "可变体系"},
        {"every member without stiffness",
         [](FrameModel& m) { for (std::size_t k = 1; k <= 3; ++k) { m.memberEA(k) = 0; m.memberEI(k) = 0; } },
         ErrorKind::Singular, 3, "第3号结点"},
        {"rising load ending at the small end beyond a section at negative XP",
         [](FrameModel& m) { m.loadTable(2, 4) = 5; m.loadTable(2, 3) = 0; m.sectionTable(2, 2) = -1; },
         ErrorKind::SectionLoad, 2, "第2个截面"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FrameModel model = frames::portalFrame();
        c.change(model);
        Counter lists;
        const AnalysisOutcome out = runAnalysis(model, &lists);
        ASSERT_FALSE(out.ok());
        EXPECT_EQ(out.error->kind, c.kind) << out.error->message;
        if (c.item != 0 || c.kind != ErrorKind::Singular) {
            EXPECT_EQ(out.error->item, c.item) << out.error->message;
        }
        EXPECT_NE(out.error->message.find(c.named), std::string::npos) << out.error->message;
        EXPECT_TRUE(out.results.nodes.empty());
        EXPECT_TRUE(out.results.sections.empty());
        EXPECT_EQ(lists.list1, 0);
    }
}

TEST(Failures, ValidationErrorsReportNoListLineAndSingularOnlyTheHeading)
{
    FrameModel bad = frames::portalFrame();
    bad.memberLargeEnd(1) = 2;
    Counter a;
    EXPECT_FALSE(runAnalysis(bad, &a).ok());
    EXPECT_EQ(a.list1 + a.list2, 0);

    FrameModel floating = frames::portalFrame();
    floating.fixedNodeCount = 0;
    floating.updateUnknownCount();
    Counter b;
    const AnalysisOutcome out = runAnalysis(floating, &b);
    ASSERT_FALSE(out.ok());
    EXPECT_EQ(out.error->kind, ErrorKind::Singular);
    EXPECT_EQ(b.list2, 1);
    EXPECT_EQ(b.list1, 0);
}

TEST(Failures, BandTooLargeForMemoryIsRefusedBeforeAllocating)
{
    // A chain of 100000 nodes closed by one member from the first to the last
    // node: the half-bandwidth spans the whole frame.
    const std::size_t nodes = 100000;
    FrameModel m;
    m.nodeCount = nodes;
    m.fixedNodeCount = 1;
    m.memberCount = nodes;
    m.updateUnknownCount();
    m.redimensionNodes();
    m.redimensionMembers();
    m.redimensionRigidities();
    m.redimensionLoads();
    m.redimensionSections();
    for (std::size_t i = 1; i <= nodes; ++i) {
        m.nodeX(i) = static_cast<double>(i);
        m.nodeY(i) = static_cast<double>(i % 2);
    }
    for (std::size_t k = 1; k < nodes; ++k) {
        m.memberSmallEnd(k) = static_cast<double>(k);
        m.memberLargeEnd(k) = static_cast<double>(k + 1);
        m.memberEA(k) = 1;
        m.memberEI(k) = 1;
    }
    m.memberSmallEnd(nodes) = 2;
    m.memberLargeEnd(nodes) = static_cast<double>(nodes);
    m.memberEA(nodes) = 1;
    m.memberEI(nodes) = 1;
    const AnalysisOutcome out = runAnalysis(m);
    ASSERT_FALSE(out.ok());
    EXPECT_EQ(out.error->kind, ErrorKind::TooLarge) << out.error->message;
}

TEST(Failures, StiffButSoundFramePassesThePivotTest)
{
    // Very stiff axially, very soft in bending (EA L^2 / EI near 1e11): the sway
    // pivot is about 1e-10 of its diagonal, far beyond everyday frames.
    FrameModel m = frames::portalFrame();
    for (std::size_t k = 1; k <= 3; ++k) {
        m.memberEA(k) = 1e10;
        m.memberEI(k) = 1;
    }
    const AnalysisOutcome out = runAnalysis(m);
    EXPECT_TRUE(out.ok()) << (out.error ? out.error->message : "");
}
