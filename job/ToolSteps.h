#pragma once

#include "job/Press.h"
#include "job/SiteHost.h"

#include <string_view>

namespace velmora::job {

// The steps of the generate run, each given the interpreter prefix the press
// obtained. Each shows its status, and stops the run when its file is not
// made.

// A new pass-phrase protected key, of the length the window holds now.
Outcome makeKey(const Press& press, std::string_view prefix, std::string_view status, std::string_view keyFile);

// The CA's self-signed certificate, for the days between the window's dates.
Outcome makeCaCertificate(const Press& press, std::string_view prefix, const SiteHost& host);

// The server's request for the host, from the tool or, when the automatic
// request is off, as the user pasted it.
Outcome makeServerRequest(const Press& press, std::string_view prefix, const SiteHost& host);

// The script the user runs to sign the request with the CA.
Outcome writeSigningScript(const Press& press);

} // namespace velmora::job
