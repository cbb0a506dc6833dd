#pragma once
// Small frames built the way the input screens fill the model; shared by the
// engine tests and the screen tests.

#include "framewizard/model/frame_model.h"

#include <vector>

namespace frames {

struct Node { double x, y; };
struct Member { double small, large, ea, ei; };
struct Load { double member, p, a, code; };
struct Section { double member, xp; };

inline framewizard::FrameModel makeModel(const std::vector<Node>& nodes, double fixed,
                                         const std::vector<Member>& members,
                                         const std::vector<Load>& loads = {},
                                         const std::vector<Section>& sections = {})
{
    framewizard::FrameModel m;
    m.nodeCount = static_cast<double>(nodes.size());
    m.fixedNodeCount = fixed;
    m.memberCount = static_cast<double>(members.size());
    m.loadCount = static_cast<double>(loads.size());
    m.sectionCount = static_cast<double>(sections.size());
    m.updateUnknownCount();
    m.redimensionNodes();
    m.redimensionMembers();
    m.redimensionRigidities();
    m.redimensionLoads();
    m.redimensionSections();
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        m.nodeX(i + 1) = nodes[i].x;
        m.nodeY(i + 1) = nodes[i].y;
    }
    for (std::size_t k = 0; k < members.size(); ++k) {
        m.memberSmallEnd(k + 1) = members[k].small;
        m.memberLargeEnd(k + 1) = members[k].large;
        m.memberEA(k + 1) = members[k].ea;
        m.memberEI(k + 1) = members[k].ei;
    }
    for (std::size_t l = 0; l < loads.size(); ++l) {
        m.loadTable(l + 1, 1) = loads[l].member;
        m.loadTable(l + 1, 2) = loads[l].p;
        m.loadTable(l + 1, 3) = loads[l].a;
        m.loadTable(l + 1, 4) = loads[l].code;
    }
    for (std::size_t s = 0; s < sections.size(); ++s) {
        m.sectionTable(s + 1, 1) = sections[s].member;
        m.sectionTable(s + 1, 2) = sections[s].xp;
    }
    return m;
}

// The portal frame: columns 1->3 and 2->4 of height 4, beam 3->4 of span 6,
// a uniform load over the beam, a force on the left column, a couple on the beam.
inline framewizard::FrameModel portalFrame()
{
    return makeModel({{0, 0}, {6, 0}, {0, 4}, {6, 4}}, 2,
                     {{1, 3, 1e6, 1e4}, {3, 4, 1e6, 1e4}, {2, 4, 1e6, 1e4}},
                     {{2, 10, 6, 2}, {1, 5, 2, 1}, {2, 8, 2, 6}},
                     {{2, 3}, {1, 0}, {1, 4}, {2, 6}, {3, 0}});
}

}  // namespace frames
