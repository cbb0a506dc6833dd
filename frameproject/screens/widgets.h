#pragma once
// Small builders shared by the screens of frameproject: controls with their
// name, caption, font and place in layout units.

#include "platform/screen.h"

#include <QString>

#include <string>
#include <string_view>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace frameproject::screens {

inline QString toQ(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
inline std::string toStd(const QString& text) { return text.toStdString(); }

// Plain number text of a stored value, as a field shows it.
QString plain(double value);

// Fonts of the screens: "宋体" 14.25 for labels and buttons, "Times New Roman"
// 14.25 for fields and combo boxes.
QFont labelFont();
QFont fieldFont();

QLabel* makeLabel(platform::Screen* screen, const char* name, const QString& caption, int left, int top,
                  int width, int height, bool centred = false);
QLineEdit* makeField(platform::Screen* screen, const char* name, const QString& accessibleName, int left,
                     int top, int width, int height);
QPushButton* makeButton(platform::Screen* screen, const char* name, const QString& caption, int left, int top,
                        int width, int height);
// A drop-down list combo box (choose only).
QComboBox* makeCombo(platform::Screen* screen, const char* name, const QString& accessibleName, int left,
                     int top, int width, int height);

} // namespace frameproject::screens
