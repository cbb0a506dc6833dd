// The entry and check screens: button enabling at counts of 1, 2 and 3, the
// item captions, the check screens resuming where they were left, the
// corrections, the keystroke check on virtual-key codes, the Enter walk and
// the default buttons, the count screen's refusals and the scrolling heading.

#include "wizard_driver.h"

#include <QTimer>

using namespace framewizard;
using driver::click;
using driver::enter;
using driver::press;
using driver::type;

class EntryTest : public QObject
{
    Q_OBJECT
    std::unique_ptr<driver::Session> session;

private slots:
    void init() { session = std::make_unique<driver::Session>(); }
    void cleanup() { session.reset(); }

    void pairEntryButtonsFollowCount_data();
    void pairEntryButtonsFollowCount();
    void loadEntryButtonsFollowCount_data();
    void loadEntryButtonsFollowCount();
    void sectionEntryButtonsFollowCount_data();
    void sectionEntryButtonsFollowCount();
    void nextItemCaptions();
    void checkScreensWalkTheirItems();
    void checkScreenResumesAfterCancel();
    void corrections();
    void rejectedKeyEmptiesTheField();
    void keysByPhysicalKey_data();
    void keysByPhysicalKey();
    void countScreenEnterWalkAndDefaultButton();
    void lastLoadFieldTakesOnlyTheFirstDigit();
    void countScreenRefusals_data();
    void countScreenRefusals();
    void headingWrapsOnlyBeyondMinusItsWidth();
};

void EntryTest::pairEntryButtonsFollowCount_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("1") << 1;
    QTest::newRow("2") << 2;
    QTest::newRow("3") << 3;
}

void EntryTest::pairEntryButtonsFollowCount()
{
    QFETCH(int, count);
    frameModel().nodeCount = count;
    auto* f = platform::open<Form3>();
    QVERIFY(f);
    for (int item = 1; item <= count; ++item) {
        QVERIFY(!f->Command1->isEnabled() && !f->Command2->isEnabled() && !f->Command3->isEnabled());
        type(f, QString::number(item));
        QVERIFY(!f->Command1->isEnabled() && !f->Command3->isEnabled());  // x alone
        enter(f);
        type(f, QString::number(10 * item));
        const bool last = item == count;
        QCOMPARE(f->Command3->isEnabled(), !last);
        QCOMPARE(f->Command1->isEnabled(), last);
        QCOMPARE(f->Command2->isEnabled(), last);
        if (!last) {
            click(f->Command3);
            QVERIFY(f->Text1->text().isEmpty() && f->Text2->text().isEmpty());
            QCOMPARE(driver::focusOf(f), f->Text1);
        }
    }
    click(f->Command2);  // "输入检查"
    for (int item = 1; item <= count; ++item) {
        QCOMPARE(frameModel().nodeX(item), double(item));
        QCOMPARE(frameModel().nodeY(item), 10.0 * item);
    }
    auto* check = platform::find<Form4>();
    QVERIFY(check && check->isVisible());
    QCOMPARE(check->Text1->text(), QStringLiteral(" 1, 10"));
    QCOMPARE(driver::focusOf(check), check->Command2);
}

void EntryTest::loadEntryButtonsFollowCount_data()
{
    pairEntryButtonsFollowCount_data();
}

void EntryTest::loadEntryButtonsFollowCount()
{
    QFETCH(int, count);
    frameModel().loadCount = count;
    auto* f = platform::open<Form10>();
    QVERIFY(f);
    for (int item = 1; item <= count; ++item) {
        for (int c = 1; c <= 4; ++c) {
            QVERIFY(!f->Command1->isEnabled() && !f->Command2->isEnabled());
            type(f, QString::number(item + c));  // one digit: see lastLoadFieldTakesOnlyTheFirstDigit
            if (c < 4)
                enter(f);
        }
        const bool last = item == count;
        QCOMPARE(f->Command2->isEnabled(), !last);
        QCOMPARE(f->Command1->isEnabled(), last);
        QCOMPARE(driver::focusOf(f) == f->Command1, last);
        enter(f);  // "下一 个" (default) or the focused "确  定"
    }
    QCOMPARE(platform::state<Form10>(), platform::ScreenState::NotLoaded);
    QVERIFY(platform::find<Form11>());
    for (int item = 1; item <= count; ++item)
        for (int c = 1; c <= 4; ++c)
            QCOMPARE(frameModel().loadTable(item, c), double(item + c));
}

