// Renders every screen of frameproject to PNG: shots_frameproject <folder>.
// The screens show a small portal frame; the project files go to a temporary
// folder.

#include "frameproject/screens/forms.h"

#include "platform/dialogs.h"
#include "platform/platform.h"
#include "platform/printing.h"
#include "platform/registry.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>

using namespace frameproject;
using namespace frameproject::screens;

namespace {

void fillPortalFrame(ProjectModel& m)
{
    m.ProjectName = "portal";
    m.NE = 3, m.NJ = 4, m.NS = 2, m.NPJ = 1, m.NPF = 1;
    DimensionTables(m);
    const double x[] = {0, 0, 6, 6}, y[] = {0, 4, 4, 0};
    for (std::size_t i = 1; i <= 4; ++i) {
        m.X(i) = x[i - 1];
        m.Y(i) = y[i - 1];
    }
    const std::int16_t js[2][4] = {{1, 1, 1, 1}, {4, 1, 1, 1}};
    for (std::size_t s = 1; s <= 2; ++s)
        for (std::size_t k = 1; k <= 4; ++k)
            m.JS(s, k) = js[s - 1][k - 1];
    const std::int16_t je[3][2] = {{1, 2}, {2, 3}, {4, 3}};
    for (std::size_t e = 1; e <= 3; ++e) {
        m.JE(e, 1) = je[e - 1][0];
        m.JE(e, 2) = je[e - 1][1];
        m.EA(e) = 500;
        m.EI(e) = 20;
    }
    m.PJ(1, 1) = 2.1, m.PJ(1, 2) = 10;
    m.PF(1, 1) = 2, m.PF(1, 2) = 1, m.PF(1, 3) = 6, m.PF(1, 4) = -10;
}

template <class T>
bool shoot(const QString& folder, const char* name)
{
    T* screen = platform::open<T>();
    QApplication::processEvents();
    const bool ok = platform::saveScreenshot(screen, folder + QStringLiteral("/frameproject_%1.png").arg(QLatin1String(name)));
    return ok;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: shots_frameproject <output folder>\n");
        return 2;
    }
    platform::initialise(app, QStringLiteral("frameproject"));
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);

    QTemporaryDir projects;
    setProjectFolder(projects.path());
    platform::ScriptedDialogs dialogs;
    platform::ScopedDialogs useDialogs(dialogs);
    platform::CapturePrinter paper;
    platform::ScopedPrinter usePrinter(paper);

    fillPortalFrame(theProject());
    bool ok = shoot<Form1>(out, "Form1");
    platform::hide<Form1>();
    ok = shoot<Form2>(out, "Form2") && ok;
    platform::close<Form2>();
    ok = shoot<Form3>(out, "Form3") && ok;
    platform::close<Form3>();
    ok = shoot<Form4>(out, "Form4") && ok;
    platform::close<Form4>();
    ok = shoot<Form5>(out, "Form5") && ok;
    platform::close<Form5>();
    ok = shoot<Form6>(out, "Form6") && ok;
    platform::close<Form6>();
    ok = shoot<Form7>(out, "Form7") && ok;
    platform::close<Form7>();

    Form8* form8 = platform::open<Form8>();
    form8->Command1->click();
    form8->Command3->click();
    ok = shoot<Form8>(out, "Form8") && ok;
    platform::close<Form8>();

    Form9* form9 = platform::open<Form9>();
    form9->Command1->click();
    ok = shoot<Form9>(out, "Form9") && ok;
    platform::closeAllScreens();

    for (const QString& text : dialogs.messages())
        std::fprintf(stderr, "message: %s\n", text.toUtf8().constData());
    return ok ? 0 : 1;
}
