#include "app/FrmMain.h"

#include "app/AppTitle.h"
#include "app/FolderDialog.h"
#include "app/MaskedDateEdit.h"
#include "app/MessageBoxes.h"
#include "resources/velmora.xpm"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QUrl>

namespace velmora::app {

namespace {

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The job breaks message lines with CR LF, as Windows message boxes take
// them; Qt's take LF alone and would show the CR.
QString messageText(const std::string& text)
{
    return fromUtf8(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

FrmMain::FrmMain(WindowServices services, QWidget* parent)
    : QWidget(parent)
    , services_(std::move(services))
    , behaviour_(*this, services_.job)
{
    setWindowTitle(appTitle());
    // Built in from the XPM's C data: no file to find, and no image reader to guess its format.
    setWindowIcon(QIcon(QPixmap(velmora_xpm)));
    QFont font(fromUtf8(window::fontFace));
    font.setPointSizeF(window::fontPoints);
    QWidget::setFont(font);
    setFixedSize(window::clientWidth, window::clientHeight);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);

    controls_ = buildFrmMainControls(this);
    for (std::size_t position = 0; position < controls_.size(); ++position) {
        if (auto* button = qobject_cast<QAbstractButton*>(controls_[position]))
            connect(button, &QAbstractButton::clicked, this, [this, position] { behaviour_.clicked(position); });
        else
            controls_[position]->installEventFilter(this);
    }

    centreOnScreen();
    behaviour_.load();
}

FrmMain::~FrmMain() = default;

bool FrmMain::eventFilter(QObject* watched, QEvent* event)
{
    const auto found = std::find(controls_.begin(), controls_.end(), watched);
    if (found == controls_.end())
        return QWidget::eventFilter(watched, event);
    const auto position = static_cast<std::size_t>(found - controls_.begin());
    if (event->type() == QEvent::MouseButtonDblClick && behaviour_.doubleClicked(position))
        return true;
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        behaviour_.clicked(position);
    return QWidget::eventFilter(watched, event);
}

void FrmMain::closeEvent(QCloseEvent* event)
{
    event->setAccepted(behaviour_.mayClose());
}

void FrmMain::centreOnScreen()
{
    const QRect screenArea = screen()->geometry();
    const QSize outer = frameGeometry().size();
    move(screenArea.x() + (screenArea.width() - outer.width()) / 2,
         screenArea.y() + (screenArea.height() - outer.height()) / 2);
}

std::string FrmMain::text(std::size_t control) const
{
    QWidget* widget = controls_.at(control);
    if (auto* date = qobject_cast<MaskedDateEdit*>(widget))
        return date->maskedText().toStdString();
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        return combo->currentText().toStdString();
    if (auto* box = qobject_cast<QPlainTextEdit*>(widget))
        return box->toPlainText().toStdString();
    return widget->property("text").toString().toStdString();
}

void FrmMain::setText(std::size_t control, const std::string& text)
{
    QWidget* widget = controls_.at(control);
    if (auto* date = qobject_cast<MaskedDateEdit*>(widget))
        date->setMaskedText(fromUtf8(text));
    else if (auto* box = qobject_cast<QPlainTextEdit*>(widget))
        box->setPlainText(fromUtf8(text));
    else
        widget->setProperty("text", fromUtf8(text));
}

void FrmMain::setItems(std::size_t control, const std::vector<std::string_view>& items, std::size_t selected)
{
    auto* combo = static_cast<QComboBox*>(controls_.at(control));
    combo->clear();
    for (std::string_view item : items)
        combo->addItem(fromUtf8(item));
    combo->setCurrentIndex(static_cast<int>(selected));
}

bool FrmMain::checked(std::size_t control) const
{
    if (auto* box = qobject_cast<QCheckBox*>(controls_.at(control)))
        return box->checkState() == Qt::Checked;
    return static_cast<QAbstractButton*>(controls_.at(control))->isChecked();
}

void FrmMain::setChecked(std::size_t control, bool checked)
{
    static_cast<QAbstractButton*>(controls_.at(control))->setChecked(checked);
}

void FrmMain::setEnabled(std::size_t control, bool enabled)
{
    controls_.at(control)->setEnabled(enabled);
}

bool FrmMain::hasFocus(std::size_t control) const
{
    return controls_.at(control)->hasFocus();
}

void FrmMain::setFocus(std::size_t control)
{
    controls_.at(control)->setFocus();
}

void FrmMain::showMessage(window::MessageKind kind, const std::string& text)
{
    if (kind == window::MessageKind::Warning)
        services_.messageBoxes.warning(this, messageText(text));
    else
        services_.messageBoxes.information(this, messageText(text));
}

bool FrmMain::ask(const std::string& text, window::DefaultAnswer forEnter)
{
    return services_.messageBoxes.confirm(this, messageText(text), forEnter);
}

void FrmMain::setBusyPointer(bool busy)
{
    // Over every window of the program, the file dialog included.
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

std::optional<std::string> FrmMain::chooseFolder()
{
    if (const auto folder = services_.folderDialog.chooseFolder(this))
        return QDir::toNativeSeparators(*folder).toStdString();
    return std::nullopt;
}

void FrmMain::openWebPage(std::string_view address)
{
    QDesktopServices::openUrl(QUrl(fromUtf8(address)));
}

std::chrono::year_month_day FrmMain::today() const
{
    const QDate today = services_.today();
    return std::chrono::year(today.year()) / today.month() / today.day();
}

void FrmMain::closeWindow()
{
    close();
}

} // namespace velmora::app
