#include "platform/keys.h"

#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

#include <unordered_map>

namespace platform {

namespace {

// Keys that are the same physical key on a US keyboard whatever the Shift state.
const std::unordered_map<int, int>& mainKeys()
{
    static const std::unordered_map<int, int> table = {
        // shifted digits
        {Qt::Key_ParenRight, 0x30}, {Qt::Key_Exclam, 0x31}, {Qt::Key_At, 0x32},
        {Qt::Key_NumberSign, 0x33}, {Qt::Key_Dollar, 0x34}, {Qt::Key_Percent, 0x35},
        {Qt::Key_AsciiCircum, 0x36}, {Qt::Key_Ampersand, 0x37}, {Qt::Key_Asterisk, 0x38},
        {Qt::Key_ParenLeft, 0x39},
        // OEM keys and their shifted symbols
        {Qt::Key_Semicolon, 0xBA}, {Qt::Key_Colon, 0xBA},
        {Qt::Key_Equal, 0xBB}, {Qt::Key_Plus, 0xBB},
        {Qt::Key_Comma, 0xBC}, {Qt::Key_Less, 0xBC},
        {Qt::Key_Minus, 0xBD}, {Qt::Key_Underscore, 0xBD},
        {Qt::Key_Period, 0xBE}, {Qt::Key_Greater, 0xBE},
        {Qt::Key_Slash, 0xBF}, {Qt::Key_Question, 0xBF},
        {Qt::Key_QuoteLeft, 0xC0}, {Qt::Key_AsciiTilde, 0xC0},
        {Qt::Key_BracketLeft, 0xDB}, {Qt::Key_BraceLeft, 0xDB},
        {Qt::Key_Backslash, 0xDC}, {Qt::Key_Bar, 0xDC},
        {Qt::Key_BracketRight, 0xDD}, {Qt::Key_BraceRight, 0xDD},
        {Qt::Key_Apostrophe, 0xDE}, {Qt::Key_QuoteDbl, 0xDE},
        // editing, movement and control keys
        {Qt::Key_Backspace, 0x08}, {Qt::Key_Tab, 0x09}, {Qt::Key_Backtab, 0x09},
        {Qt::Key_Clear, 0x0C}, {Qt::Key_Return, 0x0D}, {Qt::Key_Enter, 0x0D},
        {Qt::Key_Shift, 0x10}, {Qt::Key_Control, 0x11}, {Qt::Key_Alt, 0x12},
        {Qt::Key_Pause, 0x13}, {Qt::Key_CapsLock, 0x14}, {Qt::Key_Escape, 0x1B},
        {Qt::Key_Space, 0x20}, {Qt::Key_PageUp, 0x21}, {Qt::Key_PageDown, 0x22},
        {Qt::Key_End, 0x23}, {Qt::Key_Home, 0x24}, {Qt::Key_Left, 0x25}, {Qt::Key_Up, 0x26},
        {Qt::Key_Right, 0x27}, {Qt::Key_Down, 0x28}, {Qt::Key_Print, 0x2C},
        {Qt::Key_Insert, 0x2D}, {Qt::Key_Delete, 0x2E}, {Qt::Key_Help, 0x2F},
        {Qt::Key_Meta, 0x5B}, {Qt::Key_Menu, 0x5D}, {Qt::Key_NumLock, 0x90},
        {Qt::Key_ScrollLock, 0x91},
    };
    return table;
}

int keypadKey(int key)
{
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return 0x60 + (key - Qt::Key_0);
    switch (key) {
    case Qt::Key_Asterisk: return 0x6A;
    case Qt::Key_Plus: return 0x6B;
    case Qt::Key_Minus: return 0x6D;
    case Qt::Key_Period: return 0x6E;
    case Qt::Key_Comma: return 0x6E; // the decimal key of keypads with a decimal comma
    case Qt::Key_Slash: return 0x6F;
    default: return 0; // keypad Enter, Home, arrows ... are their ordinary keys
    }
}

class KeyPressFilter final : public QObject
{
public:
    KeyPressFilter(QWidget* widget, KeyPressHandler handler) : QObject(widget), m_handler(std::move(handler)) {}
    void setHandler(KeyPressHandler handler) { m_handler = std::move(handler); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || !m_handler)
            return false;
        // The handler may show a modal box; keep it alive even if replaced meanwhile.
        const KeyPressHandler handler = m_handler;
        return handler(virtualKey(*static_cast<QKeyEvent*>(event)));
    }

private:
    KeyPressHandler m_handler;
};

class CharacterFilterObject final : public QObject
{
public:
    CharacterFilterObject(QWidget* widget, CharacterFilter keep) : QObject(widget), m_keep(std::move(keep)) {}
    void setFilter(CharacterFilter keep) { m_keep = std::move(keep); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || !m_keep)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const QChar character = typedCharacter(*key);
        if (character.isNull())
            return false;
        const CharacterFilter keep = m_keep;
        return !keep(character);
    }

private:
    CharacterFilter m_keep;
};

template <class Filter, class Function>
QObject* install(QWidget* widget, Function function)
{
    if (!widget)
        return nullptr;
    for (QObject* child : widget->children()) {
        if (auto* existing = dynamic_cast<Filter*>(child)) {
            if constexpr (std::is_same_v<Filter, KeyPressFilter>)
                existing->setHandler(std::move(function));
            else
                existing->setFilter(std::move(function));
            return existing;
        }
    }
    auto* filter = new Filter(widget, std::move(function));
    widget->installEventFilter(filter);
    return filter;
}

} // namespace

int virtualKey(const QKeyEvent& event)
{
    const int key = event.key();
    if (event.modifiers().testFlag(Qt::KeypadModifier)) {
        if (const int code = keypadKey(key))
            return code;
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return 0x41 + (key - Qt::Key_A);
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return 0x30 + (key - Qt::Key_0);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return 0x70 + (key - Qt::Key_F1);
    const auto& table = mainKeys();
    const auto found = table.find(key);
    return found != table.end() ? found->second : 0;
}

QChar typedCharacter(const QKeyEvent& event)
{
    // Tab moves the focus; it is never a typed character.
    if (event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab)
        return QChar();
    const QString text = event.text();
    if (!text.isEmpty()) {
        const QChar first = text.at(0);
        // Keys such as Delete may carry the DEL control character; they type nothing.
        if (first.unicode() == 0x7F)
            return QChar();
        return first;
    }
    switch (event.key()) {
    case Qt::Key_Backspace: return QChar(0x08);
    case Qt::Key_Return:
    case Qt::Key_Enter: return QChar(0x0D);
    case Qt::Key_Escape: return QChar(0x1B);
    default: return QChar();
    }
}

QObject* onKeyPress(QWidget* widget, KeyPressHandler handler)
{
    return install<KeyPressFilter>(widget, std::move(handler));
}

QObject* filterCharacters(QWidget* widget, CharacterFilter keep)
{
    return install<CharacterFilterObject>(widget, std::move(keep));
}

} // namespace platform
