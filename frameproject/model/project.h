#pragma once
// The project model of frameproject: one plane frame held program-wide for
// the whole run. The input screens fill it, the solver reads it, the reports
// print it. Plain data, no Qt.
//
// All tables are numbered from 1, like the entries on the screens. A table
// may be longer than its count (see RedimensionKeeping); only entries
// 1..count are part of the project.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace frameproject {

// A row of values addressed by 1..size(). Index 0 is never used.
template <typename T>
class Vector1 {
public:
    std::size_t size() const { return values_.empty() ? 0 : values_.size() - 1; }
    bool contains(std::size_t i) const { return i >= 1 && i <= size(); }

    // Unchecked access; the caller makes sure contains(i) holds.
    T& operator()(std::size_t i) { return values_[i]; }
    const T& operator()(std::size_t i) const { return values_[i]; }

    // Checked access: value() gives 0 outside 1..size(); set() does nothing
    // and returns false outside it.
    T value(std::size_t i) const { return contains(i) ? values_[i] : T{}; }
    bool set(std::size_t i, T v)
    {
        if (!contains(i))
            return false;
        values_[i] = v;
        return true;
    }

    // Created anew with entries 1..count, all 0.
    void assignZeros(std::size_t count) { values_.assign(count == 0 ? 0 : count + 1, T{}); }
    // At least 1..count, keeping every entry; new entries are 0. Never shrinks.
    void growTo(std::size_t count)
    {
        if (count > size())
            values_.resize(count + 1, T{});
    }

private:
    std::vector<T> values_;
};

// A table of Columns fields per entry, entries 1..rows(), fields 1..Columns.
template <typename T, std::size_t Columns>
class Table1 {
public:
    static constexpr std::size_t columns = Columns;

    std::size_t rows() const { return rows_.empty() ? 0 : rows_.size() - 1; }
    bool contains(std::size_t row, std::size_t column) const
    {
        return row >= 1 && row <= rows() && column >= 1 && column <= Columns;
    }

    // Unchecked access; the caller makes sure contains(row, column) holds.
    T& operator()(std::size_t row, std::size_t column) { return rows_[row][column - 1]; }
    const T& operator()(std::size_t row, std::size_t column) const { return rows_[row][column - 1]; }

    T value(std::size_t row, std::size_t column) const
    {
        return contains(row, column) ? rows_[row][column - 1] : T{};
    }
    bool set(std::size_t row, std::size_t column, T v)
    {
        if (!contains(row, column))
            return false;
        rows_[row][column - 1] = v;
        return true;
    }

    void assignZeros(std::size_t count) { rows_.assign(count == 0 ? 0 : count + 1, std::array<T, Columns>{}); }
    void growTo(std::size_t count)
    {
        if (count > rows())
            rows_.resize(count + 1, std::array<T, Columns>{});
    }

private:
    std::vector<std::array<T, Columns>> rows_;
};

struct ProjectModel {
    // Control numbers.
    std::int16_t NE = 0;   // number of elements
    std::int16_t NJ = 0;   // number of nodes
    std::int16_t NS = 0;   // number of special (restrained or tied) nodes
    std::int16_t NPJ = 0;  // number of nodal loads
    std::int16_t NPF = 0;  // number of member loads

    Vector1<double> X;               // node 1..NJ: x coordinate
    Vector1<double> Y;               // node 1..NJ: y coordinate
    // special node 1..NS: node number, U code, V code, Z code
    // (code 0 free, 1 fixed, k > 1 tied to the same displacement of node k)
    Table1<std::int16_t, 4> JS;
    Table1<std::int16_t, 2> JE;      // element 1..NE: start node, end node
    Vector1<double> EA;              // element 1..NE: axial stiffness
    Vector1<double> EI;              // element 1..NE: bending stiffness
    // nodal load 1..NPJ: datum (node + direction/10: .1 x, .2 y, .3 rotation), value
    Table1<double, 2> PJ;
    // member load 1..NPF: element number, type IND (1..12), A, Q
    Table1<double, 4> PF;

    std::string ProjectName;         // as typed on the opening screen, without ".txt"
    std::int16_t ProjectLoaded = 0;  // 1: the tables hold what LoadProject read (see project_file.h)
    std::string ResultText;          // member-end force lines of the last computation, each ended by CR LF
    std::array<double, 7> F{};       // [1..6] end forces of the element last reported; [0] unused
};

// The one model of the running program (the screens share it).
ProjectModel& theProject();

// A refused dimensioning; `message` is simplified Chinese and names the count.
struct ModelError {
    std::string message;
};

// Checks the five control numbers: none negative, NE, NJ and NS not 0.
// nullopt when they are fine.
std::optional<ModelError> CheckControlNumbers(const ProjectModel& model);

// Dimensions the tables anew from the control numbers, all entries 0:
// X, Y to NJ; JS to NS; JE to NE; PJ to NPJ and PF to NPF only when that
// count is not 0 (a skipped table keeps its size and content); EA, EI to NE.
// Refuses (changing nothing) when CheckControlNumbers fails.
std::optional<ModelError> DimensionTables(ProjectModel& model);

// For control numbers changed after a project was read: every table grows
// to at least its count, keeping all existing entries (new entries 0). Tables
// never shrink, so lowering a count and raising it again brings the entries
// back. Refuses (changing nothing) when CheckControlNumbers fails.
std::optional<ModelError> RedimensionKeeping(ProjectModel& model);

// nullopt when every table holds at least its count of entries (the state
// the file writer, the echo and the solver need); otherwise names the table.
std::optional<ModelError> CheckTableSizes(const ProjectModel& model);

}  // namespace frameproject
