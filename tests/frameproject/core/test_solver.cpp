#include "frameproject/solver/reports.h"
#include "frameproject/solver/solver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

using namespace frameproject;
using namespace frameproject::solver;

namespace {

ProjectModel dimensioned(int ne, int nj, int ns, int npj, int npf)
{
    ProjectModel m;
    m.NE = static_cast<std::int16_t>(ne);
    m.NJ = static_cast<std::int16_t>(nj);
    m.NS = static_cast<std::int16_t>(ns);
    m.NPJ = static_cast<std::int16_t>(npj);
    m.NPF = static_cast<std::int16_t>(npf);
    EXPECT_FALSE(DimensionTables(m));
    return m;
}

void setNode(ProjectModel& m, std::size_t i, double x, double y)
{
    m.X(i) = x;
    m.Y(i) = y;
}

void setSpecial(ProjectModel& m, std::size_t s, int node, int u, int v, int z)
{
    m.JS(s, 1) = static_cast<std::int16_t>(node);
    m.JS(s, 2) = static_cast<std::int16_t>(u);
    m.JS(s, 3) = static_cast<std::int16_t>(v);
    m.JS(s, 4) = static_cast<std::int16_t>(z);
}

void setElement(ProjectModel& m, std::size_t e, int a, int b, double ea, double ei)
{
    m.JE(e, 1) = static_cast<std::int16_t>(a);
    m.JE(e, 2) = static_cast<std::int16_t>(b);
    m.EA(e) = ea;
    m.EI(e) = ei;
}

// Node 1 at (0, 0) clamped, node 2 at (2, 0), element 1 -> 2, EA 1e6, EI 1e4,
// optional nodal load 2.2 = -10.
ProjectModel cantilever(int npj = 1, int npf = 0)
{
    ProjectModel m = dimensioned(1, 2, 1, npj, npf);
    setNode(m, 2, 2, 0);
    setSpecial(m, 1, 1, 1, 1, 1);
    setElement(m, 1, 1, 2, 1e6, 1e4);
    if (npj >= 1) {
        m.PJ(1, 1) = 2.2;
        m.PJ(1, 2) = -10;
    }
    return m;
}

// Fixed-feet portal: 1 (0,0), 2 (0,4), 3 (6,4), 4 (6,0); columns 1-2, 4-3, beam 2-3.
ProjectModel portal(int ns)
{
    ProjectModel m = dimensioned(3, 4, ns, 1, 0);
    setNode(m, 1, 0, 0);
    setNode(m, 2, 0, 4);
    setNode(m, 3, 6, 4);
    setNode(m, 4, 6, 0);
    setSpecial(m, 1, 1, 1, 1, 1);
    setSpecial(m, 2, 4, 1, 1, 1);
    setElement(m, 1, 1, 2, 500, 20);
    setElement(m, 2, 2, 3, 500, 20);
    setElement(m, 3, 4, 3, 500, 20);
    m.PJ(1, 1) = 2.1;
    m.PJ(1, 2) = 10;
    return m;
}

}  // namespace

