#include "framewizard/engine/analysis.h"
#include "framewizard/engine/results_text.h"

#include "frames.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace framewizard::engine;
using frames::expectSig5;
using frames::makeModel;

namespace {

// Records the list lines in the order the run reports them.
struct Recorder : AnalysisListener {
    std::vector<std::string> list1, list2;
    std::vector<std::string> order;  // "1" / "2" per call
    void addList1Item(const std::string& t) override { list1.push_back(t); order.push_back("1"); }
    void addList2Item(const std::string& t) override { list2.push_back(t); order.push_back("2"); }
};

}  // namespace

TEST(PortalFrame, DisplacementsAndSectionForces)
{
    auto model = frames::portalFrame();
    Recorder lists;
    const AnalysisOutcome out = runAnalysis(model, &lists);
    ASSERT_TRUE(out.ok()) << out.error->message;
    EXPECT_EQ(model.bandWidth, 6);
    EXPECT_EQ(out.results.bandWidth, 6u);

    ASSERT_EQ(out.results.nodes.size(), 2u);
    const NodeDisplacement& n3 = out.results.nodes[0];
    const NodeDisplacement& n4 = out.results.nodes[1];
    EXPECT_EQ(n3.node, 3u);
    EXPECT_EQ(n4.node, 4u);
    expectSig5(n3.r, 0.0022596);
    expectSig5(n3.u, 0.00068614);
    expectSig5(n3.v, -0.00011298);
    expectSig5(n4.r, -0.0022692);
    expectSig5(n4.u, 0.00062801);
    expectSig5(n4.v, -0.00012702);

    struct Expected { double member, xp, n, m, q; };
    const Expected expected[] = {
        {2, 3, -9.6871, 25.215, -1.754},   {1, 0, -28.246, 6.2251, -4.6871},
        {1, 4, -28.246, -22.523, -9.6871}, {2, 6, -9.6871, -25.047, -31.754},
        {3, 0, -31.754, -13.701, 9.6871},
    };
    ASSERT_EQ(out.results.sections.size(), 5u);
    for (std::size_t s = 0; s < 5; ++s) {
        SCOPED_TRACE(s + 1);
        const SectionForces& f = out.results.sections[s];
        EXPECT_EQ(f.member, expected[s].member);
        EXPECT_EQ(f.xp, expected[s].xp);
        expectSig5(f.n, expected[s].n);
        expectSig5(f.m, expected[s].m);
        expectSig5(f.q, expected[s].q);
    }

    // Lists: List2 heading first, List1 after the solution, then each section line.
    const std::vector<std::string> order = {"2", "1", "1", "1", "2", "2", "2", "2", "2"};
    EXPECT_EQ(lists.order, order);
    EXPECT_EQ(lists.list2[0], list2Heading());
    EXPECT_EQ(lists.list1[0], list1Heading());
    EXPECT_EQ(lists.list1[1], nodeLine(3, n3.r, n3.u, n3.v));
    EXPECT_EQ(lists.list2[5], sectionLine(3, 0, out.results.sections[4].n, out.results.sections[4].m,
                                          out.results.sections[4].q));
}

TEST(PortalFrame, RunningAgainGivesTheSameDigits)
{
    auto model = frames::portalFrame();
    const AnalysisOutcome first = runAnalysis(model);
    const AnalysisOutcome second = runAnalysis(model);
    ASSERT_TRUE(first.ok() && second.ok());
    for (std::size_t s = 0; s < first.results.sections.size(); ++s) {
        EXPECT_EQ(first.results.sections[s].m, second.results.sections[s].m);
        EXPECT_EQ(first.results.sections[s].q, second.results.sections[s].q);
    }
}

