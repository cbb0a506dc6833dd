// Speed of the frame analysis on generated multi-storey frames, and of its band
// solution sub13 against the band Cholesky factorisation of the reference
// LAPACK (dpbtrf + dpbtrs) on the same system.
//
// Frames: `bays` bays of span 6 and `storeys` storeys of height 3.5; the
// bays + 1 base nodes are fixed, the nodes are numbered level by level, so
// the half-bandwidth is 3 x (bays + 1) + 3 at any height and the number of
// unknowns is 3 x (bays + 1) x storeys.

#include "framewizard/engine/analysis.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <ctime>
#include <vector>

extern "C" {
void dpbtrf_(const char* uplo, const int* n, const int* kd, double* ab, const int* ldab, int* info,
             std::size_t uploLength);
void dpbtrs_(const char* uplo, const int* n, const int* kd, const int* nrhs, const double* ab,
             const int* ldab, double* b, const int* ldb, int* info, std::size_t uploLength);
}

namespace {

using framewizard::FrameModel;
using framewizard::engine::FrameAnalysis;

FrameModel makeFrame(std::size_t bays, std::size_t storeys)
{
    const std::size_t perLevel = bays + 1;
    const std::size_t nodes = perLevel * (storeys + 1);
    const std::size_t members = perLevel * storeys + bays * storeys;
    FrameModel m;
    m.nodeCount = static_cast<double>(nodes);
    m.fixedNodeCount = static_cast<double>(perLevel);
    m.memberCount = static_cast<double>(members);
    m.loadCount = static_cast<double>(bays * storeys + storeys);
    m.sectionCount = static_cast<double>(members);
    m.updateUnknownCount();
    m.redimensionNodes();
    m.redimensionMembers();
    m.redimensionRigidities();
    m.redimensionLoads();
    m.redimensionSections();
    for (std::size_t level = 0; level <= storeys; ++level)
        for (std::size_t c = 0; c < perLevel; ++c) {
            const std::size_t n = level * perLevel + c + 1;
            m.nodeX(n) = 6.0 * static_cast<double>(c);
            m.nodeY(n) = 3.5 * static_cast<double>(level);
        }
    std::size_t k = 0, l = 0, s = 0;
    auto addMember = [&](std::size_t i, std::size_t j, double ea, double ei) {
        ++k;
        m.memberSmallEnd(k) = static_cast<double>(i);
        m.memberLargeEnd(k) = static_cast<double>(j);
        m.memberEA(k) = ea;
        m.memberEI(k) = ei;
        ++s;
        m.sectionTable(s, 1) = static_cast<double>(k);
        m.sectionTable(s, 2) = 1.0;
    };
    auto addLoad = [&](std::size_t member, double p, double a, double code) {
        ++l;
        m.loadTable(l, 1) = static_cast<double>(member);
        m.loadTable(l, 2) = p;
        m.loadTable(l, 3) = a;
        m.loadTable(l, 4) = code;
    };
    for (std::size_t level = 1; level <= storeys; ++level) {
        for (std::size_t c = 0; c < perLevel; ++c) {
            const std::size_t top = level * perLevel + c + 1;
            addMember(top - perLevel, top, 4.2e6, 1.1e5);
            if (c == 0)
                addLoad(k, 12, 1.75, 1);  // wind on the left column
        }
        for (std::size_t c = 0; c < bays; ++c) {
            const std::size_t left = level * perLevel + c + 1;
            addMember(left, left + 1, 5.0e6, 2.3e5);
            addLoad(k, 20, 6, 2);  // floor load over the whole beam
        }
    }
    return m;
}

// The analysis up to the band solution, keeping the assembled system.
struct AssembledSystem {
    FrameModel model;
    std::vector<double> K, F;
    std::size_t n = 0, b = 0;

    AssembledSystem(std::size_t bays, std::size_t storeys) : model(makeFrame(bays, storeys))
    {
        FrameAnalysis a(model);
        a.sub2();
        a.createArrays();
        for (std::size_t k = 1; k <= static_cast<std::size_t>(model.memberCount); ++k) {
            a.setMember(k);
            a.sub3(); a.sub4(); a.sub5(); a.sub6(); a.sub7(); a.sub8(); a.sub9(); a.sub10();
        }
        for (std::size_t l = 1; l <= static_cast<std::size_t>(model.loadCount); ++l) {
            a.setLoad(l);
            a.sub3(); a.sub11(); a.sub12();
        }
        K = a.globalStiffness();
        F = a.loadVector();
        n = a.unknowns();
        b = a.band();
    }

    // The same upper band in LAPACK's column-major band storage (ldab = b).
    std::vector<double> lapackBand() const
    {
        std::vector<double> ab(n * b, 0.0);
        const std::size_t kd = b - 1;
        for (std::size_t i = 1; i <= n; ++i)
            for (std::size_t d = 1; d <= b && i + d - 1 <= n; ++d) {
                const std::size_t j = i + d - 1;
                ab[(j - 1) * b + (kd + i - j)] = K[(i - 1) * b + (d - 1)];
            }
        return ab;
    }
};

// Runs sub13 on a fresh copy of the system held by `analysis`.
struct Sub13Runner {
    FrameModel model;
    FrameAnalysis analysis;
    const AssembledSystem& sys;

