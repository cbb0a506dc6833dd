#pragma once
// Base class of every screen: a fixed-size top-level window laid out in layout units.
//
// Layout units are twips, 1/1440 inch. They are converted to pixels with the logical
// DPI of the primary display: pixels = round(twips * dpi / 1440); at the usual 96 DPI
// that is 15 twips per pixel. All positions and sizes below are relative to the
// client area (the window without its frame).
//
// A program's screen, in short:
//
//   class Form3 final : public platform::Screen {
//       Q_OBJECT
//   public:
//       Form3() : Screen(QStringLiteral("坐标输入"), 7365, 4920) {
//           setObjectName(QStringLiteral("Form3"));
//           Label2 = new QLabel(QStringLiteral("请 输 入 结 点 坐 标"), this);
//           place(Label2, 7320, 120, 4710, 600);
//           ...
//           addRule(900);
//           applyBackground();              // window and all labels made so far
//           setDefaultButton(Command1);
//           scrollHeading(Label2, 200);     // Timer1: 100 ms, runs until close
//       }
//       void load() override { ... }        // the load step, run by platform::open
//   };
//
// Opening, hiding and closing go through registry.h (platform::open<Form3>() ...).

#include "platform/platform.h"

#include <QPointer>
#include <QWidget>

class QFrame;
class QLabel;
class QPushButton;

namespace platform {

class ScrollingHeading;

class Screen : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Screen)
public:
    // title: window caption; client size in twips. The window is not resizable.
    Screen(const QString& title, int clientWidthTwips, int clientHeightTwips);
    ~Screen() override;

    // The load step: runs once per instance, after construction and before the
    // screen is first shown, when platform::open builds it. Default: nothing.
    virtual void load() {}

    // Twips <-> pixels with the logical DPI (horizontal and vertical).
    static int toPixelsX(int twips);
    static int toPixelsY(int twips);
    static int toTwipsX(int pixels);
    static int toTwipsY(int pixels);

    // Places a child control: left, top, width, height in twips.
    void place(QWidget* control, int left, int top, int width, int height);
    // Places a control at left, top (twips) with the size of its content
    // (labels "sized to their text").
    void placeSizedToText(QWidget* control, int left, int top);
    // Left position of a control in twips; may be negative or beyond the window.
    // The twip value is kept exactly, so repeated small moves do not drift.
    void setLeft(QWidget* control, int leftTwips);
    int left(const QWidget* control) const;
    // Width of a control in twips (as placed, or its current pixel width converted).
    int widthOf(const QWidget* control) const;

    // Client size and the outer window width (frame included) in twips.
    int clientWidth() const;
    int clientHeight() const;
    int outerWidth() const;

    // Background (default RGB 255, 224, 192) on the window and on every label that
    // exists at the time of the call. Call it after the labels are made; a label
    // with its own colour gets it afterwards through setBackground().
    void applyBackground(const QColor& colour = screenBackground());

    // A horizontal rule across the whole window, `thicknessPixels` high, its top at
    // `topTwips`. Returns the rule (a QFrame child) so it can be named.
    QFrame* addRule(int topTwips, const QColor& colour = QColor(255, 0, 0), int thicknessPixels = 3);

    // The window's one default button: Enter (Return or keypad Enter) clicks it
    // while it is enabled, whichever control has the focus; while it is disabled
    // Enter goes to the focused control as an ordinary key. Enter on a focused
    // button clicks that button (on every screen, with or without default button).
    // The button gets the usual default-button look. nullptr removes it.
    void setDefaultButton(QPushButton* button);
    QPushButton* defaultButton() const;

    // Starts a scrolling heading on `label` (see scrolling.h); the helper belongs to
    // the screen, its timer runs until the screen is closed, also while hidden.
    ScrollingHeading* scrollHeading(QLabel* label, int stepTwips, int intervalMs = 100);

    // Same as platform::hide(this) / platform::close(this) from registry.h.
    void hideScreen();
    void closeScreen();

protected:
    // The window frame's close box. The default ends the program (endProgram()),
    // so that no invisible program is left running. Override to do otherwise.
    virtual void closeBoxPressed();

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QPointer<QPushButton> m_defaultButton;
    bool m_placed = false;
};

// Ties a caption label to its field, list or combo box: the label becomes the
// control's buddy and its caption the control's accessible name.
void labelFor(QLabel* label, QWidget* control);

} // namespace platform