TEST(BandWidth, LargestNodeDifferenceOfMembersWithAFreeSmallEnd)
{
    struct Case {
        const char* name;
        framewizard::FrameModel model;
        double band;
    };
    std::vector<Case> cases;
    cases.push_back({"portal", frames::portalFrame(), 6});
    // Two storeys: columns (difference 2) listed before the beams (difference 1).
    cases.push_back({"two storeys",
                     makeModel({{0, 0}, {6, 0}, {0, 4}, {6, 4}, {0, 8}, {6, 8}}, 2,
                               {{1, 3, 1e6, 1e4}, {2, 4, 1e6, 1e4}, {3, 5, 1e6, 1e4}, {4, 6, 1e6, 1e4},
                                {3, 4, 1e6, 1e4}, {5, 6, 1e6, 1e4}},
                               {{5, 10, 6, 2}}),
                     9});
    // The same frame with the beams listed first.
    cases.push_back({"two storeys, beams first",
                     makeModel({{0, 0}, {6, 0}, {0, 4}, {6, 4}, {0, 8}, {6, 8}}, 2,
                               {{3, 4, 1e6, 1e4}, {5, 6, 1e6, 1e4}, {1, 3, 1e6, 1e4}, {2, 4, 1e6, 1e4},
                                {3, 5, 1e6, 1e4}, {4, 6, 1e6, 1e4}},
                               {{1, 10, 6, 2}}),
                     9});
    // Every small end fixed: only diagonal blocks.
    cases.push_back({"all small ends fixed",
                     makeModel({{0, 0}, {4, 0}, {8, 0}, {4, 3}, {10, 5}}, 3,
                               {{1, 4, 1e6, 1e4}, {2, 4, 1e6, 1e4}, {3, 4, 1e6, 1e4}, {3, 5, 1e6, 1e4}},
                               {{1, 5, 2, 1}, {4, 3, 1, 1}}),
                     3});
    for (Case& c : cases) {
        SCOPED_TRACE(c.name);
        const AnalysisOutcome out = runAnalysis(c.model);
        ASSERT_TRUE(out.ok()) << out.error->message;
        EXPECT_EQ(c.model.bandWidth, c.band);
    }
}

TEST(BandWidth, MemberWithFixedSmallEndOnlyFillsItsLargeEndBlock)
{
    auto model = makeModel({{0, 0}, {0, 3}}, 1, {{1, 2, 2e5, 3e3}});
    FrameAnalysis analysis(model);
    ASSERT_FALSE(analysis.validate());
    analysis.sub2();
    analysis.createArrays();
    analysis.setMember(1);
    analysis.sub3();
    analysis.sub4();
    analysis.sub5();
    analysis.sub6();
    analysis.sub7();
    analysis.sub8();
    analysis.sub9();
    analysis.sub10();
    const auto& K = analysis.globalStiffness();
    ASSERT_EQ(K.size(), 9u);
    // Vertical column of length 3: rotation 4EI/L, U 12EI/L^3, V EA/L, R-U coupling 6EI/L^2.
    EXPECT_DOUBLE_EQ(K[0], 4 * 3e3 / 3);
    EXPECT_DOUBLE_EQ(K[3], 12 * 3e3 / 27);
    EXPECT_DOUBLE_EQ(K[6], 2e5 / 3);
    EXPECT_DOUBLE_EQ(std::fabs(K[1]), 6 * 3e3 / 9);
    EXPECT_NEAR(K[2], 0, 1e-9);
    EXPECT_NEAR(K[4], 0, 1e-9);
}

// One free node (n = 3, b = 3): a cantilever column with a force across its tip.
TEST(OneFreeNode, CantileverTipForce)
{
    const double L = 3, EI = 1e4, P = 10;
    auto model = makeModel({{0, 0}, {0, L}}, 1, {{1, 2, 1e6, EI}}, {{1, P, L, 1}}, {{1, 0}, {1, L}});
    Recorder lists;
    const AnalysisOutcome out = runAnalysis(model, &lists);
    ASSERT_TRUE(out.ok()) << out.error->message;
    EXPECT_EQ(model.bandWidth, 3);
    ASSERT_EQ(out.results.nodes.size(), 1u);
    // The member axis points along +y, so -y' is +x: the tip moves along +x and
    // turns clockwise (positive).
    EXPECT_NEAR(out.results.nodes[0].u, P * L * L * L / (3 * EI), 1e-15);
    EXPECT_NEAR(out.results.nodes[0].r, P * L * L / (2 * EI), 1e-15);
    EXPECT_NEAR(out.results.nodes[0].v, 0, 1e-15);
    // Base section: no axial force, the whole shear, the moment P L; the tip section is free.
    EXPECT_NEAR(out.results.sections[0].n, 0, 1e-9);
    EXPECT_NEAR(out.results.sections[0].q, P, 1e-9);
    EXPECT_NEAR(out.results.sections[0].m, -P * L, 1e-9);
    EXPECT_NEAR(out.results.sections[1].m, 0, 1e-9);
    EXPECT_EQ(lists.list1.size(), 2u);
    EXPECT_EQ(lists.list2.size(), 3u);
}

