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

void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

// Replaces a field's text by typing: select all, then the keys.
void type(QWidget* field, const QString& text)
{
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
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
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    platform::initialise(app, QStringLiteral("beamwizard"));
    TestBeamScreens test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_beamwizard_screens.moc"
