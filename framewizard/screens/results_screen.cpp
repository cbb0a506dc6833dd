// Form5: runs the analysis when it is loaded, lists the node displacements and
// the section forces, and writes both lists to the results file.

#include "framewizard/screens/look.h"
#include "framewizard/screens/program.h"
#include "framewizard/screens/wizard_screens.h"

#include "framewizard/engine/analysis.h"
#include "framewizard/engine/results_text.h"
#include "platform/dialogs.h"
#include "platform/registry.h"
#include "platform/scrolling.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <string>
#include <vector>

namespace framewizard {

using namespace look;

namespace {

// Appends the lines of the analysis run to the two lists as they come.
class ListFiller final : public engine::AnalysisListener
{
public:
    ListFiller(QListWidget* list1, QListWidget* list2) : list1_(list1), list2_(list2) {}
    void addList1Item(const std::string& text) override { list1_->addItem(QString::fromStdString(text)); }
    void addList2Item(const std::string& text) override { list2_->addItem(QString::fromStdString(text)); }

private:
    QListWidget* list1_;
    QListWidget* list2_;
};

std::vector<std::string> itemsOf(const QListWidget* list)
{
    std::vector<std::string> items;
    items.reserve(static_cast<std::size_t>(list->count()));
    for (int i = 0; i < list->count(); ++i)
        items.push_back(list->item(i)->text().toStdString());
    return items;
}

} // namespace

Form5::Form5() : Screen(QStringLiteral("列表输出"), 10620, 5265)
{
    setObjectName(QStringLiteral("Form5"));
    Label1 = label(this, QStringLiteral("Label1"), QStringLiteral("请 看 计 算 结 果"), 10560, 360, 5055, 525,
                   labelFont(26.25), kDarkGreen);
    addRule(960 - 60)->setObjectName(QStringLiteral("Line1"));
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setAccessibleName(QStringLiteral("结点位移"));
    place(List1, 360, 960, 9855, 1500);
    List2 = new QListWidget(this);
    List2->setObjectName(QStringLiteral("List2"));
    List2->setAccessibleName(QStringLiteral("截面内力"));
    place(List2, 360, 2640, 9855, 2040);
    for (QListWidget* l : {List1, List2})
        platform::setBackground(l, Qt::white);
    const QFont f = platform::font(QStringLiteral("黑体"), 12, true);
    Command1 = button(this, QStringLiteral("Command1"), QStringLiteral("下 一 步"), 480, 4920, 1455, 375, f);
    Command2 = button(this, QStringLiteral("Command2"), QStringLiteral("上 一 步"), 2160, 4920, 1335, 375, f);
    Command3 = button(this, QStringLiteral("Command3"), QStringLiteral("文件输出"), 3720, 4920, 1335, 375, f);
    setTabOrder(List2, List1);
    setTabOrder(List1, Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);
    applyBackground();
    Timer1 = scrollHeading(Label1, 200);
    Timer1->timer()->setObjectName(QStringLiteral("Timer1"));

    connect(Command1, &QPushButton::clicked, this, [this] {
        hideScreen();
        platform::open<Form12>();
    });
    connect(Command2, &QPushButton::clicked, this, [this] {
        closeScreen();
        platform::open<Form11>();
    });
    connect(Command3, &QPushButton::clicked, this, &Form5::writeFile);
}

void Form5::load()
{
    Command1->setFocus();
    ListFiller filler(List1, List2);
    const engine::AnalysisOutcome outcome = engine::runAnalysis(frameModel(), &filler);
    if (!outcome.ok()) {
        // No results of a frame that could not be analysed are ever shown:
        // the message, then back to the sections as "上 一 步" does.
        List1->clear();
        List2->clear();
        platform::dialogs().message(QString::fromStdString(outcome.error->message));
        closeScreen();
        platform::open<Form11>();
    }
}

QString Form5::itemText(const QListWidget* list, int index)
{
    const QListWidgetItem* item = index >= 0 && index < list->count() ? list->item(index) : nullptr;
    return item ? item->text() : QString();
}

void Form5::writeFile()
{
    const std::string content = engine::resultsFileText(itemsOf(List1), itemsOf(List2));
    if (auto error = engine::writeResultsFile(resultsFilePath().toStdString(), content))
        platform::dialogs().message(QString::fromStdString(error->message));
}

} // namespace framewizard
