#include "job/Messages.h"

namespace velmora::job::messages {

namespace {

// Line breaks in message texts, as the system's message boxes take them.
constexpr std::string_view lineBreak = "\r\n";

std::string join(std::initializer_list<std::string_view> pieces)
{
    std::string text;
    for (const auto piece : pieces)
        text += piece;
    return text;
}

} // namespace

std::string serverLifeQuestion(int days)
{
    return join({"伺服器憑證的有效期間是 ", std::to_string(days), " 天, 超過 825 天。", lineBreak,
                 "Apple 的裝置 (iPhone、iPad、Mac) 不接受有效期間超過 825 天的伺服器憑證, 即使它來自您信任的憑證中心;"
                 " 其他系統的瀏覽器則接受。",
                 lineBreak, "您確定要繼續嗎?"});
}

std::string folderNotCreated(std::string_view outputFolder)
{
    return join({"無法建立資料夾 ", outputFolder, "!"});
}

std::string urlHasForbiddenCharacter(std::string_view character)
{
    return join({"使用網址 中的 \"", character, "\" 不能用在 Windows 的資料夾名稱中!"});
}

std::string urlPartEndsInDotOrBlank(std::string_view part)
{
    return join({"使用網址 中的 \"", part, "\" 以點或空白結尾, 不能作為 Windows 的資料夾名稱!"});
}

std::string urlNamesADevice(std::string_view device)
{
    return join({"使用網址 中的 \"", device, "\" 是 Windows 保留的裝置名稱, 不能作為資料夾名稱!"});
}

std::string folderUnusable(std::string_view folder, std::string_view reason)
{
    return join({"無法使用工作資料夾 ", folder, reason.empty() ? "" : ", ", reason, "!"});
}

std::string programFolderUnusable(std::string_view folder, std::string_view reason)
{
    return join({"無法使用程式資料夾 ", folder, ", ", reason, "!"});
}

std::string outputFolderUnusable(std::string_view folder, std::string_view reason)
{
    return join({"無法使用存放資料夾 ", folder, ", ", reason, "!"});
}

std::string toolFileUnusable(std::string_view path, std::string_view reason)
{
    return join({"無法使用 ", path, ", ", reason, "!"});
}

std::string toolMissing(std::string_view path)
{
    return join({"找不到 ", path, ", 無法產生憑證!"});
}

std::string toolFolderNotInCodePage(std::string_view folder)
{
    return join({"程式資料夾 ", folder, " 的名稱有系統字碼頁沒有的字元, 簽章指令檔無法執行其中的 openssl.exe!",
                 lineBreak, "請把 Velmora 安裝或解壓縮到名稱只有系統字碼頁字元的資料夾。"});
}

std::string stepFailed(std::string_view fileName)
{
    return join({"無法產生 ", fileName, ", 已停止產生憑證!"});
}

std::string runFailed(std::string_view reason)
{
    return join({stepFailed("SSL 憑證"), lineBreak, reason});
}

std::string runScriptStatus(std::string_view script)
{
    return join({"請點選執行:", script});
}

std::string handOff(std::string_view script)
{
    return join(
        {"簽核伺服器憑證需要您的參與, 請點選執行:", lineBreak, script, lineBreak, "後按『已完成簽章』來產生憑證!"});
}

std::string notSigned(std::string_view script)
{
    return join({"找不到 server.crt, 請先執行 ", script, " 後再按『已完成簽章』!"});
}

std::string exportStatus(std::string_view outputFolder)
{
    return join({"輸出憑證到 ", outputFolder, " 中, 請稍後 ..."});
}

std::string notExported(std::string_view outputFolder, const std::vector<std::string>& names,
                        std::string_view workingFolder)
{
    std::string message = join({"下列檔案沒有輸出到 ", outputFolder, ":", lineBreak});
    for (const auto& name : names)
        message += join({name, lineBreak});
    return join({message, "原始檔案仍保留在 ", workingFolder});
}

std::string earlierSetMoved(std::string_view folder)
{
    return join({"存放資料夾中先前輸出的憑證已移到 ", folder});
}

std::string earlierFolderNotMade(std::string_view folder)
{
    return join({"無法建立資料夾 ", folder, ", 無法移開存放資料夾中先前輸出的憑證, 新的憑證沒有輸出!"});
}

std::string earlierFileNotMoved(std::string_view file, std::string_view folder)
{
    return join({"無法把先前輸出的 ", file, " 移到 ", folder, ", 新的憑證沒有輸出!"});
}

std::string notRemoved(std::string_view workingFolder, const std::vector<std::string>& names)
{
    std::string message = join({"下列工作檔案無法從 ", workingFolder, " 刪除, 請自行刪除:", lineBreak});
    // A key left behind is what matters most: it comes first, and says so.
    for (const bool keys : {true, false})
        for (const auto& name : names)
            if (name.ends_with(".key") == keys)
                message += join({name, keys ? " (私密金鑰)" : "", lineBreak});
    return message.substr(0, message.size() - lineBreak.size());
}

std::string notRestored(std::string_view workingFolder, const std::vector<std::string>& names)
{
    std::string message = join({"下列 CA 資料庫檔案無法還原, 簽章前的備份 (.old) 仍在 ", workingFolder, ":"});
    for (const auto& name : names)
        message += join({lineBreak, name});
    return message;
}

} // namespace velmora::job::messages
