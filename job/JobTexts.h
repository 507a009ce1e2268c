#pragma once

#include <string_view>

// What the certificate job shows in the status line and its message boxes.
namespace velmora::job::texts {

inline constexpr std::string_view caKeyStatus = "正在產生用戶端憑證 Key ...";
inline constexpr std::string_view caCertificateStatus = "正在產生用戶端憑證 ...";
inline constexpr std::string_view serverKeyStatus = "正在產生伺服器端憑證 Key ...";
inline constexpr std::string_view serverRequestStatus = "正在初始化伺服器憑證請求檔 ...";
inline constexpr std::string_view signingScriptStatus = "正在產生伺服器憑證簽章指令檔 ...";
// Followed directly by the script's path.
inline constexpr std::string_view runScriptStatus = "請點選執行:";
// Around the output folder's path.
inline constexpr std::string_view exportStatusBefore = "輸出憑證到 ";
inline constexpr std::string_view exportStatusAfter = " 中, 請稍後 ...";

// The hand-off: these, the script's path between them on lines of its own.
inline constexpr std::string_view handOffBefore = "簽核伺服器憑證需要您的參與, 請點選執行:";
inline constexpr std::string_view handOffAfter = "後按『已完成簽章』來產生憑證!";
inline constexpr std::string_view completed = "SSL 憑證產生完成!";

// Around the path of a tool file that is missing.
inline constexpr std::string_view toolMissingBefore = "找不到 ";
inline constexpr std::string_view toolMissingAfter = ", 無法產生憑證!";
// Around the path of a working folder that could not be made ready.
inline constexpr std::string_view folderUnusableBefore = "無法使用工作資料夾 ";
inline constexpr std::string_view folderUnusableAfter = "!";
// Why, after the path and ", ".
inline constexpr std::string_view folderNotAFolder = "它不是資料夾";
inline constexpr std::string_view folderIsALink = "它是一個連結";
inline constexpr std::string_view folderOwnedByAnother = "它屬於其他帳號";
inline constexpr std::string_view folderOthersMayWrite = "其他帳號可以修改它";
inline constexpr std::string_view folderNameRewritten = "命令視窗會改寫名稱中的 %";
inline constexpr std::string_view noConsole = "無法開啟命令視窗, 已停止產生憑證!";
// Around the name of the file a step did not leave.
inline constexpr std::string_view stepFailedBefore = "無法產生 ";
inline constexpr std::string_view stepFailedAfter = ", 已停止產生憑證!";
// Around the signing script's name.
inline constexpr std::string_view notSignedBefore = "找不到 server.crt, 請先執行 ";
inline constexpr std::string_view notSignedAfter = " 後再按『已完成簽章』!";
// Before the output folder, and before the application folder.
inline constexpr std::string_view notExportedBefore = "下列檔案沒有輸出到 ";
inline constexpr std::string_view sourcesKeptBefore = "原始檔案仍保留在 ";

// The one line of the placeholder exported as server.cer.
inline constexpr std::string_view serverNotice
    = "請將 server.crt 中的 -----BEGIN CERTIFICATE----- 區段複製到此處, 伺服器憑證即可生效";

// Line breaks in message texts, as the system's message boxes take them.
inline constexpr std::string_view lineBreak = "\r\n";

} // namespace velmora::job::texts
