#pragma once
// Building blocks of framewizard's screens: the common look (colours, fonts,
// heading, rule), controls placed in layout units, and the keystroke check of
// the numeric entry fields.

#include <QColor>
#include <QFont>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace platform {
class Screen;
}

namespace framewizard::look {

inline const QColor kRed{255, 0, 0};
inline const QColor kHeadingGreen{0, 192, 0};  // Form2, Form3, Form4, form6, Form7
inline const QColor kDarkGreen{0, 128, 0};     // Form8 to Form11 and Form5

// Rejection messages of the numeric fields.
QString messageA();  // "wrong lettle ,输入数字，请重输！"
QString messageB();  // "wrong lettle,输入数字，请重输！"

QFont labelFont(double points = 15.75);   // bold "楷体_GB2312"
QFont buttonFont(double points = 15.75);  // bold "隶书"
QFont fieldFont();                         // "宋体" 18 points

// A label with the screen background. Positions and sizes in layout units.
QLabel* label(platform::Screen* screen, const QString& name, const QString& caption, int left, int top,
              int width, int height, const QFont& font, const QColor& textColour = kRed);

// The scrolling heading at the top right (bold "楷体_GB2312" 26.25 points) and
// the red rule under it. Call before Screen::applyBackground().
QLabel* heading(platform::Screen* screen, const QString& name, const QString& caption, int left, int width,
                const QColor& colour);

// A white single-line field in 18-point "宋体", named after `buddy`'s caption
// for assistive tools.
QLineEdit* field(platform::Screen* screen, const QString& name, int left, int top, int width, int height,
                 QLabel* buddy);

QPushButton* button(platform::Screen* screen, const QString& name, const QString& caption, int left, int top,
                    int width, int height, const QFont& font);

// Sets a label's caption and keeps the accessible name of its field in step.
void setCaption(QLabel* label, const QString& caption);

// The keystroke check of a numeric entry field. Every key is judged by its
// virtual-key code before it takes effect: number keys, E, the editing keys and
// Shift/Ctrl/Alt alone pass; any other key shows `message`, empties the field
// and is dropped, so its character never reaches the emptied field. Enter in a
// non-empty field moves the focus to `successor` (nothing when it is null or
// cannot take the focus). Tab keeps its usual focus walk.
void checkNumberKeys(QLineEdit* field, const QString& message, QWidget* successor);

// True for the virtual-key codes a numeric field accepts.
bool isNumberKey(int virtualKey);

} // namespace framewizard::look
