// Form9: draws the member-end forces of the last computation on its surface
// and prints them.

#include "frameproject/screens/forms.h"
#include "frameproject/screens/widgets.h"

#include "platform/printing.h"
#include "platform/textsurface.h"

#include <QPushButton>

namespace frameproject::screens {

Form9::Form9() : Screen(QStringLiteral("显示并打印结果"), 9900, 7230)
{
    setObjectName(QStringLiteral("Form9"));
    setFont(platform::font(QStringLiteral("Times New Roman"), 12));

    // Made first, so it lies beneath the buttons; it covers the whole window.
    surface = new platform::TextSurface(this);
    surface->setObjectName(QStringLiteral("surface"));
    surface->setFont(platform::font(QStringLiteral("Times New Roman"), 12));
    place(surface, 0, 0, 9900, 7230);

    Command1 = makeButton(this, "Command1", QStringLiteral("显示结果"), 960, 6360, 1600, 465);
    Command2 = makeButton(this, "Command2", QStringLiteral("打印结果"), 3000, 6360, 1600, 465);
    Command3 = makeButton(this, "Command3", QStringLiteral("上一步"), 5040, 6360, 1600, 465);
    Command4 = makeButton(this, "Command4", QStringLiteral("结束计算"), 7080, 6360, 1600, 465);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);
    setTabOrder(Command3, Command4);
    setDefaultButton(Command1);

    connect(Command1, &QPushButton::clicked, this, &Form9::showResults);
    connect(Command2, &QPushButton::clicked, this, &Form9::printResults);
    connect(Command3, &QPushButton::clicked, this, [this] {
        platform::open<Form8>();
        closeScreen();
    });
    connect(Command4, &QPushButton::clicked, this, [this] {
        platform::open<Form1>();
        closeScreen();
    });
    Command1->setFocus();
}

void Form9::showResults()
{
    surface->clear();
    surface->printText(toQ(theProject().ResultText));
    Command4->setFocus();
}

void Form9::printResults()
{
    // Appended to the open print document; the document is finished when the
    // program ends.
    platform::printer().printText(toQ(theProject().ResultText) + QStringLiteral("\r\n"));
}

} // namespace frameproject::screens
