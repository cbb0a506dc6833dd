#include "frameproject/solver/solver.h"

#include "common/numbers.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace frameproject::solver {

namespace {

std::string B(double value) { return common::signedText(value); }
std::string Pl(double value) { return common::plainText(value); }
std::string num(std::size_t value) { return std::to_string(value); }

const char* directionName(std::size_t k)
{
    switch (k) {
    case 1: return "x方向位移";
    case 2: return "y方向位移";
    default: return "转角位移";
    }
}

const char* codeName(std::size_t k)
{
    switch (k) {
    case 1: return "U";
    case 2: return "V";
    default: return "Z";
    }
}

SolveError error(SolveErrorKind kind, std::size_t item, std::string message)
{
    return SolveError{kind, item, std::move(message)};
}

// Integer part (largest integer not above) of a stored double, when it lies
// in lo..hi; nullopt otherwise (also for values that are not finite).
std::optional<std::int64_t> integerPartIn(double value, std::int64_t lo, std::int64_t hi)
{
    const double part = std::floor(value);
    if (!(part >= static_cast<double>(lo) && part <= static_cast<double>(hi)))
        return std::nullopt;
    return static_cast<std::int64_t>(part);
}

struct NodalLoadTarget {
    std::size_t node;
    std::size_t direction;
};

// Node and direction digit of a nodal-load datum such as 2.1 (node 2, x).
std::optional<NodalLoadTarget> nodalLoadTarget(double datum, std::size_t nj)
{
    const auto node = integerPartIn(datum, 1, static_cast<std::int64_t>(nj));
    if (!node)
        return std::nullopt;
    const auto direction = integerPartIn((datum - static_cast<double>(*node)) * 10 + 0.0001, 1, 3);
    if (!direction)
        return std::nullopt;
    return NodalLoadTarget{static_cast<std::size_t>(*node), static_cast<std::size_t>(*direction)};
}

using NumberTable = std::vector<std::array<std::int32_t, 4>>;

// Displacement numbering: codes of the special nodes (the last entry of a
// node counts), free displacements numbered node by node, x before y before
// rotation, then every tie resolved to the number at the end of its chain.
// Needs node numbers and tie codes in range (checked by the caller).
std::optional<SolveError> numberDisplacements(const ProjectModel& m, NumberTable& JN, std::int32_t& N)
{
    const auto nj = static_cast<std::size_t>(m.NJ);
    JN.assign(nj + 1, std::array<std::int32_t, 4>{});
    for (std::size_t s = 1; s <= static_cast<std::size_t>(m.NS); ++s) {
        const auto node = static_cast<std::size_t>(m.JS(s, 1));
        for (std::size_t k = 1; k <= 3; ++k)
            JN[node][k] = m.JS(s, k + 1);
    }

    // tieTarget[i][k]: node whose displacement k node i shares (0: not tied).
    NumberTable tieTarget(nj + 1, std::array<std::int32_t, 4>{});
    bool tied = false;
    N = 0;
    for (std::size_t i = 1; i <= nj; ++i) {
        for (std::size_t k = 1; k <= 3; ++k) {
            std::int32_t& code = JN[i][k];
            if (code > 0) {
                if (code == 1) {
                    code = 0;
                } else {
                    tieTarget[i][k] = code;
                    tied = true;
                }
            } else {
                ++N;
                code = N;
            }
        }
    }
    if (!tied)
        return std::nullopt;

    // Each chain of ties is followed once; state 1 marks a node on the chain
    // being followed (meeting it again is a cycle), state 2 a resolved one.
    std::vector<std::uint8_t> state(nj + 1);
    std::vector<std::size_t> chain;
    for (std::size_t k = 1; k <= 3; ++k) {
        std::fill(state.begin(), state.end(), std::uint8_t{0});
        for (std::size_t start = 1; start <= nj; ++start) {
            if (tieTarget[start][k] == 0 || state[start] == 2)
                continue;
            chain.clear();
            std::size_t node = start;
            while (tieTarget[node][k] != 0 && state[node] == 0) {
                state[node] = 1;
                chain.push_back(node);
                node = static_cast<std::size_t>(tieTarget[node][k]);
            }
            if (tieTarget[node][k] != 0 && state[node] == 1) {
                std::string path;
                for (std::size_t n : chain)
                    path += num(n) + "→";
                path += num(node);
                return error(SolveErrorKind::TieCycle, start,
                             "结点 " + num(start) + " 的" + codeName(k) + "位移约束代码形成循环（" + path +
                                 "），无法确定位移编号！");
            }
            // node is free, fixed, or already resolved: its number is final.
            const std::int32_t number = JN[node][k];
            for (std::size_t n : chain) {
                JN[n][k] = number;
                state[n] = 2;
            }
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<SolveError> PlaneFrameSolver::Validate() const
{
    const ProjectModel& m = model_;
    if (auto counts = CheckControlNumbers(m))
        return error(SolveErrorKind::BadCounts, 0, counts->message);
    if (auto sizes = CheckTableSizes(m))
        return error(SolveErrorKind::BadCounts, 0, sizes->message);

    const auto nj = static_cast<std::size_t>(m.NJ);
    const auto ne = static_cast<std::size_t>(m.NE);
    for (std::size_t i = 1; i <= nj; ++i) {
        if (!std::isfinite(m.X(i)) || !std::isfinite(m.Y(i)))
            return error(SolveErrorKind::NotFinite, i, "结点 " + num(i) + " 的坐标不是有效数值！");
    }
    for (std::size_t s = 1; s <= static_cast<std::size_t>(m.NS); ++s) {
        const std::int16_t node = m.JS(s, 1);
        if (node < 1 || node > m.NJ)
            return error(SolveErrorKind::NodeNumber, s,
                         "特殊结点第 " + num(s) + " 项的结点号 " + Pl(node) + " 不在 1～" + num(nj) + " 之内！");
        for (std::size_t k = 1; k <= 3; ++k) {
            const std::int16_t code = m.JS(s, k + 1);
            if (code > m.NJ)
                return error(SolveErrorKind::TieCode, s,
                             "特殊结点第 " + num(s) + " 项（结点 " + Pl(node) + "）的" + codeName(k) + "约束代码 " +
                                 Pl(code) + " 大于结点总数 " + num(nj) + "！");
        }
    }
    for (std::size_t e = 1; e <= ne; ++e) {
        const std::int16_t a = m.JE(e, 1);
        const std::int16_t b = m.JE(e, 2);
        if (a < 1 || a > m.NJ || b < 1 || b > m.NJ)
            return error(SolveErrorKind::NodeNumber, e,
                         "单元 " + num(e) + " 的结点号（" + Pl(a) + "，" + Pl(b) + "）不在 1～" + num(nj) + " 之内！");
        if (!std::isfinite(m.EA(e)) || !std::isfinite(m.EI(e)))
            return error(SolveErrorKind::NotFinite, e, "单元 " + num(e) + " 的 EA 或 EI 不是有效数值！");
        const double dx = m.X(static_cast<std::size_t>(b)) - m.X(static_cast<std::size_t>(a));
        const double dy = m.Y(static_cast<std::size_t>(b)) - m.Y(static_cast<std::size_t>(a));
        const double length = std::sqrt(dy * dy + dx * dx);
        if (!(length > 0))
            return error(SolveErrorKind::ZeroLength, e, "单元 " + num(e) + " 的长度为0（两端结点重合）！");
        if (!std::isfinite(length))
            return error(SolveErrorKind::NotFinite, e, "单元 " + num(e) + " 的长度不是有效数值！");
    }
    for (std::size_t j = 1; j <= static_cast<std::size_t>(m.NPJ); ++j) {
        if (!std::isfinite(m.PJ(j, 2)))
            return error(SolveErrorKind::NotFinite, j, "结点荷载第 " + num(j) + " 项的荷载值不是有效数值！");
        if (!nodalLoadTarget(m.PJ(j, 1), nj))
            return error(SolveErrorKind::NodalLoad, j,
                         "结点荷载第 " + num(j) + " 项的位置与方位数据 " + Pl(m.PJ(j, 1)) +
                             " 有误：结点号应在 1～" + num(nj) + " 之内，方位数字应为1、2或3！");
    }
    for (std::size_t j = 1; j <= static_cast<std::size_t>(m.NPF); ++j) {
        if (!integerPartIn(m.PF(j, 1), 1, static_cast<std::int64_t>(ne)))
            return error(SolveErrorKind::LoadElement, j,
                         "杆上荷载第 " + num(j) + " 项的单元号 " + Pl(m.PF(j, 1)) + " 不在 1～" + num(ne) + " 之内！");
        if (!std::isfinite(m.PF(j, 3)) || !std::isfinite(m.PF(j, 4)))
            return error(SolveErrorKind::NotFinite, j, "杆上荷载第 " + num(j) + " 项的A值或荷载值不是有效数值！");
        if (integerPartIn(m.PF(j, 2), 8, 10) && !integerPartIn(m.PF(j, 3), 1, 6))
            return error(SolveErrorKind::DisplacementCode, j,
                         "杆上荷载第 " + num(j) + " 项（类型 " + Pl(std::floor(m.PF(j, 2))) + "）的位移代码 " +
                             Pl(m.PF(j, 3)) + " 不在 1～6 之内！");
    }

    NumberTable jn;
    std::int32_t n = 0;
    if (auto tie = numberDisplacements(m, jn, n))
        return tie;
    if (n == 0)
        return error(SolveErrorKind::NoUnknowns, 0, "所有结点位移都被约束，没有需要求解的位移（N=0）！");
    for (std::size_t e = 1; e <= ne; ++e) {
        const auto a = static_cast<std::size_t>(m.JE(e, 1));
        const auto b = static_cast<std::size_t>(m.JE(e, 2));
        bool numbered = false;
        for (std::size_t k = 1; k <= 3; ++k)
            numbered = numbered || jn[a][k] != 0 || jn[b][k] != 0;
        if (!numbered)
            return error(SolveErrorKind::ElementUnnumbered, e,
                         "单元 " + num(e) + " 两端的位移全部被约束，该单元没有位移编号！");
    }
    return std::nullopt;
}

void PlaneFrameSolver::ElementGeometry()
{
    const auto a = static_cast<std::size_t>(model_.JE(IE, 1));
    const auto b = static_cast<std::size_t>(model_.JE(IE, 2));
    const double dx = model_.X(b) - model_.X(a);
    const double dy = model_.Y(b) - model_.Y(a);
    L = std::sqrt(dy * dy + dx * dx);
    C = dx / L;
    S = dy / L;
}

void PlaneFrameSolver::LocationVector()
{
    const auto a = static_cast<std::size_t>(model_.JE(IE, 1));
    const auto b = static_cast<std::size_t>(model_.JE(IE, 2));
    for (std::size_t k = 1; k <= 3; ++k) {
        LV[k] = JN[a][k];
        LV[k + 3] = JN[b][k];
    }
}

void PlaneFrameSolver::ElementBandWidth()
{
    for (std::size_t i = 1; i <= 6; ++i)
        for (std::size_t j = i + 1; j <= 6; ++j)
            if (LV[i] < LV[j])
                std::swap(LV[i], LV[j]);
    std::size_t m = 0;
    for (std::size_t i = 1; i <= 6; ++i)
        if (LV[i] != 0)
            m = i;
    ElementBand = m == 0 ? 0 : LV[1] - LV[m] + 1;
}

void PlaneFrameSolver::ElementStiffness()
{
    const double ea = model_.EA(IE);
    const double ei = model_.EI(IE);
    const double a = ea / L;
    const double r = 2 * ei / L;
    const double g = (3 * r) / L;  // 6 EI / L²
    const double h = (2 * g) / L;  // 12 EI / L³
    auto& K = KE;
    K[1][1] = C * C * a + S * S * h;
    K[2][1] = C * S * (a - h);
    K[2][2] = S * S * a + C * C * h;
    K[3][1] = S * g;
    K[3][2] = -C * g;
    K[3][3] = 2 * r;
    K[4][1] = -K[1][1];
    K[4][2] = -K[2][1];
    K[4][3] = -S * g;
    K[4][4] = K[1][1];
    K[5][1] = -K[2][1];
    K[5][2] = -K[2][2];
    K[5][3] = C * g;
    K[5][4] = K[2][1];
    K[5][5] = K[2][2];
    K[6][1] = S * g;
    K[6][2] = -C * g;
    K[6][3] = r;
    K[6][4] = -S * g;
    K[6][5] = C * g;
    K[6][6] = 2 * r;
    for (std::size_t i = 1; i <= 5; ++i)
        for (std::size_t j = i + 1; j <= 6; ++j)
            K[i][j] = K[j][i];
}

void PlaneFrameSolver::FixedEndForces(std::size_t j)
{
    const FixedEndResult result =
        solver::FixedEndForces(model_.PF(j, 2), model_.PF(j, 3), model_.PF(j, 4), L, model_.EA(IE), model_.EI(IE));
    FO = result.FO;
    if (result.status == FixedEndStatus::BadType && sink_)
        sink_->message(kBadLoadTypeMessage);
}

std::optional<SolveError> PlaneFrameSolver::Solve()
{
    const auto n = static_cast<std::size_t>(N);
    const auto nw = static_cast<std::size_t>(NW);
    std::vector<double> diagonal(n + 1);
    for (std::size_t k = 1; k <= n; ++k)
        diagonal[k] = kb(k, 1);

    auto pivotFails = [&](std::size_t k) {
        const double pivot = kb(k, 1);
        return !(std::abs(pivot) > kPivotTolerance * std::abs(diagonal[k])) || diagonal[k] == 0 ||
               !std::isfinite(pivot);
    };
    auto singular = [&](std::size_t k) {
        for (std::size_t i = 1; i < JN.size(); ++i)
            for (std::size_t d = 1; d <= 3; ++d)
                if (static_cast<std::size_t>(JN[i][d]) == k)
                    return error(SolveErrorKind::Singular, i,
                                 "结构几何可变或约束不足：结点 " + num(i) + " 的" + directionName(d) +
                                     "（位移编号 " + num(k) + "）刚度为0，无法求解！");
        return error(SolveErrorKind::Singular, 0, "结构几何可变或约束不足，无法求解！");
    };

    for (std::size_t k = 1; k + 1 <= n; ++k) {
        if (pivotFails(k))
            return singular(k);
        const std::size_t im = std::min(k + nw - 1, n);
        const double pivot = kb(k, 1);
        const double* rowK = &KB[(k - 1) * nw];
        for (std::size_t i = k + 1; i <= im; ++i) {
            const std::size_t l = i - k + 1;
            const double c = rowK[l - 1] / pivot;
            if (c == 0)
                continue;  // subtracting 0 leaves every entry as it is
            double* rowI = &KB[(i - 1) * nw];
            for (std::size_t j = 1; j <= nw - l + 1; ++j)
                rowI[j - 1] = rowI[j - 1] - rowK[j + i - k - 1] * c;
            P[i] = P[i] - P[k] * c;
        }
    }
    if (pivotFails(n))
        return singular(n);
    P[n] = P[n] / kb(n, 1);
    for (std::size_t r = n - 1; r >= 1; --r) {
        const std::size_t jm = std::min(n - r + 1, nw);
        const double* rowR = &KB[(r - 1) * nw];
        for (std::size_t j = 2; j <= jm; ++j)
            P[r] = P[r] - rowR[j - 1] * P[j + r - 1];
        P[r] = P[r] / rowR[0];
    }
    return std::nullopt;
}

SolveOutcome PlaneFrameSolver::Run(ReportSink& sink)
{
    ProjectModel& m = model_;
    sink_ = &sink;
    m.ResultText.clear();
    m.F.fill(0);
    if (auto invalid = Validate())
        return SolveOutcome{std::move(invalid)};

    const auto nj = static_cast<std::size_t>(m.NJ);
    const auto ne = static_cast<std::size_t>(m.NE);
    const auto npj = static_cast<std::size_t>(m.NPJ);
    const auto npf = static_cast<std::size_t>(m.NPF);

    // 1. Displacement numbering.
    if (auto tie = numberDisplacements(m, JN, N))
        return SolveOutcome{std::move(tie)};
    sink.line("NODAL DISPLAICEMENTS NUMBER  N=" + B(N));
    sink.line("NODAL    XX    YY    ZZ");
    for (std::size_t i = 1; i <= nj; ++i)
        sink.line("  " + B(static_cast<double>(i)) + "      " + B(JN[i][1]) + "    " + B(JN[i][2]) + "    " +
                  B(JN[i][3]));

    // 2. Load vector: nodal loads are assigned (the later of two on one
    // displacement counts), member loads added as equivalent nodal loads.
    const auto n = static_cast<std::size_t>(N);
    P.assign(n + 1, 0.0);
    for (std::size_t j = 1; j <= npj; ++j) {
        const NodalLoadTarget target = *nodalLoadTarget(m.PJ(j, 1), nj);
        const std::int32_t w = JN[target.node][target.direction];
        if (w != 0)
            P[static_cast<std::size_t>(w)] = m.PJ(j, 2);
    }
    for (std::size_t j = 1; j <= npf; ++j) {
        IE = static_cast<std::size_t>(std::floor(m.PF(j, 1)));
        ElementGeometry();
        FixedEndForces(j);
        LocationVector();
        for (std::size_t base : {std::size_t{0}, std::size_t{3}}) {
            FE[base + 1] = -FO[base + 1] * C + FO[base + 2] * S;
            FE[base + 2] = -FO[base + 1] * S - FO[base + 2] * C;
            FE[base + 3] = -FO[base + 3];
        }
        for (std::size_t i = 1; i <= 6; ++i)
            if (LV[i] != 0)
                P[static_cast<std::size_t>(LV[i])] = P[static_cast<std::size_t>(LV[i])] + FE[i];
    }
    sink.line("toal node load vector");
    for (std::size_t w = 1; w <= n; ++w)
        sink.line("p(" + B(static_cast<double>(w)) + ")=" + B(P[w]));

    // 3. Half band width.
    NW = 0;
    for (IE = 1; IE <= ne; ++IE) {
        LocationVector();
        ElementBandWidth();
        NW = std::max(NW, ElementBand);
    }
    sink.line("nw=" + B(NW));
    const auto nw = static_cast<std::size_t>(NW);
    if (nw != 0 && n > kMaxBandEntries / nw)
        return SolveOutcome{error(SolveErrorKind::TooLarge, 0,
                                  "方程组太大（N=" + num(n) + "，NW=" + num(nw) + "），内存不足，无法计算！")};

    // 4, 5. Element stiffness and banded assembly.
    KB.assign(n * nw, 0.0);
    for (IE = 1; IE <= ne; ++IE) {
        ElementGeometry();
        ElementStiffness();
        LocationVector();
        for (std::size_t j = 1; j <= 6; ++j) {
            const std::int32_t b = LV[j];
            if (b == 0)
                continue;
            for (std::size_t col = 1; col <= 6; ++col) {
                if (LV[col] >= b) {
                    double& entry = kb(static_cast<std::size_t>(b), static_cast<std::size_t>(LV[col] - b + 1));
                    entry = entry + KE[j][col];
                }
            }
        }
    }

    // 6. Band Gauss elimination; P becomes the displacements.
    if (auto failed = Solve())
        return SolveOutcome{std::move(failed)};
    auto displacement = [this](std::size_t node, std::size_t k) {
        const std::int32_t w = JN[node][k];
        return w == 0 ? 0.0 : P[static_cast<std::size_t>(w)];
    };
    sink.line("nodal displacements");
    sink.line("node           u            v            ceta");
    for (std::size_t i = 1; i <= nj; ++i)
        sink.line("  " + B(static_cast<double>(i)) + "      " + B(displacement(i, 1)) + "        " +
                  B(displacement(i, 2)) + "        " + B(displacement(i, 3)));

    // 7. Member-end forces. The loads of each element are visited in table
    // order through one index instead of a scan of all loads per element.
    std::vector<std::size_t> loadStart(ne + 2, 0);
    std::vector<std::size_t> loadOrder(npf);
    for (std::size_t j = 1; j <= npf; ++j)
        ++loadStart[static_cast<std::size_t>(std::floor(m.PF(j, 1))) + 1];
    for (std::size_t e = 1; e <= ne + 1; ++e)
        loadStart[e] += loadStart[e - 1];
    {
        std::vector<std::size_t> next(loadStart.begin(), loadStart.end() - 1);
        for (std::size_t j = 1; j <= npf; ++j)
            loadOrder[next[static_cast<std::size_t>(std::floor(m.PF(j, 1)))]++] = j;
    }

    const std::string heading = "element          N          Q          M";
    sink.line("member-end forces of element");
    std::string result = heading + "\r\n";
    result.reserve(result.size() + ne * 130);
    sink.line(heading);
    auto& F = m.F;
    for (IE = 1; IE <= ne; ++IE) {
        ElementGeometry();
        ElementStiffness();
        LocationVector();
        for (std::size_t k = 1; k <= 6; ++k)
            DE[k] = LV[k] == 0 ? 0.0 : P[static_cast<std::size_t>(LV[k])];
        for (std::size_t k = 1; k <= 6; ++k) {
            double sum = 0;
            for (std::size_t i = 1; i <= 6; ++i)
                sum = sum + KE[k][i] * DE[i];
            FG[k] = sum;
        }
        for (std::size_t base : {std::size_t{0}, std::size_t{3}}) {
            F[base + 1] = FG[base + 1] * C + FG[base + 2] * S;
            F[base + 2] = -FG[base + 1] * S + FG[base + 2] * C;
            F[base + 3] = FG[base + 3];
        }
        for (std::size_t q = loadStart[IE]; q < loadStart[IE + 1]; ++q) {
            FixedEndForces(loadOrder[q]);
            for (std::size_t i = 1; i <= 6; ++i)
                F[i] = F[i] + FO[i];
        }
        std::string first = "   " + Pl(static_cast<double>(IE)) + "           n1=" + Pl(F[1]) + "        q1=" +
                            Pl(F[2]) + "        m1=" + Pl(F[3]);
        std::string second = "               n2=" + B(F[4]) + "        q2=" + B(F[5]) + "        m2=" + B(F[6]);
        sink.line(first);
        sink.line(second);
        result += first;
        result += "\r\n";
        result += second;
        result += "\r\n";
    }
    m.ResultText = std::move(result);
    return SolveOutcome{};
}

SolveOutcome Compute(ProjectModel& model, ReportSink& sink)
{
    return PlaneFrameSolver(model).Run(sink);
}

}  // namespace frameproject::solver
