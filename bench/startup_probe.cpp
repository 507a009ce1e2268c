// Starts the window as the application does and ends at its first paint,
// printing that moment on the monotonic clock in nanoseconds. With --bare it
// shows instead a bare window of the same size and font that holds every
// caption of the description as a label, the measure the window is held to;
// with --controls that window holds the real window's controls, made as the
// window makes them, with no behaviour: what the controls alone cost.

#include "app/FrmMainLayout.h"
#include "app/SystemServices.h"
#include "window/FrmMainDescription.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <cstdio>
#include <ctime>

namespace {

long long monotonicNanoseconds()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

class FirstPaint final : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            std::printf("%lld\n", monotonicNanoseconds());
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool seen_ = false;
};

void showBareWindow(QWidget& window, bool withControls)
{
    using namespace velmora::window;
    QFont font(QString::fromUtf8(fontFace.data(), static_cast<int>(fontFace.size())));
    font.setPointSizeF(fontPoints);
    window.setFont(font);
    window.setWindowTitle(QStringLiteral("Velmora"));
    window.setFixedSize(clientWidth, clientHeight);
    if (withControls)
        velmora::app::buildFrmMainControls(&window);
    else
        for (const ControlDescription& control : frmMainControls) {
            auto* label = new QLabel(
                QString::fromUtf8(control.caption.data(), static_cast<int>(control.caption.size())), &window);
            label->setGeometry(control.place.left, control.place.top, control.place.width, control.place.height);
        }
    window.show();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    FirstPaint firstPaint;
    const QByteArray option = argc > 1 ? argv[1] : "";
    if (option == "--bare" || option == "--controls") {
        QWidget bare;
        bare.installEventFilter(&firstPaint);
        showBareWindow(bare, option == "--controls");
        return application.exec();
    }
    velmora::app::SystemServices services;
    velmora::app::FrmMain window(services.forWindow());
    window.installEventFilter(&firstPaint);
    window.show();
    return application.exec();
}
