#pragma once
// Keys as the screens' key handlers see them.
//
// virtualKey(): the Windows virtual-key code of the physical key on a US keyboard;
// Shift, Ctrl and Alt do not change it ('!' gives 0x31 like '1', '_' gives 0xBD like
// '-'). Letters 0x41-0x5A, top-row digits 0x30-0x39; with Qt::KeypadModifier the
// keypad keys 0x60-0x69 (digits), 0x6A '*', 0x6B '+', 0x6D '-', 0x6E '.', 0x6F '/';
// OEM keys 0xBA ';' 0xBB '=' 0xBC ',' 0xBD '-' 0xBE '.' 0xBF '/' 0xC0 '`' 0xDB '['
// 0xDC '\' 0xDD ']' 0xDE '''; Backspace 0x08, Tab 0x09, Enter 0x0D (also keypad),
// Shift 0x10, Ctrl 0x11, Alt 0x12, Pause 0x13, Caps Lock 0x14, Escape 0x1B,
// Space 0x20, Page Up/Down 0x21/0x22, End 0x23, Home 0x24, arrows 0x25-0x28
// (left, up, right, down), Insert 0x2D, Delete 0x2E, F1-F24 0x70-0x87,
// Num Lock 0x90, Scroll Lock 0x91. Keys without a code give 0.
//
// onKeyPress(): a key-press notification on a text field (or any widget) that runs
// BEFORE the key takes effect; the handler returns true to swallow the key, so it
// never reaches the field:
//
//   platform::onKeyPress(Text1, [this](int key) {
//       if (accepted(key)) return false;              // key goes on to the field
//       platform::dialogs().message(...); Text1->clear();
//       return true;                                  // the rejected key is dropped
//   });
//
// Enter does not reach the handler while the screen's default button is enabled
// (the button is clicked instead, see Screen::setDefaultButton).
//
// filterCharacters(): a per-character hook. For every key that types a character
// the filter decides whether the character is kept; a rejected one is discarded
// before it reaches the field. Backspace counts as the character 0x08, Enter as
// 0x0D and Escape as 0x1B; keys without a character (Delete, arrows, Home ...)
// are not filtered. For an editable QComboBox install it on the combo box itself.

#include <QChar>

#include <functional>

class QKeyEvent;
class QObject;
class QWidget;

namespace platform {

int virtualKey(const QKeyEvent& event);

// The character a key types, as the character filter sees it; QChar() for none.
QChar typedCharacter(const QKeyEvent& event);

using KeyPressHandler = std::function<bool(int virtualKey)>;
using CharacterFilter = std::function<bool(QChar character)>;

// Both return the installed filter object (a child of `widget`, removed with it).
// Installing again on the same widget replaces the earlier handler/filter.
QObject* onKeyPress(QWidget* widget, KeyPressHandler handler);
QObject* filterCharacters(QWidget* widget, CharacterFilter keep);

} // namespace platform
