#pragma once
// Modal message, question and input boxes behind a replaceable interface.
//
// Screens call platform::dialogs().message(...) etc. The real boxes carry the
// program name (platform::programName()) as title. Tests install a ScriptedDialogs:
//
//   platform::ScriptedDialogs script;
//   platform::ScopedDialogs use(script);     // restores the previous one on exit
//   script.queueAnswer(true);                // next question() answers Yes
//   ... drive the screen ...
//   QCOMPARE(script.messages(), QStringList{QStringLiteral("...")});

#include <QList>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>

namespace platform {

class Dialogs
{
public:
    virtual ~Dialogs() = default;
    // One text and an OK button; returns when it is closed.
    virtual void message(const QString& text) = 0;
    // One text with Yes and No; true for Yes.
    virtual bool question(const QString& text) = 0;
    // A prompt, an empty answer field, OK and Cancel; the typed text, or empty
    // text on Cancel.
    virtual QString input(const QString& prompt) = 0;
};

// The current dialogs (the real Qt boxes unless replaced).
Dialogs& dialogs();
// Replaces the current dialogs (not owned; nullptr restores the real ones) and
// returns the previous one.
Dialogs* setDialogs(Dialogs* dialogs);

// Restores the previous dialogs when it goes out of scope.
class ScopedDialogs final
{
public:
    explicit ScopedDialogs(Dialogs& replacement) : m_previous(setDialogs(&replacement)) {}
    ~ScopedDialogs() { setDialogs(m_previous); }
    ScopedDialogs(const ScopedDialogs&) = delete;
    ScopedDialogs& operator=(const ScopedDialogs&) = delete;

private:
    Dialogs* m_previous;
};

// QMessageBox / QInputDialog, application-modal, buttons captioned in Chinese.
class QtDialogs final : public Dialogs
{
public:
    void message(const QString& text) override;
    bool question(const QString& text) override;
    QString input(const QString& prompt) override;
};

// Scripted answers for tests. Every box shown is recorded in order. A question
// or input box without a queued answer is a test fault: it aborts the test run
// with a message naming the box (qFatal) instead of blocking.
class ScriptedDialogs final : public Dialogs
{
public:
    enum class Kind { Message, Question, Input };
    struct Shown
    {
        Kind kind;
        QString text;
    };

    void queueAnswer(bool yes);          // for the next question()
    void queueInput(const QString& text); // for the next input(); "" = Cancel

    // Called at the moment a box is shown (before it returns), e.g. to look at a
    // field's text while the message is up.
    void setOnShown(std::function<void(const Shown&)> callback);

    const QList<Shown>& shown() const { return m_shown; }
    QStringList messages() const;  // texts of message() boxes only
    QStringList questions() const; // texts of question() boxes only
    QStringList prompts() const;   // prompts of input() boxes only
    int pendingAnswers() const { return int(m_answers.size() + m_inputs.size()); }
    void clear(); // forgets shown boxes and queued answers

    void message(const QString& text) override;
    bool question(const QString& text) override;
    QString input(const QString& prompt) override;

private:
    QStringList textsOf(Kind kind) const;
    void record(Kind kind, const QString& text);

    QList<Shown> m_shown;
    std::deque<bool> m_answers;
    std::deque<QString> m_inputs;
    std::function<void(const Shown&)> m_onShown;
};

} // namespace platform
