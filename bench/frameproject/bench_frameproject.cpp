// Speed of the frameproject core on generated multi-storey frames: a frame
// of `width` columns and as many floors as it takes to reach the node
// count, clamped at the ground, a horizontal load at every floor and a
// uniform load on every beam. With the nodes numbered floor by floor the
// half band width stays 3·(width + 1) whatever the height, so time must grow
// linearly with the node count. (The element count must stay within 16 bits,
// so the largest frame here has 15,000 nodes.)

#include "frameproject/model/project.h"
#include "frameproject/model/project_file.h"
#include "frameproject/solver/reports.h"
#include "frameproject/solver/solver.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>

using namespace frameproject;

namespace {

constexpr int kWidth = 5;

ProjectModel multiStorey(int nodes)
{
    const int floors = nodes / kWidth;  // including the ground row
    const int columns = kWidth * (floors - 1);
    const int beams = (kWidth - 1) * (floors - 1);
    ProjectModel m;
    m.NJ = static_cast<std::int16_t>(kWidth * floors);
    m.NE = static_cast<std::int16_t>(columns + beams);
    m.NS = kWidth;
    m.NPJ = static_cast<std::int16_t>(floors - 1);
    m.NPF = static_cast<std::int16_t>(beams);
    if (DimensionTables(m))
        std::abort();
    for (int f = 0; f < floors; ++f)
        for (int c = 0; c < kWidth; ++c) {
            const auto node = static_cast<std::size_t>(f * kWidth + c + 1);
            m.X(node) = 6.0 * c;
            m.Y(node) = 3.5 * f;
        }
    for (int c = 1; c <= kWidth; ++c) {
        const auto s = static_cast<std::size_t>(c);
        m.JS(s, 1) = static_cast<std::int16_t>(c);
        m.JS(s, 2) = m.JS(s, 3) = m.JS(s, 4) = 1;
    }
    std::size_t e = 0, load = 0;
    for (int f = 1; f < floors; ++f) {
        for (int c = 0; c < kWidth; ++c) {
            ++e;
            m.JE(e, 1) = static_cast<std::int16_t>((f - 1) * kWidth + c + 1);
            m.JE(e, 2) = static_cast<std::int16_t>(f * kWidth + c + 1);
            m.EA(e) = 4e6;
            m.EI(e) = 8e4;
        }
        for (int c = 0; c + 1 < kWidth; ++c) {
            ++e;
            m.JE(e, 1) = static_cast<std::int16_t>(f * kWidth + c + 1);
            m.JE(e, 2) = static_cast<std::int16_t>(f * kWidth + c + 2);
            m.EA(e) = 3e6;
            m.EI(e) = 6e4;
            ++load;
            m.PF(load, 1) = static_cast<double>(e);
            m.PF(load, 2) = 1;
            m.PF(load, 3) = 6;
            m.PF(load, 4) = -12.5;
        }
        const auto j = static_cast<std::size_t>(f);
        m.PJ(j, 1) = f * kWidth + 1 + 0.1;
        m.PJ(j, 2) = 10;
    }
    return m;
}

// The whole "开始计算": numbering, loads, band, assembly, elimination and
// every report line collected for the list, plus ResultText.
void BM_ComputeWithReport(benchmark::State& state)
{
    ProjectModel m = multiStorey(static_cast<int>(state.range(0)));
    std::size_t lines = 0;
    for (auto _ : state) {
        solver::LineCollector out;
        out.lines.reserve(static_cast<std::size_t>(m.NJ) * 3 + static_cast<std::size_t>(m.NE) * 2 + 64);
        if (!solver::Compute(m, out).ok())
            state.SkipWithError("computation failed");
        lines = out.lines.size();
        benchmark::DoNotOptimize(out.lines.data());
    }
    state.counters["lines"] = static_cast<double>(lines);
    state.counters["resultBytes"] = static_cast<double>(m.ResultText.size());
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ComputeWithReport)->Arg(2500)->Arg(5000)->Arg(10000)->Arg(15000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

// The input echo of "输出原始数据".
void BM_Echo(benchmark::State& state)
{
    const ProjectModel m = multiStorey(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto lines = solver::EchoLines(m);
        benchmark::DoNotOptimize(lines.data());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_Echo)->Arg(2500)->Arg(5000)->Arg(10000)->Arg(15000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

// Writing the project text and reading it back.
void BM_ProjectTextRoundTrip(benchmark::State& state)
{
    const ProjectModel m = multiStorey(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const std::string text = ProjectText(m);
        ProjectModel back;
        if (!ParseProject(back, text).complete)
            state.SkipWithError("read failed");
        benchmark::DoNotOptimize(back.X.size());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ProjectTextRoundTrip)->Arg(2500)->Arg(5000)->Arg(10000)->Arg(15000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

}  // namespace

BENCHMARK_MAIN();
