#include "app/FrmMain.h"

#include "FakeCommand.h"
#include "app/FolderDialog.h"
#include "app/MaskedDateEdit.h"
#include "app/MessageBoxes.h"
#include "app/SavePathText.h"
#include "app/WindowEvents.h"

#include <QtTest>
#include <QtWidgets>

using namespace velmora::app;

namespace {

// Stands in for the tool: leaves each step's file and runs until the test lets it end.
struct HeldTool final : velmora::platform::Console
{
    bool released = false;
    int steps = 0;
    std::function<void()> onStart = [] {};
    std::unique_ptr<velmora::platform::RunningCommand> start(std::string_view, std::string_view command,
                                                             const velmora::platform::EnvironmentValues&) override
    {
        velmora::testing::leaveOutputFile(command);
        ++steps;
        released = false;
        onStart();
        return std::make_unique<velmora::testing::CommandUntil>([this] { return released; });
    }
};

// The window under test, shown, on fakes: message boxes are recorded, and the folder dialog answers `folder`.
struct Under final : MessageBoxes, FolderDialog
{
    explicit Under(QDate today = {2026, 12, 6})
        : w({*this, *this, [today] { return today; }, jobServices})
    {
        for (const char* name : {"openssl", "openssl.cnf"})
            QFile(appFolder.filePath(name)).open(QIODevice::WriteOnly);
        w.show();
        if (!QTest::qWaitForWindowExposed(&w))
            qFatal("the window was not shown");
    }
    void warning(QWidget*, const QString& text) override { warnings.append(text); }
    void information(QWidget*, const QString& text) override { warnings.append(text); } // both: the messages
    bool confirm(QWidget* parent, const QString& text) override
    {
        confirms.append({text, parent});
        return answer;
    }
    std::optional<QString> chooseFolder(QWidget*) override { return folder; }
    QStringList warnings;
    QList<std::pair<QString, QWidget*>> confirms;
    bool answer = false;
    std::optional<QString> folder;
    QTemporaryDir appFolder;
    HeldTool tool;
    velmora::job::JobServices jobServices {appFolder.path().toStdString(), tool, dispatchWindowEvents,
                                           std::chrono::milliseconds(1)};
    FrmMain w;
    // The controls, found by the names the window gives them.
    template <typename T = QWidget>
    T* find(const char* name, int index = -1) const
    {
        for (T* x : w.findChildren<T*>(QLatin1String(name)))
            if (index < 0 || x->property("index").toInt() == index)
                return x;
        qFatal("no control %s", name);
    }
    QComboBox* cmb_MaxLen = find<QComboBox>("cmb_MaxLen");
    MaskedDateEdit* meb_StartDate = find<MaskedDateEdit>("meb_StartDate");
    MaskedDateEdit* meb_EndDate = find<MaskedDateEdit>("meb_EndDate");
    QLineEdit* txt_URL = find<QLineEdit>("txt_URL");
    QLineEdit* txt_SavePath = find<QLineEdit>("txt_SavePath");
    std::array<QRadioButton*, 2> opt_Type {find<QRadioButton>("opt_Type", 0), find<QRadioButton>("opt_Type", 1)};
    QWidget* fae_Main = find("fae_Main");
    QPlainTextEdit* txt_SrvReq = find<QPlainTextEdit>("txt_SrvReq");
    QCheckBox* chk_AutoReq = find<QCheckBox>("chk_AutoReq");
    QPushButton* cmd_Create = find<QPushButton>("cmd_Create");
    QPushButton* cmd_Sign = find<QPushButton>("cmd_Sign");
    QPushButton* cmd_Cancel = find<QPushButton>("cmd_Cancel");
    QLabel* lab_Status = find<QLabel>("lab_Status");
};

// Everything a user can see change in the inputs.
QStringList inputs(const Under& c)
{
    QStringList s {c.cmb_MaxLen->currentText(), c.meb_StartDate->maskedText(), c.meb_EndDate->maskedText(),
                   c.txt_URL->text(), c.txt_SavePath->text()};
    return s << QString::number(c.opt_Type[0]->isChecked()       ? 0
                                    : c.opt_Type[1]->isChecked() ? 1
                                                                 : -1)
             << QString::number(c.fae_Main->isEnabled()) << c.txt_SrvReq->toPlainText()
             << QString::number(c.chk_AutoReq->checkState()) << c.lab_Status->text();
}

} // namespace

