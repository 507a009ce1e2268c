#include "app/FrmMain.h"

#include "app/AppTitle.h"
#include "app/FolderDialog.h"
#include "app/FrmMainJobWindow.h"
#include "app/MaskedDateEdit.h"
#include "app/MessageBoxes.h"
#include "app/SavePathText.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QUrl>

namespace velmora::app {

namespace {

const QStringList keyLengths {"512", "1024", "2048", "4096", "8192", "16384"};
// 512-bit keys are refused by current TLS servers and browsers.
constexpr int defaultKeyLengthIndex = 2;
const QString dateFormat = QStringLiteral("yyyy/MM/dd");
const QUrl makerPage(QStringLiteral("https://www.quorvane.example/"));

} // namespace

FrmMain::FrmMain(WindowServices services, QWidget* parent)
    : QWidget(parent)
    , services_(std::move(services))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(appTitle());
    setWindowIcon(QIcon(QStringLiteral(":/velmora.xpm")));
    QFont font(QStringLiteral("Microsoft Sans Serif"));
    font.setPointSizeF(8.25);
    setFont(font);
    setFixedSize(376, 350);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);

    controls_ = buildFrmMainControls(this);
    jobWindow_ = std::make_unique<FrmMainJobWindow>(controls_, services_.messageBoxes, this);

    connect(controls_.optTypeGroup, &QButtonGroup::idClicked, this, &FrmMain::switchKind);
    connect(controls_.cmd_Create, &QPushButton::clicked, this, &FrmMain::generate);
    connect(controls_.cmd_Sign, &QPushButton::clicked, this, &FrmMain::signingFinished);
    connect(controls_.cmd_Cancel, &QPushButton::clicked, this, &FrmMain::confirmClose);
    controls_.txt_SavePath->installEventFilter(this);
    controls_.lab_Quorvane->installEventFilter(this);

    load();
}

FrmMain::~FrmMain() = default;

bool FrmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == controls_.txt_SavePath && event->type() == QEvent::MouseButtonDblClick) {
        pickSaveFolder();
        return true; // the picked path is not to be word-selected afterwards
    }
    if (watched == controls_.lab_Quorvane && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        openMakerPage();
    return QWidget::eventFilter(watched, event);
}

void FrmMain::closeEvent(QCloseEvent* event)
{
    if (jobWindow_->isBusy())
        event->ignore();
    else
        QWidget::closeEvent(event);
}

void FrmMain::load()
{
    centreOnScreen();
    fillKeyLengths();
    writeDefaultDates();
    controls_.opt_Type[0]->setChecked(true);
    switchKind(0);
    controls_.cmb_MaxLen->setFocus();
}

void FrmMain::centreOnScreen()
{
    const QRect screenArea = screen()->geometry();
    const QSize outer = frameGeometry().size();
    move(screenArea.x() + (screenArea.width() - outer.width()) / 2,
         screenArea.y() + (screenArea.height() - outer.height()) / 2);
}

void FrmMain::fillKeyLengths()
{
    controls_.cmb_MaxLen->clear();
    controls_.cmb_MaxLen->addItems(keyLengths);
    controls_.cmb_MaxLen->setCurrentIndex(defaultKeyLengthIndex);
}

void FrmMain::writeDefaultDates()
{
    // One reading of the clock for both, so a start just before midnight
    // cannot give a period of a year and a day. addYears takes 29 February
    // to 28 February in a common year.
    const QDate today = services_.today();
    controls_.meb_StartDate->setMaskedText(today.toString(dateFormat));
    controls_.meb_EndDate->setMaskedText(today.addYears(1).toString(dateFormat));
}

void FrmMain::switchKind(int index)
{
    if (index == 0)
        controls_.fae_Main->setEnabled(false);
    else if (index == 1)
        controls_.fae_Main->setEnabled(true);
}

void FrmMain::pickSaveFolder()
{
    if (auto chosen = services_.folderDialog.chooseFolder(this))
        lastPickedFolder_ = std::move(chosen);
    if (lastPickedFolder_)
        controls_.txt_SavePath->setText(savePathTextForFolder(*lastPickedFolder_, QDir::separator()));
}

void FrmMain::openMakerPage()
{
    // Nothing to tell the user when no browser takes it.
    QDesktopServices::openUrl(makerPage);
}

void FrmMain::confirmClose()
{
    if (services_.messageBoxes.confirm(this, QStringLiteral("您確定要關閉嗎?")))
        close();
}

void FrmMain::generate()
{
    job::runGenerateJob(*jobWindow_, services_.job);
}

void FrmMain::signingFinished()
{
    job::runSigningFinishedJob(*jobWindow_, services_.job);
}

} // namespace velmora::app
