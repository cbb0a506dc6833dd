// shots_framewizard <folder>: renders every screen of framewizard offscreen to
// PNG (framewizard_Form1.png ...), with the portal frame filled in.

#include "framewizard/screens/program.h"
#include "framewizard/screens/wizard_screens.h"

#include "platform/dialogs.h"
#include "platform/platform.h"
#include "platform/registry.h"
#include "platform/scrolling.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QTemporaryDir>

#include <cstdio>

using namespace framewizard;

namespace {

// The portal frame of four nodes, two of them clamped, three members.
void fillPortalFrame()
{
    FrameModel& m = frameModel();
    m = FrameModel{};
    m.nodeCount = 4;
    m.fixedNodeCount = 2;
    m.memberCount = 3;
    m.loadCount = 3;
    m.sectionCount = 5;
    m.updateUnknownCount();
    m.redimensionNodes();
    m.redimensionMembers();
    m.redimensionRigidities();
    m.redimensionLoads();
    m.redimensionSections();
    const double xy[4][2] = {{0, 0}, {6, 0}, {0, 4}, {6, 4}};
    for (int i = 0; i < 4; ++i) {
        m.nodeX(i + 1) = xy[i][0];
        m.nodeY(i + 1) = xy[i][1];
    }
    const double ends[3][2] = {{1, 3}, {3, 4}, {2, 4}};
    for (int k = 0; k < 3; ++k) {
        m.memberSmallEnd(k + 1) = ends[k][0];
        m.memberLargeEnd(k + 1) = ends[k][1];
        m.memberEA(k + 1) = 1e6;
        m.memberEI(k + 1) = 1e4;
    }
    const double loads[3][4] = {{2, 10, 6, 2}, {1, 5, 2, 1}, {2, 8, 2, 6}};
    for (int l = 0; l < 3; ++l)
        for (int c = 0; c < 4; ++c)
            m.loadTable(l + 1, c + 1) = loads[l][c];
    const double sections[5][2] = {{2, 3}, {1, 0}, {1, 4}, {2, 6}, {3, 0}};
    for (int s = 0; s < 5; ++s) {
        m.sectionTable(s + 1, 1) = sections[s][0];
        m.sectionTable(s + 1, 2) = sections[s][1];
    }
}

template <class T>
bool shoot(const QString& folder, const QString& name, void (*fill)(T*) = nullptr)
{
    T* screen = platform::open<T>();
    if (!screen)
        return false;
    if (fill)
        fill(screen);
    // The headings start beyond the right edge; show them where they pass by.
    for (auto* heading : screen->template findChildren<platform::ScrollingHeading*>()) {
        heading->timer()->stop();
        screen->setLeft(heading->label(), screen->clientWidth() - screen->widthOf(heading->label()) - 240);
    }
    QApplication::processEvents();
    const bool ok = platform::saveScreenshot(screen, folder + QStringLiteral("/framewizard_") + name
                                                         + QStringLiteral(".png"));
    platform::hide(screen);
    return ok;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: shots_framewizard <output folder>\n");
        return 2;
    }
    QApplication app(argc, argv);
    platform::initialise(app, QStringLiteral("framewizard"));
    platform::ScriptedDialogs quiet;
    platform::ScopedDialogs useQuiet(quiet);
    QTemporaryDir home;
    setResultsHome(home.path());

    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    fillPortalFrame();

    bool ok = true;
    ok &= shoot<Form1>(folder, QStringLiteral("Form1"));
    ok &= shoot<Form2>(folder, QStringLiteral("Form2"), +[](Form2* f) {
        f->Text1->setText(QStringLiteral("4"));
        f->Text2->setText(QStringLiteral("2"));
        f->Text3->setText(QStringLiteral("3"));
        f->Text4->setText(QStringLiteral("3"));
        f->Text5->setText(QStringLiteral("5"));
    });
    ok &= shoot<Form3>(folder, QStringLiteral("Form3"), +[](Form3* f) {
        f->Text1->setText(QStringLiteral("0"));
        f->Text2->setText(QStringLiteral("0"));
    });
    ok &= shoot<Form4>(folder, QStringLiteral("Form4"));
    ok &= shoot<form6>(folder, QStringLiteral("form6"), +[](form6* f) {
        f->Text1->setText(QStringLiteral("1"));
        f->Text2->setText(QStringLiteral("3"));
    });
    ok &= shoot<Form7>(folder, QStringLiteral("Form7"));
    ok &= shoot<Form8>(folder, QStringLiteral("Form8"), +[](Form8* f) {
        f->Text1->setText(QStringLiteral("1E6"));
        f->Text2->setText(QStringLiteral("1E4"));
    });
    ok &= shoot<Form9>(folder, QStringLiteral("Form9"));
    ok &= shoot<Form10>(folder, QStringLiteral("Form10"), +[](Form10* f) {
        f->Text1->setText(QStringLiteral("2"));
        f->Text2->setText(QStringLiteral("10"));
        f->Text3->setText(QStringLiteral("6"));
    });
    ok &= shoot<Form11>(folder, QStringLiteral("Form11"), +[](Form11* f) {
        f->Text1->setText(QStringLiteral("2"));
        f->Text2->setText(QStringLiteral("3"));
    });
    ok &= shoot<Form5>(folder, QStringLiteral("Form5"));
    ok &= shoot<Form12>(folder, QStringLiteral("Form12"));
    return ok ? 0 : 1;
}
