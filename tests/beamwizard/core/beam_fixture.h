#pragma once
// Builds a beam the way the input screens do: field texts padded to the
// number of fields each screen has, then the confirm buttons in screen order.

#include "beamwizard/model/beam_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace beamwizard::testing {

struct BeamInput {
    std::string nodes, left, right;
    std::vector<std::string> L, EI, P, M, S0;
};

inline std::vector<std::string> padded(std::vector<std::string> texts, std::size_t fields)
{
    texts.resize(fields);
    return texts;
}

inline std::vector<std::string> spanFields(std::vector<std::string> t) { return padded(std::move(t), 6); }
inline std::vector<std::string> nodeFields(std::vector<std::string> t) { return padded(std::move(t), 7); }
inline std::vector<std::string> endFields(std::vector<std::string> t) { return padded(std::move(t), 12); }

inline BeamModel makeBeam(const BeamInput& in)
{
    BeamModel b;
    EXPECT_FALSE(confirmBasicParameters(b, in.nodes, in.left, in.right));
    EXPECT_FALSE(confirmSpanLengths(b, spanFields(in.L)));
    EXPECT_FALSE(confirmStiffnesses(b, spanFields(in.EI)));
    EXPECT_FALSE(confirmCouples(b, nodeFields(in.P)));
    EXPECT_FALSE(confirmFixedEndMoments(b, endFields(in.M)));
    EXPECT_FALSE(confirmSimpleBeamShears(b, endFields(in.S0)));
    return b;
}

// The worked example: 3 nodes, both ends hinged, span 1 under a uniform
// downward load of 10 per unit length, span 2 unloaded.
inline BeamInput workedExample()
{
    return {"3", "0", "0", {"6", "6"}, {"1", "1"}, {"0", "0", "0"},
            {"-30", "30", "0", "0"}, {"30", "-30", "0", "0"}};
}

struct Lines {
    std::vector<std::string> lines;
    LineSink sink()
    {
        return [this](const std::string& line) { lines.push_back(line); };
    }
};

}  // namespace beamwizard::testing
