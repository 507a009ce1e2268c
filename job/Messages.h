#pragma once

#include <string>
#include <string_view>
#include <vector>

// Every text the certificate job shows, in the status line and its message
// boxes. A text without a value is a constant; one with a value is a
// function of it.
namespace velmora::job::messages {

// The checks.
inline constexpr std::string_view startDateMissing = "您沒有輸入 開始日期!";
inline constexpr std::string_view endDateMissing = "您沒有輸入 到期日期!";
inline constexpr std::string_view startDateInvalid = "開始日期 不是正確的日期!";
inline constexpr std::string_view endDateInvalid = "到期日期 不是正確的日期!";
inline constexpr std::string_view endDateNotAfterStart = "到期日期 必須晚於 開始日期!";
inline constexpr std::string_view endDatePassed = "到期日期 已經過了!";
inline constexpr std::string_view keyLengthInvalid = "憑證強度 必須是 512 到 16384 之間的數字!";
inline constexpr std::string_view urlMissing = "您沒有輸入 使用網址!";
inline constexpr std::string_view urlInvalid = "使用網址 不是正確的網址!";
inline constexpr std::string_view savePathMissing = "您沒有輸入 存放位置!";
inline constexpr std::string_view serverRequestMissing = "您沒有輸入 伺服器憑證請求檔!";
inline constexpr std::string_view serverRequestUnreadable = "伺服器憑證請求檔 不是正確的憑證請求檔!";
inline constexpr std::string_view outputIsWorkingFolder = "存放位置 不可以是程式所在的資料夾!";
// A server certificate valid for longer than Apple's systems take, even from
// a CA the user trusts: asked, not refused, as other systems take it.
std::string serverLifeQuestion(int days);
std::string folderNotCreated(std::string_view outputFolder);
// A site name Windows cannot give a folder: the character, the part or the
// device name at fault.
std::string urlHasForbiddenCharacter(std::string_view character);
std::string urlPartEndsInDotOrBlank(std::string_view part);
std::string urlNamesADevice(std::string_view device);

// The working folder: why it cannot be used, when the reason is known.
inline constexpr std::string_view folderNotAFolder = "它不是資料夾";
inline constexpr std::string_view folderIsALink = "它是一個連結";
inline constexpr std::string_view folderOwnedByAnother = "它屬於其他帳號";
inline constexpr std::string_view folderOthersMayWrite = "其他帳號可以修改它";
inline constexpr std::string_view folderNameRewritten = "命令視窗會改寫名稱中的 %";
inline constexpr std::string_view folderReplaced = "它已被更換";
std::string folderUnusable(std::string_view folder, std::string_view reason);
// The folder the tool runs from, where it lies apart.
std::string programFolderUnusable(std::string_view folder, std::string_view reason);
// The output folder and the tool's files, on the same grounds.
std::string outputFolderUnusable(std::string_view folder, std::string_view reason);
std::string toolFileUnusable(std::string_view path, std::string_view reason);
std::string toolMissing(std::string_view path);
std::string toolFolderNotInCodePage(std::string_view folder);

// The steps.
inline constexpr std::string_view caKeyStatus = "正在產生用戶端憑證 Key ...";
inline constexpr std::string_view caCertificateStatus = "正在產生用戶端憑證 ...";
inline constexpr std::string_view serverKeyStatus = "正在產生伺服器端憑證 Key ...";
inline constexpr std::string_view serverRequestStatus = "正在初始化伺服器憑證請求檔 ...";
inline constexpr std::string_view signingScriptStatus = "正在產生伺服器憑證簽章指令檔 ...";
inline constexpr std::string_view noConsole = "無法開啟命令視窗, 已停止產生憑證!";
std::string stepFailed(std::string_view fileName);
// A fault the run did not foresee, with the system's own words for it.
std::string runFailed(std::string_view reason);

// The hand-off to the signing script and the end of a run.
std::string runScriptStatus(std::string_view script);
std::string handOff(std::string_view script);
std::string notSigned(std::string_view script);
std::string exportStatus(std::string_view outputFolder);
std::string notExported(std::string_view outputFolder, const std::vector<std::string>& names,
                        std::string_view workingFolder);
inline constexpr std::string_view completed = "SSL 憑證產生完成!";
// An earlier export in the output folder: where it went, or why it could not
// go, in which case nothing of the new set was exported.
std::string earlierSetMoved(std::string_view folder);
std::string earlierFolderNotMade(std::string_view folder);
std::string earlierFileNotMoved(std::string_view file, std::string_view folder);
// What the clean-up could not delete, keys first, or put back.
std::string notRemoved(std::string_view workingFolder, const std::vector<std::string>& names);
std::string notRestored(std::string_view workingFolder, const std::vector<std::string>& names);
// After a pasted request: its key was never here.
inline constexpr std::string_view completedWithoutServerKey
    = "SSL 憑證產生完成!\r\n伺服器的私密金鑰仍在產生請求檔的地方, 沒有輸出 server.key 與 privkey.pem。";

// The one line of the placeholder exported as server.cer.
inline constexpr std::string_view serverNotice
    = "請將 server.crt 中的 -----BEGIN CERTIFICATE----- 區段複製到此處, 伺服器憑證即可生效";

} // namespace velmora::job::messages
