// framewizard: a plane rigid frame typed in screen by screen and analysed by
// the matrix displacement method.

#include "framewizard/screens/wizard_screens.h"

#include "platform/platform.h"
#include "platform/registry.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    platform::initialise(app, QStringLiteral("framewizard"));
    platform::open<framewizard::Form1>();
    return app.exec();
}
