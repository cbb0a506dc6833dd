#include "platform/scrolling.h"

#include "platform/screen.h"

#include <QLabel>
#include <QTimer>

namespace platform {

ScrollingHeading::ScrollingHeading(Screen* screen, QLabel* label, int stepTwips, int intervalMs)
    : QObject(screen), m_screen(screen), m_label(label), m_timer(new QTimer(this)), m_step(stepTwips)
{
    m_timer->setInterval(intervalMs);
    connect(m_timer, &QTimer::timeout, this, &ScrollingHeading::tick);
    m_timer->start();
}

void ScrollingHeading::tick()
{
    if (!m_screen || !m_label)
        return;
    const int moved = m_screen->left(m_label) - m_step;
    if (moved < -m_screen->widthOf(m_label))
        m_screen->setLeft(m_label, m_screen->outerWidth());
    else
        m_screen->setLeft(m_label, moved);
}

} // namespace platform
