#pragma once

#include "app/FrmMainLayout.h"
#include "job/CertificateJob.h"

#include <QDate>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

namespace velmora::app {

class FolderDialog;
class FrmMainJobWindow;
class MessageBoxes;

// What the window needs from outside that tests replace.
struct WindowServices
{
    MessageBoxes& messageBoxes;
    FolderDialog& folderDialog;
    std::function<QDate()> today;
    const job::JobServices& job;
};

// The one window. Its constructor runs the load handler, so the window is
// centred and holds its defaults before it is first shown.
class FrmMain final : public QWidget
{
    Q_OBJECT

public:
    explicit FrmMain(WindowServices services, QWidget* parent = nullptr);
    ~FrmMain() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Refused while a job runs: it still needs the window and its files.
    void closeEvent(QCloseEvent* event) override;

private:
    void load();
    void centreOnScreen();
    void fillKeyLengths();
    void writeDefaultDates();

    void switchKind(int index);
    void pickSaveFolder();
    void openMakerPage();
    void confirmClose();
    void generate();
    void signingFinished();

    WindowServices services_;
    FrmMainControls controls_;
    std::unique_ptr<FrmMainJobWindow> jobWindow_;
    // The picker writes the last choice again when a later pick is cancelled.
    std::optional<QString> lastPickedFolder_;
};

} // namespace velmora::app
