#include "beamwizard/model/checked.h"

#include <limits>

namespace beamwizard {

const char* faultKindText(FaultKind kind)
{
    switch (kind) {
    case FaultKind::SubscriptOutOfRange: return "下标越界";
    case FaultKind::DivisionByZero: return "除数为零";
    case FaultKind::Overflow: return "溢出";
    case FaultKind::InvalidOperation: return "无效运算";
    }
    return "运算错误";
}

Fault makeFault(FaultKind kind, const std::string& detail)
{
    return Fault{kind, std::string(faultKindText(kind)) + "：" + detail};
}

void raiseFault(FaultKind kind, const std::string& detail)
{
    throw FaultException(makeFault(kind, detail));
}

float storeSingle(double value, const std::string& what)
{
    if (std::isnan(value))
        raiseFault(FaultKind::InvalidOperation, what + "的结果不是有效数值");
    const float stored = static_cast<float>(value);
    if (std::isinf(stored))
        raiseFault(FaultKind::Overflow, what + "的值超出单精度数的范围");
    return stored;
}

double checkedQuotient(double a, double b, const std::string& what)
{
    if (b == 0.0)
        raiseFault(FaultKind::DivisionByZero, what);
    return a / b;
}

template <int Rank>
std::string SingleArray<Rank>::elementName(int i, int j) const
{
    std::string text = name_ + "(" + std::to_string(i);
    if (Rank == 2)
        text += "," + std::to_string(j);
    return text + ")";
}

template <int Rank>
void SingleArray<Rank>::outOfRange(int i, int j) const
{
    std::string detail = elementName(i, j);
    if (!exists_)
        detail += "（该数组尚未建立）";
    else if (Rank == 1)
        detail += "（该数组只有 " + std::to_string(n1_) + " 个元素）";
    else
        detail += "（该数组只有 " + std::to_string(n1_) + "×" + std::to_string(n2_) + " 个元素）";
    raiseFault(FaultKind::SubscriptOutOfRange, detail);
}

template <int Rank>
void SingleArray<Rank>::allocate(int n1, int n2)
{
    if (n1 < 0 || n2 < 0)
        raiseFault(FaultKind::SubscriptOutOfRange,
                   "无法为 " + name_ + " 建立 " + std::to_string(n1 < 0 ? n1 : n2) + " 个元素的数组");
    const long long count = static_cast<long long>(n1) * static_cast<long long>(n2);
    if (count > kMaxArrayElements)
        raiseFault(FaultKind::Overflow, name_ + " 需要 " + std::to_string(count) + " 个元素，数组过大");
    std::vector<float> fresh(static_cast<std::size_t>(count), 0.0f);
    data_.swap(fresh);
    n1_ = n1;
    n2_ = n2;
    exists_ = true;
}

template class SingleArray<1>;
template class SingleArray<2>;

}  // namespace beamwizard
