#include "framewizard/screens/look.h"

#include "platform/dialogs.h"
#include "platform/keys.h"
#include "platform/platform.h"
#include "platform/screen.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace framewizard::look {

QString messageA()
{
    return QStringLiteral("wrong lettle ,输入数字，请重输！");
}

QString messageB()
{
    return QStringLiteral("wrong lettle,输入数字，请重输！");
}

QFont labelFont(double points)
{
    return platform::font(QStringLiteral("楷体_GB2312"), points, true);
}

QFont buttonFont(double points)
{
    return platform::font(QStringLiteral("隶书"), points, true);
}

QFont fieldFont()
{
    return platform::font(QStringLiteral("宋体"), 18);
}

QLabel* label(platform::Screen* screen, const QString& name, const QString& caption, int left, int top,
              int width, int height, const QFont& font, const QColor& textColour)
{
    auto* l = new QLabel(caption, screen);
    l->setObjectName(name);
    l->setFont(font);
    platform::setTextColour(l, textColour);
    screen->place(l, left, top, width, height);
    return l;
}

QLabel* heading(platform::Screen* screen, const QString& name, const QString& caption, int left, int width,
                const QColor& colour)
{
    // 26.25 points where the caption fits its width, a little smaller where not.
    QFont font = labelFont(26.25);
    const int room = platform::Screen::toPixelsX(width);
    while (font.pointSizeF() > 14 && QFontMetrics(font).horizontalAdvance(caption) > room)
        font.setPointSizeF(font.pointSizeF() - 0.75);
    QLabel* l = label(screen, name, caption, left, 120, width, 600, font, colour);
    screen->addRule(780)->setObjectName(QStringLiteral("Line1"));
    return l;
}

QLineEdit* field(platform::Screen* screen, const QString& name, int left, int top, int width, int height,
                 QLabel* buddy)
{
    auto* f = new QLineEdit(screen);
    f->setObjectName(name);
    f->setFont(fieldFont());
    platform::setBackground(f, Qt::white);
    screen->place(f, left, top, width, height);
    if (buddy) {
        buddy->setBuddy(f);
        f->setAccessibleName(buddy->text());
    }
    return f;
}

QPushButton* button(platform::Screen* screen, const QString& name, const QString& caption, int left, int top,
                    int width, int height, const QFont& font)
{
    auto* b = new QPushButton(caption, screen);
    b->setObjectName(name);
    b->setFont(font);
    b->setAutoDefault(false);
    screen->place(b, left, top, width, height);
    return b;
}

void setCaption(QLabel* label, const QString& caption)
{
    label->setText(caption);
    if (QWidget* f = label->buddy())
        f->setAccessibleName(caption);
}

bool isNumberKey(int key)
{
    switch (key) {
    case 8:                 // Backspace
    case 13:                // Enter
    case 16: case 17: case 18:  // Shift, Ctrl, Alt by themselves
    case 45: case 46:       // Insert, Delete
    case 69:                // E of an exponent
    case 107: case 109: case 110:  // keypad + - .
    case 187: case 189: case 190:  // = + / - _ / . >
        return true;
    default:
        return (key >= 48 && key <= 57) || (key >= 96 && key <= 105);
    }
}

void checkNumberKeys(QLineEdit* field, const QString& message, QWidget* successor)
{
    QPointer<QWidget> next = successor;
    platform::onKeyPress(field, [field, message, next](int key) {
        if (key == 9)  // Tab walks the tab order as in any window
            return false;
        if (!isNumberKey(key)) {
            platform::dialogs().message(message);
            field->clear();
            return true;
        }
        if (key == 13) {
            if (!field->text().isEmpty() && next && next->isEnabled())
                next->setFocus(Qt::OtherFocusReason);
            return true;
        }
        return false;
    });
}

} // namespace framewizard::look
