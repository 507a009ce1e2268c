#include "app/FrmMain.h"

#include "FakeTool.h"
#include "app/FolderDialog.h"
#include "app/MaskedDateEdit.h"
#include "app/MessageBoxes.h"
#include "app/WindowEvents.h"

#include <QtTest>
#include <QtWidgets>

using namespace velmora::app;

namespace {

const QDir here = QFileInfo(__FILE__).dir();

// The window under test, shown, on fakes: message boxes are recorded, and the folder dialog answers `folder`.
struct Under final : MessageBoxes, FolderDialog
{
    explicit Under(QDate today = {2026, 12, 6})
        : w({*this, *this, [today] { return today; }, jobServices})
    {
        for (const char* name : {"openssl", "openssl.cnf"})
            QFile(appFolder.filePath(name)).open(QIODevice::WriteOnly);
        w.show();
        w.activateWindow();
        if (!QTest::qWaitForWindowActive(&w))
            qFatal("the window was not shown");
    }
    void warning(QWidget*, const QString& text) override { warnings.append(text); }
    void information(QWidget*, const QString& text) override { warnings.append("(i) " + text); } // both kinds
    bool confirm(QWidget*, const QString& text, DefaultAnswer byDefault) override
    {
        confirms.append(text + (byDefault == DefaultAnswer::Yes ? " [Yes]" : " [No]"));
        return answer;
    }
    std::optional<QString> chooseFolder(QWidget*) override { return folder; }

    // A control by the window's name for it and, in a control array, its index.
    template <typename Control = QWidget>
    Control* get(const char* name, int index = 0) const
    {
        for (Control* control : w.findChildren<Control*>(name))
            if (control->property("index").toInt() == index)
                return control;
        qFatal("no control %s(%d)", name, index);
    }
    QLineEdit* edit(const char* name) const { return get<QLineEdit>(name); }
    void click(const char* name, int index = 0) const
    {
        QTest::mouseClick(get(name, index), Qt::LeftButton, {}, {6, 6});
    }
    // Everything a user can see change in the inputs, and where the focus is.
    QStringList inputs() const
    {
        QStringList s;
        for (const char* name :
             {"cmb_MaxLen", "meb_StartDate", "meb_EndDate", "txt_URL", "txt_SavePath", "txt_SrvReq", "lab_Status"})
            for (const char* property : {"currentText", "plainText", "text"})
                if (get(name)->property(property).isValid())
                    s << get(name)->property(property).toString();
        return s << QString::number(w.findChild<QButtonGroup*>()->checkedId())
                 << QString::number(get("fae_Main")->isEnabled() + 2 * get<QCheckBox>("chk_AutoReq")->isChecked())
                 << w.focusWidget()->objectName();
    }

    QStringList warnings, confirms;
    bool answer = false;
    std::optional<QString> folder;
    QTemporaryDir appFolder;
    velmora::testing::FakeTool tool;
    velmora::job::JobServices jobServices {appFolder.path().toStdString(), tool, dispatchWindowEvents,
                                           std::chrono::milliseconds(1)};
    FrmMain w;
};

// The pixels of a and b, the same size, that differ by more than a little.
int differingPixels(const QImage& a, const QImage& b)
{
    int count = 0;
    for (int i = 0; i < a.width() * a.height(); ++i) {
        const QRgb p = a.pixel(i % a.width(), i / a.width()), q = b.pixel(i % a.width(), i / a.width());
        count += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q)) > 64;
    }
    return count;
}

} // namespace