class FrmMainTest : public QObject
{
    Q_OBJECT

private slots:
    // The window as a user first sees it, against a picture of it: a changed
    // caption, colour, font or place shows as pixels that differ.
    void looksAsItShould()
    {
        Under u;
        const QImage seen = u.w.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QString reference = QStringLiteral(VELMORA_TEST_GOLDEN);
        if (qEnvironmentVariableIsSet("VELMORA_UPDATE_GOLDEN"))
            QVERIFY(seen.save(reference));
        const QImage expected(reference);
        QCOMPARE(seen.size(), expected.size());
        int differing = 0;
        for (int y = 0; y < seen.height(); ++y)
            for (int x = 0; x < seen.width(); ++x) {
                const QColor a = seen.pixelColor(x, y), b = expected.pixelColor(x, y);
                differing
                    += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue())
                    > 48;
            }
        if (differing > 60)
            seen.save(QDir::current().filePath("frmMain-seen.png"));
        QVERIFY2(differing <= 60, qPrintable(QString::number(differing) + " pixels differ; see frmMain-seen.png"));
        QVERIFY(u.cmb_MaxLen->isEditable()); // looks the same when it is not
        QCOMPARE(u.w.maximumSize(), u.w.minimumSize());
        // Tab goes from the first entry through every input and button once, in reading order.
        QWidgetList stops {u.cmb_MaxLen};
        for (QWidget* x = stops[0]->nextInFocusChain(); x != stops[0]; x = x->nextInFocusChain())
            if ((x->parentWidget() == &u.w || x->parentWidget() == u.fae_Main) && (x->focusPolicy() & Qt::TabFocus))
                stops.append(x);
        QCOMPARE(stops.size(), 12);
        for (qsizetype i = 1; i < stops.size(); ++i) {
            const QPoint a = stops[i - 1]->mapTo(&u.w, QPoint()), b = stops[i]->mapTo(&u.w, QPoint());
            QVERIFY2(a.y() < b.y() || (a.y() == b.y() && a.x() < b.x()), qPrintable(stops[i]->objectName()));
        }
    }

    void load()
    {
        // today, end date; 2028/06/01 is 366 days after 2027/06/01, so adding 365 days would fall a day short.
        for (const char* row : {"2026/12/06 2027/12/06", "2028/02/29 2029/02/28", "2027/06/01 2028/06/01"}) {
            const QStringList dates = QString(row).split(' ');
            Under u(QDate::fromString(dates[0], "yyyy/MM/dd"));
            QCOMPARE(inputs(u), QStringList({"2048", dates[0], dates[1], "", "", "0", "0", "", "0", ""}));
            QCOMPARE(u.w.screen()->geometry(), QRect(1920, 100, 1280, 1024)); // see main()
            QCOMPARE(u.w.pos(), QPoint(1920 + (1280 - 376) / 2, 100 + (1024 - 350) / 2));
        }
    }

    void kindSwitchKeepsRequest()
    {
        Under u;
        u.txt_SrvReq->setPlainText("request");
        u.chk_AutoReq->setChecked(true);
        for (int index : {1, 1, 0, 0, 1}) {
            QTest::mouseClick(u.opt_Type[index], Qt::LeftButton, {}, QPoint(6, 6));
            QCOMPARE(inputs(u).mid(5).join(' '), QString("%1 %1 request 2 ").arg(index)); // kind, frame on, kept
        }
    }

    void folderPicker()
    {
        // The dialog's answer ("" when cancelled), and the box afterwards; before each pick the user types into it.
        const char* picks[][2] = {{"", "by hand"}, {"/home/u/certs/", "/home/u/certs"}, {"/srv", "/srv"}, {"", "/srv"}};
        Under u;
        for (const auto& [pick, expected] : picks) {
            u.folder = *pick ? std::optional<QString>(pick) : std::nullopt;
            u.txt_SavePath->setText("by hand");
            QTest::mouseDClick(u.txt_SavePath, Qt::LeftButton);
            QCOMPARE(u.txt_SavePath->text(), expected);
        }
        // What the picker writes for a folder, with each system's separator.
        const char* texts[][3]
            = {{"/", "/", "/"}, {"C:/a/b/", "\\", "C:\\a\\b"}, {"D:/", "\\", "D:"}, {"//s/x", "\\", "\\\\s\\x"}};
        for (const auto& [folder, separator, expected] : texts)
            QCOMPARE(savePathTextForFolder(folder, QChar::fromLatin1(*separator)), expected);
    }

    void closeConfirmation()
    {
        for (const bool yes : {false, true}) {
            Under u;
            u.answer = yes;
            u.txt_URL->setText("site.test");
            u.opt_Type[1]->click();
            const QStringList before = inputs(u);
            QTest::mouseClick(u.cmd_Cancel, Qt::LeftButton);
            QCOMPARE(u.confirms, (QList<std::pair<QString, QWidget*>> {{"您確定要關閉嗎?", &u.w}}));
            QCOMPARE(u.w.isVisible(), !yes);
            QCOMPARE(inputs(u), before);
        }
    }

    void dateEntry()
    {
        // A half-typed date is taken; a text that does not fit the mask is refused and changes nothing.
        MaskedDateEdit edit;
        QVERIFY(!edit.setMaskedText("2026-12-05") && edit.maskedText() == "____/__/__");
        QVERIFY(edit.setMaskedText("2026/1_/__") && !edit.setMaskedText("2026/12/5"));
        QCOMPARE(edit.maskedText(), "2026/1_/__");
        // An empty entry starts typing at its first place however it got the focus.
        Under u;
        u.w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&u.w));
        MaskedDateEdit* e = u.meb_StartDate;
        const char* rows[][3] = {{"tab", "20x261205999", "2026/12/05"},
                                 {"click", "20261", "2026/1_/__"},
                                 {"clickEnd", "2026", "2026/__/__"},
                                 {"setFocus", "20261", "2026/1_/__"}};
        for (const auto& [focusBy, keys, readBack] : rows) {
            QVERIFY(e->setMaskedText("____/__/__"));
            u.cmb_MaxLen->setFocus();
            const QByteArray how(focusBy);
            if (how == "tab")
                QTest::keyClick(&u.w, Qt::Key_Tab);
            else if (how == "setFocus") // as the window's checks do
                e->setFocus();
            else
                QTest::mouseClick(e, Qt::LeftButton, {}, {how == "click" ? 2 : e->width() - 2, e->height() / 2});
            QTRY_VERIFY(e->hasFocus());
            QTest::keyClicks(e, keys);
            QCOMPARE(QStringList({focusBy, keys, e->maskedText()}), QStringList({focusBy, keys, readBack}));
        }
    }

    void signingFinishedTidiesTheBoxesThroughTheWindow()
    {
        QTemporaryDir saveLocation;
        Under u;
        u.txt_URL->setText("  HTTPS://Www.Example.Test  ");
        u.txt_SavePath->setText(saveLocation.path() + u'/');
        QTest::mouseClick(u.cmd_Sign, Qt::LeftButton);
        QCOMPARE(u.warnings, QStringList {"找不到 server.crt, 請先執行 UserSign.sh 後再按『已完成簽章』!"});
        QCOMPARE(inputs(u).mid(3, 2), QStringList({"HTTPS://Www.Example.Test", saveLocation.path()}));
        QVERIFY(QDir(saveLocation.filePath("www.example.test")).exists());
    }
    void whileAJobWaitsOnlyTheKindFolderAndLinkWork()
    {
        Under u;
        QTemporaryDir saveLocation;
        u.txt_URL->setText("www.example.test");
        u.txt_SavePath->setText(saveLocation.path());
        const auto buttonsEnabled = [&u] {
            return QList<bool> {u.cmd_Create->isEnabled(), u.cmd_Sign->isEnabled(), u.cmd_Cancel->isEnabled()};
        };
        QList<bool> during;
        bool closedDuring = true, waitCursorDuring = false;
        u.tool.onStart = [&] {
            if (u.tool.steps != 1)
                return void(u.tool.released = true);
            QTimer::singleShot(0, [&] {
                during = buttonsEnabled();
                waitCursorDuring
                    = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
                closedDuring = u.w.close(); // as the title bar's close box and Alt+F4 do
                QTest::mouseClick(u.opt_Type[1], Qt::LeftButton, {}, QPoint(6, 6));
                u.chk_AutoReq->setChecked(true);
                u.tool.released = true;
            });
        };
        QTest::mouseClick(u.cmd_Create, Qt::LeftButton);

        QCOMPARE(during, (QList<bool> {false, false, false}));
        QVERIFY(waitCursorDuring);
        QVERIFY(!closedDuring);
        QVERIFY(u.w.isVisible());
        // The kind changed during the first step: the run went on as client and server.
        QCOMPARE(u.tool.steps, 4);
        QCOMPARE(u.warnings.size(), 1);
        QVERIFY2(u.warnings[0].contains("\n" + u.appFolder.path() + "/UserSign.sh\n"), qPrintable(u.warnings[0]));
        QVERIFY(!u.warnings[0].contains('\r'));
        QCOMPARE(buttonsEnabled(), (QList<bool> {true, true, true}));
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QVERIFY(u.w.close());
    }
};

// The one offscreen screen lies away from the origin, as a second monitor would, so centring must use its place.
int main(int argc, char* argv[])
{
    QTemporaryDir dir;
    QFile config(dir.filePath("screens.json"));
    if (config.open(QIODevice::WriteOnly))
        config.write(R"({"screens": [{"name": "second", "x": 1920, "y": 100, "width": 1280, "height": 1024}]})");
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    QApplication app(argc, argv);
    FrmMainTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "FrmMainTest.moc"
