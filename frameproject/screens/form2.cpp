// Form2: the five control numbers of the project.

#include "frameproject/screens/forms.h"
#include "frameproject/screens/widgets.h"

#include "common/numbers.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>
#include <cstdint>

namespace frameproject::screens {

namespace {

// The system colour of active window borders.
const QColor kActiveBorder(212, 208, 200);

struct CountField
{
    const char* label;
    const char* field;
    QString caption;
    int top;
};

} // namespace

Form2::Form2() : Screen(QStringLiteral("结构控制参数输入"), 7170, 4005)
{
    setObjectName(QStringLiteral("Form2"));
    const std::array<CountField, 5> rows{{
        {"Label1", "Text1", QStringLiteral("单元总数"), 480},
        {"Label2", "Text2", QStringLiteral("结点总数"), 1080},
        {"Label3", "Text3", QStringLiteral("特殊结点数"), 1680},
        {"Label4", "Text4", QStringLiteral("结点荷载数"), 2280},
        {"Label5", "Text5", QStringLiteral("杆上荷载数"), 2880},
    }};
    std::array<QLabel*, 5> labels{};
    std::array<QLineEdit*, 5> fields{};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        labels[i] = makeLabel(this, rows[i].label, rows[i].caption, 840, rows[i].top, 1800, 300, true);
        fields[i] = makeField(this, rows[i].field, rows[i].caption, 2760, rows[i].top, 1380, 420);
        labels[i]->setBuddy(fields[i]);
    }
    Label1 = labels[0], Label2 = labels[1], Label3 = labels[2], Label4 = labels[3], Label5 = labels[4];
    Text1 = fields[0], Text2 = fields[1], Text3 = fields[2], Text4 = fields[3], Text5 = fields[4];

    Command1 = makeButton(this, "Command1", QStringLiteral("确  定"), 4560, 840, 1600, 700);
    Command2 = makeButton(this, "Command2", QStringLiteral("上一步"), 4560, 1560, 1600, 700);
    Command3 = makeButton(this, "Command3", QStringLiteral("重新输入"), 4560, 2280, 1600, 700);

    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Text3);
    setTabOrder(Text3, Text4);
    setTabOrder(Text4, Text5);
    setTabOrder(Text5, Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);
    setDefaultButton(Command1);
    applyBackground(kActiveBorder);

    connect(Command1, &QPushButton::clicked, this, &Form2::confirm);
    connect(Command2, &QPushButton::clicked, this, [this] {
        platform::open<Form1>();
        closeScreen();
    });
    connect(Command3, &QPushButton::clicked, this, [this] {
        for (QLineEdit* field : {Text1, Text2, Text3, Text4, Text5})
            field->setText(QStringLiteral(" "));
        Text1->setFocus();
    });
}

void Form2::load()
{
    const ProjectModel& model = theProject();
    Text1->setText(plain(model.NE));
    Text2->setText(plain(model.NJ));
    Text3->setText(plain(model.NS));
    Text4->setText(plain(model.NPJ));
    Text5->setText(plain(model.NPF));
    Text1->setFocus();
}

void Form2::confirm()
{
    const std::array<QLineEdit*, 5> fields{Text1, Text2, Text3, Text4, Text5};
    std::array<double, 5> typed{};
    for (std::size_t i = 0; i < fields.size(); ++i)
        typed[i] = common::parseLenient(toStd(fields[i]->text()));

    if (typed[0] == 0) {
        showMessage(QStringLiteral("单元总数不能为0！"));
        return;
    }
    if (typed[1] == 0) {
        showMessage(QStringLiteral("结点总数不能为0！"));
        return;
    }
    if (typed[2] == 0) {
        showMessage(QStringLiteral("特殊节点总数不能为0！"));
        return;
    }

    // Counts that pass the zero test must still make tables: whole, not
    // negative, within 16 bits, and (NE, NJ, NS) not rounded down to 0.
    const std::array<QString, 5> captions{QStringLiteral("单元总数"), QStringLiteral("结点总数"),
                                          QStringLiteral("特殊结点数"), QStringLiteral("结点荷载数"),
                                          QStringLiteral("杆上荷载数")};
    std::array<std::int16_t, 5> counts{};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::optional<std::int16_t> rounded = common::roundToInt16(typed[i]);
        if (typed[i] < 0 && (!rounded || *rounded < 0)) {
            showMessage(captions[i] + QStringLiteral("不能为负数！"));
            fields[i]->setFocus();
            return;
        }
        if (!rounded) {
            showMessage(captions[i] + QStringLiteral("超出范围，最大为32767！"));
            fields[i]->setFocus();
            return;
        }
        if (*rounded == 0 && i < 3) {
            showMessage(captions[i] + QStringLiteral("取整后为0，请输入正整数！"));
            fields[i]->setFocus();
            return;
        }
        counts[i] = *rounded;
    }

    ProjectModel& model = theProject();
    const std::array<std::int16_t, 5> before{model.NE, model.NJ, model.NS, model.NPJ, model.NPF};
    model.NE = counts[0];
    model.NJ = counts[1];
    model.NS = counts[2];
    model.NPJ = counts[3];
    model.NPF = counts[4];
    // A new project starts with empty tables. A project read from its file
    // keeps its entries: tables grow to new, larger counts (new entries 0), so
    // no screen and no computation reads past the end of a table.
    const std::optional<ModelError> refused =
        model.ProjectLoaded == 0 ? DimensionTables(model) : RedimensionKeeping(model);
    if (refused) {
        // Both refuse without touching the tables; the counts go back too.
        model.NE = before[0], model.NJ = before[1], model.NS = before[2];
        model.NPJ = before[3], model.NPF = before[4];
        showMessage(toQ(refused->message));
        return;
    }
    platform::open<Form3>();
    closeScreen();
}

} // namespace frameproject::screens
