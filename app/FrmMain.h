#pragma once

#include "app/FrmMainLayout.h"
#include "job/CertificateJob.h"
#include "window/FrmMainBehaviour.h"
#include "window/Toolkit.h"

#include <QDate>
#include <QWidget>
#include <functional>

namespace velmora::app {

class FolderDialog;
class MessageBoxes;

// What the window needs from outside that tests replace.
struct WindowServices
{
    MessageBoxes& messageBoxes;
    FolderDialog& folderDialog;
    std::function<QDate()> today;
    const job::JobServices& job;
};

// The one window in Qt: it draws the description, answers the window's
// primitives with widgets and passes its events on; what they do is the
// window's behaviour's. Its constructor runs the load, so the window is
// centred and holds its defaults before it is first shown.
class FrmMain final : public QWidget, public window::Toolkit
{
    Q_OBJECT

public:
    explicit FrmMain(WindowServices services, QWidget* parent = nullptr);
    ~FrmMain() override;

    std::string text(std::size_t control) const override;
    void setText(std::size_t control, const std::string& text) override;
    void setItems(std::size_t control, const std::vector<std::string_view>& items, std::size_t selected) override;
    bool checked(std::size_t control) const override;
    void setChecked(std::size_t control, bool checked) override;
    void setEnabled(std::size_t control, bool enabled) override;
    bool hasFocus(std::size_t control) const override;
    void setFocus(std::size_t control) override;
    void showMessage(window::MessageKind kind, const std::string& text) override;
    bool ask(const std::string& text, window::DefaultAnswer forEnter) override;
    void setBusyPointer(bool busy) override;
    std::optional<std::string> chooseFolder() override;
    void openWebPage(std::string_view address) override;
    std::chrono::year_month_day today() const override;
    void closeWindow() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void centreOnScreen();

    WindowServices services_;
    FrmMainControls controls_ {};
    window::FrmMainBehaviour behaviour_;
};

} // namespace velmora::app