TEST(ZeroLoads, EverythingIsListedAsZero)
{
    auto model = frames::portalFrame();
    model.loadCount = 0;
    Recorder lists;
    const AnalysisOutcome out = runAnalysis(model, &lists);
    ASSERT_TRUE(out.ok()) << out.error->message;
    EXPECT_EQ(lists.list1[1], "  3       0             0                     0");
    EXPECT_EQ(lists.list1[2], "  4       0             0                     0");
    EXPECT_EQ(lists.list2[1], "   2        3                   0          0             0");
    EXPECT_EQ(lists.list2[2], "   1        0                   0          0             0");
    for (const SectionForces& f : out.results.sections) {
        EXPECT_EQ(f.n, 0);
        EXPECT_EQ(f.m, 0);
        EXPECT_EQ(f.q, 0);
    }
}

// A load typed for member 2.4 loads member 2, but only sections typed 2.4 see it.
TEST(RoundedMemberNumbers, LoadOnMember2Point4)
{
    auto exact = makeModel({{0, 0}, {6, 0}, {0, 4}, {6, 4}}, 2,
                           {{1, 3, 1e6, 1e4}, {3, 4, 1e6, 1e4}, {2, 4, 1e6, 1e4}}, {{2, 10, 6, 2}},
                           {{2, 2}, {2, 2}});
    auto typed = exact;
    typed.loadTable(1, 1) = 2.4;
    typed.sectionTable(2, 1) = 2.4;

    const AnalysisOutcome a = runAnalysis(exact);
    const AnalysisOutcome b = runAnalysis(typed);
    ASSERT_TRUE(a.ok() && b.ok());
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(a.results.nodes[i].r, b.results.nodes[i].r);
        EXPECT_EQ(a.results.nodes[i].u, b.results.nodes[i].u);
        EXPECT_EQ(a.results.nodes[i].v, b.results.nodes[i].v);
    }
    // Section on member 2: the load on "2.4" is not counted, the result differs
    // from the exact frame by the load's own part.
    EXPECT_NE(a.results.sections[0].m, b.results.sections[0].m);
    EXPECT_NE(a.results.sections[0].q, b.results.sections[0].q);
    // Section typed 2.4: matches the load and lies on member 2.
    EXPECT_EQ(b.results.sections[1].member, 2.4);
    EXPECT_EQ(a.results.sections[0].n, b.results.sections[1].n);
    EXPECT_EQ(a.results.sections[0].m, b.results.sections[1].m);
    EXPECT_EQ(a.results.sections[0].q, b.results.sections[1].q);
}

TEST(Sections, SameSectionTwiceIsComputedTwiceInOrder)
{
    auto model = frames::portalFrame();
    model.sectionCount = 3;
    model.redimensionSections();
    model.sectionTable(1, 1) = 3; model.sectionTable(1, 2) = 2;
    model.sectionTable(2, 1) = 1; model.sectionTable(2, 2) = 1;
    model.sectionTable(3, 1) = 3; model.sectionTable(3, 2) = 2;
    const AnalysisOutcome out = runAnalysis(model);
    ASSERT_TRUE(out.ok());
    ASSERT_EQ(out.results.sections.size(), 3u);
    EXPECT_EQ(out.results.sections[0].member, 3);
    EXPECT_EQ(out.results.sections[1].member, 1);
    EXPECT_EQ(out.results.sections[0].m, out.results.sections[2].m);
    EXPECT_EQ(out.results.sections[0].n, out.results.sections[2].n);
}

TEST(ResultsFileOfARun, NodeLinesThenOneEmptyRecordThenSectionLinesThenTwo)
{
    auto model = frames::portalFrame();
    Recorder lists;
    ASSERT_TRUE(runAnalysis(model, &lists).ok());
    const std::string text = resultsFileText(lists.list1, lists.list2);
    std::vector<std::string> records;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = text.find("\r\n", at);
        ASSERT_NE(end, std::string::npos);
        records.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    ASSERT_EQ(records.size(), 3u + 7u);
    EXPECT_EQ(records[0], '"' + lists.list1[1] + '"');
    EXPECT_EQ(records[1], '"' + lists.list1[2] + '"');
    EXPECT_EQ(records[2], "\"\"");
    EXPECT_EQ(records[3], '"' + lists.list2[1] + '"');
    EXPECT_EQ(records[7], '"' + lists.list2[5] + '"');
    EXPECT_EQ(records[8], "\"\"");
    EXPECT_EQ(records[9], "\"\"");
}
