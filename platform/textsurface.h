#pragma once
// A drawing surface for lines of text: at character columns or from the top-left
// corner (see textlayout.h for the placement rules). What is drawn is kept and
// repainted, so it survives covering, hiding and grabbing. Place it on a screen as
// the bottom-most child where the text is to appear.

#include "platform/textlayout.h"

#include <QWidget>

#include <memory>

namespace platform {

class TextSurface final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TextSurface)
public:
    // Font "宋体" 9 points and a transparent background unless set otherwise
    // (setFont(); platform::setBackground() for a filled background).
    explicit TextSurface(QWidget* parent = nullptr);
    ~TextSurface() override;

    void printLine(const QList<TextItem>& items);
    void printText(const QString& text);
    void clear(); // empties the surface; the print position returns to the top left

    const TextLayout& layout() const { return *m_layout; }
    // All drawn lines as plain text (items joined, blanks up to their columns as
    // if one column were one character); for tests.
    QStringList lines() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Statement
    {
        bool isText = false; // printText() rather than printLine()
        QList<TextItem> items;
        QString text;
    };
    void relayout();

    std::unique_ptr<TextLayout> m_layout;
    QList<Statement> m_statements; // kept to lay the text out again after a font change
};

} // namespace platform
