#include "app/WindowEvents.h"

#include "platform/EventWait.h"

#include <QtTest>
#include <ctime>

using namespace velmora;
using std::chrono::milliseconds;

// A wait of 200 ms lasts that long, not much longer, and sleeps meanwhile: the process spends little CPU time.
static void verifyWaitsWithoutSpinning()
{
    QElapsedTimer clock;
    clock.start();
    const std::clock_t cpuBefore = std::clock();
    app::dispatchWindowEvents(milliseconds {200});
    const double cpuMs = 1000.0 * static_cast<double>(std::clock() - cpuBefore) / CLOCKS_PER_SEC;
    QVERIFY2(clock.elapsed() >= 200 && clock.elapsed() < 700, qPrintable(QString::number(clock.elapsed())));
    QVERIFY2(cpuMs < 50, qPrintable(QString("spent %1 ms of CPU time waiting").arg(cpuMs)));
}

class WindowEventsTest : public QObject
{
    Q_OBJECT

private slots:
    // Zero handles what is pending and returns; a pause handles events as they come.
    void handlesEventsAndSleepsOtherwise()
    {
        bool pending = false;
        QMetaObject::invokeMethod(
            this, [&] { pending = true; }, Qt::QueuedConnection);
        app::dispatchWindowEvents(milliseconds::zero());
        QElapsedTimer clock;
        clock.start();
        qint64 firedAt = -1;
        QTimer::singleShot(50, this, [&] { firedAt = clock.elapsed(); });
        platform::pauseDispatchingEvents(milliseconds {300}, app::dispatchWindowEvents);
        QVERIFY(pending && clock.elapsed() >= 300);
        QVERIFY2(firedAt >= 0 && firedAt < 300, "the timer waited for the end of the pause");
        verifyWaitsWithoutSpinning();
    }

    // Closing the window quits the application while a job may still wait inside its event loop.
    void stillSleepsOnceTheApplicationIsQuitting()
    {
        QTimer::singleShot(0, [] {
            QCoreApplication::quit();
            verifyWaitsWithoutSpinning();
        });
        QCoreApplication::exec();
    }
};

QTEST_GUILESS_MAIN(WindowEventsTest)
#include "WindowEventsTest.moc"
