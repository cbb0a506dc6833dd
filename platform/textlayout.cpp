#include "platform/textlayout.h"

#include <QFontMetricsF>
#include <QRegularExpression>

namespace platform {

TextLayout::TextLayout(const QFont& font, QPaintDevice* device) : m_font(font), m_device(device)
{
    const QFontMetricsF metrics = device ? QFontMetricsF(font, device) : QFontMetricsF(font);
    m_columnWidth = metrics.averageCharWidth();
    if (m_columnWidth <= 0.0)
        m_columnWidth = metrics.horizontalAdvance(QLatin1Char('x'));
    if (m_columnWidth <= 0.0)
        m_columnWidth = 1.0;
    m_lineHeight = qMax(1.0, metrics.lineSpacing());
    m_ascent = metrics.ascent();
}

double TextLayout::advance(const QString& text) const
{
    const QFontMetricsF metrics = m_device ? QFontMetricsF(m_font, m_device) : QFontMetricsF(m_font);
    return metrics.horizontalAdvance(text);
}

void TextLayout::printLine(const QList<TextItem>& items)
{
    double x = 0.0;
    for (const TextItem& item : items) {
        const double target = (qMax(1, item.column) - 1) * m_columnWidth;
        // Half a pixel of tolerance keeps rounding of the advances from pushing
        // text that ends exactly at a column onto the next line.
        if (x > target + 0.5)
            ++m_line;
        x = target;
        if (!item.text.isEmpty())
            m_runs.append({m_line, x, item.text});
        x += advance(item.text);
    }
    ++m_line;
}

void TextLayout::printText(const QString& text)
{
    for (const QString& line : splitLines(text)) {
        if (!line.isEmpty())
            m_runs.append({m_line, 0.0, line});
        ++m_line;
    }
}

void TextLayout::clear()
{
    m_runs.clear();
    m_line = 0;
}

QStringList TextLayout::plainLines(const QList<TextItem>& items)
{
    QStringList lines;
    QString line;
    for (const TextItem& item : items) {
        const int target = qMax(1, item.column) - 1;
        if (line.size() > target) {
            lines << line;
            line.clear();
        }
        line += QString(target - line.size(), QLatin1Char(' '));
        line += item.text;
    }
    lines << line;
    return lines;
}

QStringList TextLayout::splitLines(const QString& text)
{
    if (text.isEmpty())
        return {};
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n|\r"));
    QStringList lines = text.split(lineEnd);
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace platform
