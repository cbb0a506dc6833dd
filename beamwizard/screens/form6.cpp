#include "beamwizard/screens/screens.h"

#include "beamwizard/solver/beam_report.h"

#include <QLabel>
#include <QPushButton>

namespace beamwizard {

namespace {
constexpr int kRowTop = 600;
constexpr int kRowStep = 360;
constexpr int kRowHeight = 255;
constexpr int kNumberWidth = 615;
constexpr int kValueWidth = 900;  // starting width; the labels grow to fit their text
}  // namespace

Form6::Form6() : BeamScreen(QStringLiteral("计算输出"), 5385, 3480)
{
    setObjectName(QStringLiteral("Form6"));

    QLabel* heading = makeLabel(QStringLiteral("结点（杆）号"), 360, 240, 0, 0);
    heading->setObjectName(QStringLiteral("Label1"));
    heading->adjustSize();
    const QString headings[3] = {QStringLiteral("结点位移顺正逆负"), QStringLiteral("左端弯矩顺正逆负"),
                                 QStringLiteral("右端弯矩顺正逆负")};
    const int headingLefts[3] = {1680, 2640, 3840};
    for (int h = 0; h < 3; ++h) {
        QLabel* label = makeLabel(headings[h], headingLefts[h], 0, 780, 480);
        label->setObjectName(QStringLiteral("Label%1").arg(h + 2));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignCenter);
        label->setFrameShape(QFrame::Box);
    }

    const int columnLeft[4] = {600, 1665, 2865, 4065};
    std::array<QLabel*, rowCount>* columns[4] = {&Label5, &Label6, &Label7, &Label8};
    for (int c = 0; c < 4; ++c) {
        for (int r = 1; r <= rowCount; ++r) {
            QLabel* label = makeLabel(QString(), columnLeft[c],
                                      kRowTop + kRowStep * (r - 1), c == 0 ? kNumberWidth : kValueWidth,
                                      kRowHeight);
            label->setObjectName(QStringLiteral("Label%1_%2").arg(c + 5).arg(r));
            if (c > 0) {
                label->setFrameShape(QFrame::Box);
                label->setAlignment(Qt::AlignCenter);
            }
            (*columns[c])[static_cast<std::size_t>(r - 1)] = label;
        }
    }

    Command1 = makeButton(QStringLiteral("Command1"), QStringLiteral("输出"), 600, 3120, 1095, 330);
    Command2 = makeButton(QStringLiteral("Command2"), QStringLiteral("返回上一步"), 1800, 3120, 1095, 330);
    Command3 = makeButton(QStringLiteral("Command3"), QStringLiteral("下一步"), 3120, 3120, 1095, 330);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);

    connect(Command1, &QPushButton::clicked, this, &Form6::fillRows);
    connect(Command2, &QPushButton::clicked, this, [this] { goTo<Form5>(); });
    connect(Command3, &QPushButton::clicked, this, [this] { goTo<Form7>(); });
}

void Form6::setCaption(QLabel* label, const QString& caption)
{
    label->setText(caption);
    if (label->frameShape() == QFrame::Box) {
        // A bordered value label grows to fit its text, keeping its left edge.
        const int fit = qMax(toPixelsX(kValueWidth), label->sizeHint().width());
        label->resize(fit, label->height());
    }
}

void Form6::fillRows()
{
    const LabelCaptions result = resultLabelCaptions(beamModel(), rowCount);
    const std::array<QLabel*, rowCount>* columns[4] = {&Label5, &Label6, &Label7, &Label8};
    for (const LabelCaption& item : result.captions) {
        // resultLabelCaptions keeps rows within rowCount; anything else is skipped.
        if (item.labelArray < 5 || item.labelArray > 8 || item.row < 1 || item.row > rowCount)
            continue;
        QLabel* label = (*columns[item.labelArray - 5])[static_cast<std::size_t>(item.row - 1)];
        setCaption(label, QString::fromStdString(item.caption));
    }
    if (result.fault)
        showFault(*result.fault);
}

}  // namespace beamwizard
