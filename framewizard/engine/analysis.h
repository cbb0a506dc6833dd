#pragma once
// Matrix displacement analysis of the frame model: half-bandwidth, member
// stiffness and banded assembly, equivalent nodal loads, band Gauss
// elimination, and the internal forces at the check sections. No Qt.
//
// Typical use by the results screen:
//
//   struct Lists : framewizard::engine::AnalysisListener {
//       void addList1Item(const std::string& t) override { list1->addItem(...t...); }
//       void addList2Item(const std::string& t) override { list2->addItem(...t...); }
//   } lists;
//   auto outcome = framewizard::engine::runAnalysis(model, &lists);
//   if (!outcome.ok()) { show(outcome.error->message); go back; }
//
// The arithmetic of every step follows one fixed order (sums from 0 in
// ascending index order, no fused multiply-add), so the same model always
// gives the same digits.

#include "framewizard/model/frame_model.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace framewizard::engine {

// What went wrong; `item` is the node, member, load or section number the
// message names (0 when the problem concerns the whole frame).
enum class ErrorKind {
    BadCount,        // a count that is not a whole number 0..kMaxModelItems
    MissingData,     // an array shorter than its count (its screen was skipped)
    NoFreeNode,      // unknownCount < 3: nothing to solve for
    NotFinite,       // an input or intermediate value is infinite or not a number
    MemberEnds,      // member end numbers: out of range, large end fixed, small end not below large end
    ZeroLength,      // the two end nodes of a member coincide
    NodeNotReached,  // a free node no member is connected to
    LoadMember,      // a load on a member number that does not exist
    LoadType,        // a load type code whose rounded absolute value exceeds 255
    SectionMember,   // a check section on a member number that does not exist
    SectionLoad,     // a linearly rising load with a = 0 beyond a section at negative XP
    TooLarge,        // the band matrix would not fit in memory
    Singular,        // a vanishing pivot: the frame is a mechanism
};

struct AnalysisError {
    ErrorKind kind;
    std::size_t item = 0;
    std::string message;  // simplified Chinese, names the item
};

// Rotation and displacements of one free node.
struct NodeDisplacement {
    std::size_t node = 0;
    double r = 0;  // rotation R
    double u = 0;  // horizontal displacement U
    double v = 0;  // vertical displacement V
};

// Internal forces at one check section; member and xp as stored in the model.
struct SectionForces {
    double member = 0;
    double xp = 0;
    double n = 0;  // axial force, tension positive
    double m = 0;  // bending moment
    double q = 0;  // shear force
};

struct AnalysisResults {
    std::size_t bandWidth = 0;
    std::vector<NodeDisplacement> nodes;    // free nodes in ascending order
    std::vector<SectionForces> sections;    // in sectionTable order
};

struct AnalysisOutcome {
    std::optional<AnalysisError> error;  // set: there are no valid results
    AnalysisResults results;             // meaningful only when ok()
    bool ok() const { return !error; }
};

// Receives the list lines while the run proceeds, in this order:
//  1. addList2Item(List2 heading), before anything is computed;
//  2. after the solution: addList1Item(List1 heading), then one node line per free node;
//  3. addList2Item(section line) as each section is computed.
// When validation fails nothing is reported; a later failure (a vanishing
// pivot, a band too large, a value overflowing) can come after some lines.
// Either way the outcome carries the error, its results are empty, and the
// lines reported are no valid results.
class AnalysisListener {
public:
    virtual ~AnalysisListener() = default;
    virtual void addList1Item(const std::string& text) = 0;
    virtual void addList2Item(const std::string& text) = 0;
};

// Pivot test of the elimination: a pivot is taken as vanishing when it is 0,
// not finite, or its magnitude is not above kPivotTolerance times the
// magnitude of the same diagonal entry before elimination. The pivot of a
// freedom is its diagonal stiffness less what the freedoms before it take up.
// In a mechanism (a floating frame, columns without bending stiffness) what is
// left is rounding noise, 1e-14 of the diagonal or less, whatever the ratio of
// axial to bending stiffness; in a sound frame the ratio falls roughly like
// EI / (EA L^2), so 1e-12 only refuses frames whose stiffnesses differ by
// twelve orders of magnitude, which would have lost every significant digit.
inline constexpr double kPivotTolerance = 1e-12;

// Largest band matrix (unknownCount x bandWidth numbers) a run will create.
inline constexpr std::size_t kMaxBandEntries = std::size_t{1} << 27;  // 1 GiB of doubles