TEST(Reports, WorkedExampleLineForLine)
{
    ProjectModel m = dimensioned(1, 2, 1, 1, 0);
    setNode(m, 2, 1, 0);
    setSpecial(m, 1, 1, 1, 1, 1);
    setElement(m, 1, 1, 2, 1, 1);
    m.PJ(1, 1) = 2.2;
    m.PJ(1, 2) = -3;

    LineCollector out;
    EchoBlock(m, out);
    const SolveOutcome outcome = Compute(m, out);
    ASSERT_TRUE(outcome.ok()) << outcome.error->message;
    const std::vector<std::string> expected = {
        "NE= 1  NJ= 2  NS= 1  NPJ= 1  NPF= 0",
        "NODAL INFORMATION:",
        "NODAL    X    Y",
        "   1       0     0",
        "   2       1     0",
        "NODAL    U    V    Z",
        "   1       1     1     1",
        "ELEMENT INFORMATION",
        "ELEMENT    NODAL-I    NODAL-J      EA      EI",
        "    1           1           2        1      1",
        "NODAL LOADS",
        "NODE    PX-PY-PM",
        "  2.2       -3",
        "ELEMENT LOADS",
        "ELENENT    IND    A    Q",
        "NODAL DISPLAICEMENTS NUMBER  N= 3",
        "NODAL    XX    YY    ZZ",
        "   1       0     0     0",
        "   2       1     2     3",
        "toal node load vector",
        "p( 1)= 0",
        "p( 2)=-3",
        "p( 3)= 0",
        "nw= 3",
        "nodal displacements",
        "node           u            v            ceta",
        "   1       0         0         0",
        "   2       0        -1         1.5",
        "member-end forces of element",
        "element          N          Q          M",
        "   1           n1=0        q1=3        m1=-3",
        "               n2= 0        q2=-3        m2= 0",
    };
    EXPECT_EQ(out.lines, expected);
    EXPECT_TRUE(out.messages.empty());
    EXPECT_EQ(m.ResultText,
              "element          N          Q          M\r\n"
              "   1           n1=0        q1=3        m1=-3\r\n"
              "               n2= 0        q2=-3        m2= 0\r\n");
    EXPECT_EQ(EchoLines(m), std::vector<std::string>(expected.begin(), expected.begin() + 15));
}

TEST(Reports, EchoShowsStoredFieldsAndHeadingsWithoutLoads)
{
    ProjectModel m = dimensioned(1, 2, 1, 0, 1);
    setNode(m, 1, 0.25, -0.25);
    m.PF(1, 1) = 1;
    m.PF(1, 2) = 2.7;
    m.PF(1, 3) = 0.5;
    m.PF(1, 4) = -10;
    const std::vector<std::string> lines = EchoLines(m);
    EXPECT_EQ(lines[3], "   1       .25    -.25");
    EXPECT_EQ(lines.back(), "    1        2.7        .5     -10");
    m.NPF = 0;
    const std::vector<std::string> none = EchoLines(m);
    ASSERT_GE(none.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(none.end() - 4, none.end()),
              (std::vector<std::string>{"NODAL LOADS", "NODE    PX-PY-PM", "ELEMENT LOADS", "ELENENT    IND    A    Q"}));
}

TEST(Solver, Cantilever)
{
    ProjectModel m = cantilever();
    PlaneFrameSolver solver(m);
    LineCollector out;
    ASSERT_TRUE(solver.Run(out).ok());
    EXPECT_EQ(solver.N, 3);
    EXPECT_EQ(solver.NW, 3);
    EXPECT_EQ(solver.JN[2][1], 1);
    EXPECT_EQ(solver.JN[2][3], 3);
    EXPECT_NEAR(solver.P[1], 0, 1e-15);
    EXPECT_NEAR(solver.P[2], -1.0 / 375, 1e-15);
    EXPECT_NEAR(solver.P[3], 0.002, 1e-15);
    EXPECT_NEAR(m.F[1], 0, 1e-9);
    EXPECT_NEAR(m.F[2], 10, 1e-9);
    EXPECT_NEAR(m.F[3], -20, 1e-9);
    EXPECT_NEAR(m.F[4], 0, 1e-9);
    EXPECT_NEAR(m.F[5], -10, 1e-9);
    EXPECT_NEAR(m.F[6], 0, 1e-9);
    // Numbering and load lines of the run.
    EXPECT_EQ(out.lines[0], "NODAL DISPLAICEMENTS NUMBER  N= 3");
    EXPECT_EQ(out.lines[6], "p( 2)=-10");
}

