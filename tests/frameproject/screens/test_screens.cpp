// The screens of frameproject driven with real key and mouse events on the
// offscreen platform. Message boxes are scripted, the printer captured and the
// project folder is a fresh temporary directory for every test.

#include "frameproject/screens/forms.h"

#include "frameproject/model/project_file.h"
#include "platform/dialogs.h"
#include "platform/platform.h"
#include "platform/printing.h"
#include "platform/registry.h"
#include "platform/textsurface.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace frameproject;
using namespace frameproject::screens;

namespace {

// The four-node portal frame as a project file.
const QByteArray kPortalFile = "3 4 2 1 1\r\n"
                               " 0 0 6 6\r\n"
                               " 0 4 4 0\r\n"
                               "1 1 1 1\r\n"
                               "4 1 1 1\r\n"
                               "1 2 500 20\r\n"
                               "2 3 500 20\r\n"
                               "4 3 500 20\r\n"
                               "2.1 10\r\n"
                               "2 1 6 -10\r\n";

// A cantilever of one element with a vertical load at its tip, typed through
// the screens: the list after "输出原始数据" and "开始计算".
const QStringList kCantileverList{
    QStringLiteral("NE= 1  NJ= 2  NS= 1  NPJ= 1  NPF= 0"),
    QStringLiteral("NODAL INFORMATION:"),
    QStringLiteral("NODAL    X    Y"),
    QStringLiteral("   1       0     0"),
    QStringLiteral("   2       1     0"),
    QStringLiteral("NODAL    U    V    Z"),
    QStringLiteral("   1       1     1     1"),
    QStringLiteral("ELEMENT INFORMATION"),
    QStringLiteral("ELEMENT    NODAL-I    NODAL-J      EA      EI"),
    QStringLiteral("    1           1           2        1      1"),
    QStringLiteral("NODAL LOADS"),
    QStringLiteral("NODE    PX-PY-PM"),
    QStringLiteral("  2.2       -3"),
    QStringLiteral("ELEMENT LOADS"),
    QStringLiteral("ELENENT    IND    A    Q"),
    QStringLiteral("NODAL DISPLAICEMENTS NUMBER  N= 3"),
    QStringLiteral("NODAL    XX    YY    ZZ"),
    QStringLiteral("   1       0     0     0"),
    QStringLiteral("   2       1     2     3"),
    QStringLiteral("toal node load vector"),
    QStringLiteral("p( 1)= 0"),
    QStringLiteral("p( 2)=-3"),
    QStringLiteral("p( 3)= 0"),
    QStringLiteral("nw= 3"),
    QStringLiteral("nodal displacements"),
    QStringLiteral("node           u            v            ceta"),
    QStringLiteral("   1       0         0         0"),
    QStringLiteral("   2       0        -1         1.5"),
    QStringLiteral("member-end forces of element"),
    QStringLiteral("element          N          Q          M"),
    QStringLiteral("   1           n1=0        q1=3        m1=-3"),
    QStringLiteral("               n2= 0        q2=-3        m2= 0"),
};

const QString kResultText = QStringLiteral("element          N          Q          M\r\n"
                                           "   1           n1=0        q1=3        m1=-3\r\n"
                                           "               n2= 0        q2=-3        m2= 0\r\n");

QStringList listLines(const QListWidget* list)
{
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines.append(list->item(i)->text());
    return lines;
}

void click(QPushButton* button)
{
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

// Replaces a field's text the way a user does: select all, type.
void retype(QLineEdit* field, const QString& text)
{
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

// The next control the Tab key reaches.
QWidget* nextTab(QWidget* widget)
{
    QWidget* next = widget->nextInFocusChain();
    while (next != widget && !(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    return next;
}

template <class T>
T* shown()
{
    T* screen = platform::find<T>();
    if (screen && platform::state<T>() != platform::ScreenState::Shown)
        return nullptr;
    return screen;
}

// The only screen shown, for navigation checks.
QString shownScreen()
{
    QStringList names;
    auto add = [&names](platform::Screen* s) {
        if (s && platform::state(s) == platform::ScreenState::Shown)
            names.append(s->objectName());
    };
    add(platform::find<Form1>());
    add(platform::find<Form2>());
    add(platform::find<Form3>());
    add(platform::find<Form4>());
    add(platform::find<Form5>());
    add(platform::find<Form6>());
    add(platform::find<Form7>());
    add(platform::find<Form8>());
    add(platform::find<Form9>());
    return names.join(QLatin1Char(','));
}

} // namespace

class TestFrameprojectScreens : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<platform::ScriptedDialogs> m_dialogs;
    std::unique_ptr<platform::ScopedDialogs> m_useDialogs;
    std::unique_ptr<platform::CapturePrinter> m_paper;
    std::unique_ptr<platform::ScopedPrinter> m_usePrinter;
    int m_endCalls = 0;

    QString file(const QString& name) const { return m_folder->filePath(name); }
    void writeFile(const QString& name, const QByteArray& content)
    {
        QFile f(file(name));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
    }
    QByteArray readFile(const QString& name) const
    {
        QFile f(file(name));
        if (!f.open(QIODevice::ReadOnly))
            return "<missing>";
        return f.readAll();
    }

    // Form1 with `name` typed, then "打开工程" by Enter.
    void openByEnter(const QString& name)
    {
        Form1* form1 = platform::open<Form1>();
        retype(form1->Text1, name);
        QTest::keyClick(form1->Text1, Qt::Key_Return);
    }

    // Form2 with five counts typed, then "确  定".
    void confirmCounts(const QStringList& counts)
    {
        Form2* form2 = shown<Form2>();
        QVERIFY(form2);
        QLineEdit* fields[] = {form2->Text1, form2->Text2, form2->Text3, form2->Text4, form2->Text5};
        for (int i = 0; i < 5; ++i)
            retype(fields[i], counts[i]);
        click(form2->Command1);
    }

    // An editor's fields typed and stored with "确  定".
    void storeEntry(RecordEditor* editor, const QStringList& values)
    {
        QVERIFY(editor);
        QCOMPARE(int(editor->fields().size()), values.size());
        for (int i = 0; i < values.size(); ++i)
            retype(editor->fields()[std::size_t(i)], values[i]);
        click(editor->storeButton());
    }

    // A project with the given counts, created new and confirmed on Form2:
    // Form3 is shown afterwards.
    void newProject(const QStringList& counts)
    {
        m_dialogs->queueAnswer(true);
        openByEnter(QStringLiteral("p"));
        confirmCounts(counts);
        QVERIFY(shown<Form3>());
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        QVERIFY(m_folder->isValid());
        setProjectFolder(m_folder->path());
        m_dialogs = std::make_unique<platform::ScriptedDialogs>();
        m_useDialogs = std::make_unique<platform::ScopedDialogs>(*m_dialogs);
        m_paper = std::make_unique<platform::CapturePrinter>();
        m_usePrinter = std::make_unique<platform::ScopedPrinter>(*m_paper);
        m_endCalls = 0;
        platform::setEndProgramHandler([this] { ++m_endCalls; });
        theProject() = ProjectModel{};
    }

    void cleanup()
    {
        platform::closeAllScreens();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        platform::setEndProgramHandler({});
        m_usePrinter.reset();
        m_paper.reset();
        m_useDialogs.reset();
        m_dialogs.reset();
        setProjectFolder(QString());
        m_folder.reset();
    }

    // The cantilever from a new project through every screen to Form9.
    void workedExampleThroughTheScreens()
    {
        m_dialogs->queueAnswer(true);
        openByEnter(QStringLiteral("demo"));
        QCOMPARE(m_dialogs->questions(),
                 QStringList{QStringLiteral("demo.txt文件不在当前工作目录！是否以该名称创建工程文件？")});
        QCOMPARE(readFile(QStringLiteral("demo.txt")), QByteArray());
        confirmCounts({"1", "2", "1", "1", "0"});

        Form3* form3 = shown<Form3>();
        QVERIFY(form3);
        QCOMPARE(form3->Combo1->count(), 2);
        storeEntry(form3, {"0", "0"});
        QTest::keyClick(form3->Combo1, Qt::Key_Down);
        QCOMPARE(form3->Combo1->currentText(), QStringLiteral("2"));
        storeEntry(form3, {"1", "0"});
        click(form3->Command1);

        Form4* form4 = shown<Form4>();
        storeEntry(form4, {"1", "1", "1", "1"});
        click(form4->Command1);

        Form5* form5 = shown<Form5>();
        storeEntry(form5, {"1", "2", "1", "1"});
        click(form5->Command1);

        Form6* form6 = shown<Form6>();
        storeEntry(form6, {"2.2", "-3"});
        click(form6->Command1);

        Form8* form8 = shown<Form8>();
        QVERIFY(form8);
        click(form8->Command1);
        QCOMPARE(readFile(QStringLiteral("demo.txt")),
                 QByteArray("1 2 1 1 0\r\n 0 1\r\n 0 0\r\n1 1 1 1\r\n1 2 1 1\r\n2.2 -3\r\n"));
        QVERIFY(form8->Command3->hasFocus() || QApplication::focusWidget() == nullptr);
        click(form8->Command3);
        QCOMPARE(listLines(form8->List1), kCantileverList);
        QCOMPARE(QString::fromStdString(theProject().ResultText), kResultText);
        QVERIFY(m_dialogs->messages().isEmpty());
        click(form8->Command5);

        Form9* form9 = shown<Form9>();
        QVERIFY(form9);
        QCOMPARE(shownScreen(), QStringLiteral("Form9"));
        QVERIFY(form9->surface->lines().isEmpty());
        QTest::keyClick(form9->Command1, Qt::Key_Return);
        const QStringList drawn{kCantileverList.mid(29)};
        QCOMPARE(form9->surface->lines(), drawn);
        // Pressed again: drawn once more from the top, not below.
        click(form9->Command1);
        QCOMPARE(form9->surface->lines(), drawn);

        click(form9->Command2);
        click(form9->Command2);
        // Both printouts go into one document that stays open until the end.
        QVERIFY(m_paper->jobs().isEmpty());
        QCOMPARE(m_paper->openJob(), drawn + QStringList{QString()} + drawn + QStringList{QString()});

        click(form9->Command4);
        QCOMPARE(shownScreen(), QStringLiteral("Form1"));
        QCOMPARE(platform::find<Form1>()->Text1->text(), QStringLiteral("demo"));
    }

    // The portal frame's file opened from Form1 fills every screen.
    void openingAProjectFile()
    {
        writeFile(QStringLiteral("portal.txt"), kPortalFile);
        openByEnter(QStringLiteral("portal"));
        QVERIFY(m_dialogs->shown().isEmpty());
        QCOMPARE(theProject().ProjectLoaded, std::int16_t(1));
        Form2* form2 = shown<Form2>();
        QVERIFY(form2);
        QCOMPARE(QStringList({form2->Text1->text(), form2->Text2->text(), form2->Text3->text(),
                              form2->Text4->text(), form2->Text5->text()}),
                 QStringList({"3", "4", "2", "1", "1"}));
        click(form2->Command1);

        Form3* form3 = shown<Form3>();
        QCOMPARE(form3->Combo1->count(), 4);
        form3->Combo1->setFocus();
        QTest::keyClick(form3->Combo1, Qt::Key_End);
        QCOMPARE(form3->Text4->text(), QStringLiteral("6"));
        QCOMPARE(form3->Text5->text(), QStringLiteral("0"));
        click(form3->Command1);
        Form4* form4 = shown<Form4>();
        QTest::keyClick(form4->Combo1, Qt::Key_Down);
        QCOMPARE(QStringList({form4->Text2->text(), form4->Text4->text(), form4->Text5->text(), form4->Text1->text()}),
                 QStringList({"4", "1", "1", "1"}));
        click(form4->Command1);
        Form5* form5 = shown<Form5>();
        QTest::keyClick(form5->Combo1, Qt::Key_End);
        QCOMPARE(QStringList({form5->je1->text(), form5->je2->text(), form5->ea0->text(), form5->ei0->text()}),
                 QStringList({"4", "3", "500", "20"}));
        click(form5->Command1);
        Form6* form6 = shown<Form6>();
        QCOMPARE(QStringList({form6->pj1->text(), form6->pj2->text()}), QStringList({"2.1", "10"}));
        click(form6->Command1);
        Form7* form7 = shown<Form7>();
        QCOMPARE(QStringList({form7->pf1->text(), form7->pf2->text(), form7->pf3->text(), form7->pf4->text()}),
                 QStringList({"2", "1", "6", "-10"}));
        click(form7->Command1);

        // Saved unchanged, the file reads back byte for byte.
        Form8* form8 = shown<Form8>();
        click(form8->Command1);
        QCOMPARE(readFile(QStringLiteral("portal.txt")), kPortalFile);
        QCOMPARE(form8->List1->count(), 21);
    }

    // Form1 starts with "1" and the focus on "打开工程": Enter at once offers
    // to create 1.txt; the created file is empty and Form2 shows five "0".
    void enterAtStartCreatesProjectOne()
    {
        Form1* form1 = platform::open<Form1>();
        QCOMPARE(form1->Text1->text(), QStringLiteral("1"));
        QCOMPARE(form1->Text1->toolTip(),
                 QStringLiteral("对于已有的工程，先输入工程名，接着一定要点击“打开工程”按钮"));
        QCOMPARE(form1->defaultButton(), form1->Command3);
        QCOMPARE(nextTab(form1->Command3), form1->Command2);
        QCOMPARE(nextTab(form1->Command2), form1->Text1);
        m_dialogs->queueAnswer(true);
        QTest::keyClick(form1->Command3, Qt::Key_Return);
        QCOMPARE(m_dialogs->questions(),
                 QStringList{QStringLiteral("1.txt文件不在当前工作目录！是否以该名称创建工程文件？")});
        QVERIFY(QFile::exists(file(QStringLiteral("1.txt"))));
        QCOMPARE(readFile(QStringLiteral("1.txt")), QByteArray());
        QCOMPARE(QString::fromStdString(theProject().ProjectName), QStringLiteral("1"));
        QCOMPARE(shownScreen(), QStringLiteral("Form2"));
        Form2* form2 = shown<Form2>();
        for (QLineEdit* f : {form2->Text1, form2->Text2, form2->Text3, form2->Text4, form2->Text5})
            QCOMPARE(f->text(), QStringLiteral("0"));

        // Opened again, the empty file gives the same five "0" and no message.
        click(form2->Command2);
        QCOMPARE(shownScreen(), QStringLiteral("Form1"));
        QTest::keyClick(form1->Text1, Qt::Key_Return);
        QCOMPARE(m_dialogs->questions().size(), 1);
        QVERIFY(m_dialogs->messages().isEmpty());
        QCOMPARE(shown<Form2>()->Text1->text(), QStringLiteral("0"));
    }

    void noToTheCreateQuestion()
    {
        theProject().ProjectName = "before";
        theProject().NE = 7;
        m_dialogs->queueAnswer(false);
        openByEnter(QStringLiteral("new"));
        QCOMPARE(m_dialogs->questions().size(), 1);
        QCOMPARE(shownScreen(), QStringLiteral("Form1"));
        QVERIFY(!QFile::exists(file(QStringLiteral("new.txt"))));
        QCOMPARE(theProject().ProjectName, std::string("before"));
        QCOMPARE(theProject().NE, std::int16_t(7));
    }

    void emptyNameIsRefused()
    {
        openByEnter(QString());
        QCOMPARE(m_dialogs->messages(), QStringList{QStringLiteral("工程文件名不能为空！")});
        QCOMPARE(shownScreen(), QStringLiteral("Form1"));
    }

    void badProjectName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("slash") << "../escape" << QStringLiteral("工程名称不能含有路径分隔符“/”或“\\”！");
        QTest::newRow("backslash") << "a\\b" << QStringLiteral("工程名称不能含有路径分隔符“/”或“\\”！");
        QTest::newRow("dots") << ".." << QStringLiteral("工程名称不能含有“..”！");
        QTest::newRow("star") << "*" << QStringLiteral("工程名称不能含有通配符“*”、“?”、“[”或“]”！");
        QTest::newRow("question") << "a?b" << QStringLiteral("工程名称不能含有通配符“*”、“?”、“[”或“]”！");
        QTest::newRow("colon") << "c:x" << QStringLiteral("工程名称不能含有字符“<”、“>”、“:”、“\"”或“|”！");
        QTest::newRow("too long") << QString(201, QLatin1Char('x'))
                                  << QStringLiteral("工程名称太长（最多 200 字节），文件系统无法保存！");
    }

    void badProjectName()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        openByEnter(name);
        QCOMPARE(m_dialogs->messages(), QStringList{message});
        QVERIFY(m_dialogs->questions().isEmpty());
        QCOMPARE(shownScreen(), QStringLiteral("Form1"));
        QCOMPARE(QDir(m_folder->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
        QVERIFY(!QFile::exists(QDir(m_folder->path()).filePath(QStringLiteral("../escape.txt"))));
    }

    void controlCharacterInName()
    {
        Form1* form1 = platform::open<Form1>();
        form1->Text1->setText(QStringLiteral("a\tb"));
        click(form1->Command3);
        QCOMPARE(m_dialogs->messages(), QStringList{QStringLiteral("工程名称不能含有控制字符！")});
        QCOMPARE(shownScreen(), QStringLiteral("Form1"));
    }

    // A file cut short in the element section: what was read stays, the user
    // is told, and Form2 shows the counts of the file.
    void truncatedProjectFile()
    {
        writeFile(QStringLiteral("cut.txt"), kPortalFile.left(kPortalFile.indexOf("2 3 500")));
        openByEnter(QStringLiteral("cut"));
        QCOMPARE(m_dialogs->messages().size(), 1);
        QVERIFY(!m_dialogs->messages().front().isEmpty());
        Form2* form2 = shown<Form2>();
        QVERIFY(form2);
        QCOMPARE(form2->Text1->text(), QStringLiteral("3"));
        const ProjectModel& m = theProject();
        QCOMPARE(m.X.value(3), 6.0);
        QCOMPARE(m.JE.value(1, 2), std::int16_t(2));
        QCOMPARE(m.JE.value(2, 1), std::int16_t(0));
    }

    void unreadableProjectFile()
    {
        writeFile(QStringLiteral("bad.txt"), "3 4 x 1 1\r\n");
        openByEnter(QStringLiteral("bad"));
        QCOMPARE(m_dialogs->messages().size(), 1);
        QCOMPARE(shownScreen(), QStringLiteral("Form2"));
        // A folder where the file should be: refused, nothing opened.
        platform::closeAllScreens();
        m_dialogs->clear();
        QVERIFY(QDir(m_folder->path()).mkdir(QStringLiteral("dir.txt")));
        openByEnter(QStringLiteral("dir"));
        QCOMPARE(m_dialogs->messages().size(), 1);
        QVERIFY(m_dialogs->questions().isEmpty());
        QCOMPARE(shownScreen(), QStringLiteral("Form1"));
    }

    void zeroChecks_data()
    {
        QTest::addColumn<QStringList>("counts");
        QTest::addColumn<QString>("message");
        QTest::newRow("NE 0") << QStringList{"0", "2", "1", "0", "0"} << QStringLiteral("单元总数不能为0！");
        QTest::newRow("NJ abc") << QStringList{"1", "abc", "1", "0", "0"} << QStringLiteral("结点总数不能为0！");
        QTest::newRow("NS empty") << QStringList{"1", "2", "", "0", "0"} << QStringLiteral("特殊节点总数不能为0！");
        QTest::newRow("first only") << QStringList{"0", "0", "0", "0", "0"} << QStringLiteral("单元总数不能为0！");
        QTest::newRow("NE 0.3") << QStringList{"0.3", "2", "1", "0", "0"}
                                << QStringLiteral("单元总数取整后为0，请输入正整数！");
        QTest::newRow("NE -2") << QStringList{"-2", "2", "1", "0", "0"} << QStringLiteral("单元总数不能为负数！");
        QTest::newRow("NJ 40000") << QStringList{"1", "40000", "1", "0", "0"}
                                  << QStringLiteral("结点总数超出范围，最大为32767！");
        QTest::newRow("NPJ -1") << QStringList{"1", "2", "1", "-1", "0"} << QStringLiteral("结点荷载数不能为负数！");
        QTest::newRow("NPF 1e9") << QStringList{"1", "2", "1", "0", "1e9"}
                                 << QStringLiteral("杆上荷载数超出范围，最大为32767！");
    }

    // Refused counts leave Form2, its fields and the model as they were.
    void zeroChecks()
    {
        QFETCH(QStringList, counts);
        QFETCH(QString, message);
        theProject().NE = 5;
        m_dialogs->queueAnswer(true);
        openByEnter(QStringLiteral("p"));
        confirmCounts(counts);
        QCOMPARE(m_dialogs->messages(), QStringList{message});
        QCOMPARE(shownScreen(), QStringLiteral("Form2"));
        QCOMPARE(shown<Form2>()->Text1->text(), counts[0]);
        QCOMPARE(theProject().NE, std::int16_t(5));
        QCOMPARE(theProject().X.size(), std::size_t(0));
    }

    void reenterThenConfirm()
    {
        m_dialogs->queueAnswer(true);
        openByEnter(QStringLiteral("p"));
        Form2* form2 = shown<Form2>();
        click(form2->Command3);
        QCOMPARE(form2->Text4->text(), QStringLiteral(" "));
        QVERIFY(form2->Text1->hasFocus() || QApplication::focusWidget() == nullptr);
        QTest::keyClick(form2->Text1, Qt::Key_Return);
        QCOMPARE(m_dialogs->messages(), QStringList{QStringLiteral("单元总数不能为0！")});
    }

    void countsAreRounded()
    {
        newProject({"3.7", "1e1", "2.5", "0", "1 000"});
        const ProjectModel& m = theProject();
        QCOMPARE(m.NE, std::int16_t(4));
        QCOMPARE(m.NJ, std::int16_t(10));
        QCOMPARE(m.NS, std::int16_t(2));
        QCOMPARE(m.NPF, std::int16_t(1000));
        QCOMPARE(m.X.size(), std::size_t(10));
        QCOMPARE(m.PF.rows(), std::size_t(1000));
        QCOMPARE(shown<Form3>()->Combo1->count(), 10);
    }

    // Selecting an entry shows its stored values; typed values not stored are
    // lost on selection; node numbers are rounded when stored.
    void comboSelection()
    {
        newProject({"2", "3", "1", "0", "0"});
        Form3* form3 = shown<Form3>();
        storeEntry(form3, {"1.5", "-2"});
        QTest::keyClick(form3->Combo1, Qt::Key_Down);
        QCOMPARE(form3->Text4->text(), QStringLiteral("0"));
        retype(form3->Text4, QStringLiteral("99"));
        QTest::keyClick(form3->Combo1, Qt::Key_Up);
        QCOMPARE(form3->Combo1->currentIndex(), 0);
        QCOMPARE(form3->Text4->text(), QStringLiteral("1.5"));
        QCOMPARE(form3->Text5->text(), QStringLiteral("-2"));
        QCOMPARE(theProject().X.value(2), 0.0);
        click(form3->Command1);
        click(shown<Form4>()->Command1);

        Form5* form5 = shown<Form5>();
        QTest::keyClick(form5->Combo1, Qt::Key_Down);
        storeEntry(form5, {"2.5", "3.5", "2.1E8", "1e4"});
        QCOMPARE(form5->Combo1->currentIndex(), 1);
        const ProjectModel& m = theProject();
        QCOMPARE(m.JE.value(2, 1), std::int16_t(2));
        QCOMPARE(m.JE.value(2, 2), std::int16_t(4));
        QCOMPARE(m.EA.value(2), 2.1e8);
        QCOMPARE(m.EI.value(2), 1e4);
        QCOMPARE(m.JE.value(1, 1), std::int16_t(0));

        // A node number beyond 16 bits is refused with a message, nothing stored.
        storeEntry(form5, {"1", "40000", "1", "1"});
        QCOMPARE(m_dialogs->messages(), QStringList{QStringLiteral("末端结点号超出整数范围（-32768～32767），未保存！")});
        QCOMPARE(m.JE.value(2, 1), std::int16_t(2));
    }

    void enterMovesOnWithoutStoring()
    {
        newProject({"1", "2", "1", "1", "1"});
        Form3* form3 = shown<Form3>();
        QCOMPARE(form3->defaultButton(), form3->Command1);
        retype(form3->Text4, QStringLiteral("9"));
        QTest::keyClick(form3->Text4, Qt::Key_Return);
        QCOMPARE(shownScreen(), QStringLiteral("Form4"));
        QCOMPARE(theProject().X.value(1), 0.0);
        Form4* form4 = shown<Form4>();
        retype(form4->Text2, QStringLiteral("2"));
        QTest::keyClick(form4->Text2, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(shownScreen(), QStringLiteral("Form5"));
        QCOMPARE(theProject().JS.value(1, 1), std::int16_t(0));
        // Enter on the focused store button stores, it does not move on.
        Form5* form5 = shown<Form5>();
        retype(form5->ea0, QStringLiteral("7"));
        form5->ok->setFocus();
        QTest::keyClick(form5->ok, Qt::Key_Return);
        QCOMPARE(shownScreen(), QStringLiteral("Form5"));
        QCOMPARE(theProject().EA.value(1), 7.0);
    }

    void tabOrderOfEditors()
    {
        newProject({"1", "2", "1", "1", "1"});
        Form3* form3 = shown<Form3>();
        QCOMPARE(nextTab(form3->Text4), form3->Text5);
        QCOMPARE(nextTab(form3->Text5), form3->Command2);
        QCOMPARE(nextTab(form3->Command2), form3->Command8);
        QCOMPARE(nextTab(form3->Command8), form3->Command1);
        click(form3->Command1);
        Form4* form4 = shown<Form4>();
        QCOMPARE(nextTab(form4->Text2), form4->Text4);
        QCOMPARE(nextTab(form4->Text5), form4->Text1);
        QCOMPARE(nextTab(form4->Text1), form4->Command2);
    }

    void conditionalNavigation_data()
    {
        QTest::addColumn<QString>("npj");
        QTest::addColumn<QString>("npf");
        QTest::addColumn<QString>("afterForm5");
        QTest::addColumn<QString>("backFromForm8");
        QTest::newRow("both") << "1" << "1" << "Form6" << "Form7";
        QTest::newRow("NPJ 0") << "0" << "1" << "Form7" << "Form7";
        QTest::newRow("NPF 0") << "1" << "0" << "Form6" << "Form6";
        QTest::newRow("both 0") << "0" << "0" << "Form8" << "Form5";
    }

    void conditionalNavigation()
    {
        QFETCH(QString, npj);
        QFETCH(QString, npf);
        QFETCH(QString, afterForm5);
        QFETCH(QString, backFromForm8);
        newProject({"1", "2", "1", npj, npf});
        click(shown<Form3>()->Command1);
        click(shown<Form4>()->Command1);
        click(shown<Form5>()->Command1);
        QCOMPARE(shownScreen(), afterForm5);
        if (afterForm5 == QLatin1String("Form6")) {
            click(shown<Form6>()->Command1);
            QCOMPARE(shownScreen(), QLatin1String(npf == QLatin1String("0") ? "Form8" : "Form7"));
        }
        if (shown<Form7>()) {
            click(shown<Form7>()->Command2);
            QCOMPARE(shownScreen(), QLatin1String(npj == QLatin1String("0") ? "Form5" : "Form6"));
            platform::close<Form6>();
            platform::close<Form5>();
            platform::open<Form7>();
            click(shown<Form7>()->Command1);
        }
        Form8* form8 = shown<Form8>();
        QVERIFY(form8);
        click(form8->Command2);
        QCOMPARE(shownScreen(), backFromForm8);
        QCOMPARE(platform::state<Form8>(), platform::ScreenState::Hidden);
        // Back in the other direction, Form5 -> Form4 -> Form3 -> Form2 -> Form1.
        platform::closeAllScreens();
        platform::open<Form5>();
        click(shown<Form5>()->Command2);
        QCOMPARE(shownScreen(), QStringLiteral("Form4"));
        click(shown<Form4>()->Command2);
        QCOMPARE(shownScreen(), QStringLiteral("Form3"));
        click(shown<Form3>()->Command2);
        QCOMPARE(shownScreen(), QStringLiteral("Form2"));
        click(shown<Form2>()->Command2);
        QCOMPARE(shownScreen(), QStringLiteral("Form1"));
    }

    // "上一步" hides Form8 and keeps its list; "下一步" closes it, so "上一步"
    // on Form9 shows a new, empty Form8.
    void backAndForthBetweenForm7Form8Form9()
    {
        writeFile(QStringLiteral("portal.txt"), kPortalFile);
        openByEnter(QStringLiteral("portal"));
        click(shown<Form2>()->Command1);
        click(shown<Form3>()->Command1);
        click(shown<Form4>()->Command1);
        click(shown<Form5>()->Command1);
        click(shown<Form6>()->Command1);
        click(shown<Form7>()->Command1);
        Form8* form8 = shown<Form8>();
        click(form8->Command1);
        click(form8->Command3);
        QVERIFY(m_dialogs->messages().isEmpty());
        const QStringList before = listLines(form8->List1);
        QVERIFY(before.size() > 21);

        click(form8->Command2);
        QCOMPARE(shownScreen(), QStringLiteral("Form7"));
        click(shown<Form7>()->Command1);
        QCOMPARE(shown<Form8>(), form8);
        QCOMPARE(listLines(form8->List1), before);

        click(form8->Command5);
        QCOMPARE(shownScreen(), QStringLiteral("Form9"));
        QCOMPARE(platform::state<Form8>(), platform::ScreenState::NotLoaded);
        click(shown<Form9>()->Command3);
        QCOMPARE(shownScreen(), QStringLiteral("Form8"));
        QCOMPARE(shown<Form8>()->List1->count(), 0);
    }

    // "清除重算" empties the list and shows Form2 with the current counts;
    // confirming them keeps the entries of a project read from its file.
    void clearAndRestartKeepsAReadProject()
    {
        writeFile(QStringLiteral("portal.txt"), kPortalFile);
        openByEnter(QStringLiteral("portal"));
        click(shown<Form2>()->Command1);
        platform::close<Form3>();
        Form8* form8 = platform::open<Form8>();
        click(form8->Command1);
        click(form8->Command4);
        QCOMPARE(shownScreen(), QStringLiteral("Form2"));
        QCOMPARE(shown<Form2>()->Text2->text(), QStringLiteral("4"));
        // More elements than the file holds: the tables grow, entries are kept.
        retype(shown<Form2>()->Text1, QStringLiteral("5"));
        click(shown<Form2>()->Command1);
        const ProjectModel& m = theProject();
        QCOMPARE(m.NE, std::int16_t(5));
        QVERIFY(m.JE.rows() >= 5);
        QCOMPARE(m.EA.value(3), 500.0);
        QCOMPARE(m.EA.value(5), 0.0);
        QCOMPARE(m.X.value(3), 6.0);
        // The new elements have no nodes yet: the computation says so instead of failing.
        platform::close<Form3>();
        form8 = platform::open<Form8>();
        click(form8->Command3);
        QCOMPARE(m_dialogs->messages().size(), 1);
        QVERIFY(theProject().ResultText.empty());
    }

    void newProjectClearsTables()
    {
        writeFile(QStringLiteral("portal.txt"), kPortalFile);
        openByEnter(QStringLiteral("portal"));
        click(shown<Form2>()->Command2);
        m_dialogs->queueAnswer(true);
        openByEnter(QStringLiteral("fresh"));
        QCOMPARE(theProject().ProjectLoaded, std::int16_t(0));
        // The counts of the previous project are offered; confirming clears the tables.
        QCOMPARE(shown<Form2>()->Text1->text(), QStringLiteral("3"));
        click(shown<Form2>()->Command1);
        QCOMPARE(theProject().X.value(3), 0.0);
        QCOMPARE(theProject().EA.value(1), 0.0);
    }

    void failedSaveIsReported()
    {
        writeFile(QStringLiteral("portal.txt"), kPortalFile);
        openByEnter(QStringLiteral("portal"));
        click(shown<Form2>()->Command1);
        platform::close<Form3>();
        Form8* form8 = platform::open<Form8>();
        setProjectFolder(file(QStringLiteral("gone")));
        click(form8->Command1);
        QCOMPARE(m_dialogs->messages().size(), 1);
        // The input is still echoed.
        QCOMPARE(form8->List1->count(), 21);
    }

    void computationErrorsAreShown()
    {
        newProject({"1", "2", "1", "0", "1"});
        // Both nodes at (0, 0): an element of zero length.
        storeEntry(shown<Form3>(), {"0", "0"});
        platform::close<Form3>();
        Form5* form5 = platform::open<Form5>();
        storeEntry(form5, {"1", "2", "1", "1"});
        platform::close<Form5>();
        Form7* form7 = platform::open<Form7>();
        storeEntry(form7, {"1", "13", "0", "1"});
        platform::close<Form7>();
        Form8* form8 = platform::open<Form8>();
        click(form8->Command3);
        QVERIFY(!m_dialogs->messages().isEmpty());
        QVERIFY(theProject().ResultText.empty());
        QCOMPARE(shownScreen(), QStringLiteral("Form8"));
    }

    void exitEndsTheProgram()
    {
        Form1* form1 = platform::open<Form1>();
        click(form1->Command2);
        QCOMPARE(m_endCalls, 1);
        form1->close(); // the window frame's close box
        QCOMPARE(m_endCalls, 2);
    }

    // The close box of an inner screen brings Form1 back instead of leaving
    // the program running with no window; the model is untouched.
    void closeBoxOfAnInnerScreen()
    {
        newProject({"1", "2", "1", "0", "0"});
        storeEntry(shown<Form3>(), {"4", "5"});
        shown<Form3>()->close();
        QCOMPARE(shownScreen(), QStringLiteral("Form1"));
        QCOMPARE(platform::state<Form3>(), platform::ScreenState::NotLoaded);
        QCOMPARE(theProject().X.value(1), 4.0);
        QCOMPARE(m_endCalls, 0);
    }
};

QTEST_MAIN(TestFrameprojectScreens)
#include "test_screens.moc"
