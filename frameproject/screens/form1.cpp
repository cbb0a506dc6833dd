// Form1: the start screen. Takes the project name, reads the project file or,
// after a question, creates an empty one, then hands over to Form2.

#include "frameproject/screens/forms.h"
#include "frameproject/screens/widgets.h"

#include "frameproject/model/project_file.h"
#include "platform/dialogs.h"
#include "platform/platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

#include <filesystem>

namespace frameproject::screens {

namespace {

const QString kOpenTip = QStringLiteral("对于已有的工程，先输入工程名，接着一定要点击“打开工程”按钮");

std::filesystem::path toPath(const QString& text) { return std::filesystem::path(text.toStdU16String()); }

QString projectPath(const QString& name)
{
    return QString::fromStdU16String(ProjectPath(toPath(projectFolder()), toStd(name)).u16string());
}

// A project file must lie in the project folder itself, also when it is a
// link: a link that leads elsewhere is refused.
bool insideProjectFolder(const QFileInfo& file)
{
    if (!file.isSymLink())
        return true;
    const QString target = QFileInfo(file.canonicalFilePath()).canonicalPath();
    return !target.isEmpty() && target == QFileInfo(projectFolder()).canonicalFilePath();
}

} // namespace

Form1::Form1() : Screen(QStringLiteral("启动窗口"), 9540, 4605)
{
    setObjectName(QStringLiteral("Form1"));
    setFont(platform::font(QStringLiteral("新宋体"), 15.75, true));
    const QFont heiti = platform::font(QStringLiteral("黑体"), 15.75, true);

    Label5 = new QLabel(QStringLiteral("    欢 迎 使 用"), this);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setFont(platform::font(QStringLiteral("隶书"), 21.75, true));
    place(Label5, 2760, 360, 3735, 375);

    Label1 = new QLabel(QStringLiteral("Vorlix"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(platform::font(QStringLiteral("华文中宋"), 21.75, true));
    Label1->setAlignment(Qt::AlignCenter);
    platform::setBackground(Label1, palette().color(QPalette::Base));
    place(Label1, 2550, 1080, 4275, 495);
    {
        // Sized to its text, around the same centre.
        const int centre = Label1->x() + Label1->width() / 2;
        const QSize fit = Label1->sizeHint();
        Label1->setGeometry(centre - fit.width() / 2, Label1->y(), fit.width(), Label1->height());
    }

    Label3 = new QLabel(QStringLiteral("工程名称"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setFont(heiti);
    place(Label3, 960, 1920, 1455, 495);

    Text1 = new QLineEdit(QStringLiteral("1"), this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAccessibleName(QStringLiteral("工程名称"));
    Text1->setFont(platform::font(QStringLiteral("Times New Roman"), 15.75, true));
    Text1->setToolTip(kOpenTip);
    Label3->setBuddy(Text1);
    place(Text1, 2520, 1920, 4335, 495);

    Label2 = new QLabel(QStringLiteral(".txt"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(heiti);
    place(Label2, 6960, 1920, 975, 495);

    Command3 = makeButton(this, "Command3", QStringLiteral("打开工程"), 2520, 2400, 2175, 700);
    Command3->setFont(heiti);
    Command3->setToolTip(kOpenTip);
    Command2 = makeButton(this, "Command2", QStringLiteral("退出程序"), 4680, 2400, 2200, 700);
    Command2->setFont(heiti);

    Label4 = new QLabel(QStringLiteral("程序设计：Vorlix\n土木工程学院"), this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setFont(platform::font(QStringLiteral("隶书"), 15.75, true));
    Label4->setWordWrap(true);
    place(Label4, 2760, 3600, 4095, 735);

    setTabOrder(Command3, Command2);
    setTabOrder(Command2, Text1);
    setDefaultButton(Command3);

    connect(Command3, &QPushButton::clicked, this, &Form1::openProject);
    connect(Command2, &QPushButton::clicked, this, [] { platform::endProgram(); });
}

void Form1::load()
{
    theProject().ProjectLoaded = 0;
    Command3->setFocus();
}

void Form1::openProject()
{
    const QString name = Text1->text();
    if (name.isEmpty()) {
        showMessage(QStringLiteral("工程文件名不能为空！"));
        return;
    }
    if (auto refusal = checkProjectName(name)) {
        showMessage(*refusal);
        return;
    }
    const QString folder = projectFolder();
    if (!QFileInfo(folder).isDir()) {
        showMessage(QStringLiteral("工程目录 %1 不存在！").arg(QDir::toNativeSeparators(folder)));
        return;
    }
    ProjectModel& model = theProject();
    const QString path = projectPath(name);
    const QFileInfo file(path);
    if (file.exists() || file.isSymLink()) {
        if (!file.isFile()) {
            showMessage(QStringLiteral("%1 不是工程文件，无法打开！").arg(QDir::toNativeSeparators(path)));
            return;
        }
        if (!insideProjectFolder(file)) {
            showMessage(QStringLiteral("%1 指向工程目录之外，不能作为工程文件打开！").arg(QDir::toNativeSeparators(path)));
            return;
        }
        model.ProjectName = toStd(name);
        const bool emptyFile = file.size() == 0;
        const LoadReport report = LoadProject(model, toPath(folder));
        // A file of 0 bytes is a project created but not yet saved: it opens
        // with control numbers 0, which is no fault.
        if (!report.complete && !emptyFile)
            showMessage(toQ(report.message));
    } else {
        const bool create =
            platform::dialogs().question(name + QStringLiteral(".txt文件不在当前工作目录！是否以该名称创建工程文件？"));
        if (!create)
            return;
        QFile empty(path);
        if (!empty.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            showMessage(QStringLiteral("无法创建工程文件 %1：%2")
                            .arg(QDir::toNativeSeparators(path), empty.errorString()));
            return;
        }
        empty.close();
        model.ProjectName = toStd(name);
        model.ProjectLoaded = 0;
    }
    platform::open<Form2>();
    hideScreen();
}

} // namespace frameproject::screens
