// Virtual-key codes, key swallowing before the field, and the per-character filter.

#include "platform/dialogs.h"
#include "platform/keys.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

class TestKeys final : public QObject
{
    Q_OBJECT
private slots:
    void virtualKeyTable_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("code");
        const int none = Qt::NoModifier;
        const int shift = Qt::ShiftModifier;
        const int pad = Qt::KeypadModifier;
        QTest::newRow("A") << int(Qt::Key_A) << none << "a" << 0x41;
        QTest::newRow("E") << int(Qt::Key_E) << shift << "E" << 0x45;
        QTest::newRow("Z") << int(Qt::Key_Z) << none << "z" << 0x5A;
        QTest::newRow("ctrl+C") << int(Qt::Key_C) << int(Qt::ControlModifier) << "\x03" << 0x43;
        QTest::newRow("0") << int(Qt::Key_0) << none << "0" << 0x30;
        QTest::newRow("9") << int(Qt::Key_9) << none << "9" << 0x39;
        QTest::newRow("! is 1") << int(Qt::Key_Exclam) << shift << "!" << 0x31;
        QTest::newRow(") is 0") << int(Qt::Key_ParenRight) << shift << ")" << 0x30;
        QTest::newRow("* is 8") << int(Qt::Key_Asterisk) << shift << "*" << 0x38;
        QTest::newRow("pad 0") << int(Qt::Key_0) << pad << "0" << 0x60;
        QTest::newRow("pad 9") << int(Qt::Key_9) << pad << "9" << 0x69;
        QTest::newRow("pad *") << int(Qt::Key_Asterisk) << pad << "*" << 0x6A;
        QTest::newRow("pad +") << int(Qt::Key_Plus) << pad << "+" << 0x6B;
        QTest::newRow("pad -") << int(Qt::Key_Minus) << pad << "-" << 0x6D;
        QTest::newRow("pad .") << int(Qt::Key_Period) << pad << "." << 0x6E;
        QTest::newRow("pad /") << int(Qt::Key_Slash) << pad << "/" << 0x6F;
        QTest::newRow("pad Enter") << int(Qt::Key_Enter) << pad << "\r" << 0x0D;
        QTest::newRow("pad Home") << int(Qt::Key_Home) << pad << "" << 0x24;
        QTest::newRow(";") << int(Qt::Key_Semicolon) << none << ";" << 0xBA;
        QTest::newRow(": is ;") << int(Qt::Key_Colon) << shift << ":" << 0xBA;
        QTest::newRow("=") << int(Qt::Key_Equal) << none << "=" << 0xBB;
        QTest::newRow("+ is =") << int(Qt::Key_Plus) << shift << "+" << 0xBB;
        QTest::newRow(",") << int(Qt::Key_Comma) << none << "," << 0xBC;
        QTest::newRow("< is ,") << int(Qt::Key_Less) << shift << "<" << 0xBC;
        QTest::newRow("-") << int(Qt::Key_Minus) << none << "-" << 0xBD;
        QTest::newRow("_ is -") << int(Qt::Key_Underscore) << shift << "_" << 0xBD;
        QTest::newRow(".") << int(Qt::Key_Period) << none << "." << 0xBE;
        QTest::newRow("> is .") << int(Qt::Key_Greater) << shift << ">" << 0xBE;
        QTest::newRow("/") << int(Qt::Key_Slash) << none << "/" << 0xBF;
        QTest::newRow("? is /") << int(Qt::Key_Question) << shift << "?" << 0xBF;
        QTest::newRow("`") << int(Qt::Key_QuoteLeft) << none << "`" << 0xC0;
        QTest::newRow("~ is `") << int(Qt::Key_AsciiTilde) << shift << "~" << 0xC0;
        QTest::newRow("[") << int(Qt::Key_BracketLeft) << none << "[" << 0xDB;
        QTest::newRow("\\") << int(Qt::Key_Backslash) << none << "\\" << 0xDC;
        QTest::newRow("| is \\") << int(Qt::Key_Bar) << shift << "|" << 0xDC;
        QTest::newRow("]") << int(Qt::Key_BracketRight) << none << "]" << 0xDD;
        QTest::newRow("'") << int(Qt::Key_Apostrophe) << none << "'" << 0xDE;
        QTest::newRow("\" is '") << int(Qt::Key_QuoteDbl) << shift << "\"" << 0xDE;
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << none << "\b" << 0x08;
        QTest::newRow("Tab") << int(Qt::Key_Tab) << none << "\t" << 0x09;
        QTest::newRow("Return") << int(Qt::Key_Return) << none << "\r" << 0x0D;
        QTest::newRow("Shift") << int(Qt::Key_Shift) << shift << "" << 0x10;
        QTest::newRow("Ctrl") << int(Qt::Key_Control) << int(Qt::ControlModifier) << "" << 0x11;
        QTest::newRow("Alt") << int(Qt::Key_Alt) << int(Qt::AltModifier) << "" << 0x12;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << none << "\x1b" << 0x1B;
        QTest::newRow("Space") << int(Qt::Key_Space) << none << " " << 0x20;
        QTest::newRow("PageUp") << int(Qt::Key_PageUp) << none << "" << 0x21;
        QTest::newRow("End") << int(Qt::Key_End) << none << "" << 0x23;
        QTest::newRow("Home") << int(Qt::Key_Home) << none << "" << 0x24;
        QTest::newRow("Left") << int(Qt::Key_Left) << none << "" << 0x25;
        QTest::newRow("Up") << int(Qt::Key_Up) << none << "" << 0x26;
        QTest::newRow("Right") << int(Qt::Key_Right) << none << "" << 0x27;
        QTest::newRow("Down") << int(Qt::Key_Down) << none << "" << 0x28;
        QTest::newRow("Insert") << int(Qt::Key_Insert) << none << "" << 0x2D;
        QTest::newRow("Delete") << int(Qt::Key_Delete) << none << "\x7f" << 0x2E;
        QTest::newRow("F1") << int(Qt::Key_F1) << none << "" << 0x70;
        QTest::newRow("F12") << int(Qt::Key_F12) << none << "" << 0x7B;
        QTest::newRow("no code: e acute") << int(Qt::Key_Eacute) << none << "é" << 0;
        QTest::newRow("no code: unknown") << int(Qt::Key_unknown) << none << "" << 0;
    }

    void virtualKeyTable()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(int, code);
        const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
        QCOMPARE(platform::virtualKey(event), code);
    }

    void realKeyPressesDeliverCodesBeforeTheFieldChanges()
    {
        QLineEdit field;
        QList<int> codes;
        QStringList textBefore;
        platform::onKeyPress(&field, [&](int key) {
            codes << key;
            textBefore << field.text();
            return false;
        });
        QTest::keyClicks(&field, QStringLiteral("2.1E8"));
        QCOMPARE(codes, (QList<int>{0x32, 0xBE, 0x31, 0x45, 0x38}));
        QCOMPARE(textBefore, (QStringList{"", "2", "2.", "2.1", "2.1E"}));
        QCOMPARE(field.text(), QStringLiteral("2.1E8"));

        codes.clear();
        QTest::keyClick(&field, Qt::Key_5, Qt::KeypadModifier);
        QTest::keyClick(&field, Qt::Key_Minus, Qt::KeypadModifier);
        QTest::keyClick(&field, Qt::Key_Shift);
        QTest::keyClick(&field, Qt::Key_Left);
        QCOMPARE(codes, (QList<int>{0x65, 0x6D, 0x10, 0x25}));
    }

    void aSwallowedKeyNeverReachesTheEmptiedField()
    {
        platform::ScriptedDialogs script;
        platform::ScopedDialogs use(script);
        QLineEdit field;
        QString textWhileMessageUp;
        script.setOnShown([&](const platform::ScriptedDialogs::Shown&) { textWhileMessageUp = field.text(); });
        platform::onKeyPress(&field, [&](int key) {
            const bool digit = key >= 0x30 && key <= 0x39;
            if (digit)
                return false;
            platform::dialogs().message(QStringLiteral("wrong lettle ,输入数字，请重输！"));
            field.clear();
            return true;
        });
        QTest::keyClicks(&field, QStringLiteral("12a"));
        QCOMPARE(field.text(), QString());
        QCOMPARE(textWhileMessageUp, QStringLiteral("12"));
        QCOMPARE(script.messages(), QStringList{QStringLiteral("wrong lettle ,输入数字，请重输！")});
        QTest::keyClicks(&field, QStringLiteral("3"));
        QCOMPARE(field.text(), QStringLiteral("3"));
    }

    void installingAgainReplacesTheHandler()
    {
        QLineEdit field;
        int first = 0;
        int second = 0;
        QObject* a = platform::onKeyPress(&field, [&](int) { ++first; return false; });
        QObject* b = platform::onKeyPress(&field, [&](int) { ++second; return false; });
        QCOMPARE(a, b);
        QTest::keyClick(&field, Qt::Key_1);
        QCOMPARE(first, 0);
        QCOMPARE(second, 1);
    }

    void characterFilterDiscardsRejectedCharactersOnly()
    {
        QLineEdit field;
        const QString allowed = QStringLiteral("0123456789.e");
        QList<QChar> asked;
        platform::filterCharacters(&field, [&](QChar c) {
            asked << c;
            return allowed.contains(c);
        });
        QTest::keyClicks(&field, QStringLiteral("1-2E.e"));
        QCOMPARE(field.text(), QStringLiteral("12.e"));
        // Backspace is the character 8 and is discarded like any other.
        QTest::keyClick(&field, Qt::Key_Backspace);
        QCOMPARE(field.text(), QStringLiteral("12.e"));
        QCOMPARE(asked.last(), QChar(0x08));
        // Keys without a character are not filtered.
        const qsizetype before = asked.size();
        QTest::keyClick(&field, Qt::Key_Home);
        QTest::keyClick(&field, Qt::Key_Delete);
        QCOMPARE(field.text(), QStringLiteral("2.e"));
        QCOMPARE(asked.size(), before);
    }

    void characterFilterOnAnEditableComboBox()
    {
        QComboBox combo;
        combo.setEditable(true);
        platform::filterCharacters(&combo, [](QChar c) { return c.isDigit(); });
        QTest::keyClicks(&combo, QStringLiteral("3x4-"));
        QCOMPARE(combo.currentText(), QStringLiteral("34"));
    }
};

QTEST_MAIN(TestKeys)
#include "test_keys.moc"
