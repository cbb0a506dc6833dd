#pragma once
// The continuous-beam solver: slope-deflection equations in the node
// rotations, solved by Gauss elimination in natural order, then the moment
// and the shear at both ends of every span. No Qt.

#include "beamwizard/model/beam_model.h"

#include <optional>

namespace beamwizard {

// Form5 "开 始 计 算". Reads beamNodeCount, the support codes, L, EI,
// enteredCouple, M and S0; creates lineStiffness, stiffnessMatrix, endMoment
// and endShear anew; starts P afresh from enteredCouple and leaves the node
// rotations in it. Every value is stored in single precision.
//
// Lines go to `sink` as they are made: the rotation heading and one line per
// node once the equations are solved, then the span heading and one line per
// span, each appended before the next span is computed.
//
// Returns nullopt on success, else the fault that stopped the run (a zero
// span length or pivot, a value beyond single precision, an input array never
// confirmed or confirmed for fewer nodes). A stopped run leaves the model and
// the lines delivered as far as it got.
std::optional<Fault> computeBeam(BeamModel& model, const LineSink& sink);

}  // namespace beamwizard
