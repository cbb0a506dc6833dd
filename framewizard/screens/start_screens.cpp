// Form1 (start-up), Form2 (the five counts) and Form12 (closing screen).

#include "framewizard/screens/look.h"
#include "framewizard/screens/program.h"
#include "framewizard/screens/wizard_screens.h"

#include "common/numbers.h"
#include "platform/dialogs.h"
#include "platform/registry.h"
#include "platform/scrolling.h"

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

#include <cmath>

// The pictures of Form1 and Form12 live in this static library; make sure the
// linker keeps them and Qt knows them.
static void registerPictures()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(pictures);
        return true;
    }();
    (void)done;
}

namespace framewizard {

using namespace look;

// ---------------------------------------------------------------- Form1

Form1::Form1() : Screen(QStringLiteral("启动窗口"), 7380, 5820)
{
    registerPictures();
    setObjectName(QStringLiteral("Form1"));
    Label1 = label(this, QStringLiteral("Label1"), QStringLiteral("  欢迎使用   Caldrin"), 7320, 240, 3405, 1245,
                   labelFont(26.25), kRed);
    Label1->setWordWrap(true);  // the welcome on one line, the name on the next
    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPixmap(QPixmap(QStringLiteral(":/framewizard/form1.jpg")));
    Picture1->setScaledContents(true);
    place(Picture1, 240, 1560, 6855, 2175);
    Label2 = label(this, QStringLiteral("Label2"), QStringLiteral("版本 Version1.0"), 240, 4050, 3000, 400,
                   buttonFont(14.25), Qt::black);
    Label2->adjustSize();
    Label3 = label(this, QStringLiteral("Label3"), QStringLiteral("结构力学教学组 编制"), 240,
                   4530, 5000, 400, buttonFont(14.25), Qt::black);
    Label3->adjustSize();
    Command2 = button(this, QStringLiteral("Command2"), QStringLiteral("退出程序"), 3240, 4320, 1695, 615,
                      buttonFont(15.75));
    Command1 = button(this, QStringLiteral("Command1"), QStringLiteral("进入程序"), 5400, 4320, 1695, 615,
                      buttonFont(15.75));
    setTabOrder(Command1, Command2);
    applyBackground();
    Timer1 = scrollHeading(Label1, 300);
    Timer1->timer()->setObjectName(QStringLiteral("Timer1"));
    Command1->setFocus();

    connect(Command1, &QPushButton::clicked, this, [this] {
        hideScreen();
        platform::open<Form2>();
    });
    connect(Command2, &QPushButton::clicked, this, [] { platform::endProgram(); });
}

// ---------------------------------------------------------------- Form2

namespace {

// Counts the later screens can serve: whole numbers in a range the item
// cursors (16-bit on the stiffness screen) can count through.
constexpr double kLargestCount = 32767;

bool countInRange(double value, double smallest)
{
    return std::isfinite(value) && value == std::floor(value) && value >= smallest && value <= kLargestCount;
}

} // namespace

Form2::Form2() : Screen(QStringLiteral("原始数据输入"), 8880, 5925)
{
    setObjectName(QStringLiteral("Form2"));
    Label6 = heading(this, QStringLiteral("Label6"), QStringLiteral("请 输 入 基 本 参 数"), 7440, 5175,
                     kHeadingGreen);
    const QString captions[5] = {QStringLiteral("结点总数:"), QStringLiteral("固定结点数:"),
                                 QStringLiteral("杆件单元数:"), QStringLiteral("荷载总数:"),
                                 QStringLiteral("截面总数:")};
    const int rows[5] = {1320, 2160, 3000, 3840, 4680};
    QLabel* labels[5];
    for (int i = 0; i < 5; ++i) {
        labels[i] = label(this, QStringLiteral("Label%1").arg(i + 1), captions[i], 960, rows[i], 2640, 495,
                          labelFont(18));
        fields_[i] = field(this, QStringLiteral("Text%1").arg(i + 1), 3720, rows[i], 1575, 495, labels[i]);
    }
    Label1 = labels[0]; Label2 = labels[1]; Label3 = labels[2]; Label4 = labels[3]; Label5 = labels[4];
    Text1 = fields_[0]; Text2 = fields_[1]; Text3 = fields_[2]; Text4 = fields_[3]; Text5 = fields_[4];
    Command2 = button(this, QStringLiteral("Command2"), QStringLiteral("确  定"), 6120, 1320, 1815, 495,
                      buttonFont(15.75));
    Command1 = button(this, QStringLiteral("Command1"), QStringLiteral("清  除"), 6075, 2220, 1860, 435,
                      buttonFont(15.75));
    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Text3);
    setTabOrder(Text3, Text4);
    setTabOrder(Text4, Text5);
    setTabOrder(Text5, Command1);
    setTabOrder(Command1, Command2);
    applyBackground();
    setDefaultButton(Command2);
    Timer1 = scrollHeading(Label6, 200);
    Timer1->timer()->setObjectName(QStringLiteral("Timer1"));

