#include "frameproject/screens/forms.h"
#include "frameproject/screens/widgets.h"

#include "common/numbers.h"
#include "platform/dialogs.h"
#include "platform/platform.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace frameproject::screens {

namespace {

QString& folderOverride()
{
    static QString folder;
    return folder;
}

// Longest project name in UTF-8 bytes: with ".txt" and the suffix of the
// temporary file a save writes beside it, the name stays within the 255 bytes
// common file systems allow for one file name.
constexpr qsizetype kMaxNameBytes = 200;

} // namespace

QString projectFolder()
{
    if (!folderOverride().isEmpty())
        return folderOverride();
    return QCoreApplication::applicationDirPath();
}

void setProjectFolder(const QString& folder) { folderOverride() = folder; }

std::optional<QString> checkProjectName(const QString& name)
{
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return QStringLiteral("工程名称不能含有路径分隔符“/”或“\\”！");
    if (name.contains(QStringLiteral("..")))
        return QStringLiteral("工程名称不能含有“..”！");
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.category() == QChar::Other_Control)
            return QStringLiteral("工程名称不能含有控制字符！");
    }
    for (const QChar c : QStringLiteral("*?[]")) {
        if (name.contains(c))
            return QStringLiteral("工程名称不能含有通配符“*”、“?”、“[”或“]”！");
    }
    for (const QChar c : QStringLiteral("<>:\"|")) {
        if (name.contains(c))
            return QStringLiteral("工程名称不能含有字符“<”、“>”、“:”、“\"”或“|”！");
    }
    if (name.toUtf8().size() > kMaxNameBytes)
        return QStringLiteral("工程名称太长（最多 %1 字节），文件系统无法保存！").arg(kMaxNameBytes);
    return std::nullopt;
}

void showMessage(const QString& text) { platform::dialogs().message(text); }

void returnToForm1(platform::Screen* screen)
{
    platform::open<Form1>();
    platform::close(screen);
}

QString plain(double value) { return toQ(common::plainText(value)); }

QFont labelFont() { return platform::font(QStringLiteral("宋体"), 14.25); }
QFont fieldFont() { return platform::font(QStringLiteral("Times New Roman"), 14.25); }

QLabel* makeLabel(platform::Screen* screen, const char* name, const QString& caption, int left, int top,
                  int width, int height, bool centred)
{
    auto* label = new QLabel(caption, screen);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(labelFont());
    label->setAlignment((centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    screen->place(label, left, top, width, height);
    return label;
}

QLineEdit* makeField(platform::Screen* screen, const char* name, const QString& accessibleName, int left,
                     int top, int width, int height)
{
    auto* field = new QLineEdit(screen);
    field->setObjectName(QString::fromLatin1(name));
    field->setAccessibleName(accessibleName);
    field->setFont(fieldFont());
    screen->place(field, left, top, width, height);
    return field;
}

QPushButton* makeButton(platform::Screen* screen, const char* name, const QString& caption, int left, int top,
                        int width, int height)
{
    auto* button = new QPushButton(caption, screen);
    button->setObjectName(QString::fromLatin1(name));
    button->setFont(labelFont());
    button->setAutoDefault(false);
    screen->place(button, left, top, width, height);
    return button;
}

QComboBox* makeCombo(platform::Screen* screen, const char* name, const QString& accessibleName, int left,
                     int top, int width, int height)
{
    auto* combo = new QComboBox(screen);
    combo->setObjectName(QString::fromLatin1(name));
    combo->setAccessibleName(accessibleName);
    combo->setEditable(false);
    combo->setFont(fieldFont());
    screen->place(combo, left, top, width, height);
    return combo;
}

} // namespace frameproject::screens
