#pragma once
// What the output screens show of the beam, as data a screen can draw,
// list or print. No Qt; nothing here changes the model.

#include "beamwizard/model/beam_model.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace beamwizard {

// --- Form5 "输 出 原 始 数 据": the input listing, one list line per sink call:
// node count and support codes, spans with L and EI, nodes with the couples
// as entered, then M and S0 span by span. Stops at the first array that does
// not exist or is too small for the current node count; the lines delivered
// before it stay with the caller.
std::optional<Fault> appendInputListing(const BeamModel& model, const LineSink& sink);

// --- Form6 "输出": captions for the label arrays Label5..Label8, in the order
// they are set. For every node j: Label5(j) and Label6(j) to " ", then
// Label5(j) to the node number and Label6(j) to the rotation P(j); then for
// every span k: Label7(k) and Label8(k) to " ", then to endMoment(k, 1) and
// endMoment(k, 2). Rows beyond the counts are not touched.
struct LabelCaption {
    int labelArray;  // 5, 6, 7 or 8
    int row;         // 1..rowCount
    std::string caption;
};

struct LabelCaptions {
    std::vector<LabelCaption> captions;  // apply in this order, also after a fault
    std::optional<Fault> fault;          // what stopped the filling, if anything
};

// `rowCount` is the number of label rows the screen has (7); a row beyond it
// is an out-of-range fault. Before any computation the rotation part is
// filled and the missing endMoment then stops it.
LabelCaptions resultLabelCaptions(const BeamModel& model, int rowCount);

// --- Form7 "显 示 结 果" / "打 印 结 果": the result text.
// Each line is a list of items placed at character columns; column 1 is the
// left edge, a column is the average character width of the font. Should the
// print position already be past an item's column, the item goes to that
// column of the next line.
struct PrintItem {
    int column;
    std::string text;
};
using PrintLine = std::vector<PrintItem>;

struct ResultText {
    std::vector<PrintLine> lines;  // complete lines made before any fault
    std::optional<Fault> fault;
};

// Rotation heading and one line per node (number and F(P(j))), then the
// span heading and one line per span (number, F of both end moments and
// both end shears). Before any computation it stops after the span heading
// with the out-of-range fault of endMoment.
ResultText buildResultText(const BeamModel& model);

// x in the pattern "####0.000": at least one digit before the point, exactly
// three after it, rounded (halves away from zero: 2.0625 -> "2.063"), "-"
// before a value that is still negative after rounding ("0.000" for
// -0.0001), no grouping, no padding. 67.5 -> "67.500", -45 -> "-45.000".
std::string fixed3(double x);

// A whole number "printed as a number": sign place (blank or "-"), digits,
// one trailing blank. 1 -> " 1 ".
std::string printedNumber(int k);

// Character columns a text takes in a fixed-pitch rendering: 2 for wide
// (CJK, full-width) characters, 1 for the others. UTF-8 input.
int textColumns(std::string_view text);

// A print line as plain text by the column rule, with textColumns widths;
// usually one string, more when an item had to go to the next line.
std::vector<std::string> composeLine(const PrintLine& line);

// All lines composed one after the other.
std::vector<std::string> composeLines(const std::vector<PrintLine>& lines);

}  // namespace beamwizard
