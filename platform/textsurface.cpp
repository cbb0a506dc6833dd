#include "platform/textsurface.h"

#include "platform/platform.h"

#include <QEvent>
#include <QPainter>

namespace platform {

TextSurface::TextSurface(QWidget* parent) : QWidget(parent)
{
    QWidget::setFont(platform::font(QStringLiteral("宋体"), 9));
    m_layout = std::make_unique<TextLayout>(font(), this);
}

TextSurface::~TextSurface() = default;

void TextSurface::printLine(const QList<TextItem>& items)
{
    m_statements.append({false, items, QString()});
    m_layout->printLine(items);
    update();
}

void TextSurface::printText(const QString& text)
{
    m_statements.append({true, {}, text});
    m_layout->printText(text);
    update();
}

void TextSurface::clear()
{
    m_statements.clear();
    m_layout->clear();
    update();
}

QStringList TextSurface::lines() const
{
    QStringList result;
    for (const Statement& statement : m_statements) {
        if (statement.isText) {
            result << TextLayout::splitLines(statement.text);
        } else {
            result << TextLayout::plainLines(statement.items);
        }
    }
    return result;
}

void TextSurface::relayout()
{
    m_layout = std::make_unique<TextLayout>(font(), this);
    for (const Statement& statement : m_statements) {
        if (statement.isText)
            m_layout->printText(statement.text);
        else
            m_layout->printLine(statement.items);
    }
    update();
}

void TextSurface::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(m_layout->font());
    painter.setPen(palette().color(QPalette::WindowText));
    const double height = m_layout->lineHeight();
    for (const TextRun& run : m_layout->runs()) {
        const double baseline = run.line * height + m_layout->ascent();
        if (baseline - m_layout->ascent() > this->height())
            break; // the rest is below the surface
        painter.drawText(QPointF(run.x, baseline), run.text);
    }
}

void TextSurface::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        relayout();
    QWidget::changeEvent(event);
}

} // namespace platform
