// Screen states, layout units, centring, scrolling headings, Enter and default buttons.

#include "platform/keys.h"
#include "platform/registry.h"
#include "platform/screen.h"
#include "platform/scrolling.h"

#include <QApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <cmath>

using platform::Screen;
using platform::ScreenState;

namespace {

int px(double twips, double dpi)
{
    return int(std::lround(twips * dpi / 1440.0));
}

} // namespace

class EntryScreen final : public Screen
{
    Q_OBJECT
public:
    EntryScreen() : Screen(QStringLiteral("坐标输入"), 7365, 4920)
    {
        setObjectName(QStringLiteral("EntryScreen"));
        Label2 = new QLabel(QStringLiteral("请 输 入 结 点 坐 标"), this);
        Label2->setObjectName(QStringLiteral("Label2"));
        place(Label2, 7320, 120, 4710, 600);
        Text1 = new QLineEdit(this);
        Text1->setObjectName(QStringLiteral("Text1"));
        place(Text1, 1200, 1500, 1815, 450);
        Text2 = new QLineEdit(this);
        Text2->setObjectName(QStringLiteral("Text2"));
        place(Text2, 1200, 2200, 1815, 450);
        Command1 = new QPushButton(QStringLiteral("确 定"), this);
        Command1->setObjectName(QStringLiteral("Command1"));
        place(Command1, 600, 3900, 1500, 500);
        Command2 = new QPushButton(QStringLiteral("输入检查"), this);
        Command2->setObjectName(QStringLiteral("Command2"));
        place(Command2, 2400, 3900, 1500, 500);
        addRule(900)->setObjectName(QStringLiteral("Line1"));
        applyBackground();
        setDefaultButton(Command1);
        heading = scrollHeading(Label2, 200);
        connect(Command1, &QPushButton::clicked, this, [this] { ++clicks1; });
        connect(Command2, &QPushButton::clicked, this, [this] { ++clicks2; });
    }
    void load() override { ++loads; }

    QLabel* Label2;
    QLineEdit* Text1;
    QLineEdit* Text2;
    QPushButton* Command1;
    QPushButton* Command2;
    platform::ScrollingHeading* heading;
    int loads = 0;
    int clicks1 = 0;
    int clicks2 = 0;
};

// A screen whose own button closes it and opens a fresh instance of itself.
class SelfClosingScreen final : public Screen
{
    Q_OBJECT
public:
    SelfClosingScreen() : Screen(QStringLiteral("荷载输入"), 7425, 6240)
    {
        Command3 = new QPushButton(QStringLiteral("返回"), this);
        place(Command3, 600, 600, 1500, 500);
        Text1 = new QLineEdit(this);
        place(Text1, 600, 1500, 1500, 450);
        connect(Command3, &QPushButton::clicked, this, [this] {
            closeScreen();
            reopened = platform::open<SelfClosingScreen>();
            Text1->setText(QStringLiteral("still usable")); // this instance lives until the handler ends
        });
    }
    void load() override { Text1->setText(QStringLiteral("loaded")); }

    QPushButton* Command3;
    QLineEdit* Text1;
    SelfClosingScreen* reopened = nullptr;
};

// Needs an argument, so it is built through a factory.
class FolderScreen final : public Screen
{
    Q_OBJECT
public:
    explicit FolderScreen(QString folder) : Screen(QStringLiteral("文件"), 3000, 2000), folder(std::move(folder)) {}
    QString folder;
};

