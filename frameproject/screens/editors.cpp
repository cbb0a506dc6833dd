// The record editors Form3 to Form7: one entry of a table at a time, chosen
// in Combo1, shown in the text fields and stored by "确  定".

#include "frameproject/screens/forms.h"
#include "frameproject/screens/widgets.h"

#include "common/numbers.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

#include <cmath>
#include <cstdint>

namespace frameproject::screens {

namespace {

constexpr int kComboWidth = 1815;
constexpr int kComboHeight = 435;
constexpr int kLabelWidth = 1800;
constexpr int kLabelHeight = 300;
constexpr int kButtonWidth = 1600;
constexpr int kButtonHeight = 700;

const QString kNoTable = QStringLiteral("数据表尚未建立，请先在“结构控制参数输入”中确定控制参数！");

// A caption wider than its label (a long caption in a large font) would be
// cut off; the label then grows to the left, its right edge kept beside the field.
void keepCaptionWhole(QLabel* label)
{
    const int needed = label->fontMetrics().horizontalAdvance(label->text()) + 2;
    if (needed > label->width())
        label->setGeometry(label->x() + label->width() - needed, label->y(), needed, label->height());
}

// A typed 16-bit field (node number or code): lenient parse, rounded half to even.
std::optional<QString> readInt(const QLineEdit* field, std::int16_t& out)
{
    const std::optional<std::int16_t> value = common::roundToInt16(common::parseLenient(toStd(field->text())));
    if (!value)
        return field->accessibleName() + QStringLiteral("超出整数范围（-32768～32767），未保存！");
    out = *value;
    return std::nullopt;
}

// A typed real field: lenient parse; a value too large for a number is refused.
std::optional<QString> readReal(const QLineEdit* field, double& out)
{
    const double value = common::parseLenient(toStd(field->text()));
    if (!std::isfinite(value))
        return field->accessibleName() + QStringLiteral("的数值超出范围，未保存！");
    out = value;
    return std::nullopt;
}

// The first message of a list of reads, or nullopt when all went well.
std::optional<QString> firstRefusal(std::initializer_list<std::optional<QString>> reads)
{
    for (const auto& read : reads) {
        if (read)
            return read;
    }
    return std::nullopt;
}

} // namespace

// ---------------------------------------------------------------------------

RecordEditor::RecordEditor(const Layout& layout, const std::vector<FieldLayout>& fieldLayouts)
    : Screen(layout.title, layout.width, layout.height)
{
    comboLabel = makeLabel(this, "Label1", layout.comboCaption, layout.labelLeft, layout.comboTop, kLabelWidth,
                           kLabelHeight, true);
    Combo1 = makeCombo(this, "Combo1", layout.comboCaption, layout.controlLeft, layout.comboTop, kComboWidth,
                       kComboHeight);
    comboLabel->setBuddy(Combo1);

    int labelNumber = 2;
    for (const FieldLayout& entry : fieldLayouts) {
        const QByteArray labelName = "Label" + QByteArray::number(labelNumber++);
        QLabel* label = makeLabel(this, labelName.constData(), entry.caption, entry.labelLeft, entry.top,
                                  entry.labelWidth, kLabelHeight, true);
        QLineEdit* field =
            makeField(this, entry.name, entry.caption, layout.controlLeft, entry.top, kComboWidth, layout.fieldHeight);
        label->setBuddy(field);
        keepCaptionWhole(label);
        m_fields.push_back(field);
    }

    m_store = makeButton(this, layout.storeName, QStringLiteral("确  定"), layout.buttonLeft, layout.buttonTops[0],
                         kButtonWidth, kButtonHeight);
    Command2 = makeButton(this, "Command2", QStringLiteral("上一步"), layout.buttonLeft, layout.buttonTops[1],
                          kButtonWidth, kButtonHeight);
    Command1 = makeButton(this, "Command1", QStringLiteral("下一步"), layout.buttonLeft, layout.buttonTops[2],
                          kButtonWidth, kButtonHeight);

    QWidget* previous = Combo1;
    for (QLineEdit* field : m_fields) {
        setTabOrder(previous, field);
        previous = field;
    }
    setTabOrder(previous, Command2);
    setTabOrder(Command2, m_store);
    setTabOrder(m_store, Command1);
    // Enter moves on to the next screen; what was typed and not stored is dropped.
    setDefaultButton(Command1);

    connect(Combo1, &QComboBox::currentIndexChanged, this, &RecordEditor::selectionChanged);
    connect(m_store, &QPushButton::clicked, this, &RecordEditor::store);
    connect(Command2, &QPushButton::clicked, this, [this] { back(); });
    connect(Command1, &QPushButton::clicked, this, [this] { next(); });
}

void RecordEditor::load()
{
    QStringList numbers;
    const int n = count();
    numbers.reserve(n);
    for (int k = 1; k <= n; ++k)
        numbers.append(QString::number(k));
    Combo1->addItems(numbers); // selects entry 1, which shows it
    if (!m_fields.empty())
        m_fields.front()->setFocus();
}

void RecordEditor::selectionChanged(int index)
{
    if (index < 0) {
        for (QLineEdit* field : m_fields)
            field->clear();
        return;
    }
    showEntry(index + 1);
}

void RecordEditor::store()
{
    const int k = Combo1->currentIndex() + 1;
    if (k < 1)
        return;
    if (auto refusal = storeEntry(k))
        showMessage(*refusal);
}

// ---------------------------------------------------------------------------

Form3::Form3()
    : RecordEditor({QStringLiteral("结点坐标输入"), 8520, 3705, QStringLiteral("结点号"), 960, 2880, 840, 450,
                    "Command8", 5040, {480, 1200, 1920}},
                   {{"Text4", QStringLiteral("X坐标"), 960, kLabelWidth, 1440},
                    {"Text5", QStringLiteral("Y坐标"), 960, kLabelWidth, 2040}})
{
    setObjectName(QStringLiteral("Form3"));
    Text4 = field(0);
    Text5 = field(1);
    Command8 = storeButton();
}

int Form3::count() const { return theProject().NJ; }

void Form3::showEntry(int k)
{
    const ProjectModel& m = theProject();
    Text4->setText(plain(m.X.value(static_cast<std::size_t>(k))));
    Text5->setText(plain(m.Y.value(static_cast<std::size_t>(k))));
}

std::optional<QString> Form3::storeEntry(int k)
{
    ProjectModel& m = theProject();
    const auto i = static_cast<std::size_t>(k);
    if (!m.X.contains(i) || !m.Y.contains(i))
        return kNoTable;
    double x = 0, y = 0;
    if (auto refusal = firstRefusal({readReal(Text4, x), readReal(Text5, y)}))
        return refusal;
    m.X(i) = x;
    m.Y(i) = y;
    return std::nullopt;
}

void Form3::back()
{
    platform::open<Form2>();
    closeScreen();
}

void Form3::next()
{
    platform::open<Form4>();
    closeScreen();
}

// ---------------------------------------------------------------------------

Form4::Form4()
    : RecordEditor({QStringLiteral("Form4"), 8205, 4350, QStringLiteral("特殊结点序号"), 960, 2880, 480, 450,
                    "Command8", 5160, {840, 1560, 2280}},
                   {{"Text2", QStringLiteral("特殊结点号"), 960, kLabelWidth, 1080},
                    {"Text4", QStringLiteral("x方向位移U信息"), 600, 2160, 1680},
                    {"Text5", QStringLiteral("y方向位移V信息"), 600, 2160, 2280},
                    {"Text1", QStringLiteral("转角位移信息"), 960, kLabelWidth, 2880}})
{
    setObjectName(QStringLiteral("Form4"));
    Text2 = field(0);
    Text4 = field(1);
    Text5 = field(2);
    Text1 = field(3);
    Command8 = storeButton();
}

int Form4::count() const { return theProject().NS; }

void Form4::showEntry(int k)
{
    const ProjectModel& m = theProject();
    const auto i = static_cast<std::size_t>(k);
    Text2->setText(plain(m.JS.value(i, 1)));
    Text4->setText(plain(m.JS.value(i, 2)));
    Text5->setText(plain(m.JS.value(i, 3)));
    Text1->setText(plain(m.JS.value(i, 4)));
}

std::optional<QString> Form4::storeEntry(int k)
{
    ProjectModel& m = theProject();
    const auto i = static_cast<std::size_t>(k);
    if (!m.JS.contains(i, 4))
        return kNoTable;
    std::int16_t node = 0, u = 0, v = 0, z = 0;
    if (auto refusal = firstRefusal({readInt(Text2, node), readInt(Text4, u), readInt(Text5, v), readInt(Text1, z)}))
        return refusal;
    m.JS(i, 1) = node;
    m.JS(i, 2) = u;
    m.JS(i, 3) = v;
    m.JS(i, 4) = z;
    return std::nullopt;
}

void Form4::back()
{
    platform::open<Form3>();
    closeScreen();
}

void Form4::next()
{
    platform::open<Form5>();
    closeScreen();
}

// ---------------------------------------------------------------------------

Form5::Form5()
    : RecordEditor({QStringLiteral("单元数据输入"), 8805, 4155, QStringLiteral("单元号"), 1320, 3360, 480, 450, "ok",
                    5520, {840, 1560, 2280}},
                   {{"je1", QStringLiteral("始端结点号"), 1320, kLabelWidth, 1080},
                    {"je2", QStringLiteral("末端结点号"), 1320, kLabelWidth, 1680},
                    {"ea0", QStringLiteral("EA"), 1320, kLabelWidth, 2280},
                    {"ei0", QStringLiteral("EI"), 1320, kLabelWidth, 2880}})
{
    setObjectName(QStringLiteral("Form5"));
    je1 = field(0);
    je2 = field(1);
    ea0 = field(2);
    ei0 = field(3);
    ok = storeButton();
}

int Form5::count() const { return theProject().NE; }

void Form5::showEntry(int k)
{
    const ProjectModel& m = theProject();
    const auto i = static_cast<std::size_t>(k);
    je1->setText(plain(m.JE.value(i, 1)));
    je2->setText(plain(m.JE.value(i, 2)));
    ea0->setText(plain(m.EA.value(i)));
    ei0->setText(plain(m.EI.value(i)));
}

std::optional<QString> Form5::storeEntry(int k)
{
    ProjectModel& m = theProject();
    const auto i = static_cast<std::size_t>(k);
    if (!m.JE.contains(i, 2) || !m.EA.contains(i) || !m.EI.contains(i))
        return kNoTable;
    std::int16_t start = 0, end = 0;
    double ea = 0, ei = 0;
    if (auto refusal = firstRefusal({readInt(je1, start), readInt(je2, end), readReal(ea0, ea), readReal(ei0, ei)}))
        return refusal;
    m.JE(i, 1) = start;
    m.JE(i, 2) = end;
    m.EA(i) = ea;
    m.EI(i) = ei;
    return std::nullopt;
}

void Form5::back()
{
    platform::open<Form4>();
    closeScreen();
}

void Form5::next()
{
    const ProjectModel& m = theProject();
    if (m.NPJ != 0)
        platform::open<Form6>();
    else if (m.NPF != 0)
        platform::open<Form7>();
    else
        platform::open<Form8>();
    closeScreen();
}

// ---------------------------------------------------------------------------

Form6::Form6()
    : RecordEditor({QStringLiteral("结点荷载信息输入"), 8880, 3300, QStringLiteral("结点荷载序号"), 1320, 3360, 600,
                    390, "ok", 5880, {360, 1080, 1800}},
                   {{"pj1", QStringLiteral("荷载位置与方位数据"), 1200, 2040, 1200},
                    {"pj2", QStringLiteral("荷载值"), 1320, kLabelWidth, 1800}})
{
    setObjectName(QStringLiteral("Form6"));
    pj1 = field(0);
    pj2 = field(1);
    ok = storeButton();
}

int Form6::count() const { return theProject().NPJ; }

void Form6::showEntry(int k)
{
    const ProjectModel& m = theProject();
    const auto i = static_cast<std::size_t>(k);
    pj1->setText(plain(m.PJ.value(i, 1)));
    pj2->setText(plain(m.PJ.value(i, 2)));
}

std::optional<QString> Form6::storeEntry(int k)
{
    ProjectModel& m = theProject();
    const auto i = static_cast<std::size_t>(k);
    if (!m.PJ.contains(i, 2))
        return kNoTable;
    double datum = 0, value = 0;
    if (auto refusal = firstRefusal({readReal(pj1, datum), readReal(pj2, value)}))
        return refusal;
    m.PJ(i, 1) = datum;
    m.PJ(i, 2) = value;
    return std::nullopt;
}

void Form6::back()
{
    platform::open<Form5>();
    closeScreen();
}

void Form6::next()
{
    if (theProject().NPF != 0)
        platform::open<Form7>();
    else
        platform::open<Form8>();
    closeScreen();
}

// ---------------------------------------------------------------------------

Form7::Form7()
    : RecordEditor({QStringLiteral("杆上荷载信息输入"), 8775, 4800, QStringLiteral("单元号"), 1200, 3360, 720, 450,
                    "ok", 5640, {1080, 1800, 2520}},
                   {{"pf1", QStringLiteral("单元号"), 1200, kLabelWidth, 1320},
                    {"pf2", QStringLiteral("类型号"), 1200, kLabelWidth, 1920},
                    {"pf3", QStringLiteral("A值或位移代码"), 840, 2160, 2520},
                    {"pf4", QStringLiteral("荷载值或位移值"), 1200, kLabelWidth, 3120}})
{
    setObjectName(QStringLiteral("Form7"));
    pf1 = field(0);
    pf2 = field(1);
    pf3 = field(2);
    pf4 = field(3);
    ok = storeButton();
}

int Form7::count() const { return theProject().NPF; }

void Form7::showEntry(int k)
{
    const ProjectModel& m = theProject();
    const auto i = static_cast<std::size_t>(k);
    pf1->setText(plain(m.PF.value(i, 1)));
    pf2->setText(plain(m.PF.value(i, 2)));
    pf3->setText(plain(m.PF.value(i, 3)));
    pf4->setText(plain(m.PF.value(i, 4)));
}

std::optional<QString> Form7::storeEntry(int k)
{
    ProjectModel& m = theProject();
    const auto i = static_cast<std::size_t>(k);
    if (!m.PF.contains(i, 4))
        return kNoTable;
    double element = 0, type = 0, a = 0, q = 0;
    if (auto refusal = firstRefusal({readReal(pf1, element), readReal(pf2, type), readReal(pf3, a), readReal(pf4, q)}))
        return refusal;
    m.PF(i, 1) = element;
    m.PF(i, 2) = type;
    m.PF(i, 3) = a;
    m.PF(i, 4) = q;
    return std::nullopt;
}

void Form7::back()
{
    if (theProject().NPJ != 0)
        platform::open<Form6>();
    else
        platform::open<Form5>();
    closeScreen();
}

void Form7::next()
{
    platform::open<Form8>();
    closeScreen();
}

} // namespace frameproject::screens
