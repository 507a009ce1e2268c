#pragma once

#include <string_view>

// The files the OpenSSL steps make and read in the application folder. Later
// steps, the signing script and the export find the earlier results by
// exactly these names.
namespace velmora::platform::toolFiles {

inline constexpr std::string_view configuration = "openssl.cnf";
inline constexpr std::string_view caKey = "ca.key";
inline constexpr std::string_view caCertificate = "ca.crt";
inline constexpr std::string_view serverKey = "server.key";
inline constexpr std::string_view serverRequest = "server.csr";
inline constexpr std::string_view serverCertificate = "server.crt";
inline constexpr std::string_view signingScript = "UserSign.bat";

// The CA database the tool's "ca" command keeps; signing leaves the state from
// before it in files with the backup suffix.
inline constexpr std::string_view databaseIndex = "ca.db.index";
inline constexpr std::string_view databaseSerial = "ca.db.serial";
inline constexpr std::string_view backupSuffix = ".old";

} // namespace velmora::platform::toolFiles
