#pragma once
// A heading label that scrolls to the left and re-enters from the right.
//
// Every tick (100 ms by default) the label's left position drops by the step (in
// twips). When the new left position is less than minus the label's width (the
// label has left the window completely), it is set to the screen's outer window
// width. Exactly minus the width does not wrap yet; the next tick does.

#include <QLabel>
#include <QObject>
#include <QPointer>

class QTimer;

namespace platform {

class Screen;

class ScrollingHeading final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ScrollingHeading)
public:
    // Normally made through Screen::scrollHeading(). The timer starts at once.
    ScrollingHeading(Screen* screen, QLabel* label, int stepTwips, int intervalMs = 100);

    // One step, as the timer does it (tests call it directly).
    void tick();

    QTimer* timer() const { return m_timer; }
    QLabel* label() const { return m_label; }
    int step() const { return m_step; }

private:
    Screen* m_screen;
    QPointer<QLabel> m_label;
    QTimer* m_timer;
    int m_step;
};

} // namespace platform