    for (int i = 0; i < 5; ++i) {
        QLineEdit* f = fields_[i];
        checkNumberKeys(f, messageA(), i < 4 ? fields_[i + 1] : nullptr);
        connect(f, &QLineEdit::textChanged, this, [this, f] { fieldChanged(f); });
    }
    connect(Command2, &QPushButton::clicked, this, &Form2::accept);
    connect(Command1, &QPushButton::clicked, this, &Form2::clearFields);
}

void Form2::load()
{
    for (QLineEdit* f : fields_)
        if (f->text().isEmpty())
            Command2->setEnabled(false);
    Text1->setFocus();
}

void Form2::jihuo()
{
    for (QLineEdit* f : fields_)
        if (!f->text().isEmpty())
            Command2->setEnabled(true);
}

void Form2::fieldChanged(QLineEdit* changed)
{
    for (QLineEdit* f : fields_)
        if (f != changed && f->text().isEmpty())
            return;
    jihuo();
}

void Form2::accept()
{
    FrameModel& m = frameModel();
    auto read = [](const QLineEdit* f) { return common::parseLenient(f->text().toStdString()); };
    m.nodeCount = read(Text1);
    m.fixedNodeCount = read(Text2);
    m.memberCount = read(Text3);
    m.loadCount = read(Text4);
    m.sectionCount = read(Text5);
    m.updateUnknownCount();

    if (m.nodeCount < m.fixedNodeCount) {
        platform::dialogs().message(QStringLiteral("您输入的数据有问题，请检查，然后重新启动程序输入数据！"));
        for (QLineEdit* f : fields_)
            f->clear();
        Text1->setFocus();
        return;
    }

    // Counts the later screens cannot serve are refused here, naming the field;
    // the texts stay so that the user only corrects the one count.
    struct Rule
    {
        QLineEdit* field;
        double value;
        double smallest;
        const char* name;
    };
    const Rule rules[] = {
        {Text1, m.nodeCount, 2, "结点总数"},   {Text2, m.fixedNodeCount, 1, "固定结点数"},
        {Text3, m.memberCount, 1, "杆件单元数"}, {Text4, m.loadCount, 1, "荷载总数"},
        {Text5, m.sectionCount, 1, "截面总数"},
    };
    for (const Rule& r : rules) {
        if (!countInRange(r.value, r.smallest)) {
            platform::dialogs().message(QStringLiteral("“%1”必须是%2到%3之间的整数，请重新输入！")
                                            .arg(QString::fromUtf8(r.name))
                                            .arg(r.smallest)
                                            .arg(kLargestCount));
            r.field->setFocus();
            r.field->selectAll();
            return;
        }
    }
    if (m.nodeCount == m.fixedNodeCount) {
        platform::dialogs().message(
            QStringLiteral("“结点总数”必须大于“固定结点数”：至少要有一个自由结点才能计算，请重新输入！"));
        Text1->setFocus();
        Text1->selectAll();
        return;
    }

    closeScreen();
    platform::open<Form3>();
}

void Form2::clearFields()
{
    for (QLineEdit* f : fields_)
        f->clear();
    Text1->setFocus();
    Command2->setEnabled(false);
}

// ---------------------------------------------------------------- Form12

Form12::Form12() : Screen(QStringLiteral("程序结束"), 8685, 6345)
{
    registerPictures();
    setObjectName(QStringLiteral("Form12"));
    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPixmap(QPixmap(QStringLiteral(":/framewizard/form12.jpg")));
    Picture1->setScaledContents(true);
    place(Picture1, 0, -120, 8700, 4980);
    Command1 = button(this, QStringLiteral("Command1"), QStringLiteral("返回程序"), 6600, 5160, 1695, 495,
                      buttonFont(18));
    Command2 = button(this, QStringLiteral("Command2"), QStringLiteral("退出程序"), 6600, 5760, 1695, 495,
                      buttonFont(18));
    setTabOrder(Command1, Command2);
    applyBackground();

    // The thanks line sits inside the picture, on its own light green.
    Label3 = new QLabel(QStringLiteral("非常感谢您使用本软件！"), Picture1);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setFont(labelFont(36));
    platform::setTextColour(Label3, kRed);
    platform::setBackground(Label3, QColor(192, 255, 192));
    Label3->move(toPixelsX(240), toPixelsY(120));
    Label3->adjustSize();

    Timer1 = new QTimer(Picture1);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
    Timer1->start();  // has no action

    Command1->setFocus();
    connect(Command1, &QPushButton::clicked, this, [this] {
        hideScreen();
        platform::open<Form5>();
    });
    connect(Command2, &QPushButton::clicked, this, [] { platform::endProgram(); });
}

} // namespace framewizard
