#include "beamwizard/model/beam_model.h"

#include "common/numbers.h"

namespace beamwizard {
namespace {

// Field q (1-based) of a screen's field array; a field the screen does not
// have is an out-of-range fault naming it.
const std::string& field(std::span<const std::string> fields, int q, const std::string& label)
{
    if (q < 1 || static_cast<std::size_t>(q) > fields.size())
        raiseFault(FaultKind::SubscriptOutOfRange,
                   "没有第 " + std::to_string(q) + " 个" + label + "输入框");
    return fields[static_cast<std::size_t>(q - 1)];
}

std::string nth(const std::string& label, int q)
{
    return "第 " + std::to_string(q) + " 个" + label;
}

// The two per-span arrays filled pairwise from 2(n - 1) fields.
std::optional<Fault> confirmSpanEnds(BeamModel& model, SingleMatrix& array,
                                     std::span<const std::string> fields, const std::string& label)
{
    return runChecked([&] {
        const int spans = model.beamNodeCount - 1;
        array.create(spans, 2);
        int q = 0;
        for (int k = 1; k <= spans; ++k) {
            for (int e = 1; e <= 2; ++e) {
                ++q;
                array.set(k, e, readSingle(field(fields, q, label), nth(label, q)));
            }
        }
    });
}

std::optional<Fault> confirmSpanValues(BeamModel& model, SingleVector& array,
                                       std::span<const std::string> fields, const std::string& label)
{
    return runChecked([&] {
        const int spans = model.beamNodeCount - 1;
        array.create(spans);
        for (int k = 1; k <= spans; ++k)
            array.set(k, readSingle(field(fields, k, label), nth(label, k)));
    });
}

}  // namespace

float readSingle(std::string_view text, const std::string& what)
{
    // parseLenient gives an infinity for a magnitude beyond double; the store
    // check catches that as well as values beyond single precision.
    return storeSingle(common::parseLenient(text), what);
}

std::int16_t readCount(std::string_view text, const std::string& what)
{
    const std::optional<std::int16_t> count = common::roundToInt16(common::parseLenient(text));
    if (!count)
        raiseFault(FaultKind::Overflow, what + "超出 -32768～32767 的整数范围");
    return *count;
}

std::optional<Fault> confirmBasicParameters(BeamModel& model, std::string_view nodeCountText,
                                            std::string_view leftCodeText,
                                            std::string_view rightCodeText)
{
    return runChecked([&] {
        model.beamNodeCount = readCount(nodeCountText, "结点数");
        model.leftSupportCode = readCount(leftCodeText, "左支座约束信息");
        model.rightSupportCode = readCount(rightCodeText, "右支座约束信息");
    });
}

std::optional<Fault> confirmSpanLengths(BeamModel& model, std::span<const std::string> fields)
{
    return confirmSpanValues(model, model.L, fields, "杆长");
}

std::optional<Fault> confirmStiffnesses(BeamModel& model, std::span<const std::string> fields)
{
    return confirmSpanValues(model, model.EI, fields, "抗弯刚度");
}

std::optional<Fault> confirmCouples(BeamModel& model, std::span<const std::string> fields)
{
    return runChecked([&] {
        const int nodes = model.beamNodeCount;
        model.P.create(nodes);
        model.enteredCouple.create(nodes);
        for (int j = 1; j <= nodes; ++j) {
            const float couple = readSingle(field(fields, j, "结点力偶"), nth("结点力偶", j));
            model.P.set(j, couple);
            model.enteredCouple.set(j, couple);
        }
    });
}

std::optional<Fault> confirmFixedEndMoments(BeamModel& model, std::span<const std::string> fields)
{
    return confirmSpanEnds(model, model.M, fields, "固端弯矩");
}

std::optional<Fault> confirmSimpleBeamShears(BeamModel& model, std::span<const std::string> fields)
{
    return confirmSpanEnds(model, model.S0, fields, "简支梁剪力");
}

std::optional<Fault> checkFieldsExist(int needed, int available, const std::string& fieldLabel)
{
    if (needed <= available)
        return std::nullopt;
    return makeFault(FaultKind::SubscriptOutOfRange,
                     "没有第 " + std::to_string(available + 1) + " 个" + fieldLabel + "输入框");
}

}  // namespace beamwizard
