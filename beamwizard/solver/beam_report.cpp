#include "beamwizard/solver/beam_report.h"

#include "common/numbers.h"

#include <cmath>
#include <cstdio>

namespace beamwizard {
namespace {

std::string S(float x) { return common::signedTextSingle(x); }
std::string S(int k) { return common::signedText(static_cast<double>(k)); }
std::string T(int k) { return common::plainText(static_cast<double>(k)); }
std::string blanks(int count) { return std::string(static_cast<std::size_t>(count), ' '); }

void listInput(const BeamModel& b, const LineSink& sink)
{
    const int n = b.beamNodeCount;

    sink(std::string("结点数 ") + " 左端信息" + " 右端信息");
    sink(S(n) + blanks(7) + S(int{b.leftSupportCode}) + blanks(8) + S(int{b.rightSupportCode}));

    sink(std::string(" 杆序号  ") + "杆长度" + " 刚度EI");
    for (int k = 1; k <= n - 1; ++k) {
        // Read in listing order, so a short array is reported where it shows.
        const float length = b.L.get(k);
        const float stiffness = b.EI.get(k);
        sink(blanks(4) + T(k) + blanks(4) + S(length) + blanks(4) + S(stiffness));
    }

    sink(blanks(3) + "结点序号 " + "结点力偶荷载");
    for (int j = 1; j <= n; ++j)
        sink(blanks(5) + T(j) + blanks(8) + S(b.enteredCouple.get(j)) + blanks(2));

    sink(std::string("杆序号  ") + " 左端固端弯矩 " + "右端固端弯矩");
    for (int k = 1; k <= n - 1; ++k)
        sink(blanks(3) + T(k) + blanks(8) + S(b.M.get(k, 1)) + blanks(10) + S(b.M.get(k, 2)));

    sink(std::string("杆序号  ") + " 左端固端剪力 " + "右端固端剪力");
    for (int k = 1; k <= n - 1; ++k)
        sink(blanks(3) + T(k) + blanks(8) + S(b.S0.get(k, 1)) + blanks(10) + S(b.S0.get(k, 2)));
}

// Decodes one UTF-8 code point starting at text[pos]; advances pos.
char32_t nextCodePoint(std::string_view text, std::size_t& pos)
{
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
    const unsigned char lead = byte(pos);
    int extra = 0;
    char32_t cp = lead;
    if (lead >= 0xF0) {
        extra = 3;
        cp = lead & 0x07;
    } else if (lead >= 0xE0) {
        extra = 2;
        cp = lead & 0x0F;
    } else if (lead >= 0xC0) {
        extra = 1;
        cp = lead & 0x1F;
    }
    ++pos;
    for (int e = 0; e < extra && pos < text.size() && (byte(pos) & 0xC0) == 0x80; ++e, ++pos)
        cp = (cp << 6) | (byte(pos) & 0x3F);
    return cp;
}

bool isWide(char32_t cp)
{
    return (cp >= 0x1100 && cp <= 0x115F) || (cp >= 0x2E80 && cp <= 0xA4CF) ||
           (cp >= 0xAC00 && cp <= 0xD7A3) || (cp >= 0xF900 && cp <= 0xFAFF) ||
           (cp >= 0xFE30 && cp <= 0xFE4F) || (cp >= 0xFF00 && cp <= 0xFF60) ||
           (cp >= 0xFFE0 && cp <= 0xFFE6) || (cp >= 0x20000 && cp <= 0x3FFFD);
}

}  // namespace

std::optional<Fault> appendInputListing(const BeamModel& model, const LineSink& sink)
{
    return runChecked([&] { listInput(model, sink); });
}

LabelCaptions resultLabelCaptions(const BeamModel& model, int rowCount)
{
    LabelCaptions out;
    const auto setLabel = [&](int labelArray, int row, std::string caption) {
        if (row < 1 || row > rowCount)
            raiseFault(FaultKind::SubscriptOutOfRange,
                       "计算输出屏幕没有第 " + std::to_string(row) + " 行（Label" +
                           std::to_string(labelArray) + "(" + std::to_string(row) + ")）");
        out.captions.push_back(LabelCaption{labelArray, row, std::move(caption)});
    };
    out.fault = runChecked([&] {
        const int n = model.beamNodeCount;
        for (int j = 1; j <= n; ++j) {
            setLabel(5, j, " ");
            setLabel(6, j, " ");
            setLabel(5, j, S(j));
            setLabel(6, j, S(model.P.get(j)));
        }
        for (int k = 1; k <= n - 1; ++k) {
            setLabel(7, k, " ");
            setLabel(8, k, " ");
            setLabel(7, k, S(model.endMoment.get(k, 1)));
            setLabel(8, k, S(model.endMoment.get(k, 2)));
        }
    });
    return out;
}

ResultText buildResultText(const BeamModel& model)
{
    ResultText out;
    out.fault = runChecked([&] {
        const int n = model.beamNodeCount;
        out.lines.push_back({{10, "结点序号 "}, {20, "结点转角位移"}});
        for (int j = 1; j <= n; ++j)
            out.lines.push_back({{12, printedNumber(j)}, {24, fixed3(model.P.get(j))}});
        out.lines.push_back(
            {{10, "杆序号"}, {20, "左端杆端弯矩"}, {34, "右端杆端弯矩"}, {48, "左端杆端剪力"}, {62, "右端杆端剪力"}});
        for (int k = 1; k <= n - 1; ++k) {
            PrintLine line{{12, printedNumber(k)},
                           {24, fixed3(model.endMoment.get(k, 1))},
                           {35, fixed3(model.endMoment.get(k, 2))},
                           {52, fixed3(model.endShear.get(k, 1))},
                           {65, fixed3(model.endShear.get(k, 2))}};
            out.lines.push_back(std::move(line));
        }
    });
    return out;
}

std::string fixed3(double x)
{
    if (!std::isfinite(x))
        return std::isnan(x) ? "NaN" : (x < 0 ? "-Infinity" : "Infinity");
    // Halves are rounded away from zero (2.0625 -> 2.063), as a reader of a
    // three-decimal table expects; printf alone would round them to even.
    // A half can only occur where x * 1000 is exact, which fma confirms.
    double magnitude = std::fabs(x);
    const double scaled = magnitude * 1000.0;
    const bool exactProduct = std::fma(magnitude, 1000.0, -scaled) == 0.0;
    if (exactProduct && scaled - std::floor(scaled) == 0.5)
        magnitude = (std::floor(scaled) + 1.0) / 1000.0;
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.3f", magnitude);
    std::string text = buffer;
    // A value that rounds to zero is shown without a sign.
    if (x < 0 && text != "0.000")
        text.insert(text.begin(), '-');
    return text;
}

std::string printedNumber(int k)
{
    return common::signedText(static_cast<double>(k)) + " ";
}

int textColumns(std::string_view text)
{
    int columns = 0;
    for (std::size_t pos = 0; pos < text.size();)
        columns += isWide(nextCodePoint(text, pos)) ? 2 : 1;
    return columns;
}

std::vector<std::string> composeLine(const PrintLine& line)
{
    std::vector<std::string> rows(1);
    int position = 1;  // column where the next character goes
    for (const PrintItem& item : line) {
        const int column = item.column < 1 ? 1 : item.column;
        if (position > column) {
            rows.emplace_back();
            position = 1;
        }
        rows.back() += blanks(column - position);
        rows.back() += item.text;
        position = column + textColumns(item.text);
    }
    return rows;
}

std::vector<std::string> composeLines(const std::vector<PrintLine>& lines)
{
    std::vector<std::string> out;
    for (const PrintLine& line : lines)
        for (std::string& row : composeLine(line))
            out.push_back(std::move(row));
    return out;
}

}  // namespace beamwizard
