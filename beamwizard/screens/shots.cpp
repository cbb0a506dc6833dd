// shots_beamwizard <folder>: renders every screen offscreen to
// <folder>/beamwizard_FormN.png, filled with a three-node beam (two spans of
// length 6, the first under a uniform load of 10) listed and computed.

#include "beamwizard/screens/screens.h"

#include "platform/dialogs.h"
#include "platform/platform.h"
#include "platform/registry.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>

#include <cstdio>

using namespace beamwizard;

namespace {

void fill(std::span<QLineEdit* const> fields, const QStringList& texts)
{
    for (qsizetype i = 0; i < texts.size() && i < qsizetype(fields.size()); ++i)
        fields[std::size_t(i)]->setText(texts[i]);
}

bool shoot(platform::Screen* screen, const QDir& folder)
{
    QApplication::processEvents();
    const QString path = folder.filePath(QStringLiteral("beamwizard_%1.png").arg(screen->objectName()));
    if (!platform::saveScreenshot(screen, path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: shots_beamwizard <output folder>\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::initialise(app, QStringLiteral("beamwizard"));
    platform::ScriptedDialogs quiet;  // any message is recorded, none blocks
    platform::ScopedDialogs useQuiet(quiet);

    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }

    bool ok = true;
    auto* form1 = platform::open<Form1>();
    ok &= shoot(form1, folder);
    form1->Command1->click();

    auto* form2 = platform::find<Form2>();
    form2->Combo1->setEditText(QStringLiteral("3"));
    form2->Combo2->setEditText(QStringLiteral("0"));
    form2->Combo3->setEditText(QStringLiteral("0"));
    ok &= shoot(form2, folder);
    form2->Command1->click();

    auto* form3 = platform::find<Form3>();
    fill(form3->Text1, {QStringLiteral("6"), QStringLiteral("6")});
    fill(form3->Text2, {QStringLiteral("1"), QStringLiteral("1")});
    fill(form3->Text3, {QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")});
    form3->Command1->click();
    form3->Command3->click();
    ok &= shoot(form3, folder);
    form3->Command5->click();

    auto* form4 = platform::find<Form4>();
    fill(form4->Text1, {QStringLiteral("-30"), QStringLiteral("30"), QStringLiteral("0"), QStringLiteral("0")});
    ok &= shoot(form4, folder);
    form4->Command1->click();

    auto* form8 = platform::find<Form8>();
    fill(form8->Text1, {QStringLiteral("30"), QStringLiteral("-30"), QStringLiteral("0"), QStringLiteral("0")});
    ok &= shoot(form8, folder);
    form8->Command1->click();

    auto* form5 = platform::find<Form5>();
    form5->Command1->click();
    form5->Command3->click();
    ok &= shoot(form5, folder);
    form5->Command5->click();

    auto* form6 = platform::find<Form6>();
    form6->Command1->click();
    ok &= shoot(form6, folder);
    form6->Command3->click();

    auto* form7 = platform::find<Form7>();
    form7->Command1->click();
    ok &= shoot(form7, folder);

    for (const QString& text : quiet.messages())
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    platform::closeAllScreens();
    return ok ? 0 : 1;
}
