#pragma once

#include "job/JobWindow.h"
#include "win32/FrmMainControls.h"

namespace velmora::win32 {

// Lets the certificate job read and drive the native window's controls.
class Win32JobWindow final : public job::JobWindow
{
public:
    explicit Win32JobWindow(const FrmMainControls& controls);

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
    const FrmMainControls& controls_;
    bool busy_ = false;
};

// A modal message box over the window, titled as the window is.
int showMessageBox(HWND owner, std::string_view text, UINT style);

} // namespace velmora::win32
