#pragma once
// Report lines of frameproject: the input echo and the sink through which
// the computation hands its lines and messages to the screen.

#include "frameproject/model/project.h"

#include <string>
#include <string_view>
#include <vector>

namespace frameproject::solver {

// Receives report lines in order, one list line per call, and the message
// boxes the computation asks for (it goes on after each).
class ReportSink {
public:
    virtual ~ReportSink() = default;
    virtual void line(std::string_view text) = 0;
    // Default: the message is dropped.
    virtual void message(std::string_view /*text*/) {}
};

// Collects everything in memory, so a screen can append all lines at once
// (for example QListWidget::addItems) after the run.
class LineCollector final : public ReportSink {
public:
    void line(std::string_view text) override { lines.emplace_back(text); }
    void message(std::string_view text) override { messages.emplace_back(text); }

    std::vector<std::string> lines;
    std::vector<std::string> messages;
};

// The echo block of "输出原始数据": control numbers, nodes, special nodes,
// elements, nodal loads and member loads, with the four load headings even
// when the counts are 0. Entries missing from a table shorter than its count
// are shown as 0.
void EchoBlock(const ProjectModel& model, ReportSink& sink);
std::vector<std::string> EchoLines(const ProjectModel& model);

}  // namespace frameproject::solver