void EntryTest::sectionEntryButtonsFollowCount_data()
{
    pairEntryButtonsFollowCount_data();
}

void EntryTest::sectionEntryButtonsFollowCount()
{
    QFETCH(int, count);
    frameModel().sectionCount = count;
    auto* f = platform::open<Form11>();
    QVERIFY(f);
    for (int item = 1; item <= count; ++item) {
        QVERIFY(!f->Command1->isEnabled() && !f->Command2->isEnabled());
        QVERIFY(f->Command3->isEnabled());
        type(f, QString::number(item));
        enter(f);
        type(f, QString::number(item + 0.5));
        const bool last = item == count;
        QCOMPARE(f->Command2->isEnabled(), !last);
        QCOMPARE(f->Command1->isEnabled(), last);
        enter(f);
        if (last) {  // Enter in the last field at the last section moves nothing
            QVERIFY(f->isVisible());
            QCOMPARE(driver::focusOf(f), f->Text2);
        }
    }
    for (int item = 1; item < count; ++item) {
        QCOMPARE(frameModel().sectionTable(item, 1), double(item));
        QCOMPARE(frameModel().sectionTable(item, 2), item + 0.5);
    }
    // "返回荷载输入界面" with both fields filled stores nothing.
    frameModel().loadCount = 1;
    click(f->Command3);
    QCOMPARE(platform::state<Form11>(), platform::ScreenState::NotLoaded);
    QVERIFY(platform::find<Form10>() && platform::find<Form10>()->isVisible());
    QCOMPARE(frameModel().sectionTable(count, 1), 0.0);
    QCOMPARE(frameModel().sectionTable(count, 2), 0.0);
}

void EntryTest::nextItemCaptions()
{
    frameModel().nodeCount = 3;
    frameModel().memberCount = 3;
    frameModel().loadCount = 3;
    frameModel().sectionCount = 3;

    auto* f3 = platform::open<Form3>();
    QCOMPARE(driver::textOf(f3, "Label1_0"), QStringLiteral("输入第1个节点X方向坐标:"));
    type(f3, QStringLiteral("1"));
    enter(f3);
    type(f3, QStringLiteral("2"));
    click(f3->Command3);
    QCOMPARE(driver::textOf(f3, "Label1_0"), QStringLiteral("输入第 2个节点X方向坐标"));
    QCOMPARE(driver::textOf(f3, "Label1_1"), QStringLiteral("输入第 2个节点Y方向坐标"));
    QCOMPARE(f3->Text1->accessibleName(), QStringLiteral("输入第 2个节点X方向坐标"));

    auto* f6 = platform::open<form6>();
    type(f6, QStringLiteral("1"));
    enter(f6);
    type(f6, QStringLiteral("2"));
    click(f6->Command3);
    QCOMPARE(driver::textOf(f6, "Label1_0"), QStringLiteral("输入第 2个杆件连接小端号:"));
    QCOMPARE(driver::textOf(f6, "Label1_1"), QStringLiteral("输入第 2个杆件连接大端号:"));

    auto* f8 = platform::open<Form8>();
    type(f8, QStringLiteral("2.1E8"));
    enter(f8);
    type(f8, QStringLiteral("3.5e4"));
    click(f8->Command3);
    QCOMPARE(frameModel().memberEA(1), 210000000.0);
    QCOMPARE(frameModel().memberEI(1), 35000.0);
    QCOMPARE(driver::textOf(f8, "Label1"), QStringLiteral("输入第 2个杆件拉压刚度"));
    QCOMPARE(driver::textOf(f8, "Label2"), QStringLiteral("输入第 2个杆件抗弯抗度"));
    QVERIFY(!f8->Command1->isEnabled() && !f8->Command2->isEnabled() && !f8->Command3->isEnabled());

    auto* f10 = platform::open<Form10>();
    for (QLineEdit* t : {f10->Text1, f10->Text2, f10->Text3, f10->Text4})
        t->setText(QStringLiteral("1"));
    click(f10->Command2);
    QCOMPARE(driver::textOf(f10, "Label1"), QStringLiteral("输入第 2个荷载作用杆的编号："));
    QCOMPARE(driver::textOf(f10, "Label2"), QStringLiteral("输入第 2个荷载的大小："));
    QCOMPARE(driver::textOf(f10, "Label3"), QStringLiteral("输入第 2个荷载离单元小结点的距离："));
    QCOMPARE(driver::textOf(f10, "Label4"), QStringLiteral("输入第 2个荷载类型："));
    QVERIFY(!f10->Command1->isEnabled() && !f10->Command2->isEnabled());

    auto* f11 = platform::open<Form11>();
    f11->Text1->setText(QStringLiteral("1"));
    f11->Text2->setText(QStringLiteral("1"));
    click(f11->Command2);
    QCOMPARE(driver::textOf(f11, "Label1"), QStringLiteral("输入第 2截面所在单元编号："));
    QCOMPARE(driver::textOf(f11, "Label2"), QStringLiteral("输入第 2截面离小结号距离："));
}

