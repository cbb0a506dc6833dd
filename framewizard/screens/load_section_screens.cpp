// Form10 (member loads) and Form11 (check sections).

#include "framewizard/screens/look.h"
#include "framewizard/screens/program.h"
#include "framewizard/screens/wizard_screens.h"

#include "common/numbers.h"
#include "platform/registry.h"
#include "platform/scrolling.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTimer>

namespace framewizard {

using namespace look;

namespace {

double lenient(const QLineEdit* field)
{
    return common::parseLenient(field->text().toStdString());
}

std::size_t indexOf(double item)
{
    return roundedIndex(item).value_or(0);
}

// A push button whose caption wraps onto a second line when it is wider than
// the button (the tall "返回荷载输入界面").
class WrappingButton final : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter p(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        p.drawControl(QStyle::CE_PushButton, option);
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        p.drawText(rect().adjusted(4, 4, -4, -4), Qt::AlignCenter | Qt::TextWordWrap, text());
    }
};

} // namespace

// ---------------------------------------------------------------- Form10

Form10::Form10() : Screen(QStringLiteral("荷载输入"), 7425, 6240)
{
    setObjectName(QStringLiteral("Form10"));
    Label5 = heading(this, QStringLiteral("Label5"), QStringLiteral("请输入荷载信息"), 7560, 3480, kDarkGreen);
    const QString captions[4] = {QStringLiteral("输入第1个荷载作用杆的编号："), QStringLiteral("输入第1个荷载的大小："),
                                 QStringLiteral("输入第1个荷载离单元小端号的距离："),
                                 QStringLiteral("输入第1个荷载类型：")};
    const int labelRows[4] = {960, 1680, 2400, 3120};
    const int fieldRows[4] = {840, 1560, 2280, 3000};
    QLabel* labels[4];
    QLineEdit* fields[4];
    for (int i = 0; i < 4; ++i) {
        labels[i] = label(this, QStringLiteral("Label%1").arg(i + 1), captions[i], 120, labelRows[i], 5895, 495,
                          labelFont(14.25));
        fields[i] = field(this, QStringLiteral("Text%1").arg(i + 1), 5160, fieldRows[i], 1455, 615, labels[i]);
    }
    Label1 = labels[0]; Label2 = labels[1]; Label3 = labels[2]; Label4 = labels[3];
    Text1 = fields[0]; Text2 = fields[1]; Text3 = fields[2]; Text4 = fields[3];
    Command2 = button(this, QStringLiteral("Command2"), QStringLiteral("下一 个"), 3480, 3960, 1335, 495,
                      buttonFont());
    Command1 = button(this, QStringLiteral("Command1"), QStringLiteral("确  定"), 5160, 3960, 1455, 495,
                      buttonFont());
    setTabOrder(Text1, Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Text2);
    setTabOrder(Text2, Text3);
    setTabOrder(Text3, Text4);
    applyBackground();
    setDefaultButton(Command2);
    Timer1 = scrollHeading(Label5, 200);
    Timer1->timer()->setObjectName(QStringLiteral("Timer1"));

    checkNumberKeys(Text1, messageA(), Text2);
    checkNumberKeys(Text2, messageB(), Text3);
    checkNumberKeys(Text3, messageA(), Text4);
    checkNumberKeys(Text4, messageB(), nullptr);
    for (QLineEdit* f : fields)
        connect(f, &QLineEdit::textChanged, this, &Form10::jihuo);
    connect(Command2, &QPushButton::clicked, this, &Form10::nextLoad);
    connect(Command1, &QPushButton::clicked, this, [this] {
        storeCurrent();
        closeScreen();
        platform::open<Form11>();
    });
}

void Form10::load()
{
    frameModel().redimensionLoads();
    Command1->setEnabled(false);
    Command2->setEnabled(false);
    frameModel().loadCursor = 1;
    Text1->setFocus();
}

void Form10::jihuo()
{
    const FrameModel& m = frameModel();
    const bool filled = !Text1->text().isEmpty() && !Text2->text().isEmpty() && !Text3->text().isEmpty()
                        && !Text4->text().isEmpty();
    if (filled && m.loadCursor < m.loadCount) {
        Command2->setEnabled(true);
    } else if (filled) {
        Command1->setEnabled(true);
        Command2->setEnabled(false);
        Command1->setFocus();
    } else {
        Command1->setEnabled(false);
        Command2->setEnabled(false);
    }
}

void Form10::storeCurrent()
{
    FrameModel& m = frameModel();
    const std::size_t row = indexOf(m.loadCursor);
    m.loadTable.set(row, 1, lenient(Text1));
    m.loadTable.set(row, 2, lenient(Text2));
    m.loadTable.set(row, 3, lenient(Text3));
    m.loadTable.set(row, 4, lenient(Text4));
}

