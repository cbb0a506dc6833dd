// libFuzzer target: the project-file reader on arbitrary text.
//
// Besides not crashing, a project that was read whole must write back to a
// text that reads into the same project, and the echo and the computation
// must run on whatever was read without touching memory they do not own.

#include "frameproject/model/project.h"
#include "frameproject/model/project_file.h"
#include "frameproject/solver/reports.h"
#include "frameproject/solver/solver.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

class NullSink final : public frameproject::solver::ReportSink {
public:
    void line(std::string_view) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    frameproject::ProjectModel model;
    const frameproject::LoadReport report = frameproject::ParseProject(model, text);
    if (report.complete != report.message.empty())
        std::abort();
    if (!report.complete)
        return 0;

    const std::string written = frameproject::ProjectText(model);
    frameproject::ProjectModel again;
    if (!frameproject::ParseProject(again, written).complete)
        std::abort();
    if (frameproject::ProjectText(again) != written)
        std::abort();

    // Keep the band matrix small: the fuzzer looks for faults, not for big frames.
    if (model.NJ <= 200) {
        NullSink sink;
        frameproject::solver::EchoBlock(model, sink);
        frameproject::solver::Compute(model, sink);
    }
    return 0;
}
