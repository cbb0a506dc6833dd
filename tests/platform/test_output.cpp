// Text drawing at columns and from the top left, the capture printer, the real
// printer's PDF fallback, screenshots, and the end of the program.

#include "platform/dialogs.h"
#include "platform/platform.h"
#include "platform/printing.h"
#include "platform/screen.h"
#include "platform/textsurface.h"

#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using platform::TextItem;

namespace {

int inkPixels(const QImage& image, const QColor& background)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) != background)
                ++count;
        }
    }
    return count;
}

const QList<TextItem> kHeading = {{10, QStringLiteral("结点序号 ")}, {20, QStringLiteral("结点转角位移")}};

} // namespace

// A screen in the common look, drawn to a picture for a look by eye.
class DemoScreen final : public platform::Screen
{
    Q_OBJECT
public:
    DemoScreen() : Screen(QStringLiteral("原始数据输入"), 8880, 5925)
    {
        auto* heading = new QLabel(QStringLiteral("请 输 入 基 本 参 数"), this);
        heading->setFont(platform::font(QStringLiteral("楷体_GB2312"), 20, true));
        platform::setTextColour(heading, QColor(0, 192, 0));
        place(heading, 2400, 120, 5175, 600);
        addRule(840);
        auto* label = new QLabel(QStringLiteral("结点总数"), this);
        label->setFont(platform::font(QStringLiteral("楷体_GB2312"), 16, true));
        platform::setTextColour(label, QColor(255, 0, 0));
        place(label, 600, 1200, 1800, 450);
        auto* field = new QLineEdit(QStringLiteral("4"), this);
        field->setFont(platform::font(QStringLiteral("宋体"), 18));
        place(field, 2640, 1200, 1815, 480);
        auto* hei = new QLabel(QStringLiteral("黑体 工程名称 幼圆"), this);
        hei->setFont(platform::font(QStringLiteral("黑体"), 15.75, true));
        place(hei, 4800, 1200, 3900, 450);
        auto* roman = new QLabel(QStringLiteral("Times New Roman 12 新宋体"), this);
        roman->setFont(platform::font(QStringLiteral("Times New Roman"), 12));
        place(roman, 4800, 1800, 3900, 400);
        auto* ok = new QPushButton(QStringLiteral("确  定"), this);
        ok->setFont(platform::font(QStringLiteral("隶书"), 16, true));
        place(ok, 600, 5040, 1695, 615);
        auto* check = new QPushButton(QStringLiteral("输入检查"), this);
        check->setFont(platform::font(QStringLiteral("隶书"), 16, true));
        place(check, 2640, 5040, 1695, 615);
        surface = new platform::TextSurface(this);
        platform::setBackground(surface, QColor(255, 255, 224));
        place(surface, 600, 2400, 7800, 2400);
        applyBackground();
        setDefaultButton(ok);
        surface->printLine(kHeading);
        surface->printLine({{12, QStringLiteral(" 1 ")}, {24, QStringLiteral("67.500")}});
        surface->printLine({{10, QStringLiteral("杆序号")}, {20, QStringLiteral("左端杆端弯矩")}, {34, QStringLiteral("右端杆端弯矩")}});
        surface->printText(QStringLiteral("element          N          Q          M\r\n   1           n1=5"));
    }
    platform::TextSurface* surface;
};

