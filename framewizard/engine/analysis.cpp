#include "framewizard/engine/analysis.h"

#include "common/numbers.h"
#include "framewizard/engine/results_text.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <type_traits>
#include <utility>

namespace framewizard::engine {

namespace {

std::string num(double v) { return common::plainText(v); }
std::string num(std::size_t v) { return std::to_string(v); }

AnalysisError fail(ErrorKind kind, std::size_t item, std::string message)
{
    return AnalysisError{kind, item, std::move(message)};
}

// A node or member number as an index: rounded half-even, 0 if unusable.
// Callers compare the result with the valid range, which never contains 0.
std::size_t indexOf(double number)
{
    return roundedIndex(number).value_or(0);
}

// Rounded absolute type code, with 0 and 9..255 folded onto kind 1.
// Codes above 255 are refused by validate().
long loadKindOf(double code)
{
    const double rounded = common::roundHalfEven(std::fabs(code));
    if (!(rounded <= 255))
        return -1;
    const long kind = static_cast<long>(rounded);
    return (kind == 0 || kind >= 9) ? 1 : kind;
}

const char* freedomName(std::size_t row)
{
    switch ((row - 1) % 3) {
    case 0: return "转角R";
    case 1: return "水平线位移U";
    default: return "竖向线位移V";
    }
}

template <std::size_t R, std::size_t C>
bool allFinite(const double (&a)[R][C])
{
    for (const auto& row : a)
        for (double v : row)
            if (!std::isfinite(v))
                return false;
    return true;
}

template <std::size_t N>
bool allFinite(const double (&a)[N])
{
    return std::all_of(std::begin(a), std::end(a), [](double v) { return std::isfinite(v); });
}

template <typename T, std::size_t N>
void zero(T (&a)[N])
{
    if constexpr (std::is_array_v<T>) {
        for (auto& row : a)
            zero(row);
    } else {
        std::fill(a, a + N, T{});
    }
}

// Loads ordered by their member number as stored, then by load number, so the
// loads of a section's member are found without scanning every load.
struct LoadIndex {
    std::vector<std::pair<double, std::size_t>> entries;

    explicit LoadIndex(const FrameModel& m)
    {
        const auto loads = static_cast<std::size_t>(m.loadCount);
        entries.reserve(loads);
        for (std::size_t l = 1; l <= loads; ++l)
            entries.emplace_back(m.loadTable(l, 1), l);
        std::sort(entries.begin(), entries.end());
    }