class FrmMainTest : public QObject
{
    Q_OBJECT

public slots:
    // Where the maker's label sends the system's browser.
    void openUrl(const QUrl& url) { opened = url; }

private:
    QUrl opened;

private slots:
    // Captions, places, fonts and colours at once. VELMORA_REWRITE_PICTURES=1 writes the reference instead.
    void looksAsDrawn()
    {
        Under u;
        u.click("opt_Type", 1);
        u.edit("txt_URL")->setText("www.example.test");
        u.edit("txt_SavePath")->setText("/srv/certs");
        u.get<QPlainTextEdit>("txt_SrvReq")->setPlainText("-----BEGIN CERTIFICATE REQUEST-----");
        u.get<QLabel>("lab_Status")->setText("Status 1/7");
        const QImage shot = u.w.grab().toImage().convertToFormat(QImage::Format_RGB32);
        // One reference a scale: the window at 150 % is drawn anew, not stretched.
        const QString name = shot.devicePixelRatio() == 1 ? "frmMain" : "frmMain-150";
        if (qEnvironmentVariableIntValue("VELMORA_REWRITE_PICTURES"))
            QVERIFY(shot.save(here.filePath(name + ".png")));
        const QImage expected = QImage(here.filePath(name + ".png")).convertToFormat(QImage::Format_RGB32);
        const int differing = shot.size() == expected.size() ? differingPixels(shot, expected) : -1;
        const bool alike = differing >= 0 && differing <= 20;
        // Kept to look at, and to copy over the reference when the change is intended.
        QVERIFY(alike || shot.save(name + ".actual.png"));
        const QString why = QString("%1 pixels differ: see %2.actual.png in ").arg(differing).arg(name);
        QVERIFY2(alike, qPrintable(why + QDir::currentPath()));
        QVERIFY(!u.w.windowIcon().pixmap(32).isNull());
        // What the title bar shows besides: the title, and no maximize button on a window of a fixed size.
        QVERIFY(u.w.windowTitle() == "Velmora" && !(u.w.windowFlags() & Qt::WindowMaximizeButtonHint));
    }

    void load()
    {
        Under u;
        QCOMPARE(u.inputs(), QStringList({"2048", "2026/12/06", "2027/12/06", "", "", "", "", "0", "0", "cmb_MaxLen"}));
        QCOMPARE(u.w.pos(), QPoint(1920 + (1280 - 376) / 2, 100 + (1024 - 350) / 2)); // on the screen of main()
        // What a screen reader calls each input: its label's caption (a combo box on X says its text, and
        // its label through the relation).
        QStringList names;
        for (const char* name :
             {"cmb_MaxLen", "meb_StartDate", "meb_EndDate", "txt_URL", "txt_SavePath", "txt_SrvReq"}) {
            QAccessibleInterface* input = QAccessible::queryAccessibleInterface(u.get(name));
            const auto labels = input->relations(QAccessible::Label);
            names << (labels.isEmpty() ? input : labels.first().first)->text(QAccessible::Name);
        }
        QCOMPARE(names.join(' '), "憑證強度： 開始日期： 到期日期： 使用網址： 存放位置： 伺服器憑證請求檔");
    }

    // The Qt primitives the behaviour drives: a click on an option, a double click that picks (and is not
    // word-selected), the maker's label, and the combo box's typed text; an empty date entry starts typing at its
    // first place however it got the focus.
    void handlers()
    {
        Under u;
        u.get<QPlainTextEdit>("txt_SrvReq")->setPlainText("request");
        u.click("opt_Type", 1);
        QCOMPARE(u.inputs().mid(5, 4).join(' '), QString("request  1 1"));
        // Tab walks the description's order, through the checked option alone; a pasted request holds no tab.
        QStringList walk;
        for (u.get("cmb_MaxLen")->setFocus(); walk.size() < 12; QTest::keyClick(u.w.focusWidget(), Qt::Key_Tab))
            walk << u.w.focusWidget()->objectName();
        QCOMPARE(walk.join(' '),
                 "cmb_MaxLen meb_StartDate meb_EndDate txt_URL txt_SavePath opt_Type txt_SrvReq "
                 "chk_AutoReq cmd_Create cmd_Sign cmd_Cancel cmb_MaxLen");
        u.folder = "/home/u/certs/";
        QTest::mouseDClick(u.edit("txt_SavePath"), Qt::LeftButton);
        QCOMPARE(u.edit("txt_SavePath")->text() + u.edit("txt_SavePath")->selectedText(), "/home/u/certs");
        QDesktopServices::setUrlHandler("https", this, "openUrl");
        QTest::mouseClick(u.get("lab_Quorvane"), Qt::RightButton); // the left button alone clicks
        QVERIFY(opened.isEmpty());
        u.click("lab_Quorvane");
        QDesktopServices::unsetUrlHandler("https");
        QCOMPARE(opened, QUrl("https://www.quorvane.example/"));
        QTest::keyClicks(u.get("cmb_MaxLen"), "\b\b\b\b20x\r"); // a typed length stays out of the list
        QCOMPARE(u.inputs().first() + u.get<QComboBox>("cmb_MaxLen")->itemText(6), "20x");
        auto* e = u.get<MaskedDateEdit>("meb_StartDate");
        QVERIFY(!e->setMaskedText("2026/12/0x"));
        for (const bool byTab : {true, false}) {
            QVERIFY(e->setMaskedText("____/__/__"));
            u.get("cmb_MaxLen")->setFocus();
            if (byTab)
                QTest::keyClick(&u.w, Qt::Key_Tab);
            else
                QTest::mouseClick(e, Qt::LeftButton, {}, {e->width() - 2, 5});
            QTRY_VERIFY(e->hasFocus());
            QTest::keyClicks(e, "x20x261205999"); // a letter in no place, the first included
            QCOMPARE(e->maskedText(), "2026/12/05");
        }
        QTest::mouseClick(e, Qt::LeftButton, {}, {3, 5}); // in a filled date the click places the caret
        QTest::keyClicks(e, "1");
        QCOMPARE(e->maskedText(), "1026/12/05");
        QGuiApplication::clipboard()->setText("x"); // as the context menu pastes: what breaks the mask is refused
        e->paste();
        e->selectAll();
        QTest::keySequence(e, QKeySequence::Cut); // the date to the clipboard, the places emptied
        QCOMPARE(QGuiApplication::clipboard()->text() + e->maskedText(), "1026/12/05____/__/__");
    }

