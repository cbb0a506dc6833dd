// The two-field entry screens Form3, form6, Form8 and their check screens
// Form4, Form7, Form9.

#include "framewizard/screens/look.h"
#include "framewizard/screens/program.h"
#include "framewizard/screens/wizard_screens.h"

#include "common/numbers.h"
#include "platform/dialogs.h"
#include "platform/registry.h"
#include "platform/scrolling.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRect>
#include <QTimer>

namespace framewizard {

using namespace look;

namespace {

double lenient(const QString& text)
{
    return common::parseLenient(text.toStdString());
}

QString signedText(double value)
{
    return QString::fromStdString(common::signedText(value));
}

// An item number stored as a double, as an array index (0 when unusable).
std::size_t indexOf(double item)
{
    return roundedIndex(item).value_or(0);
}

void placeRect(platform::Screen* screen, QWidget* w, const QRect& r)
{
    screen->place(w, r.x(), r.y(), r.width(), r.height());
}

} // namespace

// ------------------------------------------------------ PairEntryScreen

struct PairEntryScreen::Layout
{
    QString name, title;
    int width, height;
    QString headingName, headingCaption;
    int headingLeft, headingWidth;
    QColor headingColour;
    QString labelNames[2], captions[2];
    QRect labels[2], fields[2];
    QString nextCaption;
    QRect check, next, ok;  // Command2, Command3, Command1
    QString suffix[2];      // item captions after the next-item step
    bool checkFirstInTabOrder;
};

PairEntryScreen::PairEntryScreen(const Layout& l) : Screen(l.title, l.width, l.height)
{
    setObjectName(l.name);
    heading = look::heading(this, l.headingName, l.headingCaption, l.headingLeft, l.headingWidth,
                            l.headingColour);
    QLineEdit* f[2];
    for (int i = 0; i < 2; ++i) {
        const QRect& r = l.labels[i];
        itemLabels[i] = label(this, l.labelNames[i], l.captions[i], r.x(), r.y(), r.width(), r.height(),
                              labelFont(15.75));
        const QRect& q = l.fields[i];
        f[i] = field(this, QStringLiteral("Text%1").arg(i + 1), q.x(), q.y(), q.width(), q.height(),
                     itemLabels[i]);
        suffix_[i] = l.suffix[i];
    }
    Text1 = f[0];
    Text2 = f[1];
    Command2 = button(this, QStringLiteral("Command2"), QStringLiteral("输入检查"), 0, 0, 10, 10, buttonFont());
    Command3 = button(this, QStringLiteral("Command3"), l.nextCaption, 0, 0, 10, 10, buttonFont());
    Command1 = button(this, QStringLiteral("Command1"), QStringLiteral("确 定"), 0, 0, 10, 10, buttonFont());
    placeRect(this, Command2, l.check);
    placeRect(this, Command3, l.next);
    placeRect(this, Command1, l.ok);
    setTabOrder(Text1, Text2);
    if (l.checkFirstInTabOrder) {
        setTabOrder(Text2, Command2);
        setTabOrder(Command2, Command3);
        setTabOrder(Command3, Command1);
    } else {
        setTabOrder(Text2, Command1);
        setTabOrder(Command1, Command2);
        setTabOrder(Command2, Command3);
    }
    applyBackground();
    setDefaultButton(Command1);
    Timer1 = scrollHeading(heading, 200);
    Timer1->timer()->setObjectName(QStringLiteral("Timer1"));

    checkNumberKeys(Text1, messageA(), Text2);
    checkNumberKeys(Text2, messageB(), Command3);
    connect(Text1, &QLineEdit::textChanged, this, &PairEntryScreen::jihuo);
    connect(Text2, &QLineEdit::textChanged, this, &PairEntryScreen::jihuo);
    connect(Command3, &QPushButton::clicked, this, &PairEntryScreen::nextItem);
    connect(Command1, &QPushButton::clicked, this, [this] {
        storeCurrent();
        closeScreen();
        openNext();
    });
    connect(Command2, &QPushButton::clicked, this, [this] {
        storeCurrent();
        closeScreen();
        openCheck();
    });
}

void PairEntryScreen::load()
{
    redimension();
    Command1->setEnabled(false);
    Command2->setEnabled(false);
    Command3->setEnabled(false);
    setCursor(1);
    Text1->setFocus();
}

void PairEntryScreen::jihuo()
{
    const bool filled = !Text1->text().isEmpty() && !Text2->text().isEmpty();
    if (filled && cursor() < count()) {
        Command3->setEnabled(true);
    } else if (filled) {
        Command3->setEnabled(false);
        Command1->setEnabled(true);
        Command2->setEnabled(true);
    } else {
        Command1->setEnabled(false);
        Command2->setEnabled(false);
        Command3->setEnabled(false);
    }
}

void PairEntryScreen::storeCurrent()
{
    store(lenient(Text1->text()), lenient(Text2->text()));
}

void PairEntryScreen::nextItem()
{
    if (!(cursor() < count()))
        return;
    storeCurrent();
    setCursor(cursor() + 1);
    const QString item = signedText(cursor());
    for (int i = 0; i < 2; ++i)
        setCaption(itemLabels[i], QStringLiteral("输入第") + item + suffix_[i]);
    Text1->clear();
    Text2->clear();
    Text1->setFocus();
    Command3->setEnabled(false);
    Command2->setEnabled(false);
    Command1->setEnabled(false);
}

// ---------------------------------------------------------------- Form3

Form3::Form3()
    : PairEntryScreen({QStringLiteral("Form3"), QStringLiteral("坐标输入"), 7365, 4920, QStringLiteral("Label2"),
                       QStringLiteral("请 输 入 结 点 坐 标"), 7320, 4710, kHeadingGreen,
                       {QStringLiteral("Label1_0"), QStringLiteral("Label1_1")},
                       {QStringLiteral("输入第1个节点X方向坐标:"), QStringLiteral("输入第1个节点Y方向坐标:")},
                       {QRect(360, 1560, 5025, 555), QRect(360, 2760, 5025, 555)},
                       {QRect(5520, 1560, 1455, 615), QRect(5520, 2760, 1455, 615)},
                       QStringLiteral("下一点"), QRect(2400, 3960, 1455, 495), QRect(4080, 3960, 1335, 495),
                       QRect(5640, 3960, 1335, 495),
                       {QStringLiteral("个节点X方向坐标"), QStringLiteral("个节点Y方向坐标")}, true})
{
}

void Form3::redimension() { frameModel().redimensionNodes(); }
double Form3::count() const { return frameModel().nodeCount; }
double Form3::cursor() const { return frameModel().nodeCursor; }
void Form3::setCursor(double value) { frameModel().nodeCursor = value; }
void Form3::store(double first, double second)
{
    FrameModel& m = frameModel();
    m.nodeX.set(indexOf(m.nodeCursor), first);
    m.nodeY.set(indexOf(m.nodeCursor), second);
}
void Form3::openNext() { platform::open<form6>(); }
void Form3::openCheck() { platform::open<Form4>(); }

// ---------------------------------------------------------------- form6

form6::form6()
    : PairEntryScreen({QStringLiteral("form6"), QStringLiteral("杆件端号输入"), 7335, 5085,
                       QStringLiteral("Label2"), QStringLiteral("请 输 入 杆 端 号"), 7320, 4260, kHeadingGreen,
                       {QStringLiteral("Label1_0"), QStringLiteral("Label1_1")},
                       {QStringLiteral("输入第1个杆件连接小端号:"), QStringLiteral("输入第1个杆件连接大端号:")},
                       {QRect(240, 1560, 5295, 495), QRect(240, 2760, 5295, 495)},
                       {QRect(5520, 1560, 1575, 615), QRect(5520, 2640, 1575, 615)},
                       QStringLiteral("下一杆"), QRect(2760, 3960, 1455, 495), QRect(4560, 3960, 1215, 495),
                       QRect(6000, 3960, 1095, 495),
                       {QStringLiteral("个杆件连接小端号:"), QStringLiteral("个杆件连接大端号:")}, false})
{
}

void form6::redimension() { frameModel().redimensionMembers(); }
double form6::count() const { return frameModel().memberCount; }
double form6::cursor() const { return frameModel().memberCursor; }
void form6::setCursor(double value) { frameModel().memberCursor = value; }
void form6::store(double first, double second)
{
    FrameModel& m = frameModel();
    m.memberSmallEnd.set(indexOf(m.memberCursor), first);
    m.memberLargeEnd.set(indexOf(m.memberCursor), second);
}
void form6::openNext() { platform::open<Form8>(); }
void form6::openCheck() { platform::open<Form7>(); }

// ---------------------------------------------------------------- Form8

Form8::Form8()
    : PairEntryScreen({QStringLiteral("Form8"), QStringLiteral("弹性模量和抗弯刚度"), 7455, 5100,
                       QStringLiteral("Label3"), QStringLiteral("请输入拉压刚度、抗弯刚度"), 7440, 6315, kDarkGreen,
                       {QStringLiteral("Label1"), QStringLiteral("Label2")},
                       {QStringLiteral("输入第1个杆件拉压刚度:"), QStringLiteral("输入第1个杆件抗弯刚度:")},
                       {QRect(240, 1560, 4935, 615), QRect(240, 2640, 4935, 615)},
                       {QRect(5400, 1560, 1335, 615), QRect(5400, 2640, 1335, 615)},
                       QStringLiteral("下一杆"), QRect(2160, 3840, 1455, 495), QRect(3840, 3840, 1335, 495),
                       QRect(5400, 3840, 1335, 495),
                       {QStringLiteral("个杆件拉压刚度"), QStringLiteral("个杆件抗弯抗度")}, false})
{
}

void Form8::redimension() { frameModel().redimensionRigidities(); }
double Form8::count() const { return frameModel().memberCount; }
double Form8::cursor() const { return frameModel().rigidityCursor; }
void Form8::setCursor(double value)
{
    // A 16-bit counter; the count screen keeps memberCount within its range.
    if (auto v = common::roundToInt16(value))
        frameModel().rigidityCursor = *v;
}
void Form8::store(double first, double second)
{
    FrameModel& m = frameModel();
    m.memberEA.set(indexOf(m.rigidityCursor), first);
    m.memberEI.set(indexOf(m.rigidityCursor), second);
}
void Form8::openNext() { platform::open<Form10>(); }
void Form8::openCheck() { platform::open<Form9>(); }

// ---------------------------------------------------------- CheckScreen

struct CheckScreen::Layout
{
    QString name, title;
    int width, height;
    QString headingName, headingCaption;
    int headingLeft, headingWidth;
    QColor headingColour;
    QString labelName, labelCaption;
    QRect label, field;
    QRect modify, next, cancel;  // Command1, Command2, Command3
    int buttonPoints100;         // button font size in 1/100 points
    QString suffix, firstPrompt, secondPrompt, secondName;
};

CheckScreen::CheckScreen(const Layout& l)
    : Screen(l.title, l.width, l.height), suffix_(l.suffix), firstPrompt_(l.firstPrompt),
      secondPrompt_(l.secondPrompt), secondName_(l.secondName)
{
    setObjectName(l.name);
    heading = look::heading(this, l.headingName, l.headingCaption, l.headingLeft, l.headingWidth,
                            l.headingColour);
    itemLabel = label(this, l.labelName, l.labelCaption, l.label.x(), l.label.y(), l.label.width(),
                      l.label.height(), labelFont(15.75));
    itemLabel->setWordWrap(true);
    Text1 = field(this, QStringLiteral("Text1"), l.field.x(), l.field.y(), l.field.width(), l.field.height(),
                  itemLabel);
    const QFont f = buttonFont(l.buttonPoints100 / 100.0);
    Command1 = button(this, QStringLiteral("Command1"), QStringLiteral("要修改"), 0, 0, 10, 10, f);
    Command2 = button(this, QStringLiteral("Command2"), QStringLiteral("继续检查"), 0, 0, 10, 10, f);
    Command3 = button(this, QStringLiteral("Command3"), QStringLiteral("取消"), 0, 0, 10, 10, f);
    placeRect(this, Command1, l.modify);
    placeRect(this, Command2, l.next);
    placeRect(this, Command3, l.cancel);
    setTabOrder(Text1, Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);
    applyBackground();
    Timer1 = scrollHeading(heading, 200);
    Timer1->timer()->setObjectName(QStringLiteral("Timer1"));

    connect(Command1, &QPushButton::clicked, this, &CheckScreen::modify);
    connect(Command2, &QPushButton::clicked, this, &CheckScreen::nextItem);
    connect(Command3, &QPushButton::clicked, this, [this] {
        hideScreen();
        openEntry();
    });
}

void CheckScreen::load()
{
    setCursor(1);
    showItem();
    Command2->setFocus();
}

void CheckScreen::bian()
{
    setCaption(itemLabel, QStringLiteral("你输入的第") + signedText(cursor()) + suffix_);
}

void CheckScreen::showItem()
{
    const double item = cursor();
    Text1->setText(signedText(first(item)) + QStringLiteral(",") + signedText(second(item)));
}

void CheckScreen::nextItem()
{
    setCursor(cursor() + 1);
    if (cursor() == count())
        Command2->setText(QStringLiteral("退出"));
    if (cursor() > count()) {
        hideScreen();
        openNext();
        return;
    }
    bian();
    showItem();
}

void CheckScreen::modify()
{
    const double item = cursor();
    Text1->setText(platform::dialogs().input(firstPrompt_));
    setFirst(item, lenient(Text1->text()));
    const QString answer = platform::dialogs().input(secondPrompt_);
    if (auto value = common::parseStrict(answer.toStdString()))
        setSecond(item, *value);
    else if (answer.trimmed().isEmpty())
        platform::dialogs().message(QStringLiteral("没有输入%1，%1保持原来的值 %2。")
                                        .arg(secondName_, signedText(second(item)).trimmed()));
    else
        platform::dialogs().message(QStringLiteral("输入的%1“%2”不是数字，%1保持原来的值 %3。")
                                        .arg(secondName_, answer, signedText(second(item)).trimmed()));
    Text1->setText(Text1->text() + QStringLiteral(",") + signedText(second(item)));
}

// ---------------------------------------------------------------- Form4

Form4::Form4()
    : CheckScreen({QStringLiteral("Form4"), QStringLiteral("坐标检查"), 7320, 3885, QStringLiteral("Label2"),
                   QStringLiteral("请修改结点坐标"), 7200, 3480, kHeadingGreen, QStringLiteral("Label1"),
                   QStringLiteral("您输入的第1点坐标为："), QRect(240, 1440, 4815, 615),
                   QRect(5160, 1440, 1815, 615), QRect(240, 2760, 1575, 495), QRect(3000, 2760, 1575, 495),
                   QRect(5400, 2760, 1575, 495), 1575, QStringLiteral("点坐标为："),
                   QStringLiteral("x轴要修改为："), QStringLiteral("y轴要修改为:"), QStringLiteral("y坐标")})
{
}

double Form4::count() const { return frameModel().nodeCount; }
double Form4::cursor() const { return frameModel().nodeCheckCursor; }
void Form4::setCursor(double value) { frameModel().nodeCheckCursor = value; }
double Form4::first(double item) const { return frameModel().nodeX.value(indexOf(item)); }
double Form4::second(double item) const { return frameModel().nodeY.value(indexOf(item)); }
void Form4::setFirst(double item, double value) { frameModel().nodeX.set(indexOf(item), value); }
void Form4::setSecond(double item, double value) { frameModel().nodeY.set(indexOf(item), value); }
void Form4::openNext() { platform::open<form6>(); }
void Form4::openEntry() { platform::open<Form3>(); }

// ---------------------------------------------------------------- Form7

Form7::Form7()
    : CheckScreen({QStringLiteral("Form7"), QStringLiteral("端号检查"), 7365, 3870, QStringLiteral("Label2"),
                   QStringLiteral("请修改杆端号"), 7320, 2985, kHeadingGreen, QStringLiteral("Label1_0"),
                   QStringLiteral("修改第1个杆件连接端号："), QRect(240, 1560, 5655, 615),
                   QRect(5640, 1560, 1455, 615), QRect(240, 2880, 1695, 615), QRect(3000, 2880, 1695, 615),
                   QRect(5640, 2880, 1455, 615), 1575, QStringLiteral("个杆件连接端号："),
                   QStringLiteral("小端号要修改为："), QStringLiteral("大端号要修改为:"), QStringLiteral("大端号")})
{
}

double Form7::count() const { return frameModel().memberCount; }
double Form7::cursor() const { return frameModel().memberCheckCursor; }
void Form7::setCursor(double value) { frameModel().memberCheckCursor = value; }
double Form7::first(double item) const { return frameModel().memberSmallEnd.value(indexOf(item)); }
double Form7::second(double item) const { return frameModel().memberLargeEnd.value(indexOf(item)); }
void Form7::setFirst(double item, double value) { frameModel().memberSmallEnd.set(indexOf(item), value); }
void Form7::setSecond(double item, double value) { frameModel().memberLargeEnd.set(indexOf(item), value); }
void Form7::openNext() { platform::open<Form8>(); }
void Form7::openEntry() { platform::open<form6>(); }

// ---------------------------------------------------------------- Form9

Form9::Form9()
    : CheckScreen({QStringLiteral("Form9"), QStringLiteral("拉压刚度和抗弯刚度检查"), 7350, 4410,
                   QStringLiteral("Label2"), QStringLiteral("请修改拉压刚度、抗弯刚度"), 7560, 6495, kDarkGreen,
                   QStringLiteral("Label1"), QStringLiteral("修改第1个杆件拉压刚度和抗弯刚度 ："),
                   QRect(360, 1800, 4245, 840), QRect(5160, 1800, 1935, 735), QRect(360, 3240, 1455, 615),
                   QRect(2880, 3240, 1695, 615), QRect(5640, 3240, 1455, 615), 1575,
                   QStringLiteral("个杆件弹性模量和抗弯刚度为："), QStringLiteral("弹性模量要修改为："),
                   QStringLiteral("抗弯刚度要修改为:"), QStringLiteral("抗弯刚度")})
{
}

double Form9::count() const { return frameModel().memberCount; }
double Form9::cursor() const { return frameModel().rigidityCheckCursor; }
void Form9::setCursor(double value) { frameModel().rigidityCheckCursor = value; }
double Form9::first(double item) const { return frameModel().memberEA.value(indexOf(item)); }
double Form9::second(double item) const { return frameModel().memberEI.value(indexOf(item)); }
void Form9::setFirst(double item, double value) { frameModel().memberEA.set(indexOf(item), value); }
void Form9::setSecond(double item, double value) { frameModel().memberEI.set(indexOf(item), value); }
void Form9::openNext() { platform::open<Form10>(); }
void Form9::openEntry() { platform::open<Form8>(); }

} // namespace framewizard
