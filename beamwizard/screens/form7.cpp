#include "beamwizard/screens/screens.h"

#include "beamwizard/solver/beam_report.h"
#include "platform/platform.h"
#include "platform/printing.h"
#include "platform/textsurface.h"

#include <QPushButton>

namespace beamwizard {

namespace {

QList<platform::TextItem> toItems(const PrintLine& line)
{
    QList<platform::TextItem> items;
    for (const PrintItem& item : line)
        items.append({item.column, QString::fromStdString(item.text)});
    return items;
}

}  // namespace

Form7::Form7()
    : BeamScreen(QStringLiteral("打印输出:位移顺正逆负；弯矩顺正逆负；剪力顺正逆负"), 6660, 3690)
{
    setObjectName(QStringLiteral("Form7"));
    applyBackground(lightYellow());

    // The drawing surface takes the screen above the buttons and lies below them.
    surface = new platform::TextSurface(this);
    surface->setObjectName(QStringLiteral("surface"));
    place(surface, 0, 0, 6660, 3240);

    Command1 = makeButton(QStringLiteral("Command1"), QStringLiteral("显 示 结 果"), 120, 3240, 1215, 375);
    Command2 = makeButton(QStringLiteral("Command2"), QStringLiteral("打 印 结 果"), 1440, 3240, 1215, 375);
    Command3 = makeButton(QStringLiteral("Command3"), QStringLiteral("返 回 上 一 步"), 2760, 3240, 1455, 375);
    Command4 = makeButton(QStringLiteral("Command4"), QStringLiteral("结 束 计 算"), 4320, 3240, 1215, 375);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);
    setTabOrder(Command3, Command4);

    connect(Command1, &QPushButton::clicked, this, &Form7::showResults);
    connect(Command2, &QPushButton::clicked, this, &Form7::printResults);
    connect(Command3, &QPushButton::clicked, this, [this] { goTo<Form6>(); });
    connect(Command4, &QPushButton::clicked, this, [this] { goTo<Form1>(); });
}

void Form7::showResults()
{
    surface->clear();
    const ResultText text = buildResultText(beamModel());
    for (const PrintLine& line : text.lines)
        surface->printLine(toItems(line));
    if (text.fault)
        showFault(*text.fault);
}

void Form7::printResults()
{
    // A printout is made only of complete results: without them nothing is
    // sent, so no half page is printed and no job is left open.
    const ResultText text = buildResultText(beamModel());
    if (text.fault) {
        showFault(*text.fault);
        return;
    }
    platform::Printer& paper = platform::printer();
    for (const PrintLine& line : text.lines)
        paper.printLine(toItems(line));
    paper.endJob();
}

}  // namespace beamwizard
