#include "platform/printing.h"

#include "platform/dialogs.h"
#include "platform/platform.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <cmath>

namespace platform {

namespace {

Printer*& current()
{
    static Printer* printer = nullptr;
    return printer;
}

QString askForPdfPath()
{
    QString path = QFileDialog::getSaveFileName(QApplication::activeWindow(), QStringLiteral("保存PDF文件"),
                                                QtPrinter::suggestedPdfPath(),
                                                QStringLiteral("PDF 文件 (*.pdf)"));
    if (!path.isEmpty() && QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) != 0)
        path += QLatin1String(".pdf");
    return path;
}

} // namespace

Printer& printer()
{
    return current() ? *current() : systemPrinter();
}

Printer* setPrinter(Printer* replacement)
{
    Printer* previous = current();
    current() = replacement;
    return previous;
}

QtPrinter& systemPrinter()
{
    static QtPrinter real;
    return real;
}

// ---- CapturePrinter ------------------------------------------------------

void CapturePrinter::printLine(const QList<TextItem>& items)
{
    m_open = true;
    m_statements.append(items);
    m_current << TextLayout::plainLines(items);
}

void CapturePrinter::printText(const QString& text)
{
    m_open = true;
    m_current << TextLayout::splitLines(text);
}

void CapturePrinter::endJob()
{
    if (!m_open)
        return;
    m_jobs.append(m_current);
    m_current.clear();
    m_open = false;
}

QStringList CapturePrinter::allLines() const
{
    QStringList lines;
    for (const QStringList& job : m_jobs)
        lines << job;
    lines << m_current;
    return lines;
}

void CapturePrinter::clear()
{
    m_jobs.clear();
    m_current.clear();
    m_statements.clear();
    m_open = false;
}

// ---- QtPrinter -----------------------------------------------------------

// What a job collects until it is finished; the destination is chosen when the
// job starts, so the user is asked at the moment of printing.
struct QtPrinter::Job
{
    struct Statement
    {
        bool isText = false;
        QList<TextItem> items;
        QString text;
    };
    bool dropped = false; // no destination: the lines go nowhere
    QString pdfPath;      // empty: the default printer
    QList<Statement> statements;
};

QtPrinter::QtPrinter()
    : m_pdfPath(askForPdfPath), m_font(platform::font(QStringLiteral("宋体"), 10.5))
{
}

QtPrinter::~QtPrinter()
{
    // Static destruction may come after the application; only drop the job then.
    if (qApp)
        endJobQuietly();
}

void QtPrinter::setPdfPathProvider(std::function<QString()> provider)
{
    m_pdfPath = provider ? std::move(provider) : std::function<QString()>(askForPdfPath);
}

void QtPrinter::setUseDefaultPrinter(bool use)
{
    m_useDefaultPrinter = use;
}

void QtPrinter::setFont(const QFont& font)
{
    m_font = font;
}

QString QtPrinter::suggestedPdfPath()
{
    const QString name = programName().isEmpty() ? QStringLiteral("打印") : programName();
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    return QDir::home().filePath(QStringLiteral("%1-打印-%2.pdf").arg(name, stamp));
}

bool QtPrinter::jobOpen() const
{
    return m_job != nullptr;
}

QtPrinter::Job& QtPrinter::job()
{
    if (m_job)
        return *m_job;
    m_job = std::make_unique<Job>();
    const bool printerThere = m_useDefaultPrinter && !QPrinterInfo::defaultPrinter().isNull();
    if (!printerThere) {
        if (dialogs().question(QStringLiteral("没有找到默认打印机，无法打印。是否把打印内容保存为PDF文件？"))) {
            m_job->pdfPath = m_pdfPath ? m_pdfPath() : QString();
            m_job->dropped = m_job->pdfPath.isEmpty();
        } else {
            m_job->dropped = true;
        }
    }
    return *m_job;
}

void QtPrinter::printLine(const QList<TextItem>& items)
{
    Job& j = job();
    if (!j.dropped)
        j.statements.append({false, items, QString()});
}

void QtPrinter::printText(const QString& text)
{
    Job& j = job();
    if (!j.dropped)
        j.statements.append({true, {}, text});
}

void QtPrinter::endJob()
{
    finish(true);
}

void QtPrinter::endJobQuietly()
{
    finish(false);
}

void QtPrinter::finish(bool tellUser)
{
    if (!m_job)
        return;
    const std::unique_ptr<Job> done = std::move(m_job);
    if (done->dropped)
        return;

    const bool toPdf = !done->pdfPath.isEmpty();
    std::unique_ptr<QPrinter> device;
    if (toPdf) {
        device = std::make_unique<QPrinter>(QPrinter::HighResolution);
        device->setOutputFormat(QPrinter::PdfFormat);
        device->setOutputFileName(done->pdfPath);
        device->setDocName(programName());
    } else {
        device = std::make_unique<QPrinter>(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
        device->setDocName(programName());
    }
    device->setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);

    QPainter painter;
    if (!painter.begin(device.get())) {
        if (tellUser) {
            dialogs().message(toPdf ? QStringLiteral("无法写入PDF文件：%1").arg(QDir::toNativeSeparators(done->pdfPath))
                                    : QStringLiteral("无法在默认打印机上打印。"));
        }
        return;
    }
    TextLayout layout(m_font, device.get());
    for (const Job::Statement& statement : done->statements) {
        if (statement.isText)
            layout.printText(statement.text);
        else
            layout.printLine(statement.items);
    }
    painter.setFont(layout.font());
    const double pageHeight = device->pageRect(QPrinter::DevicePixel).height();
    const int linesPerPage = qMax(1, int(std::floor(pageHeight / layout.lineHeight())));
    int page = 0;
    for (const TextRun& run : layout.runs()) {
        const int runPage = run.line / linesPerPage;
        while (page < runPage) {
            device->newPage();
            ++page;
        }
        const double baseline = (run.line % linesPerPage) * layout.lineHeight() + layout.ascent();
        painter.drawText(QPointF(run.x, baseline), run.text);
    }
    painter.end();

    if (toPdf && tellUser)
        dialogs().message(QStringLiteral("打印内容已保存为PDF文件：%1").arg(QDir::toNativeSeparators(done->pdfPath)));
}

} // namespace platform
