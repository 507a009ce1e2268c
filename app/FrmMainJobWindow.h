#pragma once

#include "app/FrmMainLayout.h"
#include "job/JobWindow.h"

class QWidget;

namespace velmora::app {

class MessageBoxes;

// Lets the certificate job read and drive the window's controls.
class FrmMainJobWindow final : public job::JobWindow
{
public:
    FrmMainJobWindow(const FrmMainControls& controls, MessageBoxes& messageBoxes, QWidget* window);

    std::string maxLenText() const override;
    std::string startDateText() const override;
    std::string endDateText() const override;
    std::string urlText() const override;
    void setUrlText(const std::string& text) override;
    std::string savePathText() const override;
    void setSavePathText(const std::string& text) override;
    bool clientAndServerSelected() const override;
    bool clientOnlySelected() const override;
    bool autoRequestChecked() const override;
    std::string serverRequestText() const override;
    void setStatusText(const std::string& text) override;
    void setFocusTo(job::InputControl control) override;
    void showWarning(const std::string& text) override;
    void showInformation(const std::string& text) override;
    bool askYesNo(const std::string& text) override;
    void setBusy(bool busy) override;

    bool isBusy() const { return busy_; }

private:
    QWidget* focusTarget(job::InputControl control) const;

    const FrmMainControls& controls_;
    MessageBoxes& messageBoxes_;
    QWidget* window_;
    bool busy_ = false;
};

} // namespace velmora::app
