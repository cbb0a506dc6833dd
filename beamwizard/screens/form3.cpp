#include "beamwizard/screens/screens.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace beamwizard {

namespace {

constexpr int kFieldWidth = 690;
constexpr int kFieldHeight = 285;
constexpr int kLabelWidth = 375;  // label just left of its field

// Sets fields 1..needed to a single blank, or tells why it cannot.
void clearFields(std::span<QLineEdit* const> fields, int needed, const std::string& label)
{
    if (const std::optional<Fault> fault =
            checkFieldsExist(needed, static_cast<int>(fields.size()), label)) {
        showFault(*fault);
        return;
    }
    for (int q = 0; q < needed; ++q)
        fields[static_cast<std::size_t>(q)]->setText(QStringLiteral(" "));
}

}  // namespace

Form3::Form3() : BeamScreen(QStringLiteral("输入杆长.刚度EI.结点力偶荷载"), 5280, 5100)
{
    setObjectName(QStringLiteral("Form3"));

    // The frames come first so that the fields and buttons lie on top of them;
    // all positions are relative to the screen.
    lengthFrame = new QGroupBox(QStringLiteral("输入杆的长度"), this);
    lengthFrame->setObjectName(QStringLiteral("lengthFrame"));
    place(lengthFrame, 405, 135, 4470, 1365);
    stiffnessFrame = new QGroupBox(QStringLiteral("输入抗弯剛度EI(可为相对值）"), this);
    stiffnessFrame->setObjectName(QStringLiteral("stiffnessFrame"));
    place(stiffnessFrame, 405, 1620, 4470, 1230);
    coupleFrame = new QGroupBox(QStringLiteral("输入结点力偶荷载顺针向为正逆针向为负"), this);
    coupleFrame->setObjectName(QStringLiteral("coupleFrame"));
    place(coupleFrame, 405, 2970, 4470, 1725);

    const auto addField = [this](const QString& name, const QString& caption, int left, int top) {
        QLabel* label = makeLabel(caption, left - kLabelWidth, top, kLabelWidth - 15, kFieldHeight);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QLineEdit* field = makeField(name, caption, left, top, kFieldWidth, kFieldHeight);
        label->setBuddy(field);
        return field;
    };

    const int lengthLefts[3] = {810, 2025, 3105};
    for (int k = 1; k <= 6; ++k)
        Text1[static_cast<std::size_t>(k - 1)] =
            addField(QStringLiteral("Text1_%1").arg(k), QStringLiteral("L%1").arg(k),
                     lengthLefts[(k - 1) % 3], k <= 3 ? 540 : 945);
    Command1 = makeButton(QStringLiteral("Command1"), QStringLiteral("确认"), 4050, 270, 420, 555);
    Command2 = makeButton(QStringLiteral("Command2"), QStringLiteral("清除"), 4050, 945, 420, 555);

    const int stiffnessLefts[3] = {810, 1890, 3240};
    for (int k = 1; k <= 6; ++k)
        Text2[static_cast<std::size_t>(k - 1)] =
            addField(QStringLiteral("Text2_%1").arg(k), QStringLiteral("EI%1").arg(k),
                     stiffnessLefts[(k - 1) % 3], k <= 3 ? 2025 : 2430);
    Command3 = makeButton(QStringLiteral("Command3"), QStringLiteral("确认"), 4050, 1890, 690, 285);
    Command4 = makeButton(QStringLiteral("Command4"), QStringLiteral("清除"), 4050, 2295, 690, 285);

    const QString coupleCaptions[7] = {
        QStringLiteral("  P1"), QStringLiteral("  P2"), QStringLiteral(" P3"), QStringLiteral("  P4"),
        QStringLiteral("  P5"), QStringLiteral("  P6"), QStringLiteral(" P7")};
    const int coupleLefts[3] = {810, 2025, 3240};
    for (int j = 1; j <= 6; ++j)
        Text3[static_cast<std::size_t>(j - 1)] =
            addField(QStringLiteral("Text3_%1").arg(j), coupleCaptions[j - 1],
                     coupleLefts[(j - 1) % 3], j <= 3 ? 3240 : 3645);
    Text3[6] = addField(QStringLiteral("Text3_7"), coupleCaptions[6], 765, 4050);
    Command5 = makeButton(QStringLiteral("Command5"), QStringLiteral("确认"), 4050, 3240, 690, 285);
    Command6 = makeButton(QStringLiteral("Command6"), QStringLiteral("清除"), 4050, 3645, 690, 285);
    Command7 = makeButton(QStringLiteral("Command7"), QStringLiteral("返回上一步"), 2985, 4050, 1740, 525);

    // Keyboard order: each frame's fields in index order, then its buttons.
    QList<QWidget*> order;
    for (QLineEdit* field : Text1)
        order << field;
    order << Command1 << Command2;
    for (QLineEdit* field : Text2)
        order << field;
    order << Command3 << Command4;
    for (QLineEdit* field : Text3)
        order << field;
    order << Command5 << Command6 << Command7;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(Command1, &QPushButton::clicked, this, [this] {
        if (const std::optional<Fault> fault = confirmSpanLengths(beamModel(), fieldTexts(Text1))) {
            showFault(*fault);
            return;
        }
        Text2[0]->setFocus();
    });
    connect(Command2, &QPushButton::clicked, this, [this] {
        clearFields(Text1, spanFieldsNeeded(beamModel().beamNodeCount), "杆长");
        Text1[0]->setFocus();
    });
    connect(Command3, &QPushButton::clicked, this, [this] {
        if (const std::optional<Fault> fault = confirmStiffnesses(beamModel(), fieldTexts(Text2))) {
            showFault(*fault);
            return;
        }
        Text3[0]->setFocus();
    });
    connect(Command4, &QPushButton::clicked, this, [this] {
        clearFields(Text2, spanFieldsNeeded(beamModel().beamNodeCount), "抗弯刚度");
        Text2[0]->setFocus();
    });
    connect(Command5, &QPushButton::clicked, this, [this] {
        if (const std::optional<Fault> fault = confirmCouples(beamModel(), fieldTexts(Text3))) {
            showFault(*fault);
            return;
        }
        goTo<Form4>();
    });
    connect(Command6, &QPushButton::clicked, this, [this] {
        clearFields(Text3, nodeFieldsNeeded(beamModel().beamNodeCount), "结点力偶");
        Text3[0]->setFocus();
    });
    connect(Command7, &QPushButton::clicked, this, [this] { goTo<Form2>(); });
}

}  // namespace beamwizard