void Form10::nextLoad()
{
    FrameModel& m = frameModel();
    if (!(m.loadCursor < m.loadCount))
        return;
    storeCurrent();
    m.loadCursor += 1;
    const QString item = QStringLiteral("输入第") + QString::fromStdString(common::signedText(m.loadCursor));
    setCaption(Label1, item + QStringLiteral("个荷载作用杆的编号："));
    setCaption(Label2, item + QStringLiteral("个荷载的大小："));
    setCaption(Label3, item + QStringLiteral("个荷载离单元小结点的距离："));
    setCaption(Label4, item + QStringLiteral("个荷载类型："));
    Text1->clear();
    Text2->clear();
    Text3->clear();
    Text4->clear();
    Command2->setEnabled(false);
    Text1->setFocus();
}

// ---------------------------------------------------------------- Form11

Form11::Form11() : Screen(QStringLiteral("验算截面数据"), 7335, 5175)
{
    setObjectName(QStringLiteral("Form11"));
    Label3 = heading(this, QStringLiteral("Label3"), QStringLiteral("请输入截面信息"), 7320, 3480, kDarkGreen);
    Label1 = label(this, QStringLiteral("Label1"), QStringLiteral("输入第1个截面所在单元编号:"), 120, 1560, 5655, 615,
                   labelFont(14.25));
    Text1 = field(this, QStringLiteral("Text1"), 4920, 1560, 1335, 615, Label1);
    Label2 = label(this, QStringLiteral("Label2"), QStringLiteral("输入第1个截面离小结号距离:"), 120, 2760, 5655, 615,
                   labelFont(14.25));
    Text2 = field(this, QStringLiteral("Text2"), 4920, 2760, 1335, 615, Label2);
    Command2 = button(this, QStringLiteral("Command2"), QStringLiteral("下一个"), 1800, 3720, 1215, 495,
                      buttonFont());
    Command3 = new WrappingButton(QStringLiteral("返回荷载输入界面"), this);
    Command3->setObjectName(QStringLiteral("Command3"));
    Command3->setFont(buttonFont(14.25));
    Command3->setAutoDefault(false);
    place(Command3, 3240, 3600, 1455, 855);
    Command1 = button(this, QStringLiteral("Command1"), QStringLiteral("计算输出"), 4920, 3720, 1455, 495,
                      buttonFont());
    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);
    applyBackground();
    setDefaultButton(Command2);
    Timer1 = scrollHeading(Label3, 200);
    Timer1->timer()->setObjectName(QStringLiteral("Timer1"));

    checkNumberKeys(Text1, messageA(), Text2);
    checkNumberKeys(Text2, messageB(), nullptr);
    connect(Text1, &QLineEdit::textChanged, this, &Form11::jihuo);
    connect(Text2, &QLineEdit::textChanged, this, &Form11::jihuo);
    connect(Command2, &QPushButton::clicked, this, &Form11::nextSection);
    connect(Command1, &QPushButton::clicked, this, [this] {
        storeCurrent();
        closeScreen();
        platform::open<Form5>();
    });
    connect(Command3, &QPushButton::clicked, this, [this] {
        closeScreen();
        platform::open<Form10>();
    });
}

void Form11::load()
{
    frameModel().redimensionSections();
    Command1->setEnabled(false);
    Command2->setEnabled(false);
    frameModel().sectionCursor = 1;
    Text1->setFocus();
}

void Form11::jihuo()
{
    const FrameModel& m = frameModel();
    const bool filled = !Text1->text().isEmpty() && !Text2->text().isEmpty();
    if (filled && m.sectionCursor < m.sectionCount) {
        Command2->setEnabled(true);
    } else if (filled) {
        Command1->setEnabled(true);
        Command2->setEnabled(false);
    } else {
        Command1->setEnabled(false);
        Command2->setEnabled(false);
    }
}

void Form11::storeCurrent()
{
    FrameModel& m = frameModel();
    const std::size_t row = indexOf(m.sectionCursor);
    m.sectionTable.set(row, 1, lenient(Text1));
    m.sectionTable.set(row, 2, lenient(Text2));
}

void Form11::nextSection()
{
    FrameModel& m = frameModel();
    if (!(m.sectionCursor < m.sectionCount))
        return;
    storeCurrent();
    m.sectionCursor += 1;
    const QString item = QStringLiteral("输入第") + QString::fromStdString(common::signedText(m.sectionCursor));
    setCaption(Label1, item + QStringLiteral("截面所在单元编号："));
    setCaption(Label2, item + QStringLiteral("截面离小结号距离："));
    Text1->clear();
    Text2->clear();
    Command2->setEnabled(false);
    Command1->setEnabled(false);
    Text1->setFocus();
}

} // namespace framewizard
