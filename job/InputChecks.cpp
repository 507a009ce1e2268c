#include "job/InputChecks.h"

#include "job/KeyLength.h"
#include "job/MaskedDate.h"
#include "job/Messages.h"
#include "job/OutputFolder.h"
#include "job/SiteAddress.h"

namespace velmora::job {

namespace {

// A failed check: warn, move the focus, stop the handler.
std::nullopt_t reject(JobWindow& window, std::string_view message, InputControl focus)
{
    window.showWarning(std::string(message));
    window.setFocusTo(focus);
    return std::nullopt;
}

struct Problem
{
    std::string_view message;
    InputControl focus;
};

// Empty fields first, then real dates, then their order: a half-typed date
// would otherwise only fail at the certificate step, after the pass phrases.
std::optional<Problem> dateProblem(const std::string& startText, const std::string& endText)
{
    if (startText == emptyMaskedDate)
        return Problem {messages::startDateMissing, InputControl::StartDate};
    if (endText == emptyMaskedDate)
        return Problem {messages::endDateMissing, InputControl::EndDate};
    const auto start = parseMaskedDate(startText);
    if (!start)
        return Problem {messages::startDateInvalid, InputControl::StartDate};
    const auto end = parseMaskedDate(endText);
    if (!end)
        return Problem {messages::endDateInvalid, InputControl::EndDate};
    if (std::chrono::sys_days {*end} <= std::chrono::sys_days {*start})
        return Problem {messages::endDateNotAfterStart, InputControl::EndDate};
    return std::nullopt;
}

std::string folderNameMessage(const FolderNameFault& fault)
{
    switch (fault.kind) {
    case FolderNameFault::Character: return messages::urlHasForbiddenCharacter(fault.piece);
    case FolderNameFault::TrailingDotOrBlank: return messages::urlPartEndsInDotOrBlank(fault.piece);
    case FolderNameFault::DeviceName: break;
    }
    return messages::urlNamesADevice(fault.piece);
}

// Address, location and output folder: shared by both handlers.
std::optional<CheckedTarget> checkTarget(JobWindow& window, const SystemForm& form)
{
    const char separator = form.separator;
    const std::string url = trimSpaces(window.text(InputControl::Url));
    window.setText(InputControl::Url, url);
    if (url.empty())
        return reject(window, messages::urlMissing, InputControl::Url);
    const std::string siteName = siteNameFromAddress(url);
    if (!isUsableSiteName(siteName))
        return reject(window, messages::urlInvalid, InputControl::Url);
    if (form.shell == Shell::Cmd)
        if (const auto fault = windowsFolderNameFault(siteName))
            return reject(window, folderNameMessage(*fault), InputControl::Url);

    std::string saveLocation = trimSpaces(window.text(InputControl::SavePath));
    window.setText(InputControl::SavePath, saveLocation);
    if (saveLocation.empty())
        return reject(window, messages::savePathMissing, InputControl::SavePath);
    saveLocation = withoutTrailingSeparator(saveLocation, separator);
    window.setText(InputControl::SavePath, saveLocation);

    const std::string outputFolder = outputFolderPath(saveLocation, separator, siteName);
    const OutputFolderState state = ensureOutputFolder(outputFolder);
    if (!state.present) {
        const std::string message = messages::folderNotCreated(outputFolder);
        return reject(window, message, InputControl::SavePath);
    }
    return CheckedTarget {siteName, outputFolder, state, {}};
}

} // namespace

void takeBackOutputFolder(const CheckedTarget& target)
{
    takeBackOutputFolder(target.outputFolder, target.outputFolderState);
}

std::optional<CheckedTarget> runGenerateChecks(JobWindow& window, const SystemForm& form)
{
    if (const auto problem = dateProblem(window.text(InputControl::StartDate), window.text(InputControl::EndDate)))
        return reject(window, problem->message, problem->focus);
    if (!isAcceptableKeyLength(window.text(InputControl::MaxLen)))
        return reject(window, messages::keyLengthInvalid, InputControl::MaxLen);
    auto target = checkTarget(window, form);
    if (!target)
        return std::nullopt;
    if (window.clientAndServerSelected() && window.text(InputControl::SrvReq).empty() && !window.autoRequestChecked()) {
        takeBackOutputFolder(*target);
        return reject(window, messages::serverRequestMissing, InputControl::SrvReq);
    }
    target->validity = validityOf(window.text(InputControl::StartDate), window.text(InputControl::EndDate));
    return target;
}

std::optional<CheckedTarget> runSigningFinishedChecks(JobWindow& window, const SystemForm& form)
{
    return checkTarget(window, form);
}

} // namespace velmora::job