TEST(Solver, ProppedBeamWithUniformLoad)
{
    ProjectModel m = dimensioned(1, 2, 2, 0, 1);
    setNode(m, 2, 4, 0);
    setSpecial(m, 1, 1, 1, 1, 1);
    setSpecial(m, 2, 2, 1, 1, 0);
    setElement(m, 1, 1, 2, 1e6, 1e4);
    m.PF(1, 1) = 1;
    m.PF(1, 2) = 1;
    m.PF(1, 3) = 4;
    m.PF(1, 4) = 10;
    PlaneFrameSolver solver(m);
    LineCollector out;
    ASSERT_TRUE(solver.Run(out).ok());
    EXPECT_EQ(solver.N, 1);
    EXPECT_EQ(out.lines[5], "p( 1)= " + std::string("13.3333333333333"));
    EXPECT_NEAR(solver.P[1], 1.0 / 750, 1e-15);
    EXPECT_NEAR(m.F[1], 0, 1e-9);
    EXPECT_NEAR(m.F[2], -25, 1e-9);
    EXPECT_NEAR(m.F[3], 20, 1e-9);
    EXPECT_NEAR(m.F[4], 0, 1e-9);
    EXPECT_NEAR(m.F[5], -15, 1e-9);
    EXPECT_NEAR(m.F[6], 0, 1e-9);
}

TEST(Solver, TiesResolveWhateverTheEntryOrder)
{
    // Node 3's U is tied to node 4, whose U is tied to node 2 by a later entry.
    ProjectModel m = portal(4);
    setSpecial(m, 3, 3, 4, 0, 0);
    setSpecial(m, 4, 4, 2, 0, 0);
    // Node 4, clamped by entry 2, is listed again by entry 4: the last entry counts.
    PlaneFrameSolver solver(m);
    LineCollector out;
    ASSERT_TRUE(solver.Run(out).ok());
    EXPECT_EQ(solver.N, 7);
    const std::vector<std::string> numbering(out.lines.begin(), out.lines.begin() + 6);
    EXPECT_EQ(numbering, (std::vector<std::string>{
                             "NODAL DISPLAICEMENTS NUMBER  N= 7",
                             "NODAL    XX    YY    ZZ",
                             "   1       0     0     0",
                             "   2       1     2     3",
                             "   3       1     4     5",
                             "   4       1     6     7",
                         }));
}

TEST(Solver, TieCarriesTheSharedDisplacementAndATieToAFixedOneFixes)
{
    // Sharing the beam ends' x displacement acts like an axially rigid beam.
    ProjectModel tied = portal(3);
    setSpecial(tied, 3, 3, 2, 0, 0);
    ProjectModel stiff = portal(2);
    stiff.EA(2) = 1e12;
    PlaneFrameSolver a(tied), b(stiff);
    LineCollector outA, outB;
    ASSERT_TRUE(a.Run(outA).ok());
    ASSERT_TRUE(b.Run(outB).ok());
    EXPECT_EQ(a.JN[3][1], a.JN[2][1]);
    EXPECT_NEAR(a.P[static_cast<std::size_t>(a.JN[2][1])], b.P[static_cast<std::size_t>(b.JN[3][1])], 1e-6);
    EXPECT_NEAR(tied.F[3], stiff.F[3], 1e-5);

    // Tied to the clamped node 4: node 3's x displacement is fixed too.
    ProjectModel toFixed = portal(3);
    setSpecial(toFixed, 3, 3, 4, 0, 0);
    PlaneFrameSolver c(toFixed);
    LineCollector outC;
    ASSERT_TRUE(c.Run(outC).ok());
    EXPECT_EQ(c.JN[3][1], 0);
    EXPECT_EQ(outC.lines[4], "   3       0     4     5");
}

TEST(Solver, LaterNodalLoadWinsAndFixedDisplacementsTakeNothing)
{
    ProjectModel m = cantilever(3);
    m.PJ(2, 1) = 2.2;
    m.PJ(2, 2) = -20;
    m.PJ(3, 1) = 1.2;  // on the clamped node: ignored
    m.PJ(3, 2) = 99;
    PlaneFrameSolver solver(m);
    LineCollector out;
    ASSERT_TRUE(solver.Run(out).ok());
    EXPECT_EQ(out.lines[6], "p( 2)=-20");
    EXPECT_NEAR(m.F[2], 20, 1e-9);
}

