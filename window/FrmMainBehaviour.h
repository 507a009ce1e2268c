#pragma once

#include "job/CertificateJob.h"
#include "job/JobWindow.h"
#include "window/Toolkit.h"

#include <optional>
#include <string>

// What the window does, written once for every toolkit: the load, an action
// per control, the busy rule and the close rule, and the job's view of the
// window. A toolkit forwards its events here and answers the primitives.
namespace velmora::window {

class FrmMainBehaviour final : public job::JobWindow
{
public:
    FrmMainBehaviour(Toolkit& toolkit, const job::JobServices& services);

    // Defaults, key lengths, dates, the kind and the first focus.
    void load();
    // True when the control has an action for the event, which the toolkit
    // then takes no further: a picked path is not to be word-selected.
    bool clicked(std::size_t control);
    bool doubleClicked(std::size_t control);
    // Refused while a job runs: it still needs the window and its files.
    bool mayClose() const { return !busy_; }
    bool busy() const { return busy_; }

    std::string text(job::InputControl input) const override;
    void setText(job::InputControl input, const std::string& text) override;
    bool clientAndServerSelected() const override;
    bool clientOnlySelected() const override;
    bool autoRequestChecked() const override;
    void setStatusText(const std::string& text) override;
    void setFocusTo(job::InputControl control) override;
    void showWarning(const std::string& text) override;
    void showInformation(const std::string& text) override;
    bool askYesNo(const std::string& text) override;
    void setBusy(bool busy) override;

private:
    enum class Event { Click, DoubleClick };
    bool act(std::size_t control, Event event);
    void switchKind(int index);
    void pickSaveFolder();
    void confirmClose();

    Toolkit& toolkit_;
    const job::JobServices& services_;
    bool busy_ = false;
    // The picker writes the last choice again when a later pick is cancelled.
    std::optional<std::string> lastPickedFolder_;
};

} // namespace velmora::window
