// The screens of the continuous-beam analyser, driven with real key and mouse
// events on the offscreen platform. Message boxes go to a scripted double and
// printing to a capture double; the program's end is recorded, not performed.

#include "beamwizard/screens/screens.h"

#include "platform/dialogs.h"
#include "platform/platform.h"
#include "platform/printing.h"
#include "platform/registry.h"
#include "platform/textsurface.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace beamwizard;

namespace {

QString sp(int count) { return QString(count, QLatin1Char(' ')); }

template <class T>
T* shown()
{
    T* screen = platform::find<T>();
    if (screen && platform::state<T>() == platform::ScreenState::Shown)
        return screen;
    return nullptr;
}

// A mouse click; pending events (a screen just shown) are delivered first.
void click(QAbstractButton* button)
{
    QApplication::setActiveWindow(button->window());
    QCoreApplication::processEvents();
    QTest::mouseClick(button, Qt::LeftButton);
}

// Replaces a field's text by typing: Home, Shift+End, Delete (keys that type
// no character, so the combo boxes' filter lets them through), then the keys.
void type(QWidget* field, const QString& text)
{
    QTest::keyClick(field, Qt::Key_Home);
    QTest::keyClick(field, Qt::Key_End, Qt::ShiftModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

void typeAll(std::span<QLineEdit* const> fields, const QStringList& texts)
{
    for (qsizetype i = 0; i < texts.size(); ++i)
        type(fields[std::size_t(i)], texts[i]);
}

// The worked example of the solver: 3 nodes, both ends hinged, spans of
// length 6 and EI 1, span 1 under a downward uniform load of 10.
const QStringList kLengths{QStringLiteral("6"), QStringLiteral("6")};
const QStringList kStiffnesses{QStringLiteral("1"), QStringLiteral("1")};
const QStringList kCouples{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")};
const QStringList kMoments{QStringLiteral("-30"), QStringLiteral("30"), QStringLiteral("0"),
                           QStringLiteral("0")};
const QStringList kShears{QStringLiteral("30"), QStringLiteral("-30"), QStringLiteral("0"),
                          QStringLiteral("0")};

const QStringList kWorkedListing{
    QStringLiteral("结点数  左端信息 右端信息"),
    QStringLiteral(" 3") + sp(7) + QStringLiteral(" 0") + sp(8) + QStringLiteral(" 0"),
    QStringLiteral(" 杆序号  杆长度 刚度EI"),
    sp(4) + QStringLiteral("1") + sp(4) + QStringLiteral(" 6") + sp(4) + QStringLiteral(" 1"),
    sp(4) + QStringLiteral("2") + sp(4) + QStringLiteral(" 6") + sp(4) + QStringLiteral(" 1"),
    sp(3) + QStringLiteral("结点序号 结点力偶荷载"),
    sp(5) + QStringLiteral("1") + sp(8) + QStringLiteral(" 0") + sp(2),
    sp(5) + QStringLiteral("2") + sp(8) + QStringLiteral(" 0") + sp(2),
    sp(5) + QStringLiteral("3") + sp(8) + QStringLiteral(" 0") + sp(2),
    QStringLiteral("杆序号   左端固端弯矩 右端固端弯矩"),
    sp(3) + QStringLiteral("1") + sp(8) + QStringLiteral("-30") + sp(10) + QStringLiteral(" 30"),
    sp(3) + QStringLiteral("2") + sp(8) + QStringLiteral(" 0") + sp(10) + QStringLiteral(" 0"),
    QStringLiteral("杆序号   左端固端剪力 右端固端剪力"),
    sp(3) + QStringLiteral("1") + sp(8) + QStringLiteral(" 30") + sp(10) + QStringLiteral("-30"),
    sp(3) + QStringLiteral("2") + sp(8) + QStringLiteral(" 0") + sp(10) + QStringLiteral(" 0"),
};

const QStringList kWorkedResults{
    sp(3) + QStringLiteral("结点序号 结点转角位移"),
    sp(5) + QStringLiteral("1") + sp(8) + QStringLiteral(" 67.5") + sp(2),
    sp(5) + QStringLiteral("2") + sp(8) + QStringLiteral("-45") + sp(2),
    sp(5) + QStringLiteral("3") + sp(8) + QStringLiteral(" 22.5") + sp(2),
    QStringLiteral("杆序号   左端弯矩 右端弯矩 左端剪力 右端剪力"),
    // The left end moment of span 1 is 0 up to single-precision rounding.
    sp(3) + QStringLiteral("1") + sp(6) + QStringLiteral(" 2.165636E-06") + sp(6) + QStringLiteral(" 22.5") + sp(6) +
        QStringLiteral(" 26.25") + sp(8) + QStringLiteral("-33.75"),
    sp(3) + QStringLiteral("2") + sp(6) + QStringLiteral("-22.5") + sp(6) + QStringLiteral(" 0") + sp(6) +
        QStringLiteral(" 3.75") + sp(8) + QStringLiteral(" 3.75"),
};

}  // namespace

class TestBeamScreens final : public QObject
{
    Q_OBJECT

private:
    platform::ScriptedDialogs script;
    platform::CapturePrinter paper;
    int endCalls = 0;

    // Form1 -> Form2, node count and codes typed, "确   定" by Enter.
    Form3* enterBasics(const QString& count, const QString& left, const QString& right)
    {
        if (!shown<Form2>()) {
            Form1* form1 = shown<Form1>() ? shown<Form1>() : platform::open<Form1>();
            click(form1->Command1);
        }
        Form2* form2 = shown<Form2>();
        if (!form2)
            return nullptr;
        type(form2->Combo1, count);
        type(form2->Combo2, left);
        type(form2->Combo3, right);
        QTest::keyClick(form2->Combo3, Qt::Key_Return);
        return shown<Form3>();
    }

    // Form3 -> Form4 -> Form8 -> Form5 with the given field texts.
    Form5* enterBeam(const QStringList& lengths, const QStringList& stiffnesses,
                     const QStringList& couples, const QStringList& moments, const QStringList& shears)
    {
        Form3* form3 = shown<Form3>();
        if (!form3)
            return nullptr;
        typeAll(form3->Text1, lengths);
        click(form3->Command1);
        typeAll(form3->Text2, stiffnesses);
        click(form3->Command3);
        typeAll(form3->Text3, couples);
        click(form3->Command5);
        Form4* form4 = shown<Form4>();
        if (!form4)
            return nullptr;
        typeAll(form4->Text1, moments);
        click(form4->Command1);
        Form8* form8 = shown<Form8>();
        if (!form8)
            return nullptr;
        typeAll(form8->Text1, shears);
        click(form8->Command1);
        return shown<Form5>();
    }

    Form5* enterWorkedExample()
    {
        if (!enterBasics(QStringLiteral("3"), QStringLiteral("0"), QStringLiteral("0")))
            return nullptr;
        return enterBeam(kLengths, kStiffnesses, kCouples, kMoments, kShears);
    }

private slots:
    void initTestCase()
    {
        platform::setDialogs(&script);
        platform::setPrinter(&paper);
        platform::setEndProgramHandler([this] { ++endCalls; });
    }

    void init()
    {
        resetBeamModel();
        script.clear();
        paper.clear();
        endCalls = 0;
    }

    void cleanup() { platform::closeAllScreens(); }

    void cleanupTestCase()
    {
        platform::setDialogs(nullptr);
        platform::setPrinter(nullptr);
        platform::setEndProgramHandler({});
    }

    void workedExampleThroughEveryScreen()
    {
        Form5* form5 = enterWorkedExample();
        QVERIFY(form5);
        QCOMPARE(script.messages(), QStringList{});

        click(form5->Command1);
        QCOMPARE(form5->listLines(), kWorkedListing);
        click(form5->Command3);
        QCOMPARE(script.messages(), QStringList{});
        QCOMPARE(form5->listLines(), kWorkedListing + kWorkedResults);

        click(form5->Command5);
        Form6* form6 = shown<Form6>();
        QVERIFY(form6);
        click(form6->Command1);
        const QStringList numbers{QStringLiteral(" 1"), QStringLiteral(" 2"), QStringLiteral(" 3")};
        const QStringList rotations{QStringLiteral(" 67.5"), QStringLiteral("-45"), QStringLiteral(" 22.5")};
        for (int r = 0; r < 3; ++r) {
            QCOMPARE(form6->Label5[std::size_t(r)]->text(), numbers[r]);
            QCOMPARE(form6->Label6[std::size_t(r)]->text(), rotations[r]);
        }
        QCOMPARE(form6->Label7[0]->text(), QStringLiteral(" 2.165636E-06"));
        QCOMPARE(form6->Label8[0]->text(), QStringLiteral(" 22.5"));
        QCOMPARE(form6->Label7[1]->text(), QStringLiteral("-22.5"));
        QCOMPARE(form6->Label8[1]->text(), QStringLiteral(" 0"));
        QCOMPARE(form6->Label7[2]->text(), QString());  // no third span
        QCOMPARE(form6->Label5[3]->text(), QString());

        click(form6->Command3);
        Form7* form7 = shown<Form7>();
        QVERIFY(form7);
        click(form7->Command1);
        QCOMPARE(script.messages(), QStringList{});
        const QStringList drawn = form7->surface->lines();
        QCOMPARE(drawn.size(), 7);
        QCOMPARE(drawn[1], sp(11) + QStringLiteral(" 1 ") + sp(9) + QStringLiteral("67.500"));
        QCOMPARE(drawn[2], sp(11) + QStringLiteral(" 2 ") + sp(9) + QStringLiteral("-45.000"));
        QCOMPARE(drawn[3], sp(11) + QStringLiteral(" 3 ") + sp(9) + QStringLiteral("22.500"));
        QCOMPARE(drawn[5], sp(11) + QStringLiteral(" 1 ") + sp(9) + QStringLiteral("0.000") + sp(6) +
                               QStringLiteral("22.500") + sp(11) + QStringLiteral("26.250") + sp(7) +
                               QStringLiteral("-33.750"));
        QCOMPARE(drawn[6], sp(11) + QStringLiteral(" 2 ") + sp(9) + QStringLiteral("-22.500") + sp(4) +
                               QStringLiteral("0.000") + sp(12) + QStringLiteral("3.750") + sp(8) +
                               QStringLiteral("3.750"));
        QVERIFY(drawn[0].startsWith(sp(9) + QStringLiteral("结点序号 ")));
        QVERIFY(drawn[4].startsWith(sp(9) + QStringLiteral("杆序号")));

        // Drawing again clears the surface first.
        click(form7->Command1);
        QCOMPARE(form7->surface->lines(), drawn);
    }

    void comboFilterDiscardsMinusUpperEAndBackspace()
    {
        platform::open<Form1>();
        click(shown<Form1>()->Command1);
        Form2* form2 = shown<Form2>();
        QVERIFY(form2);
        for (QComboBox* combo : {form2->Combo1, form2->Combo2, form2->Combo3}) {
            QTest::keyClicks(combo, QStringLiteral("1-2E3"));
            QCOMPARE(combo->currentText(), QStringLiteral("123"));
            QTest::keyClick(combo, Qt::Key_Backspace);
            QCOMPARE(combo->currentText(), QStringLiteral("123"));
            QTest::keyClicks(combo, QStringLiteral(".5e+x"));
            QCOMPARE(combo->currentText(), QStringLiteral("123.5e"));
            // Keys without a character go through: Home, then Delete removes the "1".
            QTest::keyClick(combo, Qt::Key_Home);
            QTest::keyClick(combo, Qt::Key_Delete);
            QCOMPARE(combo->currentText(), QStringLiteral("23.5e"));
        }
        QCOMPARE(form2->Combo1->count(), 6);
        QCOMPARE(form2->Combo1->itemText(0), QStringLiteral("2"));
        QCOMPARE(form2->Combo1->itemText(5), QStringLiteral("7"));
        QCOMPARE(form2->Combo2->itemText(0), QStringLiteral("1"));
        QCOMPARE(form2->Combo3->itemText(1), QStringLiteral("0"));

        click(form2->Command3);  // 重新输入
        for (QComboBox* combo : {form2->Combo1, form2->Combo2, form2->Combo3})
            QCOMPARE(combo->currentText(), QStringLiteral(" "));
        QCOMPARE(beamModel().beamNodeCount, 0);
    }

    void nodeCountIsRoundedHalfToEven_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("nodes");
        QTest::newRow("2.5") << QStringLiteral("2.5") << 2;
        QTest::newRow("3.5") << QStringLiteral("3.5") << 4;
        QTest::newRow("7") << QStringLiteral("7") << 7;
    }

    void nodeCountIsRoundedHalfToEven()
    {
        QFETCH(QString, typed);
        QFETCH(int, nodes);
        QVERIFY(enterBasics(typed, QStringLiteral("1"), QStringLiteral("2")));
        QCOMPARE(int(beamModel().beamNodeCount), nodes);
        QCOMPARE(int(beamModel().leftSupportCode), 1);
        QCOMPARE(int(beamModel().rightSupportCode), 2);  // kept as typed: a hinged end
        QCOMPARE(script.messages(), QStringList{});
    }

    void nodeCountOutsideTwoToSevenIsRejected_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        const QString range = QStringLiteral("超出范围：本程序计算 2～7 个结点（1～6 跨）的连续梁，请输入 2 到 7 之间的结点数。");
        QTest::newRow("1e1") << QStringLiteral("1e1") << QStringLiteral("结点数为 10，") + range;
        QTest::newRow("1") << QStringLiteral("1") << QStringLiteral("结点数为 1，") + range;
        QTest::newRow("empty") << QString() << QStringLiteral("结点数为 0，") + range;
        QTest::newRow("overflow") << QStringLiteral("99999") << QStringLiteral("溢出：结点数超出 -32768～32767 的整数范围");
    }

    void nodeCountOutsideTwoToSevenIsRejected()
    {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QVERIFY(enterBasics(QStringLiteral("3"), QStringLiteral("1"), QStringLiteral("1")));
        click(shown<Form3>()->Command7);
        QVERIFY(!enterBasics(typed, QStringLiteral("0"), QStringLiteral("0")));
        QVERIFY(shown<Form2>());
        QCOMPARE(script.messages(), QStringList{message});
        // The beam keeps the values confirmed before.
        QCOMPARE(int(beamModel().beamNodeCount), 3);
        QCOMPARE(int(beamModel().leftSupportCode), 1);
    }

    void threeNodesReadOnlyTheFieldsTheyNeed()
    {
        Form3* form3 = enterBasics(QStringLiteral("3"), QStringLiteral("0"), QStringLiteral("0"));
        QVERIFY(form3);
        typeAll(form3->Text1, {QStringLiteral("12abc"), QStringLiteral("abc"), QStringLiteral("99"),
                               QStringLiteral("99"), QStringLiteral("99"), QStringLiteral("99")});
        click(form3->Command1);
        QCOMPARE(beamModel().L.extent1(), 2);
        QCOMPARE(*beamModel().L.at(1), 12.0f);
        QCOMPARE(*beamModel().L.at(2), 0.0f);
        QVERIFY(shown<Form3>());  // the length frame stays on its screen

        typeAll(form3->Text3, {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                               QStringLiteral("4")});
        click(form3->Command6);  // 清除 of the couples: fields 1..3 only
        QCOMPARE(form3->Text3[0]->text(), QStringLiteral(" "));
        QCOMPARE(form3->Text3[2]->text(), QStringLiteral(" "));
        QCOMPARE(form3->Text3[3]->text(), QStringLiteral("4"));
        typeAll(form3->Text3, {QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7")});
        click(form3->Command5);
        QCOMPARE(beamModel().P.extent1(), 3);
        QCOMPARE(*beamModel().P.at(3), 7.0f);

        Form4* form4 = shown<Form4>();
        QVERIFY(form4);
        QStringList moments;
        for (int q = 1; q <= 12; ++q)
            moments << QString::number(q);
        typeAll(form4->Text1, moments);
        click(form4->Command1);
        QCOMPARE(beamModel().M.extent1(), 2);
        QCOMPARE(*beamModel().M.at(1, 1), 1.0f);
        QCOMPARE(*beamModel().M.at(1, 2), 2.0f);
        QCOMPARE(*beamModel().M.at(2, 1), 3.0f);
        QCOMPARE(*beamModel().M.at(2, 2), 4.0f);

        // Esc on Form4 is its clear button: fields 1..4 blank, 5..12 kept.
        Form8* form8 = shown<Form8>();
        QVERIFY(form8);
        click(form8->Command3);
        QVERIFY(shown<Form4>());
        QTest::keyClick(form4->Text1[0], Qt::Key_Escape);
        QCOMPARE(form4->Text1[3]->text(), QStringLiteral(" "));
        QCOMPARE(form4->Text1[4]->text(), QStringLiteral("5"));
        QCOMPARE(script.messages(), QStringList{});
    }

    void goingBackAndReenteringKeepsTheFields()
    {
        Form5* form5 = enterWorkedExample();
        QVERIFY(form5);
        click(form5->Command3);
        const QStringList first = form5->listLines();

        // Back through every input screen: the fields are as typed.
        click(form5->Command2);
        QCOMPARE(shown<Form8>()->Text1[1]->text(), QStringLiteral("-30"));
        click(shown<Form8>()->Command3);
        QCOMPARE(shown<Form4>()->Text1[0]->text(), QStringLiteral("-30"));
        click(shown<Form4>()->Command3);
        QCOMPARE(shown<Form3>()->Text1[1]->text(), QStringLiteral("6"));
        click(shown<Form3>()->Command7);
        QCOMPARE(shown<Form2>()->Combo1->currentText(), QStringLiteral("3"));

        // Forward to Form7, "结 束 计 算", then "进入程序": the previous beam.
        QTest::keyClick(shown<Form2>()->Combo1, Qt::Key_Return);
        click(shown<Form3>()->Command5);
        click(shown<Form4>()->Command1);
        click(shown<Form8>()->Command1);
        click(shown<Form5>()->Command5);
        click(shown<Form6>()->Command3);
        click(shown<Form7>()->Command4);
        QVERIFY(shown<Form1>());
        QCOMPARE(endCalls, 0);
        click(shown<Form1>()->Command1);
        Form2* form2 = shown<Form2>();
        QVERIFY(form2);
        QCOMPARE(form2->Combo1->currentText(), QStringLiteral("3"));
        QCOMPARE(form2->Combo2->currentText(), QStringLiteral("0"));
        QCOMPARE(form2->Combo1->count(), 6);  // the lists were filled once only
        QTest::keyClick(form2->Combo1, Qt::Key_Return);
        click(shown<Form3>()->Command5);
        click(shown<Form4>()->Command1);
        click(shown<Form8>()->Command1);
        QCOMPARE(shown<Form5>(), form5);
        QCOMPARE(form5->listLines(), first);  // the list was kept
        click(form5->Command3);  // computed again: the same block once more
        QCOMPARE(form5->listLines(), first + kWorkedResults);

        click(form5->Command4);  // 清 除 重 算
        QVERIFY(shown<Form2>());
        QCOMPARE(form5->List2->count(), 0);
        QCOMPARE(int(beamModel().beamNodeCount), 3);
        QCOMPARE(script.messages(), QStringList{});
    }

    void form6RowsBeyondTheCountAreUntouched()
    {
        QVERIFY(enterBasics(QStringLiteral("5"), QStringLiteral("1"), QStringLiteral("0")));
        const QStringList four{QStringLiteral("4"), QStringLiteral("4"), QStringLiteral("4"), QStringLiteral("4")};
        const QStringList ones{QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1")};
        const QStringList couples{QStringLiteral("0"), QStringLiteral("10"), QStringLiteral("0"),
                                  QStringLiteral("-10"), QStringLiteral("5")};
        Form5* form5 = enterBeam(four, ones, couples, {}, {});
        QVERIFY(form5);
        click(form5->Command3);
        click(form5->Command5);
        Form6* form6 = shown<Form6>();
        click(form6->Command1);
        QCOMPARE(script.messages(), QStringList{});
        const QString row4Rotation = form6->Label6[3]->text();
        const QString row5Rotation = form6->Label6[4]->text();
        const QString span3Left = form6->Label7[2]->text();
        const QString span4Right = form6->Label8[3]->text();
        QCOMPARE(form6->Label5[4]->text(), QStringLiteral(" 5"));
        QVERIFY(!row5Rotation.trimmed().isEmpty());

        // A 3-node beam: rows 4 and 5, spans 3 and 4 keep the 5-node values.
        click(form6->Command2);
        click(form5->Command4);
        QVERIFY(enterBasics(QStringLiteral("3"), QStringLiteral("0"), QStringLiteral("0")));
        QVERIFY(enterBeam(kLengths, kStiffnesses, kCouples, kMoments, kShears));
        click(form5->Command3);
        click(form5->Command5);
        click(form6->Command1);
        QCOMPARE(form6->Label6[0]->text(), QStringLiteral(" 67.5"));
        QCOMPARE(form6->Label5[3]->text(), QStringLiteral(" 4"));
        QCOMPARE(form6->Label6[3]->text(), row4Rotation);
        QCOMPARE(form6->Label6[4]->text(), row5Rotation);
        QCOMPARE(form6->Label7[2]->text(), span3Left);
        QCOMPARE(form6->Label8[3]->text(), span4Right);
        QCOMPARE(form6->Label5[5]->text(), QString());
    }

    void computingBeforeTheLengthsWereConfirmedIsOutOfRange()
    {
        Form3* form3 = enterBasics(QStringLiteral("3"), QStringLiteral("0"), QStringLiteral("0"));
        QVERIFY(form3);
        click(form3->Command5);  // couples only: L and EI never created
        click(shown<Form4>()->Command1);
        click(shown<Form8>()->Command1);
        Form5* form5 = shown<Form5>();
        QVERIFY(form5);

        // Form6 and Form7 before any computation: the rotation part, then the fault.
        click(form5->Command5);
        Form6* form6 = shown<Form6>();
        QVERIFY(form6);
        click(form6->Command1);
        QCOMPARE(script.messages().size(), 1);
        QVERIFY(script.messages().at(0).startsWith(QStringLiteral("下标越界")));
        QCOMPARE(form6->Label5[2]->text(), QStringLiteral(" 3"));
        click(form6->Command3);
        Form7* form7 = shown<Form7>();
        click(form7->Command2);
        QCOMPARE(paper.allLines(), QStringList{});  // nothing half printed
        QVERIFY(!paper.jobOpen());
        QCOMPARE(script.messages().size(), 2);
        click(form7->Command1);
        QCOMPARE(form7->surface->lines().size(), 5);  // rotations and the span heading
        QCOMPARE(script.messages().size(), 3);
        click(form7->Command3);
        click(shown<Form6>()->Command2);
        QCOMPARE(shown<Form5>(), form5);

        script.clear();
        click(form5->Command3);
        QCOMPARE(script.messages().size(), 1);
        QVERIFY2(script.messages().at(0).startsWith(QStringLiteral("下标越界")), qPrintable(script.messages().at(0)));
        QVERIFY(shown<Form5>());
        click(form5->Command1);  // the listing stops at L as well
        QCOMPARE(script.messages().size(), 2);
        QVERIFY(script.messages().at(1).startsWith(QStringLiteral("下标越界")));
        QCOMPARE(form5->listLines().size(), 3);  // count, codes and the span heading
    }

    void zeroSpanLengthIsADivisionByZero()
    {
        QVERIFY(enterBasics(QStringLiteral("2"), QStringLiteral("0"), QStringLiteral("0")));
        Form5* form5 = enterBeam({QStringLiteral(" ")}, {QStringLiteral("1")}, {}, {}, {});
        QVERIFY(form5);
        click(form5->Command3);
        QCOMPARE(script.messages().size(), 1);
        QVERIFY2(script.messages().at(0).startsWith(QStringLiteral("除数为零")), qPrintable(script.messages().at(0)));
        QCOMPARE(form5->List2->count(), 0);
        QVERIFY(shown<Form5>());
    }

    void printingSendsTheResultLinesAndEndsTheJob()
    {
        Form5* form5 = enterWorkedExample();
        QVERIFY(form5);
        click(form5->Command3);
        click(form5->Command5);
        click(shown<Form6>()->Command3);
        Form7* form7 = shown<Form7>();
        click(form7->Command2);
        QCOMPARE(paper.jobs().size(), 1);
        QVERIFY(!paper.jobOpen());
        const QStringList printed = paper.jobs().at(0);
        QCOMPARE(printed.size(), 7);
        QCOMPARE(printed.at(1), sp(11) + QStringLiteral(" 1 ") + sp(9) + QStringLiteral("67.500"));
        QCOMPARE(paper.statements().at(5).at(4).column, 65);
        QCOMPARE(paper.statements().at(5).at(4).text, QStringLiteral("-33.750"));
        QCOMPARE(form7->surface->lines(), QStringList{});  // printing leaves the screen alone

        // The real printer without a default printer: a question, then a PDF.
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString pdf = folder.filePath(QStringLiteral("results.pdf"));
        platform::QtPrinter& real = platform::systemPrinter();
        real.setUseDefaultPrinter(false);
        real.setPdfPathProvider([pdf] { return pdf; });
        platform::setPrinter(nullptr);
        script.queueAnswer(true);
        click(form7->Command2);
        platform::setPrinter(&paper);
        QCOMPARE(script.questions().size(), 1);
        QVERIFY(QFile::exists(pdf));
        QVERIFY(QFile(pdf).size() > 0);
        QCOMPARE(script.messages().size(), 1);
        QVERIFY(script.messages().at(0).contains(QStringLiteral("PDF")));
    }

    void closeBoxReturnsToTheWelcomeScreenAndExitEndsTheProgram()
    {
        Form3* form3 = enterBasics(QStringLiteral("3"), QStringLiteral("0"), QStringLiteral("0"));
        QVERIFY(form3);
        typeAll(form3->Text1, {QStringLiteral("6")});
        form3->close();  // the window frame's close box
        QTRY_VERIFY(shown<Form1>());
        QCOMPARE(endCalls, 0);
        QCOMPARE(platform::state<Form3>(), platform::ScreenState::Hidden);
        QCOMPARE(form3->Text1[0]->text(), QStringLiteral("6"));
        click(shown<Form1>()->Command2);  // 退出程序
        QCOMPARE(endCalls, 1);
    }

    void enterAndKeyboardOrder()
    {
        Form1* form1 = platform::open<Form1>();
        QTest::keyClick(form1->Command2, Qt::Key_Return);  // Enter on a focused button clicks it
        QCOMPARE(endCalls, 1);
        QCOMPARE(form1->defaultButton(), form1->Command1);
        QTest::keyClick(form1->Command1, Qt::Key_Return);
        Form2* form2 = shown<Form2>();
        QVERIFY(form2);
        QCOMPARE(form2->Combo1->accessibleName(), QStringLiteral("结点数"));
        const QList<QWidget*> order{form2->Combo1, form2->Combo2, form2->Combo3,
                                    form2->Command1, form2->Command2, form2->Command3};
        // The next control Tab goes to, skipping what takes no focus and a
        // combo box's own line edit.
        const auto nextFocusable = [](QWidget* from) {
            QWidget* next = from->nextInFocusChain();
            while (next && (next->focusPolicy() == Qt::NoFocus ||
                            qobject_cast<QComboBox*>(next->parentWidget())))
                next = next->nextInFocusChain();
            return next;
        };
        for (qsizetype i = 1; i < order.size(); ++i)
            QCOMPARE(nextFocusable(order[i - 1]), order[i]);
        click(form2->Command2);  // 上 一 步
        QCOMPARE(shown<Form1>(), form1);

        click(form1->Command1);
        Form3* form3 = enterBasics(QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("1"));
        QVERIFY(form3);
        QCOMPARE(nextFocusable(form3->Text1[0]), form3->Text1[1]);
        QCOMPARE(nextFocusable(form3->Text1[5]), form3->Command1);
        QCOMPARE(nextFocusable(form3->Command2), form3->Text2[0]);
        QCOMPARE(nextFocusable(form3->Text3[6]), form3->Command5);
        QCOMPARE(form3->Text3[2]->accessibleName(), QStringLiteral(" P3"));
    }
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    platform::initialise(app, QStringLiteral("beamwizard"));
    TestBeamScreens test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_beamwizard_screens.moc"
