#include "app/FrmMainJobWindow.h"

#include "app/MaskedDateEdit.h"
#include "app/MessageBoxes.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace velmora::app {

namespace {

QString fromUtf8(const std::string& text)
{
    return QString::fromStdString(text);
}

// The job breaks message lines with CR LF, as Windows message boxes take
// them; Qt's take LF alone and would show the CR.
QString messageText(const std::string& text)
{
    return fromUtf8(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

FrmMainJobWindow::FrmMainJobWindow(const FrmMainControls& controls, MessageBoxes& messageBoxes, QWidget* window)
    : controls_(controls)
    , messageBoxes_(messageBoxes)
    , window_(window)
{
}

std::string FrmMainJobWindow::maxLenText() const
{
    return controls_.cmb_MaxLen->currentText().toStdString();
}

std::string FrmMainJobWindow::startDateText() const
{
    return controls_.meb_StartDate->maskedText().toStdString();
}

std::string FrmMainJobWindow::endDateText() const
{
    return controls_.meb_EndDate->maskedText().toStdString();
}

std::string FrmMainJobWindow::urlText() const
{
    return controls_.txt_URL->text().toStdString();
}

void FrmMainJobWindow::setUrlText(const std::string& text)
{
    controls_.txt_URL->setText(fromUtf8(text));
}

std::string FrmMainJobWindow::savePathText() const
{
    return controls_.txt_SavePath->text().toStdString();
}

void FrmMainJobWindow::setSavePathText(const std::string& text)
{
    controls_.txt_SavePath->setText(fromUtf8(text));
}

bool FrmMainJobWindow::clientAndServerSelected() const
{
    return controls_.opt_Type[1]->isChecked();
}

bool FrmMainJobWindow::clientOnlySelected() const
{
    return controls_.opt_Type[0]->isChecked();
}

bool FrmMainJobWindow::autoRequestChecked() const
{
    return controls_.chk_AutoReq->checkState() == Qt::Checked;
}

std::string FrmMainJobWindow::serverRequestText() const
{
    return controls_.txt_SrvReq->toPlainText().toStdString();
}

void FrmMainJobWindow::setStatusText(const std::string& text)
{
    controls_.lab_Status->setText(fromUtf8(text));
}

void FrmMainJobWindow::setFocusTo(job::InputControl control)
{
    focusTarget(control)->setFocus();
}

QWidget* FrmMainJobWindow::focusTarget(job::InputControl control) const
{
    switch (control) {
    case job::InputControl::MaxLen: return controls_.cmb_MaxLen;
    case job::InputControl::StartDate: return controls_.meb_StartDate;
    case job::InputControl::EndDate: return controls_.meb_EndDate;
    case job::InputControl::Url: return controls_.txt_URL;
    case job::InputControl::SavePath: return controls_.txt_SavePath;
    case job::InputControl::SrvReq: return controls_.txt_SrvReq;
    }
    return controls_.cmb_MaxLen;
}

void FrmMainJobWindow::showWarning(const std::string& text)
{
    messageBoxes_.warning(window_, messageText(text));
}

void FrmMainJobWindow::showInformation(const std::string& text)
{
    messageBoxes_.information(window_, messageText(text));
}

bool FrmMainJobWindow::askYesNo(const std::string& text)
{
    return messageBoxes_.confirm(window_, messageText(text), DefaultAnswer::No);
}

void FrmMainJobWindow::setBusy(bool busy)
{
    if (busy == busy_)
        return;
    busy_ = busy;
    // Over every window of the program, the file dialog included.
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
    for (QWidget* button : {controls_.cmd_Create, controls_.cmd_Sign, controls_.cmd_Cancel})
        button->setEnabled(!busy);
}

} // namespace velmora::app
