#include "app/WindowEvents.h"

#include "PtyConsole.h"
#include "platform/ShellAndWait.h"

#include <QtTest>

using namespace velmora;
using std::chrono::milliseconds;

class WindowEventsTest : public QObject
{
    Q_OBJECT

private slots:
    // The window's timers and posted events run while the runner waits: here a
    // timer is what lets the command end.
    void runnerDispatchesTheWindowsEvents()
    {
        QTemporaryDir folder;
        const QString release = folder.filePath("release");
        QTimer::singleShot(100, [&] { QFile(release).open(QIODevice::WriteOnly); });
        testing::PtyConsole console;
        const std::string command = "while [ ! -e '" + release.toStdString() + "' ]; do sleep 0.01; done";
        QVERIFY(platform::ShellAndWait("cmd.exe /c", command, console, app::dispatchWindowEvents));
        QVERIFY(QFile::exists(release));
    }

    void zeroHandlesWhatIsPendingAndReturns()
    {
        bool handled = false;
        QMetaObject::invokeMethod(
            this, [&] { handled = true; }, Qt::QueuedConnection);
        QElapsedTimer clock;
        clock.start();
        app::dispatchWindowEvents(milliseconds::zero());
        QVERIFY(handled);
        QVERIFY(clock.elapsed() < 1000);
    }

    void aPauseHandlesEventsAsTheyComeAndLastsItsLength()
    {
        QElapsedTimer clock;
        clock.start();
        qint64 firedAt = -1;
        QTimer::singleShot(50, [&] { firedAt = clock.elapsed(); });
        platform::pauseDispatchingEvents(milliseconds {300}, app::dispatchWindowEvents);
        QVERIFY(clock.elapsed() >= 300);
        QVERIFY(firedAt >= 0);
        QVERIFY2(firedAt < 300, "the timer waited for the end of the pause");
    }
};

QTEST_GUILESS_MAIN(WindowEventsTest)
#include "WindowEventsTest.moc"
