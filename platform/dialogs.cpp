#include "platform/dialogs.h"

#include "platform/platform.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace platform {

namespace {

QtDialogs& realDialogs()
{
    static QtDialogs real;
    return real;
}

Dialogs*& current()
{
    static Dialogs* dialogs = nullptr;
    return dialogs;
}

QWidget* boxParent()
{
    return QApplication::activeWindow();
}

} // namespace

Dialogs& dialogs()
{
    return current() ? *current() : realDialogs();
}

Dialogs* setDialogs(Dialogs* replacement)
{
    Dialogs* previous = current();
    current() = replacement;
    return previous;
}

void QtDialogs::message(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, programName(), text, QMessageBox::Ok, boxParent());
    box.setWindowModality(Qt::ApplicationModal);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    box.exec();
}

bool QtDialogs::question(const QString& text)
{
    QMessageBox box(QMessageBox::Question, programName(), text, QMessageBox::Yes | QMessageBox::No,
                    boxParent());
    box.setWindowModality(Qt::ApplicationModal);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("是"));
    box.button(QMessageBox::No)->setText(QStringLiteral("否"));
    box.setDefaultButton(QMessageBox::Yes);
    box.exec();
    return box.clickedButton() == box.button(QMessageBox::Yes);
}

QString QtDialogs::input(const QString& prompt)
{
    QInputDialog box(boxParent());
    box.setWindowTitle(programName());
    box.setWindowModality(Qt::ApplicationModal);
    box.setInputMode(QInputDialog::TextInput);
    box.setLabelText(prompt);
    box.setTextValue(QString());
    box.setOkButtonText(QStringLiteral("确定"));
    box.setCancelButtonText(QStringLiteral("取消"));
    if (box.exec() != QDialog::Accepted)
        return QString();
    return box.textValue();
}

void ScriptedDialogs::queueAnswer(bool yes)
{
    m_answers.push_back(yes);
}

void ScriptedDialogs::queueInput(const QString& text)
{
    m_inputs.push_back(text);
}

void ScriptedDialogs::setOnShown(std::function<void(const Shown&)> callback)
{
    m_onShown = std::move(callback);
}

QStringList ScriptedDialogs::textsOf(Kind kind) const
{
    QStringList texts;
    for (const Shown& box : m_shown) {
        if (box.kind == kind)
            texts << box.text;
    }
    return texts;
}

QStringList ScriptedDialogs::messages() const
{
    return textsOf(Kind::Message);
}

QStringList ScriptedDialogs::questions() const
{
    return textsOf(Kind::Question);
}

QStringList ScriptedDialogs::prompts() const
{
    return textsOf(Kind::Input);
}

void ScriptedDialogs::clear()
{
    m_shown.clear();
    m_answers.clear();
    m_inputs.clear();
}

void ScriptedDialogs::record(Kind kind, const QString& text)
{
    m_shown.append({kind, text});
    if (m_onShown)
        m_onShown(m_shown.back());
}

void ScriptedDialogs::message(const QString& text)
{
    record(Kind::Message, text);
}

bool ScriptedDialogs::question(const QString& text)
{
    if (m_answers.empty())
        qFatal("ScriptedDialogs: question without a queued answer: %s", qUtf8Printable(text));
    const bool yes = m_answers.front();
    m_answers.pop_front();
    record(Kind::Question, text);
    return yes;
}

QString ScriptedDialogs::input(const QString& prompt)
{
    if (m_inputs.empty())
        qFatal("ScriptedDialogs: input box without a queued answer: %s", qUtf8Printable(prompt));
    const QString text = m_inputs.front();
    m_inputs.pop_front();
    record(Kind::Input, prompt);
    return text;
}

} // namespace platform
