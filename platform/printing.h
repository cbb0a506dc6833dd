#pragma once
// Printing behind a replaceable interface.
//
// A print job collects lines - print statements at character columns, or plain
// text appended to the current document - and endJob() finishes it (sends it to
// the printer). The first line after endJob() starts a new job. A job left open
// is finished when the program ends (endProgram() or application exit).
//
// The real printer prints on the default printer. Without one (QPrinterInfo
// has no default printer) it asks the user once per job whether to save the
// printout as a PDF file instead; on Yes the file goes to the path given by the
// PDF path provider (default: a save dialog opening in the home folder) and the
// user is told the path when the job ends. On No or a cancelled path the job's
// lines are dropped.
//
// Tests install a CapturePrinter:
//   platform::CapturePrinter paper;
//   platform::ScopedPrinter use(paper);
//   ... click "打印结果" ...
//   QCOMPARE(paper.jobs().size(), 1);

#include "platform/textlayout.h"

#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace platform {

class Printer
{
public:
    virtual ~Printer() = default;
    // One print statement: items at character columns, then a line end.
    virtual void printLine(const QList<TextItem>& items) = 0;
    // Text appended to the current document, one printed line per text line.
    virtual void printText(const QString& text) = 0;
    // Finishes the current job; nothing happens without an open job.
    virtual void endJob() = 0;
    virtual bool jobOpen() const = 0;
};

// The current printer (the real one unless replaced).
Printer& printer();
// Replaces the current printer (not owned; nullptr restores the real one) and
// returns the previous one.
Printer* setPrinter(Printer* printer);

class ScopedPrinter final
{
public:
    explicit ScopedPrinter(Printer& replacement) : m_previous(setPrinter(&replacement)) {}
    ~ScopedPrinter() { setPrinter(m_previous); }
    ScopedPrinter(const ScopedPrinter&) = delete;
    ScopedPrinter& operator=(const ScopedPrinter&) = delete;

private:
    Printer* m_previous;
};

// Records the printed lines for tests. A line of columns is flattened as if one
// column were one character: blanks up to the column, or a line break first when
// the text so far already passes it.
class CapturePrinter final : public Printer
{
public:
    void printLine(const QList<TextItem>& items) override;
    void printText(const QString& text) override;
    void endJob() override;
    bool jobOpen() const override { return m_open; }

    // Lines of every finished job, one list per job, in order.
    const QList<QStringList>& jobs() const { return m_jobs; }
    // Lines of the job still open (empty when none is open).
    const QStringList& openJob() const { return m_current; }
    // Every line printed, finished jobs and the open one, in order.
    QStringList allLines() const;
    // The items of every printLine() call, in order (columns as given).
    const QList<QList<TextItem>>& statements() const { return m_statements; }
    void clear();

private:
    QList<QStringList> m_jobs;
    QStringList m_current;
    QList<QList<TextItem>> m_statements;
    bool m_open = false;
};

// Qt Print Support on the default printer, PDF as fallback (see above).
class QtPrinter final : public Printer
{
public:
    QtPrinter();
    ~QtPrinter() override; // finishes an open job quietly

    void printLine(const QList<TextItem>& items) override;
    void printText(const QString& text) override;
    void endJob() override;
    bool jobOpen() const override;
    // Finishes an open job without any message (used when the application exits).
    void endJobQuietly();

    // Where the PDF fallback goes; return "" to cancel. Tests give a fixed path.
    void setPdfPathProvider(std::function<QString()> provider);
    // false: behave as if there were no default printer (tests use it so that
    // they never print on a real printer).
    void setUseDefaultPrinter(bool use);
    // Font of the printout; default "宋体" 10.5 points.
    void setFont(const QFont& font);

    // The path suggested by the default provider: home folder,
    // "<program name>-打印-<date>-<time>.pdf".
    static QString suggestedPdfPath();

private:
    struct Job;
    Job& job(); // the open job, started (and its destination chosen) if none
    void finish(bool tellUser);

    std::unique_ptr<Job> m_job;
    std::function<QString()> m_pdfPath;
    bool m_useDefaultPrinter = true;
    QFont m_font;
};

// The real printer used by default (the one setPrinter(nullptr) restores).
QtPrinter& systemPrinter();

} // namespace platform