// The analysis of one frame model, with the step operations sub2..sub15.
// Each step works on the analysis variables (current member, load, section,
// the member geometry and the work arrays) left by the steps before it.
// The steps assume a model that passed validate(); run() does everything in
// the right order and is what a screen normally calls.
class FrameAnalysis {
public:
    explicit FrameAnalysis(FrameModel& model) : model_(model) {}

    // The whole run: validate, sub2, arrays, assembly, loads, sub13, sections.
    // Writes model.bandWidth. Reports list lines to `listener` if given.
    AnalysisOutcome run(AnalysisListener* listener = nullptr);

    // Checks every condition the steps rely on; nullopt when the model is fine.
    std::optional<AnalysisError> validate() const;

    // Creates the band matrix, load vector and work arrays, all zero
    // (after sub2, which fixes their size).
    void createArrays();

    // Current item of the member, load and section loops.
    void setMember(std::size_t k);   // current member k
    void setLoad(std::size_t l);     // current member, P, a, type code from loadTable row l
    void setSection(std::size_t s);  // current member and XP from sectionTable row s

    void sub2();   // half-bandwidth -> model.bandWidth
    void sub3();   // length L and direction cosines c, s of the current member
    void sub4();   // geometryMatrix A (end freedoms -> four deformations)
    void sub5();   // basicStiffness k̄ (four deformations -> four basic forces)
    void sub6();   // stiffnessTimesGeometry = k̄·A
    void sub7();   // geometryTranspose = Aᵀ
    void sub8();   // elementStiffness = Aᵀ·(k̄·A)
    void sub9();   // locationVector of the current member
    void sub10();  // adds elementStiffness into globalStiffness
    void sub11();  // fixedEndForces of the current load
    void sub12();  // equivalent nodal loads of the current load into loadVector
    // Band Gauss elimination in place; loadVector becomes the displacements.
    // Fails with ErrorKind::Singular (naming node and freedom) on a vanishing pivot.
    std::optional<AnalysisError> sub13();
    void sub14();  // adds the current load's part to sectionForces
    void sub15();  // sets sectionForces from the node displacements

    // Sizes fixed by sub2 / the model.
    std::size_t unknowns() const { return n_; }
    std::size_t band() const { return b_; }

    // Band matrix, row-major: entry (i, d), 1-based, is at [(i-1)*band() + d-1]
    // and holds K[i][i+d-1]. Load vector: unknown i at [i-1].
    std::vector<double>& globalStiffness() { return globalStiffness_; }
    std::vector<double>& loadVector() { return loadVector_; }
    const std::vector<double>& globalStiffness() const { return globalStiffness_; }
    const std::vector<double>& loadVector() const { return loadVector_; }

    // Work values of the last step (1-based where the arrays are; index 0 unused).
    double length() const { return L_; }
    const double* fixedEndForces() const { return fixedEndForces_; }    // [1..6]: M_i N_i Q_i M_j N_j Q_j
    const double* equivalentLoads() const { return equivalentLoads_; }  // [1..6]
    const double* sectionForces() const { return sectionForces_; }      // [1..3]: N M Q
    const long* locationVector() const { return locationVector_; }      // [1..6]

private:
    AnalysisOutcome runSteps(AnalysisListener* listener);

    FrameModel& model_;

    std::size_t n_ = 0;  // unknownCount
    std::size_t b_ = 0;  // bandWidth

    // Analysis variables.
    std::size_t k_ = 0;     // current member (rounded)
    double L_ = 0, c_ = 0, s_ = 0;
    double P_ = 0, a_ = 0;
    long loadKind_ = 1;     // rounded absolute type code
    double XP_ = 0;
    double alpha_ = 0, beta_ = 0;

    // Work arrays, 1-based (row/column 0 unused).
    double geometryMatrix_[5][7] = {};
    double basicStiffness_[5][5] = {};
    double stiffnessTimesGeometry_[5][7] = {};
    double geometryTranspose_[7][5] = {};
    double elementStiffness_[7][7] = {};
    long locationVector_[7] = {};
    double fixedEndForces_[7] = {};
    double equivalentLoads_[7] = {};
    double elementDisplacements_[7] = {};
    double basicForces_[5] = {};
    double loadSectionTerm_[4] = {};
    double sectionForces_[4] = {};

    std::vector<double> globalStiffness_;
    std::vector<double> loadVector_;
};

// Convenience: FrameAnalysis(model).run(listener).
AnalysisOutcome runAnalysis(FrameModel& model, AnalysisListener* listener = nullptr);

}  // namespace framewizard::engine
