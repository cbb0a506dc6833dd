#include "beamwizard/screens/screens.h"

#include "platform/dialogs.h"
#include "platform/keys.h"
#include "platform/platform.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace beamwizard {

namespace {

QComboBox* makeCombo(BeamScreen* screen, const QString& name, const QString& caption, QLabel* label)
{
    auto* combo = new QComboBox(screen);
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);  // typed text never joins the list
    combo->setAccessibleName(caption);
    label->setBuddy(combo);
    return combo;
}

}  // namespace

Form2::Form2() : BeamScreen(QStringLiteral("输入基本参数"), 5745, 3750)
{
    setObjectName(QStringLiteral("Form2"));

    Label1 = new QLabel(QStringLiteral("结点数"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    place(Label1, 405, 270, 0, 0);
    Label1->adjustSize();  // sized to its text

    Label2 = makeLabel(QStringLiteral("左支座约束信息固端输1铰端输0"), 405, 675, 690, 1020);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Label3 = makeLabel(QStringLiteral("右支座约束信息固端输1铰端输0"), 405, 1890, 690, 1095);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Combo1 = makeCombo(this, QStringLiteral("Combo1"), Label1->text(), Label1);
    place(Combo1, 1350, 270, 1365, 330);
    Combo2 = makeCombo(this, QStringLiteral("Combo2"), Label2->text(), Label2);
    place(Combo2, 1350, 945, 1365, 330);
    Combo3 = makeCombo(this, QStringLiteral("Combo3"), Label3->text(), Label3);
    place(Combo3, 1350, 2025, 1365, 330);

    Command1 = makeButton(QStringLiteral("Command1"), QStringLiteral("确   定"), 3465, 270, 1710, 405);
    Command2 = makeButton(QStringLiteral("Command2"), QStringLiteral("上 一 步"), 3480, 945, 1695, 390);
    Command3 = makeButton(QStringLiteral("Command3"), QStringLiteral("重新输入"), 3465, 1965, 1710, 405);

    applyBackground();
    for (QLabel* label : {Label1, Label2, Label3})
        platform::setBackground(label, orange());
    platform::setBackground(Command1, green());
    platform::setBackground(Command2, yellow());
    platform::setBackground(Command3, green());
    setDefaultButton(Command1);

    setTabOrder(Combo1, Combo2);
    setTabOrder(Combo2, Combo3);
    setTabOrder(Combo3, Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);

    for (QComboBox* combo : {Combo1, Combo2, Combo3})
        platform::filterCharacters(combo, &Form2::acceptedCharacter);

    connect(Command1, &QPushButton::clicked, this, &Form2::confirm);
    connect(Command2, &QPushButton::clicked, this, [this] { goTo<Form1>(); });
    connect(Command3, &QPushButton::clicked, this, &Form2::restart);
}

void Form2::load()
{
    Combo1->addItems({QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                      QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7")});
    Combo2->addItems({QStringLiteral("1"), QStringLiteral("0")});
    Combo3->addItems({QStringLiteral("1"), QStringLiteral("0")});
    for (QComboBox* combo : {Combo1, Combo2, Combo3}) {
        combo->setCurrentIndex(-1);  // nothing preselected
        combo->setEditText(QString());
    }
}

bool Form2::acceptedCharacter(QChar c)
{
    return QStringLiteral("0123456789.e").contains(c);
}

void Form2::confirm()
{
    const std::string countText = Combo1->currentText().toStdString();
    const std::string leftText = Combo2->currentText().toStdString();
    const std::string rightText = Combo3->currentText().toStdString();

    // Read all three before storing any, so that a rejected entry leaves the
    // beam as it was.
    std::int16_t count = 0;
    std::int16_t left = 0;
    std::int16_t right = 0;
    const std::optional<Fault> fault = runChecked([&] {
        count = readCount(countText, "结点数");
        left = readCount(leftText, "左支座约束信息");
        right = readCount(rightText, "右支座约束信息");
    });
    if (fault) {
        showFault(*fault);
        return;
    }
    // The input screens carry fields for 2 to 7 nodes only.
    if (count < 2 || count > 7) {
        platform::dialogs().message(
            QStringLiteral("结点数为 %1，超出范围：本程序计算 2～7 个结点（1～6 跨）的连续梁，请输入 2 到 7 之间的结点数。")
                .arg(count));
        Combo1->setFocus();
        return;
    }

    BeamModel& model = beamModel();
    model.beamNodeCount = count;
    model.leftSupportCode = left;
    model.rightSupportCode = right;
    goTo<Form3>();
}

void Form2::restart()
{
    for (QComboBox* combo : {Combo1, Combo2, Combo3})
        combo->setEditText(QStringLiteral(" "));
    Combo1->setFocus();
}

}  // namespace beamwizard
