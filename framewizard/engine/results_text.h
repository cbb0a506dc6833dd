#pragma once
// Text of the results lists and of the results file. No Qt.
// Every number is written as blank-signed number text (common::signedText).

#include <optional>
#include <string>
#include <vector>

namespace framewizard::engine {

// Item 0 of List1 (node displacements) and of List2 (section forces).
std::string list1Heading();
std::string list2Heading();

// One List1 line: node number, R, U, V.
std::string nodeLine(double node, double r, double u, double v);

// One List2 line: member number and XP as stored, then N, M, Q.
std::string sectionLine(double member, double xp, double n, double m, double q);

// Content of the results file. Both lists are given with their heading at
// index 0; an index past the end reads as empty text. Written are List1 items
// 1..list1Items.size() (the node lines and one empty record) and List2 items
// 1..list2Items.size()+1 (the section lines and two empty records), each as
// a double quote, the text, a double quote, CR LF. Headings are not written.
std::string resultsFileText(const std::vector<std::string>& list1Items,
                            const std::vector<std::string>& list2Items);

// The fixed results file: "D:\WTG1\STATES.text" on Windows, elsewhere
// <home>/WTG1/STATES.text (home is the user's home folder, without a
// trailing separator).
std::string resultsFilePath(const std::string& home);

struct FileWriteError {
    std::string path;
    std::string message;  // simplified Chinese, names the path and the reason
};

// Creates the folder of `path` if needed, then creates or empties the file
// and writes `content` byte for byte. nullopt on success.
std::optional<FileWriteError> writeResultsFile(const std::string& path, const std::string& content);

}  // namespace framewizard::engine
