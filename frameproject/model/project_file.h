#pragma once
// The project file: plain text of numbers in CR LF lines, named after the
// project, in a folder the caller passes in (the program's own folder).
//
//   line 1       NE NJ NS NPJ NPF
//   line 2       " X(1) X(2) ... X(NJ)"   (each value after one blank)
//   line 3       " Y(1) ... Y(NJ)"
//   NS lines     node U V Z
//   NE lines     start end EA EI
//   NPJ lines    datum value
//   NPF lines    element IND A Q
//
// Numbers are written as common::plainText. The reader takes the file as a
// stream of numbers separated by blanks, tabs, commas or line ends; line
// boundaries carry no meaning and anything after the last member load is
// ignored. 16-bit fields are rounded half to even.

#include "frameproject/model/project.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace frameproject {

// folder / (name + ".txt")
std::filesystem::path ProjectPath(const std::filesystem::path& folder, std::string_view projectName);

// The whole file content for the model. Needs CheckTableSizes to pass.
std::string ProjectText(const ProjectModel& model);

// A failed save; `message` is simplified Chinese with the path and the reason.
struct SaveError {
    std::string message;
};

// Writes the model to ProjectPath(folder, model.ProjectName). The text goes
// to a temporary file beside the project file, is flushed to disk, and only
// then renamed over the old file, so a failed save leaves the previous
// project file exactly as it was. Refuses when CheckTableSizes fails.
std::optional<SaveError> SaveProject(const ProjectModel& model, const std::filesystem::path& folder);

// Where the reader stopped.
enum class LoadSection {
    None,            // nothing stopped: the whole project was read
    File,            // the file could not be opened or read
    ControlNumbers,  // NE NJ NS NPJ NPF
    Dimensioning,    // the control numbers were refused by DimensionTables
    X,
    Y,
    SpecialNodes,    // JS
    Elements,        // JE, EA, EI
    NodalLoads,      // PJ
    MemberLoads,     // PF
};

struct LoadReport {
    bool complete = false;               // every field of the project was read
    LoadSection section = LoadSection::None;
    std::size_t entry = 0;               // 1-based entry of that section (node, element, load ...); 0 for File/Dimensioning
    std::size_t field = 0;               // 1-based field within the entry (0 where a section has one field per entry)
    std::string message;                 // simplified Chinese, names section, entry and reason; empty when complete
};

// Reads ProjectPath(folder, model.ProjectName) into the model:
// the control numbers are set to 0, then read; the tables are dimensioned
// (DimensionTables) and filled in file order. What was read before a failure
// stays in the model. A token that is not a number, a 16-bit field outside
// -32768..32767, refused control numbers or the end of the file before the
// last field all stop the reading and are reported in the LoadReport.
//
// ProjectLoaded afterwards: 1 when the tables were dimensioned from this
// file's control numbers (the whole project was read, or reading stopped
// later than that: the tables then hold the entries read and 0 after them),
// 0 when reading stopped before the tables could be dimensioned.
LoadReport LoadProject(ProjectModel& model, const std::filesystem::path& folder);

// The same reading rules on a text in memory (LoadProject reads the file and
// calls this).
LoadReport ParseProject(ProjectModel& model, std::string_view text);

}  // namespace frameproject