// Form4, Form7 and Form9 over three stored items.
void EntryTest::checkScreensWalkTheirItems()
{
    driver::fillPortalFrame();
    frameModel().nodeCount = 3;
    frameModel().memberCount = 3;
    frameModel().memberEA(2) = 2.1e8;
    frameModel().memberEI(2) = 3.5e4;

    struct Case
    {
        platform::Screen* screen;
        const char* label;
        QString first;
        QString second;
        QString secondText;
        QString thirdText;
    };
    auto* f4 = platform::open<Form4>();
    auto* f7 = platform::open<Form7>();
    auto* f9 = platform::open<Form9>();
    const Case cases[] = {
        {f4, "Label1", QStringLiteral("您输入的第1点坐标为："), QStringLiteral("你输入的第 2点坐标为："),
         QStringLiteral(" 6, 0"), QStringLiteral(" 0, 4")},
        {f7, "Label1_0", QStringLiteral("修改第1个杆件连接端号："), QStringLiteral("你输入的第 2个杆件连接端号："),
         QStringLiteral(" 3, 4"), QStringLiteral(" 2, 4")},
        {f9, "Label1", QStringLiteral("修改第1个杆件拉压刚度和抗弯刚度 ："),
         QStringLiteral("你输入的第 2个杆件弹性模量和抗弯刚度为："), QStringLiteral(" 210000000, 35000"),
         QStringLiteral(" 1000000, 10000")},
    };
    for (const Case& c : cases) {
        auto* next = c.screen->findChild<QPushButton*>(QStringLiteral("Command2"));
        auto* text = c.screen->findChild<QLineEdit*>(QStringLiteral("Text1"));
        QCOMPARE(driver::textOf(c.screen, c.label), c.first);
        click(next);
        QCOMPARE(driver::textOf(c.screen, c.label), c.second);
        QCOMPARE(text->text(), c.secondText);
        QCOMPARE(next->text(), QStringLiteral("继续检查"));
        click(next);
        QCOMPARE(text->text(), c.thirdText);
        QCOMPARE(next->text(), QStringLiteral("退出"));
        click(next);
        QCOMPARE(platform::state(c.screen), platform::ScreenState::Hidden);
    }
    QVERIFY(platform::find<form6>());
    QVERIFY(platform::find<Form8>());
    QVERIFY(platform::find<Form10>());
}

