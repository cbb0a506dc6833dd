#pragma once
// The continuous beam typed in by the user, held program-wide for the whole
// run (one instance, owned by the program and handed to every screen).
// Plain data, no Qt.
//
// Nodes are numbered 1..n from left to right; span k joins node k (its end 1,
// the left end) to node k + 1 (its end 2, the right end). Moments, couples,
// shears and rotations are clockwise positive.
//
// Arrays (see checked.h) exist only once their writer has run and are made
// anew, all zero, each time it runs, sized from beamNodeCount as it is then:
// n - 1 entries for L, EI, lineStiffness; n for P and enteredCouple;
// (n - 1) x 2 for M, S0, endMoment, endShear; n x n for stiffnessMatrix.
// Nothing is resized when beamNodeCount changes later: a reader that needs
// more elements meets a subscript-out-of-range fault.
//
// The couples as typed are kept in enteredCouple. P holds them too until the
// solver runs; the solver then starts P afresh from enteredCouple, turns it
// into the equivalent nodal couples and solves in place, so that afterwards
// P(j) is the rotation of node j. Computing again therefore gives the same
// results, and the input listing always shows the couples as entered.

#include "beamwizard/model/checked.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace beamwizard {

struct BeamModel {
    std::int16_t beamNodeCount = 0;     // n; the beam has n - 1 spans
    std::int16_t leftSupportCode = 0;   // node 1: 1 = fixed end, anything else hinged
    std::int16_t rightSupportCode = 0;  // node n: same codes

    SingleVector L{"杆长 L"};                    // span lengths, 1..n-1
    SingleVector EI{"抗弯刚度 EI"};              // bending stiffnesses (relative values allowed), 1..n-1
    SingleVector P{"结点力偶/转角 P"};           // couples, after a computation the node rotations, 1..n
    SingleVector enteredCouple{"结点力偶 P"};    // the couples as typed, 1..n
    SingleMatrix M{"固端弯矩 M"};                // fixed-end moments (k, 1) left, (k, 2) right
    SingleMatrix S0{"简支梁剪力 S0"};            // simple-beam end shears (k, 1) left, (k, 2) right
    SingleVector lineStiffness{"线刚度 i"};      // EI(k) / L(k)
    SingleMatrix stiffnessMatrix{"刚度矩阵 K"};  // n x n rotation stiffness, eliminated after a run
    SingleMatrix endMoment{"杆端弯矩 M"};        // member-end moments (k, 1) left, (k, 2) right
    SingleMatrix endShear{"杆端剪力 Q"};         // member-end shears (k, 1) left, (k, 2) right
};

// A field text read as a number: lenient parse, stored in single precision.
// A magnitude beyond the float range is an overflow fault naming `what`.
float readSingle(std::string_view text, const std::string& what);

// A field text read as a count or code: lenient parse, rounded to the nearest
// integer (halves to even); outside -32768..32767 is an overflow fault.
std::int16_t readCount(std::string_view text, const std::string& what);

// --- The confirm buttons. Each returns nullopt on success or the fault that
// stopped it; a stopped confirm leaves what it had done (an array already
// created and partly filled). `fields` are the texts of the screen's field
// array in index order, fields[0] being field 1; only the fields the current
// beamNodeCount needs are read. Needing a field beyond fields.size() (a node
// count above what the screen serves) is a subscript-out-of-range fault, and
// so is a node count below 1 (no array for a negative number of spans).

// Form2 "确   定": Combo1, Combo2, Combo3 into beamNodeCount, leftSupportCode,
// rightSupportCode, in this order. No range check: any count and code pass.
std::optional<Fault> confirmBasicParameters(BeamModel& model, std::string_view nodeCountText,
                                            std::string_view leftCodeText,
                                            std::string_view rightCodeText);

// Form3 "确认" of the length frame: L(k) = Text1(k), k = 1..n-1.
std::optional<Fault> confirmSpanLengths(BeamModel& model, std::span<const std::string> fields);

// Form3 "确认" of the stiffness frame: EI(k) = Text2(k), k = 1..n-1.
std::optional<Fault> confirmStiffnesses(BeamModel& model, std::span<const std::string> fields);

// Form3 "确认" of the couple frame: P(j) = enteredCouple(j) = Text3(j), j = 1..n.
std::optional<Fault> confirmCouples(BeamModel& model, std::span<const std::string> fields);

// Form4 "确 认": M(k, e) = Text1(2(k-1) + e), k = 1..n-1, e = 1, 2.
std::optional<Fault> confirmFixedEndMoments(BeamModel& model, std::span<const std::string> fields);

// Form8 "确  认": S0(k, e) = Text1(2(k-1) + e), k = 1..n-1, e = 1, 2.
std::optional<Fault> confirmSimpleBeamShears(BeamModel& model, std::span<const std::string> fields);

// How many fields of each array a confirm or clear button addresses for node
// count n (may be negative or exceed the fields a screen has).
inline int spanFieldsNeeded(int n) { return n - 1; }           // Text1/Text2 of Form3
inline int nodeFieldsNeeded(int n) { return n; }               // Text3 of Form3
inline int spanEndFieldsNeeded(int n) { return 2 * (n - 1); }  // Text1 of Form4, Form8

// For the clear buttons: nullopt when fields 1..needed all exist on a screen
// that has `available` of them (needed <= 0 addresses none), otherwise the
// out-of-range fault naming field `available + 1` of `fieldLabel` (e.g. "杆长").
std::optional<Fault> checkFieldsExist(int needed, int available, const std::string& fieldLabel);

}  // namespace beamwizard
