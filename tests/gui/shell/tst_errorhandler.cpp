// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestDataFolder.h"
#include "frmData.h"
#include "frmMessage.h"
#include "untDB.h"
#include "untErrorBoundary.h"
#include "untSchema.h"
#include "untVelmarApplication.h"

#include <QTimer>
#include <QtTest>

#include <stdexcept>

namespace {

// An object whose events fail the way a failing query in an event handler does.
class FailingReceiver : public QObject {
public:
    int handled = 0;

protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User)
            throw std::runtime_error("the query failed: no such table: Nothing");
        if (event->type() == QEvent::User + 1) {
            ++handled;
            return true;
        }
        return QObject::event(event);
    }
};

} // namespace

class TestErrorHandler : public QObject {
    Q_OBJECT

private slots:
    void init() {
        SetErrorBox(&FBox);
        FBox.SetMessage({});
    }
    void cleanup() { SetErrorBox(nullptr); }

    void errorTextGoesToTheMessageBox();
    void programGoesOnAfterTheError();
    void errorInATimerInTheEventLoop();
    void failingQueryReachesTheHandler();
    void withoutTheBoxTheErrorIsLogged();

private:
    TfmMessage FBox;
};

void TestErrorHandler::errorTextGoesToTheMessageBox() {
    FailingReceiver receiver;
    TfmMessage::SetNextAnswerForTest(TfmMessage::ResultOK);
    QEvent failing(QEvent::User);
    QVERIFY(!QCoreApplication::sendEvent(&receiver, &failing));
    QCOMPARE(FBox.Title(), QStringLiteral("Velmar Notes"));
    QCOMPARE(FBox.Message(), QStringLiteral("the query failed: no such table: Nothing"));
    QVERIFY(!FBox.ShowCancel());
}

void TestErrorHandler::programGoesOnAfterTheError() {
    FailingReceiver receiver;
    TfmMessage::SetNextAnswerForTest(TfmMessage::ResultOK);
    QCoreApplication::postEvent(&receiver, new QEvent(QEvent::User));
    QCoreApplication::postEvent(&receiver, new QEvent(QEvent::Type(QEvent::User + 1)));
    QCoreApplication::sendPostedEvents(&receiver);
    QCOMPARE(receiver.handled, 1);
    QCOMPARE(FBox.Message(), QStringLiteral("the query failed: no such table: Nothing"));
}

void TestErrorHandler::errorInATimerInTheEventLoop() {
    TfmMessage::SetNextAnswerForTest(TfmMessage::ResultOK);
    QEventLoop loop;
    QTimer::singleShot(0, &loop, [] { throw std::runtime_error("thrown in a timer"); });
    QTimer::singleShot(0, &loop, [&loop] { loop.exit(7); });
    QCOMPARE(loop.exec(), 7); // the loop ran on after the error
    QCOMPARE(FBox.Message(), QStringLiteral("thrown in a timer"));
}

void TestErrorHandler::failingQueryReachesTheHandler() {
    TestDataFolder folder;
    CreateSchema();
    QObject context;
    TfmMessage::SetNextAnswerForTest(TfmMessage::ResultOK);
    QEventLoop loop;
    QTimer::singleShot(0, &context, [] {
        TfmData::Instance().FailNextStatements(1);
        Dataset dataset;
        QueryInto(QStringLiteral("SELECT * FROM Note"), dataset);
    });
    QTimer::singleShot(0, &loop, &QEventLoop::quit);
    loop.exec();
    QVERIFY2(FBox.Message().contains(QStringLiteral("the database refused the statement")),
             qPrintable(FBox.Message()));
}

void TestErrorHandler::withoutTheBoxTheErrorIsLogged() {
    SetErrorBox(nullptr);
    FailingReceiver receiver;
    QTest::ignoreMessage(QtWarningMsg, "the query failed: no such table: Nothing");
    QEvent failing(QEvent::User);
    QVERIFY(!QCoreApplication::sendEvent(&receiver, &failing));
}

int main(int argc, char** argv) {
    TVelmarApplication app(argc, argv);
    TestErrorHandler test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_errorhandler.moc"
