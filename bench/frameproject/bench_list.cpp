// The list of Form8 with a large project: a generated frame of about 5,000
// elements (five columns per floor, four beams, a horizontal load at every
// floor and a uniform load on every beam) computed through the screen's own
// "开始计算" handler, and the same lines appended one by one with a repaint
// after each, which is what the screen avoids.

#include "frameproject/screens/forms.h"

#include "frameproject/solver/reports.h"
#include "frameproject/solver/solver.h"
#include "platform/dialogs.h"
#include "platform/platform.h"
#include "platform/registry.h"

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>

using namespace frameproject;
using namespace frameproject::screens;

namespace {

constexpr int kWidth = 5;

// A frame of at least `elements` elements.
void multiStorey(ProjectModel& m, int elements)
{
    const int perFloor = 2 * kWidth - 1;
    const int storeys = (elements + perFloor - 1) / perFloor;
    m = ProjectModel{};
    m.ProjectName = "bench";
    m.NJ = static_cast<std::int16_t>(kWidth * (storeys + 1));
    m.NE = static_cast<std::int16_t>(perFloor * storeys);
    m.NS = kWidth;
    m.NPJ = static_cast<std::int16_t>(storeys);
    m.NPF = static_cast<std::int16_t>((kWidth - 1) * storeys);
    if (DimensionTables(m))
        std::abort();
    for (int f = 0; f <= storeys; ++f)
        for (int c = 0; c < kWidth; ++c) {
            const auto node = static_cast<std::size_t>(f * kWidth + c + 1);
            m.X(node) = 6.0 * c;
            m.Y(node) = 3.5 * f;
        }
    for (std::size_t s = 1; s <= kWidth; ++s) {
        m.JS(s, 1) = static_cast<std::int16_t>(s);
        m.JS(s, 2) = m.JS(s, 3) = m.JS(s, 4) = 1;
    }
    std::size_t e = 0, load = 0;
    for (int f = 1; f <= storeys; ++f) {
        auto node = [](int floor, int column) { return static_cast<std::int16_t>(floor * kWidth + column + 1); };
        for (int c = 0; c < kWidth; ++c) {
            ++e;
            m.JE(e, 1) = node(f - 1, c);
            m.JE(e, 2) = node(f, c);
            m.EA(e) = 4e6;
            m.EI(e) = 8e4;
        }
        for (int c = 0; c + 1 < kWidth; ++c) {
            ++e;
            m.JE(e, 1) = node(f, c);
            m.JE(e, 2) = node(f, c + 1);
            m.EA(e) = 6e6;
            m.EI(e) = 1.2e5;
            ++load;
            m.PF(load, 1) = static_cast<double>(e);
            m.PF(load, 2) = 1;
            m.PF(load, 3) = 6;
            m.PF(load, 4) = -12;
        }
        const auto j = static_cast<std::size_t>(f);
        m.PJ(j, 1) = node(f, 0) + 0.1;
        m.PJ(j, 2) = 5;
    }
}

struct Fixture
{
    QTemporaryDir folder;
    platform::ScriptedDialogs dialogs;
    platform::ScopedDialogs useDialogs{dialogs};
    Fixture()
    {
        setProjectFolder(folder.path());
        multiStorey(theProject(), 5000);
    }
};

// "开始计算" on a shown Form8: computation, all report lines into List1.
void BM_Form8Compute(benchmark::State& state)
{
    Fixture fixture;
    Form8* form8 = platform::open<Form8>();
    for (auto _ : state) {
        state.PauseTiming();
        form8->List1->clear();
        QApplication::processEvents();
        state.ResumeTiming();
        form8->Command3->click();
        QApplication::processEvents(); // the repaint that follows
    }
    if (!fixture.dialogs.messages().isEmpty())
        state.SkipWithError("the computation reported a message");
    state.counters["elements"] = theProject().NE;
    state.counters["lines"] = form8->List1->count();
    platform::closeAllScreens();
}
BENCHMARK(BM_Form8Compute)->Unit(benchmark::kMillisecond);

// "输出原始数据": the project file and the echo lines.
void BM_Form8SaveAndEcho(benchmark::State& state)
{
    Fixture fixture;
    Form8* form8 = platform::open<Form8>();
    for (auto _ : state) {
        state.PauseTiming();
        form8->List1->clear();
        QApplication::processEvents();
        state.ResumeTiming();
        form8->Command1->click();
        QApplication::processEvents();
    }
    state.counters["lines"] = form8->List1->count();
    platform::closeAllScreens();
}
BENCHMARK(BM_Form8SaveAndEcho)->Unit(benchmark::kMillisecond);

// The way the list is not filled: one item and one repaint per line, for
// the first `range(0)` lines of the same computation. Compare the time per
// line with BM_Form8Compute.
void BM_OneRepaintPerLine(benchmark::State& state)
{
    Fixture fixture;
    solver::LineCollector out;
    solver::Compute(theProject(), out);
    const auto lines = static_cast<std::size_t>(state.range(0));
    Form8* form8 = platform::open<Form8>();
    for (auto _ : state) {
        state.PauseTiming();
        form8->List1->clear();
        QApplication::processEvents();
        state.ResumeTiming();
        for (std::size_t i = 0; i < lines && i < out.lines.size(); ++i) {
            form8->List1->addItem(QString::fromStdString(out.lines[i]));
            form8->List1->scrollToBottom();
            form8->List1->repaint();
        }
    }
    state.counters["lines"] = static_cast<double>(lines);
    state.counters["all lines"] = static_cast<double>(out.lines.size());
    platform::closeAllScreens();
}
BENCHMARK(BM_OneRepaintPerLine)->Arg(2000)->Unit(benchmark::kMillisecond);

// The load step of Form3 with one combo entry per node.
void BM_OpenNodeEditor(benchmark::State& state)
{
    Fixture fixture;
    for (auto _ : state) {
        Form3* form3 = platform::open<Form3>();
        QApplication::processEvents();
        benchmark::DoNotOptimize(form3->Combo1->count());
        state.PauseTiming();
        platform::closeAllScreens();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    state.counters["nodes"] = theProject().NJ;
}
BENCHMARK(BM_OpenNodeEditor)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::initialise(app, QStringLiteral("frameproject"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
