#include "platform/platform.h"

#include "platform/dialogs.h"
#include "platform/printing.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPalette>
#include <QPixmap>
#include <QStyleFactory>
#include <QTextEdit>
#include <QWidget>

namespace platform {

namespace {

QString& nameStore()
{
    static QString name;
    return name;
}

std::function<void()>& endHandler()
{
    static std::function<void()> handler;
    return handler;
}

void defaultEndProgram()
{
    // A print document still open belongs on paper (or in its PDF) before the end.
    if (printer().jobOpen())
        printer().endJob();
    QCoreApplication::exit(0);
}

// Fields, lists and combo boxes paint their content on the Base role.
bool paintsOnBase(const QWidget* widget)
{
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QAbstractItemView*>(widget)
        || qobject_cast<const QComboBox*>(widget) || qobject_cast<const QTextEdit*>(widget)
        || qobject_cast<const QAbstractSpinBox*>(widget);
}

} // namespace

void initialise(QApplication& app, const QString& programName)
{
    installFontSubstitutions();
    setProgramName(programName);
    QApplication::setApplicationName(programName);
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    QApplication::setFont(font(QStringLiteral("宋体"), 9));
    // Screens are hidden and shown all the time; only endProgram() ends a program.
    app.setQuitOnLastWindowClosed(false);
    setDialogs(nullptr);
    setPrinter(nullptr);
    // A document left open (never ended by the program) is finished on the way out.
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &app, [] {
        systemPrinter().endJobQuietly();
    });
}

void setProgramName(const QString& name)
{
    nameStore() = name;
}

QString programName()
{
    return nameStore();
}

void installFontSubstitutions()
{
    const QString ming = QStringLiteral("AR PL UMing CN");
    const QString kai = QStringLiteral("AR PL UKai CN");
    const QString hei = QStringLiteral("WenQuanYi Zen Hei");
    const QString heiMicro = QStringLiteral("WenQuanYi Micro Hei");
    const QString serif = QStringLiteral("Liberation Serif");

    const struct
    {
        const char16_t* name;
        QStringList families;
    } table[] = {
        {u"宋体", {ming, hei}},
        {u"新宋体", {ming, hei}},
        {u"华文中宋", {ming, hei}},
        {u"黑体", {hei, heiMicro}},
        {u"幼圆", {hei, heiMicro}},
        {u"隶书", {kai, ming}},
        {u"楷体_GB2312", {kai, ming}},
        {u"Times New Roman", {serif, ming}},
    };
    for (const auto& entry : table) {
        const QString name = QString::fromUtf16(entry.name);
        const QStringList present = QFont::substitutes(name);
        for (const QString& family : entry.families) {
            if (!present.contains(family))
                QFont::insertSubstitution(name, family);
        }
    }
}

QFont font(const QString& family, double pointSize, bool bold)
{
    QFont f(family);
    f.setPointSizeF(pointSize > 0 ? pointSize : 9.0);
    f.setBold(bold);
    return f;
}

QColor screenBackground()
{
    return QColor(255, 224, 192);
}

void setTextColour(QWidget* widget, const QColor& colour)
{
    if (!widget)
        return;
    QPalette p = widget->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::WindowText, colour);
        p.setColor(group, QPalette::ButtonText, colour);
        p.setColor(group, QPalette::Text, colour);
    }
    widget->setPalette(p);
}

void setBackground(QWidget* widget, const QColor& colour)
{
    if (!widget)
        return;
    QPalette p = widget->palette();
    if (paintsOnBase(widget)) {
        p.setColor(QPalette::Base, colour);
    } else if (qobject_cast<QAbstractButton*>(widget)) {
        p.setColor(QPalette::Button, colour);
    } else {
        p.setColor(QPalette::Window, colour);
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(p);
}

void endProgram()
{
    if (endHandler())
        endHandler()();
    else
        defaultEndProgram();
}

std::function<void()> setEndProgramHandler(std::function<void()> handler)
{
    std::function<void()> previous = std::move(endHandler());
    endHandler() = std::move(handler);
    return previous;
}

bool saveScreenshot(QWidget* widget, const QString& pngPath)
{
    if (!widget)
        return false;
    widget->ensurePolished();
    const QPixmap picture = widget->grab();
    if (picture.isNull())
        return false;
    const QFileInfo target(pngPath);
    QDir().mkpath(target.absolutePath());
    return picture.save(pngPath, "PNG");
}

} // namespace platform
