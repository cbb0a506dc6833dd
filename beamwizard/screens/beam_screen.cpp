#include "beamwizard/screens/screens.h"

#include "platform/dialogs.h"
#include "platform/platform.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace beamwizard {

namespace {
BeamModel& theModel()
{
    static BeamModel model;
    return model;
}
}  // namespace

BeamModel& beamModel() { return theModel(); }

void resetBeamModel() { theModel() = BeamModel{}; }

void showFault(const Fault& fault)
{
    platform::dialogs().message(QString::fromStdString(fault.message));
}

std::vector<std::string> fieldTexts(std::span<QLineEdit* const> fields)
{
    std::vector<std::string> texts;
    texts.reserve(fields.size());
    for (const QLineEdit* field : fields)
        texts.push_back(field->text().toStdString());
    return texts;
}

QColor lightOrange() { return {255, 224, 192}; }
QColor orange() { return {255, 192, 128}; }
QColor green() { return {128, 255, 128}; }
QColor yellow() { return {255, 255, 128}; }
QColor grey() { return {192, 192, 192}; }
QColor lightYellow() { return {255, 255, 192}; }

BeamScreen::BeamScreen(const QString& title, int clientWidthTwips, int clientHeightTwips)
    : Screen(title, clientWidthTwips, clientHeightTwips)
{
    setFont(platform::font(QStringLiteral("宋体"), 9));
}

void BeamScreen::closeBoxPressed()
{
    // Leaving a screen through its frame keeps everything typed and returns
    // to the welcome screen, from where the program is ended.
    goTo<Form1>();
}

QPushButton* BeamScreen::makeButton(const QString& name, const QString& caption, int left,
                                    int top, int width, int height)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    place(button, left, top, width, height);
    return button;
}

QLabel* BeamScreen::makeLabel(const QString& caption, int left, int top, int width, int height)
{
    auto* label = new QLabel(caption, this);
    place(label, left, top, width, height);
    return label;
}

QLineEdit* BeamScreen::makeField(const QString& name, const QString& caption, int left, int top,
                                 int width, int height)
{
    auto* field = new QLineEdit(this);
    field->setObjectName(name);
    field->setAccessibleName(caption);
    place(field, left, top, width, height);
    return field;
}

}  // namespace beamwizard
