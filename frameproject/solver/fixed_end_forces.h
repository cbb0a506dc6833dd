#pragma once
// Fixed-end forces of one member load in the local axes of its element.
// Local axes: x̄ from the start node to the end node, ȳ = (-S, C); moments
// and rotations positive in the sense that turns +x toward -y.

#include <array>

namespace frameproject::solver {

// FO[1..6]: axial force, transverse force, moment at the start node, then the
// same at the end node. FO[0] is unused.
using EndForces = std::array<double, 7>;

enum class FixedEndStatus {
    Ok,
    BadType,  // IND outside 1..12: FO all 0, the load counts as absent
    BadCode,  // types 8 to 10 with a displacement code outside 1..6: FO all 0
    BadLength // L not positive (or not finite): FO all 0
};

struct FixedEndResult {
    EndForces FO{};
    FixedEndStatus status = FixedEndStatus::Ok;
};

// The message shown for an IND outside 1..12.
inline constexpr const char* kBadLoadTypeMessage = "数据错误,重新输入!";

// indField and a as stored in the member-load table (their integer parts,
// the largest integers not above them, select the type and, for types 8 to
// 10, the displacement code); q the load or displacement value; L, EA, EI of
// the loaded element.
//   1 uniform transverse load Q over the first A     7 opposite transverse end forces
//   2 transverse force Q at A                         8 end displacement Q along x̄ at code A
//   3 couple Q at A                                   9 end displacement Q along ȳ at code A
//   4 transverse load rising 0..Q over the first A   10 end rotation Q at code A
//   5 axial force Q at A                             11 axial effect A·EA·Q
//   6 uniform axial load Q over the first A          12 bending effect 2·A·EI·Q
FixedEndResult FixedEndForces(double indField, double a, double q, double L, double EA, double EI);

}  // namespace frameproject::solver
