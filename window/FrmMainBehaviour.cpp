#include "window/FrmMainBehaviour.h"

#include "window/FrmMainDescription.h"

#include <functional>

namespace velmora::window {

namespace {

std::size_t at(std::string_view name, int index = 0)
{
    return controlPosition(name, index);
}

// The job's inputs are named in the order of their place in the description.
std::size_t inputControl(job::InputControl input)
{
    return at(inputNames.at(static_cast<std::size_t>(input)).input);
}

} // namespace

FrmMainBehaviour::FrmMainBehaviour(Toolkit& toolkit, const job::JobServices& services)
    : toolkit_(toolkit)
    , services_(services)
{
}

void FrmMainBehaviour::load()
{
    toolkit_.setItems(at("cmb_MaxLen"), {keyLengths.begin(), keyLengths.end()}, defaultKeyLengthIndex);
    const DefaultDates dates = defaultDates(toolkit_.today());
    toolkit_.setText(at("meb_StartDate"), dates.start);
    toolkit_.setText(at("meb_EndDate"), dates.end);
    toolkit_.setChecked(at("opt_Type", defaultKindIndex), true);
    toolkit_.setChecked(at("chk_AutoReq"), defaultAutoRequest);
    switchKind(defaultKindIndex);
    toolkit_.setFocus(at(firstFocus));
}

bool FrmMainBehaviour::clicked(std::size_t control)
{
    return act(control, Event::Click);
}

bool FrmMainBehaviour::doubleClicked(std::size_t control)
{
    return act(control, Event::DoubleClick);
}

// Each control's action, by its name in the description; a control absent
// here does nothing of its own.
bool FrmMainBehaviour::act(std::size_t control, Event event)
{
    struct Action
    {
        std::string_view name;
        Event event;
        std::function<void(int index)> run;
    };
    const Action actions[] {
        {"opt_Type", Event::Click, [this](int index) { switchKind(index); }},
        {"cmd_Create", Event::Click, [this](int) { job::runGenerateJob(*this, services_); }},
        {"cmd_Sign", Event::Click, [this](int) { job::runSigningFinishedJob(*this, services_); }},
        {"cmd_Cancel", Event::Click, [this](int) { confirmClose(); }},
        {"lab_Quorvane", Event::Click, [this](int) { toolkit_.openWebPage(makerPage); }},
        {"txt_SavePath", Event::DoubleClick, [this](int) { pickSaveFolder(); }},
    };
    const ControlDescription& d = frmMainControls.at(control);
    for (const Action& action : actions)
        if (action.name == d.name && action.event == event) {
            action.run(d.index);
            return true;
        }
    return false;
}

void FrmMainBehaviour::switchKind(int index)
{
    const auto enabled = requestFrameEnabled(index);
    if (!enabled)
        return;
    // The frame first, then what it holds: one watching the members sees the frame done.
    toolkit_.setEnabled(at("fae_Main"), *enabled);
    for (std::size_t position = 0; position < frmMainControls.size(); ++position)
        if (frmMainControls[position].inFrame)
            toolkit_.setEnabled(position, *enabled);
}

void FrmMainBehaviour::pickSaveFolder()
{
    if (auto chosen = toolkit_.chooseFolder())
        lastPickedFolder_ = std::move(chosen);
    if (lastPickedFolder_)
        toolkit_.setText(at("txt_SavePath"), savePathTextForFolder(*lastPickedFolder_));
}

void FrmMainBehaviour::confirmClose()
{
    if (mayClose() && toolkit_.ask(std::string(closeQuestion), DefaultAnswer::Yes))
        toolkit_.closeWindow();
}

std::string FrmMainBehaviour::text(job::InputControl input) const
{
    return toolkit_.text(inputControl(input));
}

void FrmMainBehaviour::setText(job::InputControl input, const std::string& text)
{
    toolkit_.setText(inputControl(input), text);
}

bool FrmMainBehaviour::clientAndServerSelected() const
{
    return toolkit_.checked(at("opt_Type", 1));
}

bool FrmMainBehaviour::clientOnlySelected() const
{
    return toolkit_.checked(at("opt_Type", 0));
}

bool FrmMainBehaviour::autoRequestChecked() const
{
    return toolkit_.checked(at("chk_AutoReq"));
}

void FrmMainBehaviour::setStatusText(const std::string& text)
{
    toolkit_.setText(at("lab_Status"), text);
}

void FrmMainBehaviour::setFocusTo(job::InputControl control)
{
    toolkit_.setFocus(inputControl(control));
}

void FrmMainBehaviour::showWarning(const std::string& text)
{
    toolkit_.showMessage(MessageKind::Warning, text);
}

void FrmMainBehaviour::showInformation(const std::string& text)
{
    toolkit_.showMessage(MessageKind::Information, text);
}

bool FrmMainBehaviour::askYesNo(const std::string& text)
{
    return toolkit_.ask(text, DefaultAnswer::No);
}

void FrmMainBehaviour::setBusy(bool busy)
{
    if (busy == busy_)
        return;
    busy_ = busy;
    bool focusLost = false;
    for (std::string_view name : disabledWhileBusy) {
        focusLost = focusLost || toolkit_.hasFocus(at(name));
        toolkit_.setEnabled(at(name), !busy);
    }
    // A disabled button keeps no focus, and the keyboard would reach nothing.
    if (busy && focusLost)
        toolkit_.setFocus(at(focusWhileBusy));
    toolkit_.setBusyPointer(busy);
}

} // namespace velmora::window
