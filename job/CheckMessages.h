#pragma once

#include <string_view>

namespace velmora::job::messages {

inline constexpr std::string_view startDateMissing = "您沒有輸入 開始日期!";
inline constexpr std::string_view endDateMissing = "您沒有輸入 到期日期!";
inline constexpr std::string_view startDateInvalid = "開始日期 不是正確的日期!";
inline constexpr std::string_view endDateInvalid = "到期日期 不是正確的日期!";
inline constexpr std::string_view endDateNotAfterStart = "到期日期 必須晚於 開始日期!";
inline constexpr std::string_view keyLengthInvalid = "憑證強度 必須是 512 到 16384 之間的數字!";
inline constexpr std::string_view urlMissing = "您沒有輸入 使用網址!";
inline constexpr std::string_view urlInvalid = "使用網址 不是正確的網址!";
inline constexpr std::string_view savePathMissing = "您沒有輸入 存放位置!";
inline constexpr std::string_view serverRequestMissing = "您沒有輸入 伺服器憑證請求檔!";
inline constexpr std::string_view outputIsAppFolder = "存放位置 不可以是程式所在的資料夾!";
// Followed by the folder path and "!".
inline constexpr std::string_view folderNotCreatedPrefix = "無法建立資料夾 ";

} // namespace velmora::job::messages
