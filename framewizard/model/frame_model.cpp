#include "framewizard/model/frame_model.h"

#include "common/numbers.h"

#include <cmath>

namespace framewizard {

std::optional<std::size_t> roundedIndex(double number)
{
    const double rounded = common::roundHalfEven(number);
    if (!std::isfinite(rounded) || rounded < 0 || rounded > static_cast<double>(kMaxModelItems))
        return std::nullopt;
    return static_cast<std::size_t>(rounded);
}

bool isWholeCount(double count)
{
    return std::isfinite(count) && count >= 0 && count <= static_cast<double>(kMaxModelItems)
        && std::floor(count) == count;
}

bool Series::set(std::size_t i, double v)
{
    if (!contains(i))
        return false;
    values_[i] = v;
    return true;
}

void Series::resize(std::size_t count)
{
    values_.resize(count == 0 ? 0 : count + 1, 0.0);
}

namespace {

template <typename... Arrays>
bool redimension(double count, Arrays&... arrays)
{
    const auto size = roundedIndex(count);
    if (!size)
        return false;
    (arrays.resize(*size), ...);
    return true;
}

}  // namespace

bool FrameModel::redimensionNodes() { return redimension(nodeCount, nodeX, nodeY); }
bool FrameModel::redimensionMembers() { return redimension(memberCount, memberSmallEnd, memberLargeEnd); }
bool FrameModel::redimensionRigidities() { return redimension(memberCount, memberEA, memberEI); }
bool FrameModel::redimensionLoads() { return redimension(loadCount, loadTable); }
bool FrameModel::redimensionSections() { return redimension(sectionCount, sectionTable); }

}  // namespace framewizard
