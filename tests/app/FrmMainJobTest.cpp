// A job pressed in the real window: what the user can and cannot do while it waits.
#include "FakeCommand.h"
#include "app/FolderDialog.h"
#include "app/FrmMain.h"
#include "app/MessageBoxes.h"
#include "app/WindowEvents.h"

#include <QtTest>
#include <QtWidgets>
#include <fstream>
#include <sstream>

using namespace velmora;

namespace {

// Leaves each step's "-out" file and runs until the test lets it end.
struct HeldTool final : platform::Console
{
    bool released = false;
    int steps = 0;
    std::function<void()> onStart = [] {};
    std::unique_ptr<platform::RunningCommand> start(std::string_view, std::string_view command) override
    {
        std::istringstream words {std::string(command)};
        for (std::string word; words >> word;)
            if (word == "-out" && words >> word)
                std::ofstream(word) << "made";
        ++steps;
        released = false;
        onStart();
        return std::make_unique<velmora::testing::CommandUntil>([this] { return released; });
    }
};

struct Under final : app::MessageBoxes, app::FolderDialog
{
    Under()
    {
        for (const char* name : {"openssl", "openssl.cnf"})
            std::ofstream(appFolder.filePath(name).toStdString()) << name;
        w.show();
        c.txt_URL->setText("www.example.test");
        c.txt_SavePath->setText(saveLocation.path());
    }
    void warning(QWidget*, const QString& text) override { messages.append(text); }
    void information(QWidget*, const QString& text) override { messages.append(text); }
    bool confirm(QWidget*, const QString&) override { return true; }
    std::optional<QString> chooseFolder(QWidget*) override { return std::nullopt; }

    QStringList messages;
    QTemporaryDir appFolder, saveLocation;
    HeldTool tool;
    job::JobServices services {appFolder.path().toStdString(), tool, app::dispatchWindowEvents,
                               std::chrono::milliseconds(1)};
    app::FrmMain w {{*this, *this, [] { return QDate(2026, 12, 6); }, services}};
    const app::FrmMainControls& c = w.controls();

    QList<bool> buttonsEnabled() const
    {
        return {c.cmd_Create->isEnabled(), c.cmd_Sign->isEnabled(), c.cmd_Cancel->isEnabled()};
    }
};

} // namespace

class FrmMainJobTest : public QObject
{
    Q_OBJECT

private slots:
    void whileAJobWaitsOnlyTheKindFolderAndLinkWork()
    {
        Under u;
        QList<bool> during;
        bool closedDuring = true;
        u.tool.onStart = [&] {
            if (u.tool.steps != 1)
                return void(u.tool.released = true);
            QTimer::singleShot(0, [&] {
                during = u.buttonsEnabled();
                QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
                closedDuring = u.w.close(); // as the title bar's close box and Alt+F4 do
                QTest::mouseClick(u.c.opt_Type[1], Qt::LeftButton, {}, QPoint(6, 6));
                u.c.chk_AutoReq->setChecked(true);
                u.tool.released = true;
            });
        };
        QTest::mouseClick(u.c.cmd_Create, Qt::LeftButton);

        QCOMPARE(during, (QList<bool> {false, false, false}));
        QVERIFY(!closedDuring);
        QVERIFY(u.w.isVisible());
        // The kind changed during the first step: the run went on as client and server.
        QCOMPARE(u.tool.steps, 4);
        QCOMPARE(u.messages.size(), 1);
        QVERIFY2(u.messages[0].contains("\n" + u.appFolder.path() + "/UserSign.sh\n"), qPrintable(u.messages[0]));
        QVERIFY(!u.messages[0].contains('\r'));
        QCOMPARE(u.buttonsEnabled(), (QList<bool> {true, true, true}));
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QVERIFY(u.w.close());
    }
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    FrmMainJobTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "FrmMainJobTest.moc"
