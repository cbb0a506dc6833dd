#pragma once
// Drives framewizard's screens the way a user does: keys go to the control
// that has the focus, buttons are clicked with the mouse. Message and input
// boxes are scripted, the end of the program is recorded, and the results
// file goes under a temporary home folder.

#include "framewizard/screens/program.h"
#include "framewizard/screens/wizard_screens.h"
#include "tests/framewizard/core/frame_builders.h"

#include "platform/dialogs.h"
#include "platform/platform.h"
#include "platform/registry.h"
#include "platform/scrolling.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace driver {

// Per-test state: install in init(), drop in cleanup().
struct Session
{
    platform::ScriptedDialogs dialogs;
    platform::ScopedDialogs useDialogs{dialogs};
    QTemporaryDir home;
    int endings = 0;

    Session()
    {
        framewizard::frameModel() = framewizard::FrameModel{};
        framewizard::setResultsHome(home.path());
        platform::setEndProgramHandler([this] { ++endings; });
    }
    ~Session()
    {
        platform::closeAllScreens();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        platform::setEndProgramHandler({});
        framewizard::setResultsHome(QString());
    }
};

// The control of `screen` that has the keyboard focus.
inline QWidget* focusOf(QWidget* screen)
{
    if (QApplication::activeWindow() != screen) {
        screen->activateWindow();
        QApplication::processEvents();
    }
    QWidget* w = QApplication::focusWidget();
    if (w && w->window() == screen)
        return w;
    return screen->focusWidget();
}

// Types text key by key into whatever control has the focus; the focus may
// move between keys.
inline void type(QWidget* screen, const QString& text)
{
    for (QChar c : text)
        QTest::keyClick(focusOf(screen), c.toLatin1());
}

inline void press(QWidget* screen, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(focusOf(screen), key, modifiers);
}

inline void enter(QWidget* screen)
{
    press(screen, Qt::Key_Return);
}

inline void click(QPushButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

inline QString textOf(const QWidget* screen, const char* name)
{
    if (auto* l = screen->findChild<QLabel*>(QString::fromLatin1(name)))
        return l->text();
    if (auto* f = screen->findChild<QLineEdit*>(QString::fromLatin1(name)))
        return f->text();
    if (auto* b = screen->findChild<QPushButton*>(QString::fromLatin1(name)))
        return b->text();
    return QStringLiteral("<no control %1>").arg(QString::fromLatin1(name));
}

// The portal frame: clamped feet 1 (0, 0) and 2 (6, 0), joints 3 (0, 4) and
// 4 (6, 4); columns 1->3, 2->4 and beam 3->4, EA 1E6, EI 1E4; a uniform load
// on the beam, a force on the left column, a couple on the beam; five sections.
struct PortalFrame
{
    static constexpr double nodes[4][2] = {{0, 0}, {6, 0}, {0, 4}, {6, 4}};
    static constexpr double members[3][2] = {{1, 3}, {3, 4}, {2, 4}};
    static constexpr double loads[3][4] = {{2, 10, 6, 2}, {1, 5, 2, 1}, {2, 8, 2, 6}};
    static constexpr double sections[5][2] = {{2, 3}, {1, 0}, {1, 4}, {2, 6}, {3, 0}};
    // R, U, V of nodes 3 and 4.
    static constexpr double displacements[2][3] = {{0.0022596, 0.00068614, -0.00011298},
                                                   {-0.0022692, 0.00062801, -0.00012702}};
    // N, M, Q at the five sections.
    static constexpr double forces[5][3] = {{-9.6871, 25.215, -1.754},
                                            {-28.246, 6.2251, -4.6871},
                                            {-28.246, -22.523, -9.6871},
                                            {-9.6871, -25.047, -31.754},
                                            {-31.754, -13.701, 9.6871}};
};

// Puts the portal frame straight into the model, as the input screens would.
inline void fillPortalFrame()
{
    framewizard::frameModel() = frames::portalFrame();
}

// Agreement to five significant digits.
inline bool sig5(double actual, double expected)
{
    const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(expected))) - 4);
    return std::fabs(actual - expected) <= 0.5 * unit;
}

} // namespace driver
