#include "platform/screen.h"

#include "platform/registry.h"
#include "platform/scrolling.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>

#include <cmath>

namespace platform {

namespace {

const char* const kLeftTwips = "platformLeftTwips";
const char* const kWidthTwips = "platformWidthTwips";

double dpiX()
{
    const QScreen* s = QGuiApplication::primaryScreen();
    const double dpi = s ? s->logicalDotsPerInchX() : 96.0;
    return dpi > 0 ? dpi : 96.0;
}

double dpiY()
{
    const QScreen* s = QGuiApplication::primaryScreen();
    const double dpi = s ? s->logicalDotsPerInchY() : 96.0;
    return dpi > 0 ? dpi : 96.0;
}

int roundToInt(double v)
{
    return int(std::lround(v));
}

// Enter for plain QWidget windows, which have no default button of their own:
// watches Return / keypad Enter pressed in any control of a Screen before the
// control sees it. A focused button is clicked; otherwise the screen's enabled
// default button is clicked; otherwise the key goes on to the control.
class EnterKeyRouter final : public QObject
{
public:
    using QObject::QObject;

    static void ensureInstalled()
    {
        static EnterKeyRouter* router = nullptr;
        if (!router && qApp) {
            router = new EnterKeyRouter(qApp);
            qApp->installEventFilter(router);
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        if (!watched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        // A control that takes the focus is the first receiver of a key; an
        // ignored key travels on to its containers, which take no focus and are
        // left alone here so one key press never acts twice.
        if (widget->focusPolicy() == Qt::NoFocus)
            return false;
        auto* screen = qobject_cast<Screen*>(widget->window());
        if (!screen)
            return false;
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            if (button->isEnabled())
                button->click();
            return true;
        }
        QPushButton* preferred = screen->defaultButton();
        if (preferred && preferred->isEnabled() && preferred->isVisibleTo(screen)) {
            preferred->click();
            return true;
        }
        return false;
    }
};

} // namespace

Screen::Screen(const QString& title, int clientWidthTwips, int clientHeightTwips)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setWindowTitle(title);
    setFixedSize(toPixelsX(clientWidthTwips), toPixelsY(clientHeightTwips));
    EnterKeyRouter::ensureInstalled();
}

Screen::~Screen() = default;

int Screen::toPixelsX(int twips)
{
    return roundToInt(twips * dpiX() / 1440.0);
}

int Screen::toPixelsY(int twips)
{
    return roundToInt(twips * dpiY() / 1440.0);
}

int Screen::toTwipsX(int pixels)
{
    return roundToInt(pixels * 1440.0 / dpiX());
}

int Screen::toTwipsY(int pixels)
{
    return roundToInt(pixels * 1440.0 / dpiY());
}

void Screen::place(QWidget* control, int left, int top, int width, int height)
{
    if (!control)
        return;
    control->setGeometry(toPixelsX(left), toPixelsY(top), toPixelsX(width), toPixelsY(height));
    control->setProperty(kLeftTwips, left);
    control->setProperty(kWidthTwips, width);
}

void Screen::placeSizedToText(QWidget* control, int left, int top)
{
    if (!control)
        return;
    control->adjustSize();
    control->move(toPixelsX(left), toPixelsY(top));
    control->setProperty(kLeftTwips, left);
    control->setProperty(kWidthTwips, QVariant());
}

void Screen::setLeft(QWidget* control, int leftTwips)
{
    if (!control)
        return;
    control->setProperty(kLeftTwips, leftTwips);
    control->move(toPixelsX(leftTwips), control->y());
}

int Screen::left(const QWidget* control) const
{
    if (!control)
        return 0;
    const QVariant stored = control->property(kLeftTwips);
    // The stored value stands as long as nobody moved the control by pixels.
    if (stored.isValid() && toPixelsX(stored.toInt()) == control->x())
        return stored.toInt();
    return toTwipsX(control->x());
}

int Screen::widthOf(const QWidget* control) const
{
    if (!control)
        return 0;
    const QVariant stored = control->property(kWidthTwips);
    if (stored.isValid() && toPixelsX(stored.toInt()) == control->width())
        return stored.toInt();
    return toTwipsX(control->width());
}

int Screen::clientWidth() const
{
    return toTwipsX(width());
}

int Screen::clientHeight() const
{
    return toTwipsY(height());
}

int Screen::outerWidth() const
{
    return toTwipsX(qMax(frameGeometry().width(), width()));
}

void Screen::applyBackground(const QColor& colour)
{
    setBackground(this, colour);
    for (QLabel* label : findChildren<QLabel*>())
        setBackground(label, colour);
}

QFrame* Screen::addRule(int topTwips, const QColor& colour, int thicknessPixels)
{
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::NoFrame);
    const int thickness = qMax(1, thicknessPixels);
    rule->setGeometry(0, toPixelsY(topTwips), width(), thickness);
    setBackground(rule, colour);
    return rule;
}

void Screen::setDefaultButton(QPushButton* button)
{
    if (m_defaultButton && m_defaultButton != button)
        m_defaultButton->setDefault(false);
    m_defaultButton = button;
    if (button) {
        // The routing above does the work; the button must not click itself twice.
        button->setAutoDefault(false);
        button->setDefault(true);
    }
}

QPushButton* Screen::defaultButton() const
{
    return m_defaultButton;
}

ScrollingHeading* Screen::scrollHeading(QLabel* label, int stepTwips, int intervalMs)
{
    return new ScrollingHeading(this, label, stepTwips, intervalMs);
}

void Screen::hideScreen()
{
    platform::hide(this);
}

void Screen::closeScreen()
{
    platform::close(this);
}

void Screen::closeBoxPressed()
{
    endProgram();
}

void Screen::showEvent(QShowEvent* event)
{
    if (!m_placed) {
        m_placed = true;
        if (const QScreen* display = QGuiApplication::primaryScreen()) {
            const QRect area = display->availableGeometry();
            // pos() is the frame's top-left corner; before the first show the
            // frame may not be known yet and is then taken as the client area.
            const QSize outer = frameGeometry().size().expandedTo(size());
            move(area.x() + (area.width() - outer.width()) / 2,
                 area.y() + (area.height() - outer.height()) / 2);
        }
    }
    QWidget::showEvent(event);
}

void Screen::closeEvent(QCloseEvent* event)
{
    // The registry never closes windows (it hides them), so this is the window
    // frame's close box or a QWidget::close() call: both count as the close box.
    event->ignore();
    closeBoxPressed();
}

void labelFor(QLabel* label, QWidget* control)
{
    if (!label || !control)
        return;
    label->setBuddy(control);
    control->setAccessibleName(label->text());
}

} // namespace platform