// Leaving Form4 with "取消" at node 3 and entering all nodes again brings it
// back at node 3 with the text it showed, not at node 1.
void EntryTest::checkScreenResumesAfterCancel()
{
    frameModel().nodeCount = 4;
    auto enterNodes = [](double offset) {
        auto* f3 = platform::find<Form3>();
        for (int i = 1; i <= 4; ++i) {
            type(f3, QString::number(i + offset));
            enter(f3);
            type(f3, QString::number(i));
            if (i < 4)
                click(f3->Command3);
        }
        click(f3->Command2);
    };
    platform::open<Form3>();
    enterNodes(0);
    auto* f4 = platform::find<Form4>();
    QVERIFY(f4 && f4->isVisible());
    click(f4->Command2);
    click(f4->Command2);
    QCOMPARE(f4->Text1->text(), QStringLiteral(" 3, 3"));
    click(f4->Command3);  // "取消"
    QCOMPARE(platform::state<Form4>(), platform::ScreenState::Hidden);
    auto* f3 = platform::find<Form3>();
    QVERIFY(f3 && f3->isVisible());
    QCOMPARE(driver::textOf(f3, "Label1_0"), QStringLiteral("输入第1个节点X方向坐标:"));
    QVERIFY(f3->Text1->text().isEmpty());
    QVERIFY(!f3->Command1->isEnabled() && !f3->Command2->isEnabled() && !f3->Command3->isEnabled());

    enterNodes(100);
    QCOMPARE(platform::find<Form4>(), f4);
    QVERIFY(f4->isVisible());
    QCOMPARE(frameModel().nodeCheckCursor, 3.0);
    QCOMPARE(f4->Text1->text(), QStringLiteral(" 3, 3"));
    QCOMPARE(driver::textOf(f4, "Label1"), QStringLiteral("你输入的第 3点坐标为："));
    QCOMPARE(f4->Command2->text(), QStringLiteral("继续检查"));
    click(f4->Command2);
    QCOMPARE(f4->Text1->text(), QStringLiteral(" 104, 4"));
    QCOMPARE(f4->Command2->text(), QStringLiteral("退出"));
}

void EntryTest::corrections()
{
    driver::fillPortalFrame();
    auto* f4 = platform::open<Form4>();
    auto& d = session->dialogs;

    d.queueInput(QStringLiteral("1.5"));
    d.queueInput(QStringLiteral("2"));
    click(f4->Command1);
    QCOMPARE(d.prompts(), (QStringList{QStringLiteral("x轴要修改为："), QStringLiteral("y轴要修改为:")}));
    QCOMPARE(f4->Text1->text(), QStringLiteral("1.5, 2"));
    QCOMPARE(frameModel().nodeX(1), 1.5);
    QCOMPARE(frameModel().nodeY(1), 2.0);

    d.queueInput(QString());  // Cancel on x stores 0
    d.queueInput(QStringLiteral("7"));
    click(f4->Command1);
    QCOMPARE(f4->Text1->text(), QStringLiteral(", 7"));
    QCOMPARE(frameModel().nodeX(1), 0.0);

    // A y that is not a number, or Cancel: the old value stays, the user is told.
    for (const QString& answer : {QStringLiteral("abc"), QString()}) {
        d.clear();
        d.queueInput(QStringLiteral("3"));
        d.queueInput(answer);
        click(f4->Command1);
        QCOMPARE(frameModel().nodeX(1), 3.0);
        QCOMPARE(frameModel().nodeY(1), 7.0);
        QCOMPARE(f4->Text1->text(), QStringLiteral("3, 7"));
        QCOMPARE(d.messages().size(), 1);
        QVERIFY(d.messages().first().contains(QStringLiteral("y坐标")));
    }
    QCOMPARE(frameModel().nodeCheckCursor, 1.0);

    auto* f7 = platform::open<Form7>();
    d.clear();
    d.queueInput(QStringLiteral("1"));
    d.queueInput(QStringLiteral(" 4 "));
    click(f7->Command1);
    QCOMPARE(d.prompts(), (QStringList{QStringLiteral("小端号要修改为："), QStringLiteral("大端号要修改为:")}));
    QCOMPARE(frameModel().memberLargeEnd(1), 4.0);

    auto* f9 = platform::open<Form9>();
    d.clear();
    d.queueInput(QStringLiteral("2E6"));
    d.queueInput(QStringLiteral("x"));
    click(f9->Command1);
    QCOMPARE(d.prompts(), (QStringList{QStringLiteral("弹性模量要修改为："), QStringLiteral("抗弯刚度要修改为:")}));
    QCOMPARE(frameModel().memberEA(1), 2e6);
    QCOMPARE(frameModel().memberEI(1), 1e4);
    QCOMPARE(f9->Text1->text(), QStringLiteral("2E6, 10000"));
}