class TestScreens final : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        platform::installFontSubstitutions();
        m_endCalls = 0;
        platform::setEndProgramHandler([this] { ++m_endCalls; });
    }
    void cleanup()
    {
        platform::closeAllScreens();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void openBuildsRunsLoadStepAndShows()
    {
        QCOMPARE(platform::state<EntryScreen>(), ScreenState::NotLoaded);
        QCOMPARE(platform::find<EntryScreen>(), nullptr);
        EntryScreen* s = platform::open<EntryScreen>();
        QVERIFY(s);
        QCOMPARE(s->loads, 1);
        QVERIFY(s->isVisible());
        QCOMPARE(s->windowTitle(), QStringLiteral("坐标输入"));
        QCOMPARE(platform::state<EntryScreen>(), ScreenState::Shown);
        QCOMPARE(platform::find<EntryScreen>(), s);
        // Opening a shown screen neither builds nor loads again.
        QCOMPARE(platform::open<EntryScreen>(), s);
        QCOMPARE(s->loads, 1);
    }

    void hideKeepsEverythingAndReopenOnlyShows()
    {
        EntryScreen* s = platform::open<EntryScreen>();
        QTest::keyClicks(s->Text1, QStringLiteral("12.5"));
        s->Command2->setEnabled(false);
        s->Label2->setText(QStringLiteral("新标题"));
        platform::hide<EntryScreen>();
        QCOMPARE(platform::state<EntryScreen>(), ScreenState::Hidden);
        QVERIFY(!s->isVisible());
        QVERIFY(s->heading->timer()->isActive()); // the heading keeps moving while hidden

        QCOMPARE(platform::open<EntryScreen>(), s);
        QCOMPARE(platform::state<EntryScreen>(), ScreenState::Shown);
        QCOMPARE(s->loads, 1);
        QCOMPARE(s->Text1->text(), QStringLiteral("12.5"));
        QVERIFY(!s->Command2->isEnabled());
        QCOMPARE(s->Label2->text(), QStringLiteral("新标题"));
    }

    void closeDiscardsAndNextOpenStartsFresh()
    {
        QPointer<EntryScreen> first = platform::open<EntryScreen>();
        QTest::keyClicks(first->Text1, QStringLiteral("7"));
        QTimer* timer = first->heading->timer();
        platform::close<EntryScreen>();
        QCOMPARE(platform::state<EntryScreen>(), ScreenState::NotLoaded);
        QCOMPARE(platform::find<EntryScreen>(), nullptr);
        QVERIFY(first && !first->isVisible()); // deleted later, not under the caller's feet
        QVERIFY(!timer->isActive());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!first);

        EntryScreen* second = platform::open<EntryScreen>();
        QCOMPARE(second->loads, 1);
        QVERIFY(second->Text1->text().isEmpty());
        QCOMPARE(platform::state<EntryScreen>(), ScreenState::Shown);
    }

    void closeAndReopenFromTheScreensOwnHandler()
    {
        QPointer<SelfClosingScreen> first = platform::open<SelfClosingScreen>();
        first->Text1->setText(QStringLiteral("typed"));
        QTest::mouseClick(first->Command3, Qt::LeftButton);
        QVERIFY(first); // still alive right after its handler
        SelfClosingScreen* fresh = first->reopened;
        QVERIFY(fresh && fresh != first.data());
        QCOMPARE(fresh->Text1->text(), QStringLiteral("loaded"));
        QCOMPARE(platform::find<SelfClosingScreen>(), fresh);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!first);
        QCOMPARE(platform::state<SelfClosingScreen>(), ScreenState::Shown);
        QVERIFY(fresh->isVisible());
    }

    void oneInstancePerTypeAndTypesAreIndependent()
    {
        EntryScreen* a = platform::open<EntryScreen>();
        SelfClosingScreen* b = platform::open<SelfClosingScreen>();
        QVERIFY(static_cast<QWidget*>(a) != static_cast<QWidget*>(b));
        platform::hide<EntryScreen>();
        QCOMPARE(platform::state<SelfClosingScreen>(), ScreenState::Shown);
        QCOMPARE(platform::state<EntryScreen>(), ScreenState::Hidden);
        QCOMPARE(platform::open<EntryScreen>(), a);
        // Hiding or closing what is not loaded does nothing.
        platform::close<FolderScreen>();
        platform::hide<FolderScreen>();
        QCOMPARE(platform::state<FolderScreen>(), ScreenState::NotLoaded);
    }

    void factoryBuildsScreensThatNeedArguments()
    {
        platform::setScreenFactory<FolderScreen>([] { return new FolderScreen(QStringLiteral("/tmp/x")); });
        FolderScreen* s = platform::open<FolderScreen>();
        QVERIFY(s);
        QCOMPARE(s->folder, QStringLiteral("/tmp/x"));
        platform::setScreenFactory<FolderScreen>({});
    }

    void geometryInLayoutUnitsAndFixedSize()
    {
        const double dpiX = QGuiApplication::primaryScreen()->logicalDotsPerInchX();
        const double dpiY = QGuiApplication::primaryScreen()->logicalDotsPerInchY();
        EntryScreen s;
        QCOMPARE(s.size(), QSize(px(7365, dpiX), px(4920, dpiY)));
        QCOMPARE(s.minimumSize(), s.size());
        QCOMPARE(s.maximumSize(), s.size());
        QCOMPARE(s.Text1->geometry(), QRect(px(1200, dpiX), px(1500, dpiY), px(1815, dpiX), px(450, dpiY)));
        QCOMPARE(s.left(s.Text1), 1200);
        QCOMPARE(s.widthOf(s.Label2), 4710);
        QCOMPARE(Screen::toTwipsX(Screen::toPixelsX(1440)), 1440);
        QCOMPARE(Screen::toPixelsX(1440), px(1440, dpiX));

        // Left positions are kept in twips exactly, negative ones too.
        s.setLeft(s.Label2, -4711);
        QCOMPARE(s.left(s.Label2), -4711);
        QCOMPARE(s.Label2->x(), px(-4711, dpiX));
        QCOMPARE(s.Label2->y(), px(120, dpiY));
        // A control moved by pixels reports its pixel position.
        s.Label2->move(30, s.Label2->y());
        QCOMPARE(s.left(s.Label2), Screen::toTwipsX(30));
    }

    void labelsSizedToTextAndCaptionsAsAccessibleNames()
    {
        EntryScreen s;
        auto* version = new QLabel(QStringLiteral("版本 Version1.0"), &s);
        version->setFont(platform::font(QStringLiteral("隶书"), 14.25, true));
        s.placeSizedToText(version, 240, 4050);
        QCOMPARE(version->size(), version->sizeHint());
        QCOMPARE(s.left(version), 240);
        QCOMPARE(s.widthOf(version), Screen::toTwipsX(version->width()));

        auto* caption = new QLabel(QStringLiteral("结点总数"), &s);
        platform::labelFor(caption, s.Text1);
        QCOMPARE(caption->buddy(), s.Text1);
        QCOMPARE(s.Text1->accessibleName(), QStringLiteral("结点总数"));
    }

    void firstShowCentresOnTheDisplay()
    {
        EntryScreen* s = platform::open<EntryScreen>();
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        const QRect frame = s->frameGeometry();
        QVERIFY2(std::abs(frame.center().x() - area.center().x()) <= 1, qPrintable(QString::number(frame.x())));
        QVERIFY(std::abs(frame.center().y() - area.center().y()) <= 1);
        // Later showings keep the place the window has.
        platform::hide<EntryScreen>();
        s->move(5, 7);
        platform::open<EntryScreen>();
        QCOMPARE(s->pos(), QPoint(5, 7));
    }

    void backgroundAndRedRule()
    {
        EntryScreen s;
        QCOMPARE(s.palette().color(QPalette::Window), QColor(255, 224, 192));
        QCOMPARE(s.Label2->palette().color(QPalette::Window), QColor(255, 224, 192));
        QVERIFY(s.Label2->autoFillBackground());
        auto* rule = s.findChild<QFrame*>(QStringLiteral("Line1"));
        QVERIFY(rule);
        QCOMPARE(rule->geometry(), QRect(0, Screen::toPixelsY(900), s.width(), 3));
        const QImage picture = s.grab().toImage();
        QCOMPARE(picture.pixelColor(s.width() / 2, Screen::toPixelsY(900) + 1), QColor(255, 0, 0));
        QCOMPARE(picture.pixelColor(2, picture.height() - 2), QColor(255, 224, 192));
    }

    void headingScrollsAndWrapsOnlyPastMinusItsWidth()
    {
        EntryScreen s;
        platform::ScrollingHeading* h = s.heading;
        QCOMPARE(h->timer()->interval(), 100);
        QVERIFY(h->timer()->isActive());
        QCOMPARE(s.left(s.Label2), 7320);
        h->tick();
        QCOMPARE(s.left(s.Label2), 7120);

        s.setLeft(s.Label2, -4710 + 200);
        h->tick();
        QCOMPARE(s.left(s.Label2), -4710); // exactly minus the width: not yet
        h->tick();
        QCOMPARE(s.left(s.Label2), s.outerWidth()); // re-enters from the right
        QCOMPARE(s.outerWidth(), Screen::toTwipsX(s.frameGeometry().width()));
        QVERIFY(s.outerWidth() >= 7365 - 15);

        s.setLeft(s.Label2, -4700);
        h->tick(); // -4900 < -4710
        QCOMPARE(s.left(s.Label2), s.outerWidth());
    }

    void headingMovesByItsTimer()
    {
        EntryScreen* s = platform::open<EntryScreen>();
        const int start = s->left(s->Label2);
        QTRY_VERIFY_WITH_TIMEOUT(s->left(s->Label2) <= start - 400, 2000);
        QCOMPARE((start - s->left(s->Label2)) % 200, 0);
    }

    void enterClicksTheEnabledDefaultButtonFromAnyField()
    {
        EntryScreen* s = platform::open<EntryScreen>();
        QVERIFY(s->Command1->isDefault());
        QList<int> seen;
        platform::onKeyPress(s->Text1, [&](int key) { seen << key; return false; });
        s->Text1->setFocus();
        QTest::keyClick(s->Text1, Qt::Key_Return);
        QCOMPARE(s->clicks1, 1);
        QVERIFY(seen.isEmpty()); // the field never saw the key
        QTest::keyClick(s->Text2, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(s->clicks1, 2);
        QCOMPARE(s->clicks2, 0);
    }

    void enterReachesTheFieldWhileTheDefaultButtonIsDisabled()
    {
        EntryScreen* s = platform::open<EntryScreen>();
        s->Command1->setEnabled(false);
        QList<int> seen;
        platform::onKeyPress(s->Text1, [&](int key) { seen << key; return false; });
        QSignalSpy returns(s->Text1, &QLineEdit::returnPressed);
        QTest::keyClick(s->Text1, Qt::Key_Return);
        QCOMPARE(seen, QList<int>{0x0D});
        QCOMPARE(returns.count(), 1);
        QCOMPARE(s->clicks1, 0);
        // Enabled again, Enter goes to the button once more.
        s->Command1->setEnabled(true);
        QTest::keyClick(s->Text1, Qt::Key_Return);
        QCOMPARE(s->clicks1, 1);
        QCOMPARE(seen.size(), 1);
    }

    void enterOnAFocusedButtonClicksThatButton()
    {
        EntryScreen* s = platform::open<EntryScreen>();
        s->Command2->setFocus();
        QTest::keyClick(s->Command2, Qt::Key_Return);
        QCOMPARE(s->clicks2, 1);
        QCOMPARE(s->clicks1, 0);
        // Also on a screen without a default button.
        s->setDefaultButton(nullptr);
        QVERIFY(!s->Command1->isDefault());
        QTest::keyClick(s->Command1, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(s->clicks1, 1);
        QTest::keyClick(s->Text1, Qt::Key_Return); // no default: nothing clicked
        QCOMPARE(s->clicks1, 1);
        QCOMPARE(s->clicks2, 1);
    }

    void closeBoxEndsTheProgramByDefault()
    {
        EntryScreen* s = platform::open<EntryScreen>();
        QVERIFY(!s->close()); // what the window frame's close box does
        QCOMPARE(m_endCalls, 1);
        QVERIFY(s->isVisible());
        QCOMPARE(platform::state<EntryScreen>(), ScreenState::Shown);
    }

private:
    int m_endCalls = 0;
};

QTEST_MAIN(TestScreens)
#include "test_screens.moc"
