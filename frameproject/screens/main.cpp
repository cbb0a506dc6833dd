// frameproject: plane frames kept as named projects. Starts on Form1.

#include "frameproject/screens/forms.h"

#include "platform/platform.h"
#include "platform/printing.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    platform::initialise(app, QStringLiteral("frameproject"));
    // The printout uses the font the results are shown in.
    platform::systemPrinter().setFont(platform::font(QStringLiteral("Times New Roman"), 12));
    platform::open<frameproject::screens::Form1>();
    return app.exec();
}
