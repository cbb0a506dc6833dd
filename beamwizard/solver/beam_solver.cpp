#include "beamwizard/solver/beam_solver.h"

#include "common/numbers.h"

#include <string>

namespace beamwizard {
namespace {

std::string S(float x) { return common::signedTextSingle(x); }
std::string T(int k) { return common::plainText(static_cast<double>(k)); }
std::string blanks(int count) { return std::string(static_cast<std::size_t>(count), ' '); }
std::string num(int k) { return std::to_string(k); }

void solve(BeamModel& b, const LineSink& sink)
{
    const int n = b.beamNodeCount;
    const int m = n - 1;
    SingleVector& P = b.P;
    SingleMatrix& K = b.stiffnessMatrix;
    SingleVector& i = b.lineStiffness;

    // Working arrays of this run, all zero.
    i.create(m);
    K.create(n, n);
    b.endMoment.create(m, 2);
    b.endShear.create(m, 2);

    // Line stiffness of every span.
    for (int k = 1; k <= m; ++k) {
        const double ei = b.EI.get(k);
        const double l = b.L.get(k);
        i.set(k, checkedQuotient(ei, l, "第 " + num(k) + " 杆的线刚度 EI/L 中杆长 L(" + num(k) + ") 为零"));
    }

    // Equivalent nodal couples: the applied couple minus the fixed-end
    // moments of the span ends meeting at the node. Always from the couples
    // as entered, so a second run repeats the first.
    P.assignFrom(b.enteredCouple);
    // (Operands are read into locals so that the first short array met is
    // always the one reported.)
    {
        const double p1 = P.get(1);
        P.set(1, p1 - b.M.get(1, 1));
        const double pn = P.get(n);
        P.set(n, pn - b.M.get(n - 1, 2));
    }
    for (int j = 2; j <= n - 1; ++j) {
        const double pj = P.get(j);
        const double leftSpanEnd = b.M.get(j - 1, 2);
        P.set(j, pj - leftSpanEnd - b.M.get(j, 1));
    }

    // Tridiagonal, symmetric rotation stiffness.
    K.set(1, 1, 4.0 * i.get(1));
    K.set(n, n, 4.0 * i.get(n - 1));
    for (int j = 2; j <= n - 1; ++j)
        K.set(j, j, 4.0 * i.get(j) + 4.0 * i.get(j - 1));
    for (int j = 2; j <= n; ++j) {
        K.set(j, j - 1, 2.0 * i.get(j - 1));
        K.set(j - 1, j, 2.0 * i.get(j - 1));
    }

    // A fixed end replaces its equation by "rotation = 0"; any other code
    // leaves the rotation free.
    if (b.leftSupportCode == 1) {
        K.set(1, 1, 1.0);
        K.set(1, 2, 0.0);
        K.set(2, 1, 0.0);
        P.set(1, 0.0);
    }
    if (b.rightSupportCode == 1) {
        K.set(n, n, 1.0);
        K.set(n - 1, n, 0.0);
        K.set(n, n - 1, 0.0);
        P.set(n, 0.0);
    }

    // Forward elimination in natural order over full rows, no pivot search.
    for (int k = 1; k <= n - 1; ++k) {
        for (int r = k + 1; r <= n; ++r) {
            const double f = storeSingle(
                checkedQuotient(K.get(k, r), K.get(k, k),
                                "消元时刚度矩阵主元 K(" + num(k) + "," + num(k) + ") 为零（请检查抗弯刚度 EI）"),
                "消元因子");
            for (int c = 1; c <= n; ++c)
                K.set(r, c, double(K.get(r, c)) - f * K.get(k, c));
            P.set(r, double(P.get(r)) - f * P.get(k));
        }
    }

    // Back substitution; P becomes the rotations.
    P.set(n, checkedQuotient(P.get(n), K.get(n, n),
                             "回代时刚度矩阵主元 K(" + num(n) + "," + num(n) + ") 为零（请检查抗弯刚度 EI）"));
    for (int r = n - 1; r >= 1; --r) {
        for (int c = r + 1; c <= n; ++c)
            P.set(r, double(P.get(r)) - double(K.get(r, c)) * P.get(c));
        P.set(r, checkedQuotient(P.get(r), K.get(r, r),
                                 "回代时刚度矩阵主元 K(" + num(r) + "," + num(r) + ") 为零（请检查抗弯刚度 EI）"));
    }

    sink(blanks(3) + "结点序号 " + "结点转角位移");
    for (int j = 1; j <= n; ++j)
        sink(blanks(5) + T(j) + blanks(8) + S(P.get(j)) + blanks(2));

    sink(std::string("杆序号  ") + " 左端弯矩 " + "右端弯矩" + " 左端剪力 " + "右端剪力");

    // Slope-deflection end moments, then the shears: the part due to the end
    // moments (equal at both ends) plus the simple-beam shear.
    SingleMatrix& endMoment = b.endMoment;
    SingleMatrix& endShear = b.endShear;
    for (int k = 1; k <= m; ++k) {
        const double ik = i.get(k);
        const double left = P.get(k);
        const double right = P.get(k + 1);
        endMoment.set(k, 1, 2.0 * ik * right + 4.0 * ik * left + b.M.get(k, 1));
        endMoment.set(k, 2, 4.0 * ik * right + 2.0 * ik * left + b.M.get(k, 2));
        const double length = b.L.get(k);
        const double t = storeSingle(
            checkedQuotient(-double(endMoment.get(k, 1)) - endMoment.get(k, 2), length,
                            "第 " + num(k) + " 杆的杆端剪力中杆长 L(" + num(k) + ") 为零"),
            "第 " + num(k) + " 杆的杆端弯矩剪力项");
        endShear.set(k, 1, t + b.S0.get(k, 1));
        endShear.set(k, 2, t + b.S0.get(k, 2));
        sink(blanks(3) + T(k) + blanks(6) + S(endMoment.get(k, 1)) + blanks(6) + S(endMoment.get(k, 2)) +
             blanks(6) + S(endShear.get(k, 1)) + blanks(8) + S(endShear.get(k, 2)));
    }
}

}  // namespace

std::optional<Fault> computeBeam(BeamModel& model, const LineSink& sink)
{
    return runChecked([&] { solve(model, sink); });
}

}  // namespace beamwizard
