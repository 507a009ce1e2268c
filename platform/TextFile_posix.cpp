#include "platform/TextFile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <iconv.h>
#include <langinfo.h>
#include <locale.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora::platform {

CodePage systemCodePage()
{
    // The locale the user's environment names, whatever this process has
    // set globally; the plain C locale when the environment names none.
    locale_t locale = newlocale(LC_CTYPE_MASK, "", static_cast<locale_t>(nullptr));
    if (!locale)
        locale = newlocale(LC_CTYPE_MASK, "C", static_cast<locale_t>(nullptr));
    CodePage codePage {nl_langinfo_l(CODESET, locale), 0};
    freelocale(locale);
    return codePage;
}

std::optional<std::string> encodeText(std::string_view utf8, const CodePage& codePage)
{
    const iconv_t converter = iconv_open(codePage.charsetName.c_str(), "UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    std::string encoded;
    // Converts a piece at a time until all input is taken; true unless a
    // character is invalid or missing from the code page.
    const auto convert = [&](char** in, std::size_t* inLeft) {
        for (;;) {
            char buffer[256];
            char* out = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t result = iconv(converter, in, inLeft, &out, &outLeft);
            encoded.append(buffer, static_cast<std::size_t>(out - buffer));
            if (result != static_cast<std::size_t>(-1))
                return true;
            if (errno != E2BIG)
                return false;
        }
    };
    std::string input {utf8};
    char* in = input.data();
    std::size_t inLeft = input.size();
    // The call without input lets a character set with shift states close them.
    const bool complete = convert(&in, &inLeft) && convert(nullptr, nullptr);
    iconv_close(converter);
    if (!complete)
        return std::nullopt;
    return encoded;
}

namespace {

bool writeAll(int file, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = write(file, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

} // namespace

bool replaceFileWith(const std::string& path, std::string_view bytes, Readers readers)
{
    const auto slash = path.rfind('/');
    std::string temporary
        = (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) + ".velmora-XXXXXX";
    const int file = mkstemp(temporary.data());
    if (file < 0)
        return false;
    // Set on the open file: a name can be swapped, the file cannot.
    bool written
        = fchmod(file, readers == Readers::OwnerAlone ? 0600 : 0644) == 0 && writeAll(file, bytes) && fsync(file) == 0;
    written = close(file) == 0 && written;
    if (written && std::rename(temporary.c_str(), path.c_str()) == 0)
        return true;
    unlink(temporary.c_str());
    return false;
}

} // namespace velmora::platform