void EntryTest::rejectedKeyEmptiesTheField()
{
    frameModel().nodeCount = 1;
    auto* f = platform::open<Form3>();
    type(f, QStringLiteral("12"));
    enter(f);
    type(f, QStringLiteral("34"));
    QVERIFY(f->Command1->isEnabled());
    type(f, QStringLiteral("a"));  // in Text2: message B, field emptied, no "a"
    QCOMPARE(session->dialogs.messages(), QStringList{QStringLiteral("wrong lettle,输入数字，请重输！")});
    QCOMPARE(f->Text2->text(), QString());
    QCOMPARE(f->Text1->text(), QStringLiteral("12"));
    QVERIFY(!f->Command1->isEnabled() && !f->Command2->isEnabled());

    f->Text1->setFocus();
    press(f, Qt::Key_Left);  // moving inside the field is refused too: message A
    QCOMPARE(session->dialogs.messages().last(), QStringLiteral("wrong lettle ,输入数字，请重输！"));
    QCOMPARE(f->Text1->text(), QString());
    type(f, QStringLiteral("5,"));
    QCOMPARE(f->Text1->text(), QString());
    QCOMPARE(session->dialogs.messages().size(), 3);
    QCOMPARE(frameModel().nodeX(1), 0.0);  // nothing stored
}

void EntryTest::keysByPhysicalKey_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("text");  // field text after "7" and the key
    const int shift = Qt::ShiftModifier, pad = Qt::KeypadModifier, ctrl = Qt::ControlModifier;
    QTest::newRow("shift+1 is the 1 key") << int(Qt::Key_Exclam) << shift << true << QStringLiteral("7!");
    QTest::newRow("shift+= gives +") << int(Qt::Key_Plus) << shift << true << QStringLiteral("7+");
    QTest::newRow("shift+- gives _") << int(Qt::Key_Underscore) << shift << true << QStringLiteral("7_");
    QTest::newRow("shift+. gives >") << int(Qt::Key_Greater) << shift << true << QStringLiteral("7>");
    QTest::newRow("shift alone") << int(Qt::Key_Shift) << shift << true << QStringLiteral("7");
    QTest::newRow("ctrl alone") << int(Qt::Key_Control) << ctrl << true << QStringLiteral("7");
    QTest::newRow("keypad 5") << int(Qt::Key_5) << pad << true << QStringLiteral("75");
    QTest::newRow("keypad +") << int(Qt::Key_Plus) << pad << true << QStringLiteral("7+");
    QTest::newRow("keypad -") << int(Qt::Key_Minus) << pad << true << QStringLiteral("7-");
    QTest::newRow("keypad .") << int(Qt::Key_Period) << pad << true << QStringLiteral("7.");
    QTest::newRow("keypad *") << int(Qt::Key_Asterisk) << pad << false << QString();
    QTest::newRow("keypad /") << int(Qt::Key_Slash) << pad << false << QString();
    QTest::newRow("E") << int(Qt::Key_E) << 0 << true << QStringLiteral("7e");
    QTest::newRow("F") << int(Qt::Key_F) << 0 << false << QString();
    QTest::newRow("ctrl+c") << int(Qt::Key_C) << ctrl << false << QString();
    QTest::newRow("space") << int(Qt::Key_Space) << 0 << false << QString();
    QTest::newRow("home") << int(Qt::Key_Home) << 0 << false << QString();
    QTest::newRow("escape") << int(Qt::Key_Escape) << 0 << false << QString();
    QTest::newRow("F1") << int(Qt::Key_F1) << 0 << false << QString();
    QTest::newRow("/ key") << int(Qt::Key_Slash) << 0 << false << QString();
    QTest::newRow("backspace") << int(Qt::Key_Backspace) << 0 << true << QString();
}