    explicit Sub13Runner(const AssembledSystem& s) : model(s.model), analysis(model), sys(s)
    {
        analysis.sub2();
        analysis.createArrays();
    }
    void run()
    {
        std::memcpy(analysis.globalStiffness().data(), sys.K.data(), sys.K.size() * sizeof(double));
        std::memcpy(analysis.loadVector().data(), sys.F.data(), sys.F.size() * sizeof(double));
        if (analysis.sub13())
            std::abort();
    }
};

struct LapackRunner {
    std::vector<double> ab0, ab, rhs;
    const AssembledSystem& sys;

    explicit LapackRunner(const AssembledSystem& s) : ab0(s.lapackBand()), ab(ab0.size()), rhs(s.F.size()), sys(s) {}
    void run()
    {
        std::memcpy(ab.data(), ab0.data(), ab0.size() * sizeof(double));
        std::memcpy(rhs.data(), sys.F.data(), sys.F.size() * sizeof(double));
        const int n = static_cast<int>(sys.n), kd = static_cast<int>(sys.b - 1), ldab = static_cast<int>(sys.b);
        const int nrhs = 1;
        int info = 0;
        dpbtrf_("U", &n, &kd, ab.data(), &ldab, &info, 1);
        if (info != 0)
            std::abort();
        dpbtrs_("U", &n, &kd, &nrhs, ab.data(), &ldab, rhs.data(), &n, &info, 1);
    }
};

// CPU time of this thread: the machine may be busy with other work, which
// would distort wall-clock ratios.
double threadSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

template <typename Runner>
double bestSeconds(Runner& r, int repeats)
{
    double best = 1e300;
    for (int i = 0; i < repeats; ++i) {
        const double t0 = threadSeconds();
        r.run();
        best = std::min(best, threadSeconds() - t0);
    }
    return best;
}

void setSizeCounters(benchmark::State& state, const AssembledSystem& sys)
{
    state.counters["unknowns"] = static_cast<double>(sys.n);
    state.counters["band"] = static_cast<double>(sys.b);
    state.counters["band_MB"] = static_cast<double>(sys.n * sys.b * sizeof(double)) / 1e6;
}

void BM_AnalysisRun(benchmark::State& state)
{
    FrameModel model = makeFrame(static_cast<std::size_t>(state.range(0)), static_cast<std::size_t>(state.range(1)));
    std::size_t n = 0;
    for (auto _ : state) {
        const auto outcome = framewizard::engine::runAnalysis(model);
        if (!outcome.ok())
            state.SkipWithError("analysis failed");
        n = outcome.results.nodes.size() * 3;
        benchmark::DoNotOptimize(outcome.results.sections.data());
    }
    state.counters["unknowns"] = static_cast<double>(n);
    state.counters["ns_per_unknown"] =
        benchmark::Counter(static_cast<double>(n), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_Sub13(benchmark::State& state)
{
    const AssembledSystem sys(static_cast<std::size_t>(state.range(0)), static_cast<std::size_t>(state.range(1)));
    Sub13Runner ours(sys);
    for (auto _ : state) {
        ours.run();
        benchmark::ClobberMemory();
    }
    setSizeCounters(state, sys);
    state.counters["ns_per_unknown"] =
        benchmark::Counter(static_cast<double>(sys.n), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);

    // Same system through LAPACK, best CPU time of a few runs each, for the ratio.
    LapackRunner lapack(sys);
    const int repeats = sys.n > 50000 ? 3 : 7;
    const double tOurs = bestSeconds(ours, repeats);
    const double tLapack = bestSeconds(lapack, repeats);
    state.counters["sub13_over_lapack"] = tOurs / tLapack;

    // Both solutions agree.
    double worst = 0, scale = 0;
    const auto& x = ours.analysis.loadVector();
    for (std::size_t i = 0; i < sys.n; ++i) {
        worst = std::max(worst, std::fabs(x[i] - lapack.rhs[i]));
        scale = std::max(scale, std::fabs(lapack.rhs[i]));
    }
    state.counters["rel_diff"] = worst / scale;
}

void BM_LapackBandCholesky(benchmark::State& state)
{
    const AssembledSystem sys(static_cast<std::size_t>(state.range(0)), static_cast<std::size_t>(state.range(1)));
    LapackRunner lapack(sys);
    for (auto _ : state) {
        lapack.run();
        benchmark::ClobberMemory();
    }
    setSizeCounters(state, sys);
    state.counters["ns_per_unknown"] =
        benchmark::Counter(static_cast<double>(sys.n), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// {bays, storeys}: band 36 (10 bays) and 96 (30 bays), up to about 100000 unknowns.
void frameSizes(benchmark::internal::Benchmark* b)
{
    for (auto storeys : {30, 300, 3000})
        b->Args({10, storeys});
    for (auto storeys : {10, 100, 1000})
        b->Args({30, storeys});
    b->Unit(benchmark::kMillisecond);
}

}  // namespace

BENCHMARK(BM_AnalysisRun)->Apply(frameSizes);
BENCHMARK(BM_Sub13)->Apply(frameSizes);
BENCHMARK(BM_LapackBandCholesky)->Apply(frameSizes);

BENCHMARK_MAIN();
