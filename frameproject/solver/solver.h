#pragma once
// The plane-frame computation of frameproject ("开始计算"): displacement
// numbering from the special-node codes, load vector, half band width,
// banded assembly, band Gauss elimination and member-end forces. No Qt.
//
// Typical use by the screen:
//
//   frameproject::solver::LineCollector out;   // or a sink of your own
//   auto outcome = frameproject::solver::Compute(theProject(), out);
//   // out.messages: "数据错误,重新输入!" once per evaluation of a load
//   //               whose IND is outside 1..12 (show each as a message box)
//   list->addItems(out.lines);                  // everything emitted, in order
//   if (!outcome.ok()) show(outcome.error->message);
//
// Lines reach the sink in this order: numbering block, load-vector block,
// band line, displacement block, end-force block. The model is checked
// before anything is emitted; a check failure emits nothing. A band matrix
// too large for memory and a vanishing pivot are found after the band line
// (the lines up to it have been emitted). On success
// model.F holds the forces of the last element and model.ResultText the
// end-force heading and lines, each ended by CR LF; on failure ResultText is
// emptied (it never shows results of another model) and F is 0.
//
// Arithmetic runs in one fixed order (sums from 0 in ascending index order,
// no fused multiply-add), so the same model always gives the same digits.

#include "frameproject/model/project.h"
#include "frameproject/solver/fixed_end_forces.h"
#include "frameproject/solver/reports.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace frameproject::solver {

enum class SolveErrorKind {
    BadCounts,       // control numbers negative, NE or NJ zero, a table shorter than its count
    NodeNumber,      // a node number in JS or JE outside 1..NJ
    TieCode,         // a tie code above NJ
    TieCycle,        // ties that lead back to where they started
    NodalLoad,       // a nodal-load datum whose node or direction (1..3) is out of range
    LoadElement,     // a member load on an element number outside 1..NE
    DisplacementCode,// types 8 to 10 with a displacement code outside 1..6
    ZeroLength,      // an element whose two end nodes coincide
    NoUnknowns,      // N = 0: every displacement is fixed
    ElementUnnumbered,// an element all of whose six displacements are fixed
    NotFinite,       // an input value that is infinite or not a number
    TooLarge,        // the band matrix would not fit in memory
    Singular,        // a vanishing pivot: the structure is unstable
};

struct SolveError {
    SolveErrorKind kind;
    std::size_t item = 0;    // node, element or load number named (0: the whole frame)
    std::string message;     // simplified Chinese, names the item
};

struct SolveOutcome {
    std::optional<SolveError> error;
    bool ok() const { return !error; }
};

// Pivot test: a pivot counts as vanishing when its magnitude is not above
// kPivotTolerance times that of the same diagonal entry before elimination.
inline constexpr double kPivotTolerance = 1e-12;

// Largest band matrix (N x NW numbers) a run will create.
inline constexpr std::size_t kMaxBandEntries = std::size_t{1} << 27;

// The computation with its working state, which the screen may keep between
// runs (each run sizes and fills it anew). The step routines work on the
// state left by the steps before them and assume a model that passed
// Validate(); Run() calls everything in the right order.
class PlaneFrameSolver {
public:
    explicit PlaneFrameSolver(ProjectModel& model) : model_(model) {}

    // The whole computation; see the file comment.
    SolveOutcome Run(ReportSink& sink);

    // Every condition the steps rely on, including the tie resolution;
    // nullopt when the model can be computed.
    std::optional<SolveError> Validate() const;

    void ElementGeometry();   // L, C, S of element IE
    void LocationVector();    // LV of element IE from JN
    void ElementBandWidth();  // ElementBand of element IE; leaves LV sorted descending
    void ElementStiffness();  // KE of element IE in global axes (after ElementGeometry)
    // FO of member load j (IE set to its element, ElementGeometry done).
    // A bad IND reports kBadLoadTypeMessage to the sink given to Run.
    void FixedEndForces(std::size_t j);

    // Working state (1-based; index 0 unused where arrays are).
    std::vector<std::array<std::int32_t, 4>> JN;  // JN[i][k]: displacement number of node i, k = 1 x, 2 y, 3 rotation (0 fixed)
    std::int32_t N = 0;                           // number of equations
    std::vector<double> P;                        // P[1..N] load vector, then displacements
    std::int32_t NW = 0;                          // half band width incl. the diagonal
    std::vector<double> KB;                       // band: KB(i, j) at [(i-1)*NW + j-1] = global entry (i, i+j-1)
    std::size_t IE = 0;                           // element being processed
    double L = 0, C = 0, S = 0;                   // its length and direction cosines
    std::array<std::int32_t, 7> LV{};             // its location vector
    std::int32_t ElementBand = 0;                 // its band width
    std::array<std::array<double, 7>, 7> KE{};    // its stiffness in global axes
    EndForces FO{}, FE{}, DE{}, FG{};             // fixed-end forces, equivalent loads, end displacements, end forces from DE

    double& kb(std::size_t i, std::size_t j) { return KB[(i - 1) * static_cast<std::size_t>(NW) + (j - 1)]; }

private:
    std::optional<SolveError> Solve();  // elimination and back substitution

    ProjectModel& model_;
    ReportSink* sink_ = nullptr;
};

// Convenience: PlaneFrameSolver(model).Run(sink).
SolveOutcome Compute(ProjectModel& model, ReportSink& sink);

}  // namespace frameproject::solver