    // The system's question box: Enter takes the answer asked for.
    void questionBox()
    {
        for (const auto forEnter : {DefaultAnswer::Yes, DefaultAnswer::No}) {
            QTimer::singleShot(0, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return); });
            QCOMPARE(QtMessageBoxes().confirm(nullptr, "?", forEnter), forEnter == DefaultAnswer::Yes);
        }
    }

    // What the behaviour asks of Qt during a run: a question with No for Enter, the buttons at rest, the hourglass
    // and a close refused during a step, a message, then the close question with Yes for Enter.
    void primitivesOfARun()
    {
        Under u;
        QTemporaryDir save;
        u.edit("txt_URL")->setText("www.example.test");
        u.edit("txt_SavePath")->setText(save.path());
        u.click("opt_Type", 1);
        u.get<QCheckBox>("chk_AutoReq")->setChecked(true);
        u.get<MaskedDateEdit>("meb_EndDate")->setMaskedText("2029/12/06");
        const auto buttonsAndCursor = [&u] {
            const QCursor* cursor = QApplication::overrideCursor();
            return QList<bool> {u.get("cmd_Create")->isEnabled(), u.get("cmd_Sign")->isEnabled(),
                                u.get("cmd_Cancel")->isEnabled(), cursor && cursor->shape() == Qt::WaitCursor};
        };
        QList<bool> during;
        u.tool.whileRunning = [&] { during = buttonsAndCursor() << u.w.close(); }; // as the close box and Alt+F4
        u.answer = true;
        u.click("cmd_Create");
        QVERIFY(u.confirms.takeFirst().endsWith("\n您確定要繼續嗎? [No]"));
        QCOMPARE(during, (QList<bool> {false, false, false, true, false}));
        QCOMPARE(u.warnings.size(), 1);
        QVERIFY2(u.warnings[0].startsWith("(i) ")
                     && u.warnings[0].contains("\n" + u.appFolder.path() + "/UserSign.sh\n"),
                 qPrintable(u.warnings[0]));
        QCOMPARE(buttonsAndCursor(), (QList<bool> {true, true, true, false}));
        QCOMPARE(u.inputs()[6], "請點選執行:" + u.appFolder.path() + "/UserSign.sh"); // the status line
        for (const bool yes : {false, true}) {
            u.answer = yes;
            u.click("cmd_Cancel");
            QCOMPARE(u.w.isVisible(), !yes);
        }
        QCOMPARE(u.confirms, QStringList({"您確定要關閉嗎? [Yes]", "您確定要關閉嗎? [Yes]"}));
    }
};

int main(int argc, char* argv[])
{
    // The one screen lies away from the origin, as a second monitor would, so centring must use its place.
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + here.filePath("screens.json").toLocal8Bit());
    QApplication app(argc, argv);
    // The picture must depend neither on which fonts fontconfig would pick nor on the cursor's blink.
    QFont::insertSubstitution("Microsoft Sans Serif", "WenQuanYi Micro Hei");
    QApplication::styleHints()->setCursorFlashTime(0);
    FrmMainTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "FrmMainTest.moc"
