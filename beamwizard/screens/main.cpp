// The continuous-beam analyser: starts on the welcome screen; the program ends
// through "退出程序" there.

#include "beamwizard/screens/screens.h"

#include "platform/platform.h"
#include "platform/registry.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    platform::initialise(app, QStringLiteral("beamwizard"));
    platform::open<beamwizard::Form1>();
    return app.exec();
}
