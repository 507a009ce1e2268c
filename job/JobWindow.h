#pragma once

#include <string>

namespace velmora::job {

// The window's inputs that a job reads, writes and sends the keyboard focus to.
enum class InputControl { MaxLen, StartDate, EndDate, Url, SavePath, SrvReq };

// What the certificate job reads from and writes to the window. Every value is
// read at the moment it is used, so that a change made in the window while a
// job waits takes effect at its next use; only the dates are taken once, at
// the press, as the CA and the signing script must agree on them. Texts are
// UTF-8.
class JobWindow
{
public:
    virtual ~JobWindow() = default;

    // An input's text; a date is masked, "yyyy/mm/dd" with "_" in each empty
    // place.
    virtual std::string text(InputControl input) const = 0;
    virtual void setText(InputControl input, const std::string& text) = 0;
    // True when the client-and-server kind is selected.
    virtual bool clientAndServerSelected() const = 0;
    // True when the client-only kind is selected; neither may be.
    virtual bool clientOnlySelected() const = 0;
    // True only when the box is checked; grayed counts as off.
    virtual bool autoRequestChecked() const = 0;

    virtual void setStatusText(const std::string& text) = 0;
    virtual void setFocusTo(InputControl control) = 0;
    // A modal warning with the application title and one OK button.
    virtual void showWarning(const std::string& text) = 0;
    // A modal information box with the application title and one OK button.
    virtual void showInformation(const std::string& text) = 0;
    // A modal question with the application title, the question icon and Yes
    // and No, No being the default: Enter must not agree to what the question
    // warns of. True when Yes is chosen.
    virtual bool askYesNo(const std::string& text) = 0;
    // While busy the window shows the hourglass pointer, its three buttons
    // are disabled and it refuses to close; the kind switch, the folder
    // picker and the maker link stay usable.
    virtual void setBusy(bool busy) = 0;
};

} // namespace velmora::job
