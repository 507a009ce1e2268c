#pragma once

#include "job/Press.h"
#include "job/SiteHost.h"
#include "job/Validity.h"

#include <string_view>

namespace velmora::job {

// The steps of the generate run, each given the interpreter prefix the press
// obtained. Each shows its status, and stops the run when its file is not
// made.

// A new pass-phrase protected key, of the length the window holds now.
Outcome makeKey(const Press& press, std::string_view prefix, std::string_view status, std::string_view keyFile);

// The CA's self-signed certificate, valid from its making until after the
// server certificate's last second. Refused once the end date has passed.
Outcome makeCaCertificate(const Press& press, std::string_view prefix, const SiteHost& host, const Validity& validity);

// The server's request for the host, made by the tool.
Outcome makeServerRequest(const Press& press, std::string_view prefix, const SiteHost& host);

// The request as the user pasted it, in place of the tool's, once the tool has
// read it as a certificate request. A server key from an earlier run goes: the
// pasted request's key is where the request was made.
Outcome takePastedRequest(const Press& press);

// Why the signing script could not run the tool, if so.
Outcome signingToolProblem(const Press& press);

// Why no certificate could name the host, if so.
Outcome hostProblem(const SiteHost& host);

// The script the user runs to sign the request with the CA, for the validity
// the press took and the host alone, which must have no hostProblem.
Outcome writeSigningScript(const Press& press, const Validity& validity, const SiteHost& host);

} // namespace velmora::job