class TestOutput final : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        platform::installFontSubstitutions();
        platform::setProgramName(QStringLiteral("beamwizard"));
    }

    void chineseFontNamesResolveToInstalledFamilies_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("family");
        QTest::newRow("宋体") << "宋体" << "AR PL UMing CN";
        QTest::newRow("新宋体") << "新宋体" << "AR PL UMing CN";
        QTest::newRow("华文中宋") << "华文中宋" << "AR PL UMing CN";
        QTest::newRow("黑体") << "黑体" << "WenQuanYi Zen Hei";
        QTest::newRow("幼圆") << "幼圆" << "WenQuanYi Zen Hei";
        QTest::newRow("隶书") << "隶书" << "AR PL UKai CN";
        QTest::newRow("楷体_GB2312") << "楷体_GB2312" << "AR PL UKai CN";
        QTest::newRow("Times New Roman") << "Times New Roman" << "Liberation Serif";
    }
    void chineseFontNamesResolveToInstalledFamilies()
    {
        QFETCH(QString, name);
        QFETCH(QString, family);
        const QFont f = platform::font(name, 14.25, true);
        QCOMPARE(f.pointSizeF(), 14.25);
        QVERIFY(f.bold());
        QCOMPARE(QFontInfo(f).family(), family);
    }

    void columnsPlaceTextAndOverflowToTheNextLine()
    {
        platform::TextLayout layout(platform::font(QStringLiteral("宋体"), 9));
        const double column = layout.columnWidth();
        QVERIFY(column > 0);
        // A Chinese character takes about two columns.
        const double han = QFontMetricsF(layout.font()).horizontalAdvance(QStringLiteral("结"));
        QVERIFY2(han > 1.5 * column && han < 2.6 * column, qPrintable(QStringLiteral("%1 %2").arg(han).arg(column)));

        layout.printLine(kHeading);
        QCOMPARE(layout.lineCount(), 1);
        QCOMPARE(layout.runs().size(), 2);
        QCOMPARE(layout.runs().at(0).x, 9 * column);
        QCOMPARE(layout.runs().at(1).x, 19 * column);
        QCOMPARE(layout.runs().at(1).line, 0);

        // Past the column already: the item goes to that column of the next line.
        layout.printLine({{1, QStringLiteral("0123456789")}, {5, QStringLiteral("x")}});
        QCOMPARE(layout.lineCount(), 3);
        QCOMPARE(layout.runs().last().line, 2);
        QCOMPARE(layout.runs().last().x, 4 * column);

        layout.printText(QStringLiteral("a\r\nb\nc\r\n"));
        QCOMPARE(layout.lineCount(), 6);
        QCOMPARE(layout.runs().last().text, QStringLiteral("c"));
        QCOMPARE(layout.runs().last().x, 0.0);
        layout.clear();
        QCOMPARE(layout.lineCount(), 0);
        QVERIFY(layout.runs().isEmpty());

        QCOMPARE(platform::TextLayout::plainLines({{12, QStringLiteral(" 1 ")}, {24, QStringLiteral("67.500")}}),
                 QStringList{QStringLiteral("            1          67.500")});
        QCOMPARE(platform::TextLayout::plainLines({{1, QStringLiteral("abcdef")}, {3, QStringLiteral("x")}}),
                 (QStringList{QStringLiteral("abcdef"), QStringLiteral("  x")}));
    }

    void surfaceDrawsKeepsAndClears()
    {
        platform::TextSurface surface;
        surface.resize(400, 200);
        const QColor paper(255, 255, 255);
        platform::setBackground(&surface, paper);
        QCOMPARE(inkPixels(surface.grab().toImage(), paper), 0);

        surface.printLine(kHeading);
        surface.printText(QStringLiteral("element N\r\n   1 n1=5\r\n"));
        QCOMPARE(surface.lines(), (QStringList{QStringLiteral("         结点序号      结点转角位移"),
                                               QStringLiteral("element N"), QStringLiteral("   1 n1=5")}));
        const QImage drawn = surface.grab().toImage();
        QVERIFY(inkPixels(drawn, paper) > 100);
        // Nothing left of column 10 on the first line.
        const int firstColumn = int(9 * surface.layout().columnWidth()) - 1;
        QCOMPARE(inkPixels(drawn.copy(0, 0, firstColumn, int(surface.layout().lineHeight())), paper), 0);

        // Drawn again the same (kept, not lost on repaint).
        QCOMPARE(surface.grab().toImage(), drawn);
        surface.setFont(platform::font(QStringLiteral("Times New Roman"), 12));
        QCOMPARE(surface.lines().size(), 3);

        surface.clear();
        QVERIFY(surface.lines().isEmpty());
        QCOMPARE(inkPixels(surface.grab().toImage(), paper), 0);
        surface.printText(QStringLiteral("again"));
        QCOMPARE(surface.layout().runs().first().line, 0); // back at the top left
    }

    void capturePrinterRecordsJobs()
    {
        platform::CapturePrinter paper;
        platform::ScopedPrinter use(paper);
        QCOMPARE(&platform::printer(), static_cast<platform::Printer*>(&paper));
        platform::printer().endJob(); // nothing open: nothing happens
        QVERIFY(paper.jobs().isEmpty());

        platform::printer().printLine(kHeading);
        platform::printer().printLine({{12, QStringLiteral(" 1 ")}, {24, QStringLiteral("67.500")}});
        QVERIFY(paper.jobOpen());
        QCOMPARE(paper.openJob().size(), 2);
        platform::printer().endJob();
        QVERIFY(!paper.jobOpen());
        platform::printer().printText(QStringLiteral("element N\r\n   1 n1=5\r\n"));
        platform::printer().printText(QStringLiteral("next\r\n"));

        QCOMPARE(paper.jobs().size(), 1);
        QCOMPARE(paper.jobs().first(), (QStringList{QStringLiteral("         结点序号      结点转角位移"),
                                                    QStringLiteral("            1          67.500")}));
        QCOMPARE(paper.openJob(), (QStringList{QStringLiteral("element N"), QStringLiteral("   1 n1=5"), QStringLiteral("next")}));
        QCOMPARE(paper.allLines().size(), 5);
        QCOMPARE(paper.statements().size(), 2);
        QCOMPARE(paper.statements().first().at(1).column, 20);
    }

    void withoutPrinterThePrintoutGoesToAPdfFile()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("printout.pdf"));
        platform::ScriptedDialogs script;
        platform::ScopedDialogs use(script);
        script.queueAnswer(true);

        platform::QtPrinter printer;
        printer.setUseDefaultPrinter(false);
        printer.setPdfPathProvider([&] { return path; });
        printer.printLine(kHeading);
        printer.printLine({{12, QStringLiteral(" 1 ")}, {24, QStringLiteral("67.500")}});
        QVERIFY(printer.jobOpen());
        printer.printText(QStringLiteral("element          N\r\n   1           n1=5\r\n"));
        QCOMPARE(script.questions().size(), 1); // asked once per job
        printer.endJob();
        QVERIFY(!printer.jobOpen());

        QVERIFY(QFileInfo(path).size() > 0);
        QCOMPARE(script.messages().size(), 1);
        QVERIFY(script.messages().first().contains(path));

        QProcess toText;
        toText.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
        if (!toText.waitForFinished(20000) || toText.exitCode() != 0)
            QSKIP("pdftotext not usable here");
        const QString text = QString::fromUtf8(toText.readAllStandardOutput());
        QVERIFY2(text.contains(QStringLiteral("结点序号")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("67.500")));
        QVERIFY(text.contains(QStringLiteral("n1=5")));
    }

    void longPrintoutsBreakIntoPages()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("long.pdf"));
        platform::ScriptedDialogs script;
        platform::ScopedDialogs use(script);
        script.queueAnswer(true);
        platform::QtPrinter printer;
        printer.setUseDefaultPrinter(false);
        printer.setPdfPathProvider([&] { return path; });
        for (int i = 1; i <= 150; ++i)
            printer.printLine({{1, QStringLiteral("line %1").arg(i)}});
        printer.endJob();
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {path});
        if (!info.waitForFinished(20000) || info.exitCode() != 0)
            QSKIP("pdfinfo not usable here");
        const QString out = QString::fromUtf8(info.readAllStandardOutput());
        QVERIFY2(!out.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(out));
    }

    void declinedPdfDropsTheJobQuietly()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("never.pdf"));
        platform::ScriptedDialogs script;
        platform::ScopedDialogs use(script);
        script.queueAnswer(false);
        platform::QtPrinter printer;
        printer.setUseDefaultPrinter(false);
        printer.setPdfPathProvider([&] { return path; });
        printer.printText(QStringLiteral("x"));
        printer.printText(QStringLiteral("y"));
        printer.endJob();
        QVERIFY(!QFileInfo::exists(path));
        QCOMPARE(script.questions().size(), 1);
        QVERIFY(script.messages().isEmpty());

        // An unwritable path is reported, not lost silently.
        script.queueAnswer(true);
        printer.setPdfPathProvider([&] { return dir.filePath(QStringLiteral("no/such/folder/x.pdf")); });
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        printer.printText(QStringLiteral("z"));
        printer.endJob();
        QCOMPARE(script.messages().size(), 1);
        QVERIFY(script.messages().first().startsWith(QStringLiteral("无法写入PDF文件")));
    }

    void suggestedPdfPathIsInTheHomeFolder()
    {
        const QString path = platform::QtPrinter::suggestedPdfPath();
        QCOMPARE(QFileInfo(path).absolutePath(), QDir::homePath());
        QVERIFY(path.endsWith(QStringLiteral(".pdf")));
        QVERIFY(QFileInfo(path).fileName().startsWith(QStringLiteral("beamwizard-")));
    }

    void demoScreenPicture()
    {
        DemoScreen screen;
        const QString path = QStringLiteral(PLATFORM_PICTURE_DIR "/platform_demo.png");
        QFile::remove(path);
        QVERIFY(platform::saveScreenshot(&screen, path));
        const QImage picture(path);
        QCOMPARE(picture.size(), screen.size() * screen.devicePixelRatio());
        QVERIFY(inkPixels(picture, platform::screenBackground()) > 1000);
        QVERIFY(!platform::saveScreenshot(nullptr, path));
    }

    // Last: the default end of the program tells the event loop to quit.
    void endProgramFinishesAnOpenPrintJob()
    {
        platform::CapturePrinter paper;
        platform::ScopedPrinter use(paper);
        int ended = 0;
        platform::setEndProgramHandler([&] { ++ended; });
        platform::endProgram();
        QCOMPARE(ended, 1);
        platform::setEndProgramHandler({});

        platform::printer().printText(QStringLiteral("open document"));
        platform::endProgram();
        QCOMPARE(paper.jobs().size(), 1);
        QVERIFY(!paper.jobOpen());
    }
};

QTEST_MAIN(TestOutput)
#include "test_output.moc"
