// The wizard from start to results file: the portal frame typed key by key,
// the results against the hand-checked numbers, the results file, the way
// back and forth between the results and the closing screen, and failures.

#include "wizard_driver.h"

#include "common/numbers.h"
#include "framewizard/engine/results_text.h"

#include <QFile>
#include <QListWidget>

#include <cmath>

using namespace framewizard;
using driver::click;
using driver::enter;
using driver::type;

namespace {

QStringList tokens(const QString& line)
{
    return line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

double number(const QString& token)
{
    return common::parseLenient(token.toStdString());
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<cannot read>");
    return f.readAll();
}

} // namespace

class FlowTest : public QObject
{
    Q_OBJECT
    std::unique_ptr<driver::Session> session;

private slots:
    void init() { session = std::make_unique<driver::Session>(); }
    void cleanup() { session.reset(); }

    void typicalRunThroughEveryScreen();
    void resultsAndClosingScreenAlternateWithoutNewAnalysis();
    void backFromResultsRunsTheAnalysisAgain();
    void failedAnalysisGoesBackToSections();
    void unwritableResultsFolderNamesPathAndReason();
    void programEndsOnlyThroughItsButtonsAndTheCloseBox();
};

void FlowTest::typicalRunThroughEveryScreen()
{
    using P = driver::PortalFrame;
    auto* f1 = platform::open<Form1>();
    QVERIFY(f1);
    QCOMPARE(driver::focusOf(f1), f1->Command1);
    enter(f1);  // "进入程序" has the focus
    QCOMPARE(platform::state<Form1>(), platform::ScreenState::Hidden);

    auto* f2 = platform::find<Form2>();
    QVERIFY(f2 && f2->isVisible());
    QVERIFY(!f2->Command2->isEnabled());
    for (const char* count : {"4", "2", "3", "3"}) {
        type(f2, QString::fromLatin1(count));
        enter(f2);
    }
    type(f2, QStringLiteral("5"));
    QVERIFY(f2->Command2->isEnabled());
    enter(f2);  // default button "确  定"
    QCOMPARE(frameModel().unknownCount, 6.0);

    // Node coordinates: x Enter y Enter Enter (the last Enter on "下一点");
    // at the last node Enter after y is taken by "确 定".
    auto* f3 = platform::find<Form3>();
    QVERIFY(f3 && f3->isVisible());
    for (int i = 0; i < 4; ++i) {
        type(f3, QString::number(P::nodes[i][0]));
        enter(f3);
        type(f3, QString::number(P::nodes[i][1]));
        enter(f3);
        if (i < 3) {
            QCOMPARE(driver::focusOf(f3), f3->Command3);
            enter(f3);
        }
    }
    QCOMPARE(platform::state<Form3>(), platform::ScreenState::NotLoaded);

    auto* f6 = platform::find<form6>();
    QVERIFY(f6 && f6->isVisible());
    for (int k = 0; k < 3; ++k) {
        type(f6, QString::number(P::members[k][0]));
        enter(f6);
        type(f6, QString::number(P::members[k][1]));
        enter(f6);
        if (k < 2)
            enter(f6);
    }

    auto* f8 = platform::find<Form8>();
    QVERIFY(f8 && f8->isVisible());
    for (int k = 0; k < 3; ++k) {
        type(f8, QStringLiteral("1E6"));
        enter(f8);
        type(f8, QStringLiteral("10000"));
        enter(f8);
        if (k < 2)
            enter(f8);
    }

    // Loads: Enter walks Text1 -> Text2 -> Text3 -> Text4; a filled load goes
    // on with Enter ("下一 个"); the last one moves the focus to "确  定".
    auto* f10 = platform::find<Form10>();
    QVERIFY(f10 && f10->isVisible());
    for (int l = 0; l < 3; ++l) {
        for (int c = 0; c < 4; ++c) {
            type(f10, QString::number(P::loads[l][c]));
            if (c < 3)
                enter(f10);
        }
        if (l == 2)
            QCOMPARE(driver::focusOf(f10), f10->Command1);
        enter(f10);
    }

    auto* f11 = platform::find<Form11>();
    QVERIFY(f11 && f11->isVisible());
    for (int s = 0; s < 5; ++s) {
        type(f11, QString::number(P::sections[s][0]));
        enter(f11);
        type(f11, QString::number(P::sections[s][1]));
        enter(f11);  // "下一个"; at the last section Enter does nothing
    }
    QVERIFY(f11->isVisible());
    QVERIFY(f11->Command1->isEnabled());
    driver::press(f11, Qt::Key_Tab);
    QCOMPARE(driver::focusOf(f11), f11->Command1);
    enter(f11);  // "计算输出"

    auto* f5 = platform::find<Form5>();
    QVERIFY(f5 && f5->isVisible());
    QVERIFY(session->dialogs.messages().isEmpty());
    QCOMPARE(frameModel().bandWidth, 6.0);

    QCOMPARE(f5->List1->count(), 3);
    QCOMPARE(f5->List1->item(0)->text(), QString::fromStdString(engine::list1Heading()));
    for (int n = 0; n < 2; ++n) {
        const QStringList t = tokens(f5->List1->item(n + 1)->text());
        QCOMPARE(t.size(), 4);
        QCOMPARE(t[0], QString::number(n + 3));
        for (int j = 0; j < 3; ++j)
            QVERIFY2(driver::sig5(number(t[j + 1]), P::displacements[n][j]), qPrintable(t.join(' ')));
    }
    QCOMPARE(f5->List2->count(), 6);
    QCOMPARE(f5->List2->item(0)->text(), QString::fromStdString(engine::list2Heading()));
    for (int s = 0; s < 5; ++s) {
        const QStringList t = tokens(f5->List2->item(s + 1)->text());
        QCOMPARE(t.size(), 5);
        QCOMPARE(number(t[0]), P::sections[s][0]);
        QCOMPARE(number(t[1]), P::sections[s][1]);
        for (int j = 0; j < 3; ++j)
            QVERIFY2(driver::sig5(number(t[j + 2]), P::forces[s][j]), qPrintable(t.join(' ')));
    }

    // "文件输出": the node lines and one empty record, the section lines and
    // two empty records, each quoted and ended by CR LF; twice the same.
    const QString path = session->home.path() + QStringLiteral("/WTG1/STATES.text");
    QCOMPARE(resultsFilePath(), path);
    QVERIFY(!QFile::exists(path));
    click(f5->Command3);
    QByteArray expected;
    for (int i = 1; i <= 3; ++i)
        expected += '"' + Form5::itemText(f5->List1, i).toUtf8() + "\"\r\n";
    for (int i = 1; i <= 7; ++i)
        expected += '"' + Form5::itemText(f5->List2, i).toUtf8() + "\"\r\n";
    QCOMPARE(readFile(path), expected);
    QVERIFY(expected.endsWith("\"\"\r\n\"\"\r\n"));
    QVERIFY(expected.startsWith("\"  3 "));
    QFile::resize(path, 3);  // the second click rewrites the file completely
    click(f5->Command3);
    QCOMPARE(readFile(path), expected);
    QVERIFY(session->dialogs.messages().isEmpty());
}

void FlowTest::resultsAndClosingScreenAlternateWithoutNewAnalysis()
{
    driver::fillPortalFrame();
    auto* f5 = platform::open<Form5>();
    QVERIFY(f5);
    QCOMPARE(driver::focusOf(f5), f5->Command1);
    QStringList before;
    for (int i = 0; i < f5->List1->count(); ++i)
        before << f5->List1->item(i)->text();
    // Changing the model shows whether anything is computed again.
    frameModel().loadTable(1, 2) = 1000;

    for (int round = 0; round < 2; ++round) {
        click(f5->Command1);  // "下 一 步"
        QCOMPARE(platform::state<Form5>(), platform::ScreenState::Hidden);
        auto* f12 = platform::find<Form12>();
        QVERIFY(f12 && f12->isVisible());
        QCOMPARE(driver::focusOf(f12), f12->Command1);
        click(f12->Command1);  // "返回程序"
        QCOMPARE(platform::state<Form12>(), platform::ScreenState::Hidden);
        QCOMPARE(platform::find<Form5>(), f5);
        QVERIFY(f5->isVisible());
        QStringList after;
        for (int i = 0; i < f5->List1->count(); ++i)
            after << f5->List1->item(i)->text();
        QCOMPARE(after, before);
        QCOMPARE(f5->List2->count(), 6);
    }
}

void FlowTest::backFromResultsRunsTheAnalysisAgain()
{
    driver::fillPortalFrame();
    auto* f5 = platform::open<Form5>();
    QVERIFY(f5);
    const QString firstNode = f5->List1->item(1)->text();
    click(f5->Command2);  // "上 一 步"
    QCOMPARE(platform::state<Form5>(), platform::ScreenState::NotLoaded);
    auto* f11 = platform::find<Form11>();
    QVERIFY(f11 && f11->isVisible());
    QCOMPARE(f11->Label1->text(), QStringLiteral("输入第1个截面所在单元编号:"));

    // The sections again, the last one changed: member 3 at 4.
    for (int s = 0; s < 5; ++s) {
        type(f11, QString::number(s < 4 ? driver::PortalFrame::sections[s][0] : 3));
        enter(f11);
        type(f11, QString::number(s < 4 ? driver::PortalFrame::sections[s][1] : 4));
        if (s < 4)
            enter(f11);
    }
    click(f11->Command1);
    auto* again = platform::find<Form5>();
    QVERIFY(again && again->isVisible());
    QCOMPARE(again->List1->item(1)->text(), firstNode);
    QCOMPARE(again->List2->count(), 6);
    QCOMPARE(number(tokens(again->List2->item(5)->text())[1]), 4.0);
}

void FlowTest::failedAnalysisGoesBackToSections()
{
    driver::fillPortalFrame();
    frameModel().memberLargeEnd(3) = 2;  // member 2 -> 2: both ends on a clamped node
    frameModel().sectionCount = 1;
    auto* f11 = platform::open<Form11>();
    QVERIFY(f11);
    type(f11, QStringLiteral("1"));
    enter(f11);
    type(f11, QStringLiteral("2"));
    click(f11->Command1);

    QCOMPARE(session->dialogs.messages().size(), 1);
    QVERIFY(!session->dialogs.messages().first().isEmpty());
    QCOMPARE(platform::state<Form5>(), platform::ScreenState::NotLoaded);
    auto* back = platform::find<Form11>();
    QVERIFY(back && back->isVisible());
    QVERIFY(back != f11 || back->Text1->text().isEmpty());
    QVERIFY(back->Text1->text().isEmpty());
    QCOMPARE(frameModel().sectionTable(1, 2), 2.0);
}

void FlowTest::unwritableResultsFolderNamesPathAndReason()
{
    // A home "folder" that is a regular file: nothing can be created under it,
    // not even by root.
    const QString blocker = session->home.path() + QStringLiteral("/plain-file");
    {
        QFile f(blocker);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("x");
    }
    setResultsHome(blocker);
    driver::fillPortalFrame();
    auto* f5 = platform::open<Form5>();
    QVERIFY(f5);
    click(f5->Command3);
    const QStringList shown = session->dialogs.messages();
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown.first().contains(blocker + QStringLiteral("/WTG1/STATES.text")), qPrintable(shown.first()));
    QVERIFY(shown.first().contains(QStringLiteral("无法")));
    QVERIFY(f5->isVisible());
    QCOMPARE(f5->List1->count(), 3);
}

void FlowTest::programEndsOnlyThroughItsButtonsAndTheCloseBox()
{
    auto* f1 = platform::open<Form1>();
    click(f1->Command2);
    QCOMPARE(session->endings, 1);

    driver::fillPortalFrame();
    platform::open<Form5>();
    auto* f12 = platform::open<Form12>();
    click(f12->Command2);
    QCOMPARE(session->endings, 2);

    // The close box of any screen ends the program as "退出程序" does.
    auto* f2 = platform::open<Form2>();
    f2->close();
    QCOMPARE(session->endings, 3);
}

QTEST_MAIN(FlowTest)
#include "test_flow.moc"
