// The scripted dialogs and, once, the real Qt boxes driven by key and mouse events.

#include "platform/dialogs.h"
#include "platform/platform.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Waits (polling, so it works whenever the box appears) for the active modal
// widget of type Box and hands it to `act`.
template <class Box>
void whenModalShown(std::function<void(Box*)> act)
{
    auto* poll = new QTimer(qApp);
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
        if (auto* box = qobject_cast<Box*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            act(box);
        }
    });
    poll->start();
}

QPushButton* buttonCaptioned(QWidget* box, const QString& caption)
{
    for (QPushButton* b : box->findChildren<QPushButton*>()) {
        if (b->text() == caption)
            return b;
    }
    return nullptr;
}

} // namespace

class TestDialogs final : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        platform::installFontSubstitutions();
        platform::setProgramName(QStringLiteral("framewizard"));
    }

    void scriptedDialogsRecordAndAnswerInOrder()
    {
        platform::ScriptedDialogs script;
        {
            platform::ScopedDialogs use(script);
            QCOMPARE(&platform::dialogs(), static_cast<platform::Dialogs*>(&script));
            script.queueAnswer(true);
            script.queueAnswer(false);
            script.queueInput(QStringLiteral("3.5"));
            script.queueInput(QString());
            QList<platform::ScriptedDialogs::Kind> seenKinds;
            script.setOnShown([&](const platform::ScriptedDialogs::Shown& box) { seenKinds << box.kind; });

            platform::dialogs().message(QStringLiteral("单元总数不能为0！"));
            QVERIFY(platform::dialogs().question(QStringLiteral("是否创建？")));
            QVERIFY(!platform::dialogs().question(QStringLiteral("再问一次？")));
            QCOMPARE(platform::dialogs().input(QStringLiteral("请输入")), QStringLiteral("3.5"));
            QCOMPARE(platform::dialogs().input(QStringLiteral("取消时")), QString());

            QCOMPARE(script.messages(), QStringList{QStringLiteral("单元总数不能为0！")});
            QCOMPARE(script.questions(), (QStringList{QStringLiteral("是否创建？"), QStringLiteral("再问一次？")}));
            QCOMPARE(script.prompts(), (QStringList{QStringLiteral("请输入"), QStringLiteral("取消时")}));
            QCOMPARE(script.shown().size(), 5);
            QCOMPARE(seenKinds.first(), platform::ScriptedDialogs::Kind::Message);
            QCOMPARE(seenKinds.last(), platform::ScriptedDialogs::Kind::Input);
            QCOMPARE(script.pendingAnswers(), 0);
        }
        // The guard put the real dialogs back.
        QVERIFY(dynamic_cast<platform::QtDialogs*>(&platform::dialogs()));
    }

    void realMessageBoxHasProgramTitleAndOk()
    {
        QString title;
        QString text;
        whenModalShown<QMessageBox>([&](QMessageBox* box) {
            title = box->windowTitle();
            text = box->text();
            QTest::mouseClick(buttonCaptioned(box, QStringLiteral("确定")), Qt::LeftButton);
        });
        platform::QtDialogs().message(QStringLiteral("wrong lettle,输入数字，请重输！"));
        QCOMPARE(title, QStringLiteral("framewizard"));
        QCOMPARE(text, QStringLiteral("wrong lettle,输入数字，请重输！"));
    }

    void realQuestionAnswersYesAndNo()
    {
        whenModalShown<QMessageBox>([](QMessageBox* box) {
            QCOMPARE(box->buttons().size(), 2);
            QTest::mouseClick(buttonCaptioned(box, QStringLiteral("否")), Qt::LeftButton);
        });
        QVERIFY(!platform::QtDialogs().question(QStringLiteral("1.txt文件不在当前工作目录！")));
        whenModalShown<QMessageBox>([](QMessageBox* box) {
            QTest::mouseClick(buttonCaptioned(box, QStringLiteral("是")), Qt::LeftButton);
        });
        QVERIFY(platform::QtDialogs().question(QStringLiteral("1.txt文件不在当前工作目录！")));
    }

    void realInputBoxReturnsTypedTextOrEmptyOnCancel()
    {
        QString prompt;
        QString initial;
        QString title;
        whenModalShown<QInputDialog>([&](QInputDialog* box) {
            title = box->windowTitle();
            prompt = box->labelText();
            auto* field = box->findChild<QLineEdit*>();
            initial = field->text();
            QTest::keyClicks(field, QStringLiteral("2.5"));
            QTest::mouseClick(buttonCaptioned(box, QStringLiteral("确定")), Qt::LeftButton);
        });
        QCOMPARE(platform::QtDialogs().input(QStringLiteral("请输入修改值")), QStringLiteral("2.5"));
        QCOMPARE(title, QStringLiteral("framewizard"));
        QCOMPARE(prompt, QStringLiteral("请输入修改值"));
        QCOMPARE(initial, QString());

        whenModalShown<QInputDialog>([](QInputDialog* box) {
            QTest::keyClicks(box->findChild<QLineEdit*>(), QStringLiteral("9"));
            QTest::mouseClick(buttonCaptioned(box, QStringLiteral("取消")), Qt::LeftButton);
        });
        QCOMPARE(platform::QtDialogs().input(QStringLiteral("请输入修改值")), QString());
    }
};

QTEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
