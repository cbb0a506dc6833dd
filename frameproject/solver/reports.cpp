#include "frameproject/solver/reports.h"

#include "common/numbers.h"

namespace frameproject::solver {

namespace {

std::string B(double value) { return common::signedText(value); }

std::size_t count(std::int16_t value) { return value < 0 ? 0 : static_cast<std::size_t>(value); }

}  // namespace

void EchoBlock(const ProjectModel& m, ReportSink& sink)
{
    sink.line("NE=" + B(m.NE) + "  NJ=" + B(m.NJ) + "  NS=" + B(m.NS) + "  NPJ=" + B(m.NPJ) + "  NPF=" + B(m.NPF));
    sink.line("NODAL INFORMATION:");
    sink.line("NODAL    X    Y");
    for (std::size_t i = 1; i <= count(m.NJ); ++i)
        sink.line("  " + B(static_cast<double>(i)) + "      " + B(m.X.value(i)) + "    " + B(m.Y.value(i)));
    sink.line("NODAL    U    V    Z");
    for (std::size_t s = 1; s <= count(m.NS); ++s)
        sink.line("  " + B(m.JS.value(s, 1)) + "      " + B(m.JS.value(s, 2)) + "    " + B(m.JS.value(s, 3)) + "    " +
                  B(m.JS.value(s, 4)));
    sink.line("ELEMENT INFORMATION");
    sink.line("ELEMENT    NODAL-I    NODAL-J      EA      EI");
    for (std::size_t e = 1; e <= count(m.NE); ++e)
        sink.line("   " + B(static_cast<double>(e)) + "          " + B(m.JE.value(e, 1)) + "          " +
                  B(m.JE.value(e, 2)) + "       " + B(m.EA.value(e)) + "     " + B(m.EI.value(e)));
    sink.line("NODAL LOADS");
    sink.line("NODE    PX-PY-PM");
    for (std::size_t j = 1; j <= count(m.NPJ); ++j)
        sink.line(" " + B(m.PJ.value(j, 1)) + "       " + B(m.PJ.value(j, 2)));
    sink.line("ELEMENT LOADS");
    sink.line("ELENENT    IND    A    Q");
    for (std::size_t j = 1; j <= count(m.NPF); ++j)
        sink.line("   " + B(m.PF.value(j, 1)) + "       " + B(m.PF.value(j, 2)) + "       " + B(m.PF.value(j, 3)) +
                  "     " + B(m.PF.value(j, 4)));
}

std::vector<std::string> EchoLines(const ProjectModel& model)
{
    LineCollector collector;
    EchoBlock(model, collector);
    return std::move(collector.lines);
}

}  // namespace frameproject::solver