TEST(Solver, BadLoadTypeIsReportedTwiceAndIgnored)
{
    ProjectModel m = cantilever(1, 1);
    m.PF(1, 1) = 1;
    m.PF(1, 2) = 13;
    m.PF(1, 3) = 1;
    m.PF(1, 4) = 100;
    LineCollector out;
    ASSERT_TRUE(Compute(m, out).ok());
    EXPECT_EQ(out.messages, (std::vector<std::string>{"数据错误,重新输入!", "数据错误,重新输入!"}));
    EXPECT_NEAR(m.F[2], 10, 1e-9);
}

TEST(Solver, SecondRunAppendsAgainAndReplacesResultText)
{
    ProjectModel m = cantilever();
    LineCollector out;
    ASSERT_TRUE(Compute(m, out).ok());
    const std::size_t once = out.lines.size();
    const std::string firstText = m.ResultText;
    ASSERT_TRUE(Compute(m, out).ok());
    EXPECT_EQ(out.lines.size(), 2 * once);
    EXPECT_EQ(m.ResultText, firstText);
    EXPECT_EQ(std::vector<std::string>(out.lines.begin(), out.lines.begin() + static_cast<long>(once)),
              std::vector<std::string>(out.lines.begin() + static_cast<long>(once), out.lines.end()));
}

TEST(Solver, ElementLoadsOfSeveralElementsGoToTheirOwnElement)
{
    // Two collinear elements; loads listed out of element order.
    ProjectModel m = dimensioned(2, 3, 2, 0, 3);
    setNode(m, 2, 2, 0);
    setNode(m, 3, 4, 0);
    setSpecial(m, 1, 1, 1, 1, 1);
    setSpecial(m, 2, 3, 1, 1, 1);
    setElement(m, 1, 1, 2, 1e6, 1e4);
    setElement(m, 2, 2, 3, 1e6, 1e4);
    const double loads[3][4] = {{2, 2, 1, 6}, {1, 2, 1, 6}, {2.5, 5, 1, 4}};
    for (std::size_t j = 1; j <= 3; ++j)
        for (std::size_t k = 1; k <= 4; ++k)
            m.PF(j, k) = loads[j - 1][k - 1];
    PlaneFrameSolver solver(m);
    LineCollector out;
    ASSERT_TRUE(solver.Run(out).ok());
    // Symmetric transverse loads along ȳ (up here): node 2 rises and does not rotate;
    // element 2 (from node 2 to 3) carries its axial force 4 at mid-length.
    EXPECT_NEAR(solver.P[static_cast<std::size_t>(solver.JN[2][3])], 0, 1e-15);
    EXPECT_GT(solver.P[static_cast<std::size_t>(solver.JN[2][2])], 0);
    EXPECT_NEAR(m.F[1] + m.F[4], -4, 1e-9);
    EXPECT_NEAR(m.F[2] + m.F[5], -6, 1e-9);
}

