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
    // Whether a certificate can name it as it stands: a DNS name of letters,
    // digits, "-", "_", "." and "*", or an IP address. Nothing else may reach
    // the tool's list of names, where a "," would start another name.
    bool isCertificateName() const;
};

// The site name up to its first "/" or ":"; a bracketed IPv6 address
// ("[2001:db8::1]:8443/x") is the address inside the brackets.
SiteHost siteHostOf(std::string_view siteName);

} // namespace velmora::job