    // Loads whose member number equals `member` exactly, in ascending load order.
    std::pair<const std::pair<double, std::size_t>*, const std::pair<double, std::size_t>*>
    on(double member) const
    {
        const auto lower = std::lower_bound(entries.begin(), entries.end(), std::make_pair(member, std::size_t{0}));
        auto upper = lower;
        while (upper != entries.end() && upper->first == member)
            ++upper;
        return {entries.data() + (lower - entries.begin()), entries.data() + (upper - entries.begin())};
    }
};

}  // namespace

std::optional<AnalysisError> FrameAnalysis::validate() const
{
    const FrameModel& m = model_;

    struct Count { double value; const char* name; };
    const Count counts[] = {
        {m.nodeCount, "结点总数"}, {m.fixedNodeCount, "固定结点数"}, {m.memberCount, "杆件单元数"},
        {m.loadCount, "荷载总数"}, {m.sectionCount, "截面总数"},
    };
    for (const Count& c : counts) {
        if (!isWholeCount(c.value))
            return fail(ErrorKind::BadCount, 0,
                        std::string(c.name) + "必须是0到" + num(kMaxModelItems) + "之间的整数（现为"
                            + num(c.value) + "），无法计算。");
    }
    if (m.unknownCount != 3 * (m.nodeCount - m.fixedNodeCount))
        return fail(ErrorKind::BadCount, 0, "未知量个数与结点总数、固定结点数不符，无法计算。");
    if (m.nodeCount <= m.fixedNodeCount)
        return fail(ErrorKind::NoFreeNode, 0, "没有自由结点（结点总数必须大于固定结点数），无法计算。");

    const auto nodes = static_cast<std::size_t>(m.nodeCount);
    const auto fixed = static_cast<std::size_t>(m.fixedNodeCount);
    const auto members = static_cast<std::size_t>(m.memberCount);
    const auto loads = static_cast<std::size_t>(m.loadCount);
    const auto sections = static_cast<std::size_t>(m.sectionCount);

    if (m.nodeX.size() < nodes || m.nodeY.size() < nodes)
        return fail(ErrorKind::MissingData, 0, "结点坐标数据不全，无法计算。");
    if (m.memberSmallEnd.size() < members || m.memberLargeEnd.size() < members)
        return fail(ErrorKind::MissingData, 0, "杆件端号数据不全，无法计算。");
    if (m.memberEA.size() < members || m.memberEI.size() < members)
        return fail(ErrorKind::MissingData, 0, "杆件刚度数据不全，无法计算。");
    if (m.loadTable.rows() < loads)
        return fail(ErrorKind::MissingData, 0, "荷载数据不全，无法计算。");
    if (m.sectionTable.rows() < sections)
        return fail(ErrorKind::MissingData, 0, "截面数据不全，无法计算。");

    for (std::size_t i = 1; i <= nodes; ++i) {
        if (!std::isfinite(m.nodeX(i)) || !std::isfinite(m.nodeY(i)))
            return fail(ErrorKind::NotFinite, i, "第" + num(i) + "号结点的坐标超出数值范围，无法计算。");
    }

    std::vector<bool> reached(nodes + 1, false);
    for (std::size_t k = 1; k <= members; ++k) {
        const std::size_t i = indexOf(m.memberSmallEnd(k));
        const std::size_t j = indexOf(m.memberLargeEnd(k));
        const std::string member = "第" + num(k) + "号杆件";
        if (i < 1 || i > nodes)
            return fail(ErrorKind::MemberEnds, k, member + "的小端号" + num(m.memberSmallEnd(k))
                            + "不是已有的结点号（应为1到" + num(nodes) + "），无法计算。");
        if (j < 1 || j > nodes)
            return fail(ErrorKind::MemberEnds, k, member + "的大端号" + num(m.memberLargeEnd(k))
                            + "不是已有的结点号（应为1到" + num(nodes) + "），无法计算。");
        if (i >= j)
            return fail(ErrorKind::MemberEnds, k, member + "的小端号必须小于大端号，无法计算。");
        if (j <= fixed)
            return fail(ErrorKind::MemberEnds, k, member + "的大端（第" + num(j)
                            + "号结点）是固定结点，无法计算：大端必须是自由结点。");
        if (!std::isfinite(m.memberEA(k)) || !std::isfinite(m.memberEI(k)))
            return fail(ErrorKind::NotFinite, k, member + "的拉压刚度或抗弯刚度超出数值范围，无法计算。");
        const double dx = m.nodeX(j) - m.nodeX(i);
        const double dy = m.nodeY(j) - m.nodeY(i);
        const double length = std::sqrt(dy * dy + dx * dx);
        if (length == 0)
            return fail(ErrorKind::ZeroLength, k, member + "的长度为零（两端结点坐标相同），无法计算。");
        if (!std::isfinite(length))
            return fail(ErrorKind::NotFinite, k, member + "的长度超出数值范围，无法计算。");
        reached[i] = true;
        reached[j] = true;
    }
    for (std::size_t n = fixed + 1; n <= nodes; ++n) {
        if (!reached[n])
            return fail(ErrorKind::NodeNotReached, n,
                        "第" + num(n) + "号结点没有任何杆件与之相连，无法计算。");
    }

    for (std::size_t l = 1; l <= loads; ++l) {
        const std::string load = "第" + num(l) + "个荷载";
        const std::size_t k = indexOf(m.loadTable(l, 1));
        if (k < 1 || k > members)
            return fail(ErrorKind::LoadMember, l, load + "作用的杆件号" + num(m.loadTable(l, 1))
                            + "不存在（应为1到" + num(members) + "），无法计算。");
        if (!std::isfinite(m.loadTable(l, 2)) || !std::isfinite(m.loadTable(l, 3))
            || !std::isfinite(m.loadTable(l, 4)))
            return fail(ErrorKind::NotFinite, l, load + "的数据超出数值范围，无法计算。");
        if (loadKindOf(m.loadTable(l, 4)) < 0)
            return fail(ErrorKind::LoadType, l, load + "的类型" + num(m.loadTable(l, 4))
                            + "无效（取整后的绝对值不能超过255），无法计算。");
    }

    for (std::size_t s = 1; s <= sections; ++s) {
        const std::string section = "第" + num(s) + "个截面";
        const std::size_t k = indexOf(m.sectionTable(s, 1));
        if (k < 1 || k > members)
            return fail(ErrorKind::SectionMember, s, section + "所在的杆件号" + num(m.sectionTable(s, 1))
                            + "不存在（应为1到" + num(members) + "），无法计算。");
        if (!std::isfinite(m.sectionTable(s, 2)))
            return fail(ErrorKind::NotFinite, s, section + "的位置超出数值范围，无法计算。");
    }

    // The in-span share of a linearly rising load divides by its distance a;
    // with a = 0 that share exists only for a section at negative XP.
    const LoadIndex index(m);
    for (std::size_t s = 1; s <= sections; ++s) {
        const double xp = m.sectionTable(s, 2);
        if (!(xp < 0))
            continue;
        const auto [first, last] = index.on(m.sectionTable(s, 1));
        for (auto it = first; it != last; ++it) {
            const std::size_t l = it->second;
            if (m.loadTable(l, 3) == 0 && loadKindOf(m.loadTable(l, 4)) == 5)
                return fail(ErrorKind::SectionLoad, s,
                            "第" + num(s) + "个截面的位置为负，而第" + num(l)
                                + "个荷载（类型5）离小端的距离为0，无法计算该截面的内力。");
        }
    }
    return std::nullopt;
}

void FrameAnalysis::createArrays()
{
    n_ = static_cast<std::size_t>(model_.unknownCount);
    globalStiffness_.assign(n_ * b_, 0.0);
    loadVector_.assign(n_, 0.0);
    zero(geometryMatrix_);
    zero(basicStiffness_);
    zero(stiffnessTimesGeometry_);
    zero(geometryTranspose_);
    zero(elementStiffness_);
    zero(locationVector_);
    zero(fixedEndForces_);
    zero(equivalentLoads_);
    zero(elementDisplacements_);
    zero(basicForces_);
    zero(loadSectionTerm_);
    zero(sectionForces_);
}

void FrameAnalysis::setMember(std::size_t k) { k_ = k; }

void FrameAnalysis::setLoad(std::size_t l)
{
    k_ = indexOf(model_.loadTable(l, 1));
    P_ = model_.loadTable(l, 2);
    a_ = model_.loadTable(l, 3);
    loadKind_ = loadKindOf(model_.loadTable(l, 4));
}

void FrameAnalysis::setSection(std::size_t s)
{
    k_ = indexOf(model_.sectionTable(s, 1));
    XP_ = model_.sectionTable(s, 2);
}

// Half-bandwidth: the largest node difference of a member with a free small
// end decides it; members with a fixed small end only fill their large end's
// diagonal block.
void FrameAnalysis::sub2()
{
    const auto members = static_cast<std::size_t>(model_.memberCount);
    std::size_t D = 0;
    for (std::size_t k = 1; k <= members; ++k) {
        const std::size_t i = indexOf(model_.memberSmallEnd(k));
        const std::size_t j = indexOf(model_.memberLargeEnd(k));
        if (static_cast<double>(i) > model_.fixedNodeCount && j - i > D)
            D = j - i;
    }
    b_ = 3 * D + 3;
    model_.bandWidth = static_cast<double>(b_);
}

void FrameAnalysis::sub3()
{
    const std::size_t i = indexOf(model_.memberSmallEnd(k_));
    const std::size_t j = indexOf(model_.memberLargeEnd(k_));
    const double dx = model_.nodeX(j) - model_.nodeX(i);
    const double dy = model_.nodeY(j) - model_.nodeY(i);
    L_ = std::sqrt(dy * dy + dx * dx);
    c_ = dx / L_;
    s_ = dy / L_;
}

void FrameAnalysis::sub4()
{
    auto& A = geometryMatrix_;
    for (auto& row : A)
        std::fill(std::begin(row), std::end(row), 0.0);
    A[1][2] = -c_; A[1][3] = -s_; A[1][5] = c_; A[1][6] = s_;
    A[2][1] = 1;
    A[3][4] = 1;
    A[4][2] = -s_; A[4][3] = c_; A[4][5] = s_; A[4][6] = -c_;
}

void FrameAnalysis::sub5()
{
    auto& kb = basicStiffness_;
    for (auto& row : kb)
        std::fill(std::begin(row), std::end(row), 0.0);
    const double EA = model_.memberEA(k_);
    const double EI2 = 2 * model_.memberEI(k_);
    kb[1][1] = EA / L_;
    kb[2][2] = EI2 * 2 / L_;
    kb[3][3] = kb[2][2];
    kb[2][3] = EI2 / L_;
    kb[3][2] = kb[2][3];
    kb[2][4] = (EI2 * (-3)) / L_ / L_;
    kb[3][4] = kb[2][4];
    kb[4][2] = kb[2][4];
    kb[4][3] = kb[2][4];
    kb[4][4] = (2 * (-kb[2][4])) / L_;
}

void FrameAnalysis::sub6()
{
    for (int i = 1; i <= 4; ++i)
        for (int j = 1; j <= 6; ++j) {
            double sum = 0;
            for (int m = 1; m <= 4; ++m)
                sum = sum + geometryMatrix_[m][j] * basicStiffness_[i][m];
            stiffnessTimesGeometry_[i][j] = sum;
        }
}

void FrameAnalysis::sub7()
{
    for (int i = 1; i <= 4; ++i)
        for (int j = 1; j <= 6; ++j)
            geometryTranspose_[j][i] = geometryMatrix_[i][j];
}

void FrameAnalysis::sub8()
{
    for (int i = 1; i <= 6; ++i)
        for (int j = 1; j <= 6; ++j) {
            double sum = 0;
            for (int m = 1; m <= 4; ++m)
                sum = sum + stiffnessTimesGeometry_[m][j] * geometryTranspose_[i][m];
            elementStiffness_[i][j] = sum;
        }
}

void FrameAnalysis::sub9()
{
    const auto fixed = static_cast<long>(model_.fixedNodeCount);
    const auto i = static_cast<long>(indexOf(model_.memberSmallEnd(k_)));
    const auto j = static_cast<long>(indexOf(model_.memberLargeEnd(k_)));
    const long bi = 3 * (i - fixed - 1);
    const long bj = 3 * (j - fixed - 1);
    for (long m = 1; m <= 3; ++m) {
        locationVector_[m] = bi + m;
        locationVector_[m + 3] = bj + m;
    }
}

void FrameAnalysis::sub10()
{
    const std::size_t b = b_;
    double* K = globalStiffness_.data();
    auto add = [&](int I, int J) {
        const long p = locationVector_[I];
        const long q = locationVector_[J];
        K[static_cast<std::size_t>(p - 1) * b + static_cast<std::size_t>(q - p)] += elementStiffness_[I][J];
    };
    for (int J = 4; J <= 6; ++J)
        for (int I = 4; I <= J; ++I)
            add(I, J);
    if (locationVector_[3] > 0) {
        for (int J = 1; J <= 3; ++J)
            for (int I = 1; I <= J; ++I)
                add(I, J);
        for (int I = 1; I <= 3; ++I)
            for (int J = 4; J <= 6; ++J)
                add(I, J);
    }
}

// Fixed-end forces (M_i, N_i, Q_i, M_j, N_j, Q_j) of the current load with
// both ends clamped, in member axes.
void FrameAnalysis::sub11()
{
    double* f = fixedEndForces_;
    std::fill(std::begin(fixedEndForces_), std::end(fixedEndForces_), 0.0);
    const double P = P_, a = a_, L = L_;
    alpha_ = a / L;
    beta_ = 1 - alpha_;
    const double al = alpha_, be = beta_;
    const double W = a * P;
    switch (loadKind_) {
    case 2:  // uniform transverse load from the small end to a
        f[1] = -a * W * ((6 - 8 * al) + 3 * (al * al)) / 12;
        f[3] = W * ((1 - al * al) + (al * al * al) / 2);
        f[6] = W - f[3];
        f[4] = al * a * W * (4 - 3 * al) / 12;
        break;
    case 3:  // concentrated axial force
        f[2] = be * P;
        f[5] = P - f[2];
        break;
    case 4:  // uniform axial load from the small end to a
        f[5] = a * al * P / 2;
        f[2] = W - f[5];
        break;
    case 5:  // transverse load rising linearly from 0 at the small end to P at a
        f[3] = W * ((2 - 3 * (al * al)) + 1.6 * (al * al * al)) / 4;
        f[6] = W / 2 - f[3];
        f[1] = -a * W * ((2 - 3 * al) + 1.2 * (al * al)) / 6;
        f[4] = a * al * W * (1 - 0.8 * al) / 4;
        break;
    case 6:  // concentrated couple
        f[1] = P * be * (2 - 3 * be);
        f[3] = -6 * P * al * be / L;
        f[6] = -f[3];
        f[4] = P * al * (2 - 3 * al);
        break;
    case 7:  // axial end-force pair
        f[2] = a * P;
        f[5] = -f[2];
        break;
    case 8:  // end-moment pair
        f[1] = a * P;
        f[4] = -f[1];
        break;
    default:  // 1: concentrated transverse force
        f[1] = -P * a * (be * be);
        f[3] = P * (be * be) * (1 + 2 * al);
        f[6] = P - f[3];
        f[4] = P * L * (al * al) * be;
        break;
    }
}

// Equivalent nodal loads: the fixed-end forces turned into global axes and
// reversed, added into loadVector on the free freedoms.
void FrameAnalysis::sub12()
{
    for (int e = 0; e <= 3; e += 3) {
        const double M = fixedEndForces_[e + 1];
        const double N = fixedEndForces_[e + 2];
        const double Q = fixedEndForces_[e + 3];
        equivalentLoads_[e + 1] = -M;
        equivalentLoads_[e + 2] = s_ * Q + c_ * (-N);
        equivalentLoads_[e + 3] = s_ * (-N) - c_ * Q;
    }
    sub9();
    for (int m = 1; m <= 6; ++m) {
        const long p = locationVector_[m];
        if (p > 0)
            loadVector_[static_cast<std::size_t>(p - 1)] += equivalentLoads_[m];
    }
}

std::optional<AnalysisError> FrameAnalysis::sub13()
{
    const std::size_t n = n_;
    const std::size_t b = b_;
    double* const K = globalStiffness_.data();
    double* const F = loadVector_.data();
    if (n == 0 || b == 0 || globalStiffness_.size() < n * b || loadVector_.size() < n)
        return fail(ErrorKind::NoFreeNode, 0, "没有自由结点（结点总数必须大于固定结点数），无法计算。");

    // Diagonal before elimination: the scale of the pivot test.
    std::vector<double> diagonal(n);
    for (std::size_t i = 0; i < n; ++i)
        diagonal[i] = std::fabs(K[i * b]);

    const auto checkPivot = [&](std::size_t row) -> std::optional<AnalysisError> {
        const double pivot = K[(row - 1) * b];
        if (!std::isfinite(pivot))
            return fail(ErrorKind::NotFinite, row, "刚度矩阵的数值超出范围，无法计算。");
        if (pivot == 0 || std::fabs(pivot) <= kPivotTolerance * diagonal[row - 1]) {
            const std::size_t node = static_cast<std::size_t>(model_.fixedNodeCount) + (row - 1) / 3 + 1;
            return fail(ErrorKind::Singular, node,
                        "刚度矩阵奇异，无法求解：第" + num(node) + "号结点的" + freedomName(row)
                            + "方向没有足够的约束（结构是可变体系）。");
        }
        return std::nullopt;
    };

    // Forward elimination, row r against the rows r+1..min(b+r-1, n) of its band.
    for (std::size_t r = 1; r + 1 <= n; ++r) {
        if (auto error = checkPivot(r))
            return error;
        const double* __restrict const Kr = K + (r - 1) * b;
        const double pivot = Kr[0];
        const double Fr = F[r - 1];
        const std::size_t last = std::min(b + r - 1, n);
        for (std::size_t i = r + 1; i <= last; ++i) {
            const std::size_t d = i - r + 1;
            const double f = Kr[d - 1] / pivot;
            double* __restrict const Ki = K + (i - 1) * b;
            const double* __restrict const src = Kr + (d - 1);
            const std::size_t len = b - d + 1;
            for (std::size_t j = 0; j < len; ++j)
                Ki[j] = Ki[j] - src[j] * f;
            F[i - 1] = F[i - 1] - Fr * f;
        }
    }
    if (auto error = checkPivot(n))
        return error;
    F[n - 1] = F[n - 1] / K[(n - 1) * b];

    // Back substitution.
    for (std::size_t i = n - 1; i >= 1; --i) {
        const double* const Ki = K + (i - 1) * b;
        const std::size_t last = std::min(n - i + 1, b);
        double Fi = F[i - 1];
        for (std::size_t j = 2; j <= last; ++j)
            Fi = Fi - F[i + j - 2] * Ki[j - 1];
        F[i - 1] = Fi / Ki[0];
    }
    return std::nullopt;
}

// One load's part of the section forces: its large-end fixed-end forces
// carried back to XP, plus the resultant of the part of the load beyond XP.
void FrameAnalysis::sub14()
{
    const double P = P_, a = a_, XP = XP_;
    const double* f = fixedEndForces_;
    const double d = a - XP;
    double dN = 0, dM = 0, dQ = 0;
    loadSectionTerm_[1] = f[5];
    loadSectionTerm_[2] = (L_ - XP) * f[6] + (-f[4]);
    loadSectionTerm_[3] = -f[6];
    if (d > 0) {
        switch (loadKind_) {
        case 2:
            dM = d * (d * (-P)) / 2;
            dQ = d * P;
            break;
        case 3:
            dN = -P;
            break;
        case 4:
            dN = d * (-P);
            break;
        case 5:
            dM = d * (d * (-P)) * (XP / a + 2) / 6;
            dQ = d * P * (XP / a + 1) / 2;
            break;
        case 6:
            dM = -P;
            break;
        case 7:
        case 8:
            break;
        default:
            dM = d * (-P);
            dQ = P;
            break;
        }
    }
    loadSectionTerm_[1] += dN;
    loadSectionTerm_[2] += dM;
    loadSectionTerm_[3] += dQ;
    for (int i = 1; i <= 3; ++i)
        sectionForces_[i] += loadSectionTerm_[i];
}

// Displacement part of the section forces, from the member's basic forces.
void FrameAnalysis::sub15()
{
    for (int m = 1; m <= 6; ++m) {
        const long p = locationVector_[m];
        elementDisplacements_[m] = p > 0 ? loadVector_[static_cast<std::size_t>(p - 1)] : 0.0;
    }
    for (int i = 1; i <= 4; ++i) {
        double sum = 0;
        for (int m = 1; m <= 6; ++m)
            sum = sum + elementDisplacements_[m] * stiffnessTimesGeometry_[i][m];
        basicForces_[i] = sum;
    }
    sectionForces_[1] = basicForces_[1];
    sectionForces_[2] = XP_ * basicForces_[4] + basicForces_[2];
    sectionForces_[3] = basicForces_[4];
}

AnalysisOutcome FrameAnalysis::run(AnalysisListener* listener)
{
    AnalysisOutcome outcome = runSteps(listener);
    if (outcome.error)
        outcome.results = AnalysisResults{};
    return outcome;
}

AnalysisOutcome FrameAnalysis::runSteps(AnalysisListener* listener)
{
    AnalysisOutcome outcome;
    if (auto error = validate()) {
        outcome.error = std::move(error);
        return outcome;
    }
    if (listener)
        listener->addList2Item(list2Heading());

    sub2();
    n_ = static_cast<std::size_t>(model_.unknownCount);
    if (n_ > kMaxBandEntries / b_) {
        outcome.error = fail(ErrorKind::TooLarge, 0,
                             "刚度矩阵太大（未知量个数×半带宽超过" + num(kMaxBandEntries)
                                 + "），无法计算。请重新编排结点编号，减小杆件两端结点号之差。");
        return outcome;
    }
    createArrays();

    const auto members = static_cast<std::size_t>(model_.memberCount);
    for (std::size_t k = 1; k <= members; ++k) {
        setMember(k);
        sub3();
        sub4();
        sub5();
        sub6();
        sub7();
        sub8();
        if (!allFinite(basicStiffness_) || !allFinite(stiffnessTimesGeometry_) || !allFinite(elementStiffness_)) {
            outcome.error = fail(ErrorKind::NotFinite, k,
                                 "第" + num(k) + "号杆件的刚度超出数值范围（杆件过短或刚度过大），无法计算。");
            return outcome;
        }
        sub9();
        sub10();
    }

    const auto loads = static_cast<std::size_t>(model_.loadCount);
    for (std::size_t l = 1; l <= loads; ++l) {
        setLoad(l);
        sub3();
        sub11();
        sub12();
        if (!allFinite(fixedEndForces_) || !allFinite(equivalentLoads_)) {
            outcome.error = fail(ErrorKind::NotFinite, l, "第" + num(l) + "个荷载的固端力超出数值范围，无法计算。");
            return outcome;
        }
    }

    if (auto error = sub13()) {
        outcome.error = std::move(error);
        return outcome;
    }

    const auto fixed = static_cast<std::size_t>(model_.fixedNodeCount);
    const auto nodes = static_cast<std::size_t>(model_.nodeCount);
    outcome.results.bandWidth = b_;
    outcome.results.nodes.reserve(nodes - fixed);
    for (std::size_t node = fixed + 1; node <= nodes; ++node) {
        const std::size_t k = 3 * (node - fixed);
        const NodeDisplacement nd{node, loadVector_[k - 3], loadVector_[k - 2], loadVector_[k - 1]};
        if (!std::isfinite(nd.r) || !std::isfinite(nd.u) || !std::isfinite(nd.v)) {
            outcome.error = fail(ErrorKind::NotFinite, node,
                                 "第" + num(node) + "号结点的位移超出数值范围，无法计算。");
            return outcome;
        }
        outcome.results.nodes.push_back(nd);
    }
    if (listener) {
        listener->addList1Item(list1Heading());
        for (const NodeDisplacement& nd : outcome.results.nodes)
            listener->addList1Item(nodeLine(static_cast<double>(nd.node), nd.r, nd.u, nd.v));
    }

    const auto sections = static_cast<std::size_t>(model_.sectionCount);
    outcome.results.sections.reserve(sections);
    // The loads of each section are those whose member number equals the
    // section's exactly (unrounded), taken in load order.
    const LoadIndex index(model_);
    for (std::size_t s = 1; s <= sections; ++s) {
        setSection(s);
        sub9();
        sub3();
        sub4();
        sub5();
        sub6();
        sub15();
        const double member = model_.sectionTable(s, 1);
        const auto [first, last] = index.on(member);
        for (auto it = first; it != last; ++it) {
            const std::size_t l = it->second;
            setLoad(l);
            // Refused by validate() already; sub14 must never divide XP by a = 0.
            if (loadKind_ == 5 && a_ == 0 && a_ - XP_ > 0) {
                outcome.error = fail(ErrorKind::SectionLoad, s,
                                     "第" + num(s) + "个截面的位置为负，而第" + num(l)
                                         + "个荷载（类型5）离小端的距离为0，无法计算该截面的内力。");
                return outcome;
            }
            sub3();
            sub11();
            sub14();
        }
        SectionForces sf{member, XP_, sectionForces_[1], sectionForces_[2], sectionForces_[3]};
        if (!std::isfinite(sf.n) || !std::isfinite(sf.m) || !std::isfinite(sf.q)) {
            outcome.error = fail(ErrorKind::NotFinite, s, "第" + num(s) + "个截面的内力超出数值范围，无法计算。");
            return outcome;
        }
        outcome.results.sections.push_back(sf);
        if (listener)
            listener->addList2Item(sectionLine(sf.member, sf.xp, sf.n, sf.m, sf.q));
    }
    return outcome;
}

AnalysisOutcome runAnalysis(FrameModel& model, AnalysisListener* listener)
{
    return FrameAnalysis(model).run(listener);
}

}  // namespace framewizard::engine
