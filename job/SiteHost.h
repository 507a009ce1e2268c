#pragma once

#include <string>
#include <string_view>

namespace velmora::job {

// The host a site name stands for, as a server certificate must name it.
struct SiteHost
{
    std::string name;
    bool isIpAddress = false;

    // "IP:192.0.2.7" or "DNS:www.example.test".
    std::string subjectAltName() const;
};

// The site name up to its first "/" or ":"; a bracketed IPv6 address
// ("[2001:db8::1]:8443/x") is the address inside the brackets.
SiteHost siteHostOf(std::string_view siteName);

} // namespace velmora::job
