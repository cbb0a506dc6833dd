#include "frameproject/model/project.h"

#include "common/numbers.h"

#include <string>

namespace frameproject {

ProjectModel& theProject()
{
    static ProjectModel model;
    return model;
}

namespace {

std::string countText(std::int16_t value) { return common::plainText(value); }

}  // namespace

std::optional<ModelError> CheckControlNumbers(const ProjectModel& model)
{
    struct Count {
        const char* label;
        std::int16_t value;
        bool mayBeZero;
    };
    const Count counts[] = {
        {"单元总数 NE", model.NE, false},   {"结点总数 NJ", model.NJ, false},
        {"特殊结点数 NS", model.NS, false}, {"结点荷载数 NPJ", model.NPJ, true},
        {"杆上荷载数 NPF", model.NPF, true},
    };
    for (const Count& c : counts) {
        if (c.value < 0)
            return ModelError{std::string(c.label) + " 为负数（" + countText(c.value) + "），无法建立数据表！"};
        if (c.value == 0 && !c.mayBeZero)
            return ModelError{std::string(c.label) + " 为0，无法建立数据表！"};
    }
    return std::nullopt;
}

std::optional<ModelError> DimensionTables(ProjectModel& model)
{
    if (auto error = CheckControlNumbers(model))
        return error;
    const auto ne = static_cast<std::size_t>(model.NE);
    const auto nj = static_cast<std::size_t>(model.NJ);
    model.X.assignZeros(nj);
    model.Y.assignZeros(nj);
    model.JS.assignZeros(static_cast<std::size_t>(model.NS));
    model.JE.assignZeros(ne);
    if (model.NPJ != 0)
        model.PJ.assignZeros(static_cast<std::size_t>(model.NPJ));
    if (model.NPF != 0)
        model.PF.assignZeros(static_cast<std::size_t>(model.NPF));
    model.EA.assignZeros(ne);
    model.EI.assignZeros(ne);
    return std::nullopt;
}

std::optional<ModelError> RedimensionKeeping(ProjectModel& model)
{
    if (auto error = CheckControlNumbers(model))
        return error;
    const auto ne = static_cast<std::size_t>(model.NE);
    const auto nj = static_cast<std::size_t>(model.NJ);
    model.X.growTo(nj);
    model.Y.growTo(nj);
    model.JS.growTo(static_cast<std::size_t>(model.NS));
    model.JE.growTo(ne);
    model.PJ.growTo(static_cast<std::size_t>(model.NPJ));
    model.PF.growTo(static_cast<std::size_t>(model.NPF));
    model.EA.growTo(ne);
    model.EI.growTo(ne);
    return std::nullopt;
}

std::optional<ModelError> CheckTableSizes(const ProjectModel& model)
{
    if (model.NE < 0 || model.NJ < 0 || model.NS < 0 || model.NPJ < 0 || model.NPF < 0)
        return CheckControlNumbers(model);
    const auto ne = static_cast<std::size_t>(model.NE);
    const auto nj = static_cast<std::size_t>(model.NJ);
    struct Table {
        const char* label;
        std::size_t size;
        std::size_t count;
    };
    const Table tables[] = {
        {"结点坐标 X", model.X.size(), nj},
        {"结点坐标 Y", model.Y.size(), nj},
        {"特殊结点表 JS", model.JS.rows(), static_cast<std::size_t>(model.NS)},
        {"单元结点表 JE", model.JE.rows(), ne},
        {"单元刚度 EA", model.EA.size(), ne},
        {"单元刚度 EI", model.EI.size(), ne},
        {"结点荷载表 PJ", model.PJ.rows(), static_cast<std::size_t>(model.NPJ)},
        {"杆上荷载表 PF", model.PF.rows(), static_cast<std::size_t>(model.NPF)},
    };
    for (const Table& t : tables) {
        if (t.size < t.count)
            return ModelError{std::string(t.label) + " 只有 " + std::to_string(t.size) + " 项，少于控制数 " +
                              std::to_string(t.count) + "，请先确定控制参数！"};
    }
    return std::nullopt;
}

}  // namespace frameproject