void EntryTest::keysByPhysicalKey()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, accepted);
    QFETCH(QString, text);
    frameModel().memberCount = 2;
    auto* f = platform::open<Form8>();
    type(f, QStringLiteral("7"));
    press(f, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(f->Text1->text(), text);
    QCOMPARE(session->dialogs.messages().size(), accepted ? 0 : 1);
}

// Typing 5, 2, 4, 1, 3 with Enter between enables "确  定" with the last key;
// Enter then stores the counts and opens Form3.
void EntryTest::countScreenEnterWalkAndDefaultButton()
{
    auto* f = platform::open<Form2>();
    QCOMPARE(driver::focusOf(f), f->Text1);
    enter(f);  // Enter in an empty field keeps the focus
    QCOMPARE(driver::focusOf(f), f->Text1);
    QLineEdit* fields[] = {f->Text1, f->Text2, f->Text3, f->Text4, f->Text5};
    const char* counts[] = {"5", "2", "4", "1", "3"};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(driver::focusOf(f), fields[i]);
        QVERIFY(!f->Command2->isEnabled());
        type(f, QString::fromLatin1(counts[i]));
        if (i < 4)
            enter(f);
    }
    QVERIFY(f->Command2->isEnabled());
    // "清  除" empties everything and disables "确  定" again.
    click(f->Command1);
    QVERIFY(!f->Command2->isEnabled());
    QCOMPARE(driver::focusOf(f), f->Text1);
    for (int i = 0; i < 5; ++i) {
        type(f, QString::fromLatin1(counts[i]));
        enter(f);  // the fifth Enter is taken by the default button
    }
    QCOMPARE(platform::state<Form2>(), platform::ScreenState::NotLoaded);
    QCOMPARE(frameModel().unknownCount, 9.0);
    QCOMPARE(frameModel().loadCount, 1.0);
    auto* f3 = platform::find<Form3>();
    QVERIFY(f3 && f3->isVisible());

    // Enter in y with x still empty: the successor button is disabled, the
    // focus stays where it is.
    f3->Text2->setFocus();
    type(f3, QStringLiteral("1"));
    enter(f3);
    QCOMPARE(driver::focusOf(f3), f3->Text2);
}

// At the last load the field filled last is Text1: after the 1 of "12" the
// focus is on "确  定", so the 2 never reaches the field and member 1 is stored.
void EntryTest::lastLoadFieldTakesOnlyTheFirstDigit()
{
    frameModel().loadCount = 1;
    auto* f = platform::open<Form10>();
    f->Text2->setFocus();
    type(f, QStringLiteral("10"));
    enter(f);
    type(f, QStringLiteral("3"));
    enter(f);
    type(f, QStringLiteral("1"));
    f->Text1->setFocus();
    type(f, QStringLiteral("12"));
    QCOMPARE(f->Text1->text(), QStringLiteral("1"));
    QCOMPARE(driver::focusOf(f), f->Command1);
    enter(f);
    QCOMPARE(frameModel().loadTable(1, 1), 1.0);
    QCOMPARE(frameModel().loadTable(1, 2), 10.0);
    QVERIFY(platform::find<Form11>() && platform::find<Form11>()->isVisible());
}

