#include "app/FrmMain.h"

#include "app/AppTitle.h"
#include "app/FolderDialog.h"
#include "app/FrmMainJobWindow.h"
#include "app/MaskedDateEdit.h"
#include "app/MessageBoxes.h"
#include "app/SavePathText.h"
#include "window/FrmMainDescription.h"

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

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

FrmMain::FrmMain(WindowServices services, QWidget* parent)
    : QWidget(parent)
    , services_(std::move(services))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(appTitle());
    setWindowIcon(QIcon(QStringLiteral(":/velmora.xpm")));
    QFont font(fromUtf8(window::fontFace));
    font.setPointSizeF(window::fontPoints);
    setFont(font);
    setFixedSize(window::clientWidth, window::clientHeight);
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
    for (std::string_view length : window::keyLengths)
        controls_.cmb_MaxLen->addItem(fromUtf8(length));
    controls_.cmb_MaxLen->setCurrentIndex(static_cast<int>(window::defaultKeyLengthIndex));
}

void FrmMain::writeDefaultDates()
{
    const QDate today = services_.today();
    const auto dates = window::defaultDates(std::chrono::year(today.year()) / today.month() / today.day());
    controls_.meb_StartDate->setMaskedText(QString::fromStdString(dates.start));
    controls_.meb_EndDate->setMaskedText(QString::fromStdString(dates.end));
}

void FrmMain::switchKind(int index)
{
    if (const auto enabled = window::requestFrameEnabled(index))
        controls_.fae_Main->setEnabled(*enabled);
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
    QDesktopServices::openUrl(QUrl(fromUtf8(window::makerPage)));
}

void FrmMain::confirmClose()
{
    if (services_.messageBoxes.confirm(this, fromUtf8(window::closeQuestion), DefaultAnswer::Yes))
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
