#include "job/SiteHost.h"

#include <algorithm>
#include <cctype>

namespace velmora::job {

namespace {

bool isIpv4Address(std::string_view text)
{
    int parts = 0;
    for (std::size_t begin = 0; begin <= text.size(); ++parts) {
        const std::size_t end = std::min(text.find('.', begin), text.size());
        const std::string_view part = text.substr(begin, end - begin);
        const bool digits = !part.empty() && part.size() <= 3 && std::all_of(part.begin(), part.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c));
        });
        if (!digits || std::stoi(std::string(part)) > 255)
            return false;
        begin = end + 1;
    }
    return parts == 4;
}

} // namespace

std::string SiteHost::subjectAltName() const
{
    return (isIpAddress ? "IP:" : "DNS:") + name;
}

bool SiteHost::isCertificateName() const
{
    const std::string_view allowed = isIpAddress ? "0123456789abcdefABCDEF:." : "-_.*";
    return !name.empty() && std::all_of(name.begin(), name.end(), [&](char c) {
        const bool alphanumeric = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        return (alphanumeric && !isIpAddress) || allowed.find(c) != std::string_view::npos;
    });
}

SiteHost siteHostOf(std::string_view siteName)
{
    if (siteName.starts_with('[')) {
        const auto close = siteName.find(']');
        if (close != std::string_view::npos)
            return {std::string(siteName.substr(1, close - 1)), true};
    }
    const std::string_view host = siteName.substr(0, siteName.find_first_of("/:"));
    return {std::string(host), isIpv4Address(host)};
}

} // namespace velmora::job