void EntryTest::countScreenRefusals_data()
{
    QTest::addColumn<QStringList>("counts");
    QTest::addColumn<QString>("message");  // a part of it; empty: accepted
    QTest::addColumn<QString>("focus");
    const QString wrong = QStringLiteral("您输入的数据有问题，请检查，然后重新启动程序输入数据！");
    QTest::newRow("more fixed than nodes") << QStringList{"3", "5", "1", "1", "1"} << wrong << "Text1";
    QTest::newRow("no nodes") << QStringList{"0", "0", "1", "1", "1"} << "“结点总数”" << "Text1";
    QTest::newRow("half node") << QStringList{"2.5", "1", "1", "1", "1"} << "“结点总数”" << "Text1";
    QTest::newRow("no fixed node") << QStringList{"4", "0", "3", "1", "1"} << "“固定结点数”" << "Text2";
    QTest::newRow("all fixed") << QStringList{"4", "4", "3", "1", "1"} << "自由结点" << "Text1";
    QTest::newRow("minus members") << QStringList{"4", "2", "-3", "1", "1"} << "“杆件单元数”" << "Text3";
    QTest::newRow("no load") << QStringList{"4", "2", "3", "0", "1"} << "“荷载总数”" << "Text4";
    QTest::newRow("only E") << QStringList{"4", "2", "3", "1", "E"} << "“截面总数”" << "Text5";
    QTest::newRow("too many") << QStringList{"4", "2", "40000", "1", "1"} << "“杆件单元数”" << "Text3";
    QTest::newRow("accepted") << QStringList{"4", "2", "3", "1", "2"} << QString() << QString();
}

void EntryTest::countScreenRefusals()
{
    QFETCH(QStringList, counts);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    auto* f = platform::open<Form2>();
    QLineEdit* fields[] = {f->Text1, f->Text2, f->Text3, f->Text4, f->Text5};
    for (int i = 0; i < 5; ++i)
        QTest::keyClicks(fields[i], counts[i]);
    click(f->Command2);
    if (message.isEmpty()) {
        QVERIFY(session->dialogs.messages().isEmpty());
        QVERIFY(platform::find<Form3>());
        return;
    }
    QCOMPARE(session->dialogs.messages().size(), 1);
    QVERIFY2(session->dialogs.messages().first().contains(message), qPrintable(session->dialogs.messages().first()));
    QCOMPARE(platform::state<Form2>(), platform::ScreenState::Shown);
    QCOMPARE(platform::state<Form3>(), platform::ScreenState::NotLoaded);
    QVERIFY(f->Command2->isEnabled());
    QCOMPARE(driver::focusOf(f)->objectName(), focus);
    const bool cleared = message.startsWith(QStringLiteral("您输入"));
    for (int i = 0; i < 5; ++i)
        QCOMPARE(fields[i]->text(), cleared ? QString() : counts[i]);
}

void EntryTest::headingWrapsOnlyBeyondMinusItsWidth()
{
    auto* f2 = platform::open<Form2>();
    auto* f1 = platform::open<Form1>();
    struct Case
    {
        platform::Screen* screen;
        platform::ScrollingHeading* heading;
        int width;
        int step;
    };
    const Case cases[] = {{f2, f2->Timer1, 5175, 200}, {f1, f1->Timer1, 3405, 300}};
    for (const Case& c : cases) {
        c.heading->timer()->stop();
        QCOMPARE(c.heading->timer()->interval(), 100);
        QCOMPARE(c.heading->step(), c.step);
        QCOMPARE(c.screen->widthOf(c.heading->label()), c.width);
        c.screen->setLeft(c.heading->label(), -c.width + c.step);
        c.heading->tick();
        QCOMPARE(c.screen->left(c.heading->label()), -c.width);  // exactly minus the width: not yet
        c.heading->tick();
        QCOMPARE(c.screen->left(c.heading->label()), c.screen->outerWidth());
    }
}

QTEST_MAIN(EntryTest)
#include "test_entry.moc"
