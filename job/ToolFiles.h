#pragma once

#include "platform/WorkingFolder.h"

#include <string_view>

namespace velmora::job {

// The files the OpenSSL steps make and read in the working folder. Later
// steps, the signing script and the export find the earlier results by
// exactly these names.
namespace toolFiles {

inline constexpr std::string_view configuration = "openssl.cnf";
inline constexpr std::string_view caKey = "ca.key";
inline constexpr std::string_view caCertificate = "ca.crt";
inline constexpr std::string_view serverKey = "server.key";
inline constexpr std::string_view serverRequest = "server.csr";
inline constexpr std::string_view serverCertificate = "server.crt";
inline constexpr std::string_view serverNotice = "server.cer";
// Where the server request came from, written by the generate press for the
// signing-finished press: a missing server key says nothing of it, as a
// failed export may have kept or lost the key.
inline constexpr std::string_view requestOrigin = "server.csr.origin";

// The CA database the tool's "ca" command keeps; signing leaves the state from
// before it in files with the backup suffix.
inline constexpr std::string_view databaseIndex = "ca.db.index";
inline constexpr std::string_view databaseSerial = "ca.db.serial";
// The tool's own settings for the database, made by the first signing.
inline constexpr std::string_view databaseAttributes = "ca.db.index.attr";
inline constexpr std::string_view backupSuffix = ".old";

} // namespace toolFiles

// The names openssl.cnf takes its per-run values from, in the tool's
// environment: the Common Name it offers, and the one host a server request
// and a signed certificate name.
namespace configurationVariables {
inline constexpr std::string_view commonName = "VELMORA_COMMON_NAME";
inline constexpr std::string_view subjectAltName = "VELMORA_SUBJECT_ALT_NAME";
} // namespace configurationVariables

// The tool's own variables Velmora sets: the configuration file it reads,
// and, for the Windows tool, that it takes its arguments and pass phrases as
// UTF-8 instead of in the ANSI code page (other systems' tools do not look).
namespace toolVariables {
inline constexpr std::string_view configuration = "OPENSSL_CONF";
inline constexpr std::string_view readsUtf8 = "OPENSSL_WIN32_UTF8";
} // namespace toolVariables

// How the interpreter of a command line reads it.
enum class Shell { Cmd, Posix };

// What differs between the systems in the job's files and command lines.
struct SystemForm
{
    Shell shell;
    char separator;
    std::string_view toolFile; // the OpenSSL tool in the working folder
    std::string_view signingScript; // the script the user runs to sign
};

inline constexpr SystemForm windowsForm {Shell::Cmd, '\\', "openssl.exe", "UserSign.bat"};
inline constexpr SystemForm posixForm {Shell::Posix, '/', "openssl", "UserSign.sh"};

// The form of the system this program was built for.
const SystemForm& thisSystemForm();

// What the program's folder ships for the working folder.
platform::ShippedFiles shippedFiles();

} // namespace velmora::job
