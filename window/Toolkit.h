#pragma once

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the window's behaviour asks of a toolkit, and all it asks: each
// toolkit answers these once and knows nothing of what a control is for.
// A control is its place in the description's tab order; texts are UTF-8.
namespace velmora::window {

enum class MessageKind { Warning, Information };
enum class DefaultAnswer { Yes, No };

class Toolkit
{
public:
    virtual ~Toolkit() = default;

    virtual std::string text(std::size_t control) const = 0;
    virtual void setText(std::size_t control, const std::string& text) = 0;
    // Fills a list's items and selects one of them.
    virtual void setItems(std::size_t control, const std::vector<std::string_view>& items, std::size_t selected) = 0;
    // True only when checked; a grayed box counts as off.
    virtual bool checked(std::size_t control) const = 0;
    virtual void setChecked(std::size_t control, bool checked) = 0;
    virtual void setEnabled(std::size_t control, bool enabled) = 0;
    virtual bool hasFocus(std::size_t control) const = 0;
    virtual void setFocus(std::size_t control) = 0;

    // Modal over the window, titled as the window is, one OK button.
    virtual void showMessage(MessageKind kind, const std::string& text) = 0;
    // Modal, the question icon, Yes and No; true when Yes is chosen.
    virtual bool ask(const std::string& text, DefaultAnswer forEnter) = 0;
    // The hourglass over every window of the program, or the usual pointer.
    virtual void setBusyPointer(bool busy) = 0;
    // The folder the user chose, in the system's separators, or nothing.
    virtual std::optional<std::string> chooseFolder() = 0;
    // Nothing to tell the user when no browser takes it.
    virtual void openWebPage(std::string_view address) = 0;
    virtual std::chrono::year_month_day today() const = 0;
    virtual void closeWindow() = 0;
};

} // namespace velmora::window
