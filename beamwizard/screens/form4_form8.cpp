#include "beamwizard/screens/screens.h"

#include "platform/keys.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace beamwizard {

namespace {

constexpr int kFieldWidth = 855;
constexpr int kFieldHeight = 285;
constexpr int kButtonWidth = 1095;
constexpr int kButtonHeight = 375;

// "M（k，e）" / "S0（k，e）" with full-width brackets and comma.
QString endCaption(const QString& symbol, int k, int e)
{
    return QStringLiteral("%1（%2，%3）").arg(symbol).arg(k).arg(e);
}

// Field q (1..12) belongs to span (q + 1) / 2, end 1 for odd q, 2 for even q.
int spanOf(int q) { return (q + 1) / 2; }
int endOf(int q) { return q % 2 == 1 ? 1 : 2; }

}  // namespace

SpanEndScreen::SpanEndScreen(const QString& title, int clientWidth, int clientHeight)
    : BeamScreen(title, clientWidth, clientHeight)
{
}

void SpanEndScreen::clearFields(const std::string& fieldLabel)
{
    const int needed = spanEndFieldsNeeded(beamModel().beamNodeCount);
    if (const std::optional<Fault> fault =
            checkFieldsExist(needed, static_cast<int>(Text1.size()), fieldLabel)) {
        showFault(*fault);
    } else {
        for (int q = 0; q < needed; ++q)
            Text1[static_cast<std::size_t>(q)]->setText(QStringLiteral(" "));
    }
    Text1[0]->setFocus();
}

Form4::Form4() : SpanEndScreen(QStringLiteral("输入固端弯矩."), 5175, 3195)
{
    setObjectName(QStringLiteral("Form4"));

    frame = new QGroupBox(QStringLiteral("固端弯矩（荷载向下时为左负右正）"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    place(frame, 0, 195, 4695, 1965);

    // Three rows of four, each field with its label just above it.
    const int tops[3] = {585, 1065, 1620};
    const int lefts[4] = {390, 1365, 2535, 3510};
    for (int q = 1; q <= 12; ++q) {
        const int row = (q - 1) / 4;
        const int column = (q - 1) % 4;
        const QString caption = endCaption(QStringLiteral("M"), spanOf(q), endOf(q));
        QLabel* label = makeLabel(caption, lefts[column], tops[row] - 240, kFieldWidth + 60, 225);
        QLineEdit* field = makeField(QStringLiteral("Text1_%1").arg(q), caption, lefts[column],
                                     tops[row], kFieldWidth, kFieldHeight);
        label->setBuddy(field);
        Text1[static_cast<std::size_t>(q - 1)] = field;
    }

    Command1 = makeButton(QStringLiteral("Command1"), QStringLiteral("确 认"), 240, 2760,
                          kButtonWidth, kButtonHeight);
    Command2 = makeButton(QStringLiteral("Command2"), QStringLiteral("清   除"), 1560, 2760,
                          kButtonWidth, kButtonHeight);
    Command3 = makeButton(QStringLiteral("Command3"), QStringLiteral("上一步"), 3120, 2760,
                          kButtonWidth, kButtonHeight);

    for (std::size_t q = 1; q < Text1.size(); ++q)
        setTabOrder(Text1[q - 1], Text1[q]);
    setTabOrder(Text1.back(), Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);

    // Esc presses the clear button, whichever control has the focus.
    for (QWidget* control : findChildren<QWidget*>()) {
        if (control->focusPolicy() == Qt::NoFocus)
            continue;
        platform::onKeyPress(control, [this](int key) {
            if (key != 0x1B)
                return false;
            Command2->click();
            return true;
        });
    }

    connect(Command1, &QPushButton::clicked, this, [this] {
        if (const std::optional<Fault> fault = confirmFixedEndMoments(beamModel(), fieldTexts(Text1))) {
            showFault(*fault);
            return;
        }
        goTo<Form8>();
    });
    connect(Command2, &QPushButton::clicked, this, [this] { clearFields("固端弯矩"); });
    connect(Command3, &QPushButton::clicked, this, [this] { goTo<Form3>(); });
}

Form8::Form8() : SpanEndScreen(QStringLiteral("输入简支梁剪力"), 5580, 3195)
{
    setObjectName(QStringLiteral("Form8"));

    frame = new QGroupBox(QStringLiteral("简支梁剪力（荷载向下时为左正右负）"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    place(frame, 360, 240, 4815, 2175);

    // Three rows of two spans; one label above each pair names both ends.
    const int tops[3] = {720, 1320, 1800};
    const int lefts[4] = {960, 1920, 3000, 3960};
    for (int q = 1; q <= 12; ++q) {
        const int row = (q - 1) / 4;
        const int column = (q - 1) % 4;
        const int k = spanOf(q);
        if (endOf(q) == 1) {
            QLabel* label = makeLabel(endCaption(QStringLiteral("S0"), k, 1) + QStringLiteral("|") +
                                          endCaption(QStringLiteral("S0"), k, 2),
                                      lefts[column], tops[row] - 210, 1920, 195);
            label->setObjectName(QStringLiteral("Label%1").arg(k));
        }
        Text1[static_cast<std::size_t>(q - 1)] =
            makeField(QStringLiteral("Text1_%1").arg(q), endCaption(QStringLiteral("S0"), k, endOf(q)),
                      lefts[column], tops[row], kFieldWidth, kFieldHeight);
    }

    Command1 = makeButton(QStringLiteral("Command1"), QStringLiteral("确  认"), 600, 2640,
                          kButtonWidth, kButtonHeight);
    Command2 = makeButton(QStringLiteral("Command2"), QStringLiteral("清 除"), 2040, 2640,
                          kButtonWidth, kButtonHeight);
    Command3 = makeButton(QStringLiteral("Command3"), QStringLiteral(" 上 一 步"), 3360, 2640,
                          kButtonWidth, kButtonHeight);

    for (std::size_t q = 1; q < Text1.size(); ++q)
        setTabOrder(Text1[q - 1], Text1[q]);
    setTabOrder(Text1.back(), Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);

    connect(Command1, &QPushButton::clicked, this, [this] {
        if (const std::optional<Fault> fault = confirmSimpleBeamShears(beamModel(), fieldTexts(Text1))) {
            showFault(*fault);
            return;
        }
        goTo<Form5>();
    });
    connect(Command2, &QPushButton::clicked, this, [this] { clearFields("简支梁剪力"); });
    connect(Command3, &QPushButton::clicked, this, [this] { goTo<Form4>(); });
}

}  // namespace beamwizard
