// The program as it starts: the splash window handing over to the exercise
// window, and the splash closed before that.

#include <QtTest>

#include "windows/program.h"

class StartUpTest : public QObject {
    Q_OBJECT
private slots:
    void splashHandsOverNoEarlierThanSixSeconds();
    void closingTheSplashEndsTheProgram();
};

void StartUpTest::splashHandsOverNoEarlierThanSixSeconds()
{
    Program program;
    // Started after the splash's load, so it can only read short.
    QElapsedTimer sinceLoad;
    sinceLoad.start();
    QPointer<Iniziale> splash(program.splash());
    qint64 handedOverAt = -1;
    program.onExerciseLoaded = [&](engine::FormB &) {
        handedOverAt = sinceLoad.elapsed();
        // The splash goes, the program stays: only this ends the loop.
        QTimer::singleShot(300, [] { QCoreApplication::exit(2); });
    };
    program.start();
    QTimer::singleShot(30000, [] { QCoreApplication::exit(1); });  // a safety net only
    QCOMPARE(QCoreApplication::exec(), 2);
    QVERIFY2(handedOverAt >= 6000, qPrintable(QString::number(handedOverAt)));
    QVERIFY(splash.isNull());
}

void StartUpTest::closingTheSplashEndsTheProgram()
{
    Program program;
    bool exerciseLoaded = false;
    program.onExerciseLoaded = [&](engine::FormB &) { exerciseLoaded = true; };
    program.start();
    QPointer<Iniziale> splash(program.splash());
    QVERIFY(QTest::qWaitForWindowExposed(splash.data()));
    // As the title bar's close button does: through the window system's window.
    QTimer::singleShot(0, [&] { splash->windowHandle()->close(); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!exerciseLoaded);
}

QTEST_MAIN(StartUpTest)
#include "test_start_up.moc"
