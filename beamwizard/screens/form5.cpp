#include "beamwizard/screens/screens.h"

#include "beamwizard/solver/beam_report.h"
#include "beamwizard/solver/beam_solver.h"
#include "platform/platform.h"

#include <QListWidget>
#include <QPushButton>

namespace beamwizard {

Form5::Form5()
    : BeamScreen(QStringLiteral("原始数据输出窗口(结点力偶顺正逆负；固弯、剪力为顺正逆负）"), 6630, 3600)
{
    setObjectName(QStringLiteral("Form5"));

    List2 = new QListWidget(this);
    List2->setObjectName(QStringLiteral("List2"));
    List2->setAccessibleName(QStringLiteral("原始数据和计算结果"));
    List2->setSelectionMode(QAbstractItemView::SingleSelection);
    List2->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    List2->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    place(List2, 360, 0, 6255, 2220);
    platform::setBackground(List2, lightOrange());

    Command1 = makeButton(QStringLiteral("Command1"), QStringLiteral("输 出 原 始 数 据"), 2160, 2400, 2415, 495);
    Command5 = makeButton(QStringLiteral("Command5"), QStringLiteral("下 一 步"), 360, 3000, 1335, 495);
    Command2 = makeButton(QStringLiteral("Command2"), QStringLiteral("返回上一步"), 1920, 3000, 1095, 495);
    Command3 = makeButton(QStringLiteral("Command3"), QStringLiteral("开 始 计 算"), 3240, 3000, 1215, 495);
    Command4 = makeButton(QStringLiteral("Command4"), QStringLiteral("清 除 重 算"), 4680, 3000, 1455, 465);

    setTabOrder(List2, Command1);
    setTabOrder(Command1, Command5);
    setTabOrder(Command5, Command2);
    setTabOrder(Command2, Command3);
    setTabOrder(Command3, Command4);

    const LineSink sink = [this](const std::string& line) { appendLine(line); };

    connect(Command1, &QPushButton::clicked, this, [this, sink] {
        if (const std::optional<Fault> fault = appendInputListing(beamModel(), sink))
            showFault(*fault);
    });
    connect(Command3, &QPushButton::clicked, this, [this, sink] {
        if (const std::optional<Fault> fault = computeBeam(beamModel(), sink))
            showFault(*fault);
    });
    connect(Command4, &QPushButton::clicked, this, [this] {
        List2->clear();
        goTo<Form2>();
    });
    connect(Command5, &QPushButton::clicked, this, [this] { goTo<Form6>(); });
    connect(Command2, &QPushButton::clicked, this, [this] { goTo<Form8>(); });
}

void Form5::appendLine(const std::string& line)
{
    List2->addItem(QString::fromStdString(line));
    List2->scrollToBottom();
}

QStringList Form5::listLines() const
{
    QStringList lines;
    for (int i = 0; i < List2->count(); ++i)
        lines << List2->item(i)->text();
    return lines;
}

}  // namespace beamwizard