TEST(Solver, InputsThatCannotBeComputedStopWithAMessage)
{
    struct Case {
        const char* what;
        void (*change)(ProjectModel&);
        SolveErrorKind kind;
        std::size_t item;
        const char* text;
    };
    const Case cases[] = {
        {"NE 0", [](ProjectModel& m) { m.NE = 0; }, SolveErrorKind::BadCounts, 0, "NE"},
        {"short table", [](ProjectModel& m) { m.NJ = 3; }, SolveErrorKind::BadCounts, 0, "X"},
        {"special node", [](ProjectModel& m) { m.JS(1, 1) = 5; }, SolveErrorKind::NodeNumber, 1, "特殊结点第 1 项"},
        {"element node", [](ProjectModel& m) { m.JE(1, 2) = 0; }, SolveErrorKind::NodeNumber, 1, "单元 1"},
        {"tie code", [](ProjectModel& m) { m.JS(1, 3) = 3; }, SolveErrorKind::TieCode, 1, "V约束代码 3"},
        {"tie to itself",
         [](ProjectModel& m) {
             m.JS(1, 1) = 2;
             m.JS(1, 2) = 2;
         },
         SolveErrorKind::TieCycle, 2, "循环"},
        {"zero length", [](ProjectModel& m) { m.X(2) = 0; }, SolveErrorKind::ZeroLength, 1, "长度为0"},
        {"coordinate", [](ProjectModel& m) { m.Y(2) = std::numeric_limits<double>::quiet_NaN(); }, SolveErrorKind::NotFinite, 2, "结点 2"},
        {"load node", [](ProjectModel& m) { m.PJ(1, 1) = 3.2; }, SolveErrorKind::NodalLoad, 1, "3.2"},
        {"load direction", [](ProjectModel& m) { m.PJ(1, 1) = 2.4; }, SolveErrorKind::NodalLoad, 1, "2.4"},
        {"load direction 0", [](ProjectModel& m) { m.PJ(1, 1) = 2; }, SolveErrorKind::NodalLoad, 1, "结点荷载第 1 项"},
        {"all fixed",
         [](ProjectModel& m) {
             m.NS = 2;
             ASSERT_FALSE(RedimensionKeeping(m));
             setSpecial(m, 2, 2, 1, 1, 1);
         },
         SolveErrorKind::NoUnknowns, 0, "N=0"},
        {"singular",
         [](ProjectModel& m) { m.JS(1, 4) = 0; },  // pinned cantilever: a mechanism
         SolveErrorKind::Singular, 0, "无法求解"},
    };
    for (const Case& c : cases) {
        ProjectModel m = cantilever();
        m.ResultText = "stale";
        c.change(m);
        LineCollector out;
        const SolveOutcome outcome = Compute(m, out);
        ASSERT_FALSE(outcome.ok()) << c.what;
        EXPECT_EQ(outcome.error->kind, c.kind) << c.what;
        if (c.kind != SolveErrorKind::Singular) {
            EXPECT_EQ(outcome.error->item, c.item) << c.what;
        }
        EXPECT_NE(outcome.error->message.find(c.text), std::string::npos) << c.what << ": " << outcome.error->message;
        EXPECT_TRUE(m.ResultText.empty()) << c.what;
        if (c.kind != SolveErrorKind::Singular) {
            EXPECT_TRUE(out.lines.empty()) << c.what;
        }
    }
}

TEST(Solver, MemberLoadAndTieErrors)
{
    ProjectModel m = cantilever(0, 1);
    m.PF(1, 1) = 2;
    m.PF(1, 2) = 1;
    LineCollector out;
    SolveOutcome outcome = Compute(m, out);
    ASSERT_FALSE(outcome.ok());
    EXPECT_EQ(outcome.error->kind, SolveErrorKind::LoadElement);

    m.PF(1, 1) = 1;
    m.PF(1, 2) = 9.5;
    m.PF(1, 3) = 7;
    outcome = Compute(m, out);
    ASSERT_FALSE(outcome.ok());
    EXPECT_EQ(outcome.error->kind, SolveErrorKind::DisplacementCode);
    EXPECT_NE(outcome.error->message.find("位移代码 7"), std::string::npos);

    // A cycle through two nodes, and an element between two clamped nodes.
    ProjectModel p = portal(4);
    setSpecial(p, 3, 2, 3, 0, 0);
    setSpecial(p, 4, 3, 2, 0, 0);
    outcome = Compute(p, out);
    ASSERT_FALSE(outcome.ok());
    EXPECT_EQ(outcome.error->kind, SolveErrorKind::TieCycle);
    EXPECT_NE(outcome.error->message.find("2→3→2"), std::string::npos) << outcome.error->message;

    ProjectModel q = portal(2);
    q.JE(2, 1) = 1;
    q.JE(2, 2) = 4;
    outcome = Compute(q, out);
    ASSERT_FALSE(outcome.ok());
    EXPECT_EQ(outcome.error->kind, SolveErrorKind::ElementUnnumbered);
    EXPECT_EQ(outcome.error->item, 2u);
}
