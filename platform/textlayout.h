#pragma once
// Lines of text laid out like a line printer's print statements; shared by the
// text surface on screen and by the printer, so both give the same lines.
//
// printLine({{10, "结点序号 "}, {20, "结点转角位移"}}): each item starts at its
// character column (column 1 = left edge; column c begins at (c - 1) * column
// width). If the print position is already past column c, the item goes to
// column c of the next line. After the last item the line ends.
// printText("a\r\nb"): each line of the text (CR LF, LF or CR end a line) from the
// left edge; a final line end does not add an empty line.
//
// Column width: the font's average character width (QFontMetricsF::averageCharWidth)
// measured on the target device. For the CJK fonts used here that is the width of
// a Latin character, so a Chinese character takes about two columns.

#include <QFont>
#include <QList>
#include <QString>

class QPaintDevice;

namespace platform {

struct TextItem
{
    int column = 1; // 1 = left edge; values below 1 count as 1
    QString text;
};

// One piece of text at a horizontal position (device pixels) on a line (0-based).
struct TextRun
{
    int line = 0;
    double x = 0.0;
    QString text;
};

class TextLayout
{
public:
    // Metrics of `font` on `device` (nullptr: the screen).
    explicit TextLayout(const QFont& font, QPaintDevice* device = nullptr);

    void printLine(const QList<TextItem>& items);
    void printText(const QString& text);
    void clear(); // no runs; the position returns to the top-left corner

    const QList<TextRun>& runs() const { return m_runs; }
    int lineCount() const { return m_line; } // lines ended so far
    double columnWidth() const { return m_columnWidth; }
    double lineHeight() const { return m_lineHeight; }
    double ascent() const { return m_ascent; }
    const QFont& font() const { return m_font; }

    // A print statement as plain text, one character per column: blanks up to
    // each column; a new line when the text so far already passes it.
    static QStringList plainLines(const QList<TextItem>& items);
    // Splits a text at CR LF, LF or CR; a final line end gives no empty line.
    static QStringList splitLines(const QString& text);

private:
    double advance(const QString& text) const;

    QFont m_font;
    QPaintDevice* m_device;
    double m_columnWidth = 1.0;
    double m_lineHeight = 1.0;
    double m_ascent = 0.0;
    QList<TextRun> m_runs;
    int m_line = 0;
};

} // namespace platform
