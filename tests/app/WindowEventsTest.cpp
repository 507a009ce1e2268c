#include "app/WindowEvents.h"

#include "platform/EventWait.h"

#include <QtTest>
#include <ctime>

using namespace velmora;
using std::chrono::milliseconds;

namespace {

// CPU time of this thread, in milliseconds.
double threadCpuMs()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

} // namespace

class WindowEventsTest : public QObject
{
    Q_OBJECT

    // A wait of 200 ms lasts that long, not much longer, and sleeps meanwhile.
    static void verifyWaitsWithoutSpinning()
    {
        QElapsedTimer clock;
        clock.start();
        const double cpuBefore = threadCpuMs();
        app::dispatchWindowEvents(milliseconds {200});
        const double cpuMs = threadCpuMs() - cpuBefore;
        QVERIFY2(clock.elapsed() >= 200, "returned before its time");
        QVERIFY2(clock.elapsed() < 700, "overshot its time");
        QVERIFY2(cpuMs < 50, qPrintable(QString("spent %1 ms of CPU time waiting").arg(cpuMs)));
    }

private slots:
    void zeroHandlesWhatIsPendingAndReturns()
    {
        bool handled = false;
        QMetaObject::invokeMethod(
            this, [&] { handled = true; }, Qt::QueuedConnection);
        app::dispatchWindowEvents(milliseconds::zero());
        QVERIFY(handled);
    }

    void aWaitHandlesEventsAsTheyComeAndSleepsOtherwise()
    {
        QElapsedTimer clock;
        clock.start();
        qint64 firedAt = -1;
        QObject context;
        QTimer::singleShot(50, &context, [&] { firedAt = clock.elapsed(); });
        platform::pauseDispatchingEvents(milliseconds {300}, app::dispatchWindowEvents);
        QVERIFY(clock.elapsed() >= 300);
        QVERIFY2(firedAt >= 0 && firedAt < 300, "the timer waited for the end of the pause");
        verifyWaitsWithoutSpinning();
    }

    // Closing the window quits the application while a job may still wait
    // inside the application's event loop.
    void aWaitStillSleepsOnceTheApplicationIsQuitting()
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
