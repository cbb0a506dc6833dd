// Form8: saves the project, echoes the input and runs the computation, whose
// report lines it lists.

#include "frameproject/screens/forms.h"
#include "frameproject/screens/widgets.h"

#include "frameproject/model/project_file.h"
#include "frameproject/solver/reports.h"
#include "frameproject/solver/solver.h"

#include <QListWidget>
#include <QPushButton>
#include <QStringList>

#include <filesystem>
#include <string>
#include <vector>

namespace frameproject::screens {

namespace {

// Collects the computation's lines and hands them to the list in bulk. A
// message box the computation asks for first shows the lines emitted before
// it, so the list and the messages keep their order.
class ListSink final : public solver::ReportSink
{
public:
    explicit ListSink(Form8& screen) : m_screen(screen) {}

    void line(std::string_view text) override { m_lines.emplace_back(text); }
    void message(std::string_view text) override
    {
        flush();
        showMessage(toQ(text));
    }
    void flush()
    {
        m_screen.appendLines(m_lines);
        m_lines.clear();
    }

private:
    Form8& m_screen;
    std::vector<std::string> m_lines;
};

} // namespace

Form8::Form8() : Screen(QStringLiteral("原始数据输出"), 9915, 6945)
{
    setObjectName(QStringLiteral("Form8"));

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setAccessibleName(QStringLiteral("原始数据输出"));
    List1->setFont(platform::font(QStringLiteral("Times New Roman"), 12));
    // Every line has the same height: the view then lays out thousands of
    // lines without measuring each one.
    List1->setUniformItemSizes(true);
    List1->setLayoutMode(QListView::Batched);
    place(List1, 240, 0, 9735, 6045);

    Command2 = makeButton(this, "Command2", QStringLiteral("上一步"), 1440, 6360, 1600, 465);
    Command1 = makeButton(this, "Command1", QStringLiteral("输出原始数据"), 3120, 6360, 1920, 465);
    Command3 = makeButton(this, "Command3", QStringLiteral("开始计算"), 5160, 6360, 1365, 465);
    Command4 = makeButton(this, "Command4", QStringLiteral("清除重算"), 6720, 6360, 1605, 465);
    Command5 = makeButton(this, "Command5", QStringLiteral("下一步"), 8520, 6360, 1245, 465);

    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);
    setTabOrder(Command3, Command4);
    setTabOrder(Command4, Command5);
    setTabOrder(Command5, List1);

    connect(Command1, &QPushButton::clicked, this, &Form8::saveAndEcho);
    connect(Command2, &QPushButton::clicked, this, &Form8::back);
    connect(Command3, &QPushButton::clicked, this, &Form8::compute);
    connect(Command4, &QPushButton::clicked, this, &Form8::clearAndRestart);
    connect(Command5, &QPushButton::clicked, this, &Form8::next);
    Command1->setFocus();
}

void Form8::appendLines(const std::vector<std::string>& lines)
{
    if (lines.empty())
        return;
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines)
        texts.append(toQ(line));
    List1->addItems(texts);
    List1->scrollToBottom();
}

void Form8::saveAndEcho()
{
    const ProjectModel& model = theProject();
    if (auto failed = SaveProject(model, std::filesystem::path(projectFolder().toStdU16String())))
        showMessage(toQ(failed->message));
    appendLines(solver::EchoLines(model));
    Command3->setFocus();
}

void Form8::compute()
{
    ListSink sink(*this);
    const solver::SolveOutcome outcome = solver::Compute(theProject(), sink);
    sink.flush();
    if (!outcome.ok())
        showMessage(toQ(outcome.error->message));
    Command5->setFocus();
}

void Form8::clearAndRestart()
{
    List1->clear();
    platform::open<Form2>();
    closeScreen();
}

void Form8::back()
{
    hideScreen();
    const ProjectModel& model = theProject();
    if (model.NPF != 0)
        platform::open<Form7>();
    else if (model.NPJ != 0)
        platform::open<Form6>();
    else
        platform::open<Form5>();
}

void Form8::next()
{
    platform::open<Form9>();
    closeScreen();
}

} // namespace frameproject::screens
