#pragma once
// The frame model of framewizard: everything the input screens collect about
// one plane rigid frame, held program-wide for the whole run. Plain data, no Qt.
//
// Numbering used throughout:
//  - nodes 1..fixedNodeCount are clamped supports, the others are free rigid
//    joints with three unknowns each;
//  - free node n owns the unknowns k-2 (rotation R), k-1 (U along x) and
//    k (V along y), with k = 3 x (n - fixedNodeCount);
//  - a member runs from its small-end node to its large-end node.
// All arrays are numbered from 1, like the items on the screens.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace framewizard {

// Largest number of items any array of the model is sized to. A count above
// it is refused by the re-dimension helpers (it could not be typed in anyway
// and would only exhaust memory).
inline constexpr std::size_t kMaxModelItems = 1'000'000;

// A count or item number stored as a double, rounded to a whole number
// (halves to the even neighbour). Gives nullopt for values that are not
// finite, negative after rounding, or above kMaxModelItems.
std::optional<std::size_t> roundedIndex(double number);

// True when the count is usable as typed: finite, whole, 0..kMaxModelItems.
bool isWholeCount(double count);

// A row of numbers addressed by 1..size(). Index 0 is never used.
class Series {
public:
    std::size_t size() const { return values_.empty() ? 0 : values_.size() - 1; }
    bool contains(std::size_t i) const { return i >= 1 && i <= size(); }

    // Unchecked access; the caller makes sure contains(i) holds.
    double& operator()(std::size_t i) { return values_[i]; }
    double operator()(std::size_t i) const { return values_[i]; }

    // Checked access: value() gives 0 outside 1..size(); set() does nothing
    // and returns false outside it.
    double value(std::size_t i) const { return contains(i) ? values_[i] : 0.0; }
    bool set(std::size_t i, double v);

    // Re-dimensions to 1..count keeping every value whose index survives;
    // new items are 0.
    void resize(std::size_t count);

private:
    std::vector<double> values_;
};

// A table of Columns numbers per row, rows 1..rows(), columns 1..Columns.
template <std::size_t Columns>
class Table {
public:
    static constexpr std::size_t columns = Columns;

    std::size_t rows() const { return rows_.empty() ? 0 : rows_.size() - 1; }
    bool contains(std::size_t row, std::size_t column) const
    {
        return row >= 1 && row <= rows() && column >= 1 && column <= Columns;
    }

    // Unchecked access; the caller makes sure contains(row, column) holds.
    double& operator()(std::size_t row, std::size_t column) { return rows_[row][column - 1]; }
    double operator()(std::size_t row, std::size_t column) const { return rows_[row][column - 1]; }

    double value(std::size_t row, std::size_t column) const
    {
        return contains(row, column) ? rows_[row][column - 1] : 0.0;
    }
    bool set(std::size_t row, std::size_t column, double v)
    {
        if (!contains(row, column))
            return false;
        rows_[row][column - 1] = v;
        return true;
    }

    // Re-dimensions to rows 1..count keeping the rows that survive; new rows are 0.
    void resize(std::size_t count) { rows_.resize(count == 0 ? 0 : count + 1, std::array<double, Columns>{}); }

private:
    std::vector<std::array<double, Columns>> rows_;
};

struct FrameModel {
    // Counts, stored as typed by the basic-parameter screen.
    double nodeCount = 0;
    double fixedNodeCount = 0;
    double memberCount = 0;
    double loadCount = 0;
    double sectionCount = 0;
    double unknownCount = 0;  // 3 x (nodeCount - fixedNodeCount)
    double bandWidth = 0;     // half-bandwidth incl. diagonal; written by each analysis run

    // Item cursors of the entry and check screens (the analysis never reads them).
    double nodeCursor = 0;
    double nodeCheckCursor = 0;
    double memberCursor = 0;
    double memberCheckCursor = 0;
    std::int16_t rigidityCursor = 0;
    double rigidityCheckCursor = 0;
    double loadCursor = 0;
    double sectionCursor = 0;

    // Data arrays, numbered from 1.
    Series nodeX;           // node 1..nodeCount: x coordinate
    Series nodeY;           // node 1..nodeCount: y coordinate
    Series memberSmallEnd;  // member 1..memberCount: node number of the small end
    Series memberLargeEnd;  // member 1..memberCount: node number of the large end
    Series memberEA;        // member 1..memberCount: axial rigidity
    Series memberEI;        // member 1..memberCount: flexural rigidity
    Table<4> loadTable;     // load 1..loadCount: member, P, a, type code
    Table<2> sectionTable;  // section 1..sectionCount: member, XP

    // unknownCount = 3 x (nodeCount - fixedNodeCount), as the count screen stores it.
    void updateUnknownCount() { unknownCount = 3 * (nodeCount - fixedNodeCount); }

    // Re-dimension helpers called by the load steps of the entry screens.
    // Each sizes its arrays to 1..(count rounded half-even), keeping stored
    // values. A count that is not finite, rounds below 0 or exceeds
    // kMaxModelItems leaves the arrays as they are and returns false.
    bool redimensionNodes();       // nodeX, nodeY to nodeCount
    bool redimensionMembers();     // memberSmallEnd, memberLargeEnd to memberCount
    bool redimensionRigidities();  // memberEA, memberEI to memberCount
    bool redimensionLoads();       // loadTable to loadCount rows
    bool redimensionSections();    // sectionTable to sectionCount rows
};

}  // namespace framewizard
