#pragma once
// Start-up of the shared layer and the small helpers every screen uses:
// program name, fonts by their Chinese names, colours, ending the program, screenshots.
//
// The layer's headers:
//   platform/platform.h     initialise(), fonts, colours, endProgram(), saveScreenshot()
//   platform/screen.h       Screen: fixed-size window in twips, default button, rule
//   platform/registry.h     open<T>() / hide<T>() / close<T>() / state<T>() / find<T>()
//   platform/scrolling.h    ScrollingHeading: the 100 ms moving heading label
//   platform/dialogs.h      dialogs().message/question/input, ScriptedDialogs for tests
//   platform/keys.h         virtualKey(), onKeyPress(), filterCharacters()
//   platform/textlayout.h   TextItem {column, text}; column placement rules
//   platform/textsurface.h  TextSurface: lines drawn at columns or from the top left
//   platform/printing.h     printer().printLine/printText/endJob, CapturePrinter for tests

#include <QColor>
#include <QFont>
#include <QString>

#include <functional>

class QApplication;
class QWidget;

namespace platform {

// Call once in main() right after constructing the QApplication:
//   QApplication app(argc, argv);
//   platform::initialise(app, QStringLiteral("framewizard"));
//   platform::open<Form1>();
//   return app.exec();
// It installs the font substitutions, stores the program name (title of every
// message/input box), selects the real Qt dialogs and the real printer, uses the
// Fusion style, makes "宋体" 9 points the application font (the font of every
// control that sets none), and keeps the application running when the last window is hidden
// (a program ends only through endProgram()).
void initialise(QApplication& app, const QString& programName);

// Title of every message, question and input box.
void setProgramName(const QString& name);
QString programName();

// Maps the Chinese font names the screens use onto installed families:
// "宋体", "新宋体", "华文中宋" -> AR PL UMing CN; "黑体", "幼圆" -> WenQuanYi Zen Hei;
// "隶书", "楷体_GB2312" -> AR PL UKai CN; "Times New Roman" -> Liberation Serif.
// Safe to call more than once; initialise() calls it.
void installFontSubstitutions();

// A font by its (Chinese) name at a point size such as 14.25 or 26.25.
QFont font(const QString& family, double pointSize, bool bold = false);

// The common screen and label background, RGB (255, 224, 192).
QColor screenBackground();

// Colours of one control. Text colour: label text, button caption, field text.
// Background: a label's or frame's background (filled), a button's face, the
// white area of a text field, list or combo box.
void setTextColour(QWidget* widget, const QColor& colour);
void setBackground(QWidget* widget, const QColor& colour);

// Ends the program at once from a button handler: an open print job is finished
// (see printing.h), then the event loop is told to quit; no screen is closed and no
// handler runs. Return from the handler right after calling it.
void endProgram();

// Replaces what endProgram() does (tests record the call instead of quitting).
// Returns the handler installed before; an empty function restores the default.
std::function<void()> setEndProgramHandler(std::function<void()> handler);

// Renders a widget (normally a screen) with widget->grab() and saves it as PNG.
// Works for hidden widgets too. Returns false when the file cannot be written.
bool saveScreenshot(QWidget* widget, const QString& pngPath);

} // namespace platform
