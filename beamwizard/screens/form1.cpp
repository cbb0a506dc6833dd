#include "beamwizard/screens/screens.h"

#include "platform/platform.h"

#include <QLabel>
#include <QPushButton>

namespace beamwizard {

Form1::Form1() : BeamScreen(QStringLiteral("起动窗口"), 6150, 3930)
{
    setObjectName(QStringLiteral("Form1"));

    Label1 = makeLabel(QStringLiteral("欢迎使用Brantel"), 570, 285, 4650, 405);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setFont(platform::font(QStringLiteral("宋体"), 14.25, true));

    Label2 = makeLabel(QStringLiteral("程序编制：结构力学课程组"), 1515, 810, 2625, 465);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setFont(platform::font(QStringLiteral("宋体"), 10.5, true));

    Command1 = makeButton(QStringLiteral("Command1"), QStringLiteral("进入程序"), 840, 2670, 1725, 585);
    Command2 = makeButton(QStringLiteral("Command2"), QStringLiteral("退出程序"), 3480, 2715, 1755, 540);

    applyBackground(grey());
    platform::setBackground(Label1, lightOrange());
    platform::setBackground(Label2, orange());
    platform::setBackground(Command1, green());
    platform::setBackground(Command2, green());
    setDefaultButton(Command1);
    setTabOrder(Command1, Command2);

    connect(Command1, &QPushButton::clicked, this, [this] { goTo<Form2>(); });
    connect(Command2, &QPushButton::clicked, this, [] { platform::endProgram(); });
}

void Form1::closeBoxPressed() { platform::endProgram(); }

}  // namespace beamwizard
