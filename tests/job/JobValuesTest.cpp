#include "job/KeyLength.h"
#include "job/MaskedDate.h"
#include "job/SiteAddress.h"

#include <gtest/gtest.h>

using namespace velmora::job;
using namespace std::chrono;

TEST(SiteAddress, SiteNameDropsHttpThenHttpsInAnyCase)
{
    const std::vector<std::pair<std::string, std::string>> cases {
        {"HTTPS://Www.Example.Test", "www.example.test"},
        {"http://https://host", "host"},
        {"https://http://host", "http://host"}, // the http test came first and no longer matches
        {"ftp://Files.Test", "ftp://files.test"},
        {"http://", ""},
        {"https://", ""},
        {"HTTP://Host:8443/Path/", "host:8443/path/"},
        {"https://例子.測試", "例子.測試"}, // UTF-8 is left whole
    };
    for (const auto& [address, siteName] : cases)
        EXPECT_EQ(siteNameFromAddress(address), siteName) << address;
}

TEST(SiteAddress, TrimRemovesBlanksOnly)
{
    EXPECT_EQ(trimSpaces("  a b  "), "a b");
    EXPECT_EQ(trimSpaces("\ta\t"), "\ta\t");
    EXPECT_EQ(trimSpaces("   "), "");
}

TEST(SiteAddress, SaveLocationAndOutputFolderOnBothSeparators)
{
    struct Case
    {
        std::string location;
        char separator;
        std::string tidied, folder;
    };
    const std::vector<Case> cases {
        {"C:\\certs", '\\', "C:\\certs", "C:\\certs\\site"},
        {"C:\\certs\\", '\\', "C:\\certs", "C:\\certs\\site"},
        {"C:\\", '\\', "C:", "C:\\site"},
        {"C:\\certs\\\\", '\\', "C:\\certs\\", "C:\\certs\\\\site"},
        {"/srv/certs/", '/', "/srv/certs", "/srv/certs/site"},
        {"/srv/certs//", '/', "/srv/certs/", "/srv/certs//site"},
        {"/", '/', "/", "/site"}, // the root alone stays, or the box would empty itself
        {"relative", '/', "relative", "relative/site"},
    };
    for (const auto& c : cases) {
        const std::string tidied = withoutTrailingSeparator(c.location, c.separator);
        EXPECT_EQ(tidied, c.tidied) << c.location;
        EXPECT_EQ(outputFolderPath(tidied, c.separator, "site"), c.folder) << c.location;
    }
}

TEST(MaskedDate, OnlyWholeRealDatesParse)
{
    EXPECT_EQ(parseMaskedDate("2026/12/06"), year {2026} / December / 6);
    EXPECT_EQ(parseMaskedDate("2028/02/29"), year {2028} / February / 29);
    for (const char* text : {"____/__/__", "2026/1_/__", "2026/02/30", "2027/02/29", "2026/13/01", "2026/00/10",
                             "2026/01/00", "0000/01/01", "2026-01-01", "2026/1/1", "2026/01/01 ", ""})
        EXPECT_FALSE(parseMaskedDate(text)) << text;
}

TEST(KeyLength, EmptyOrDigitsInRange)
{
    for (const char* text : {"", "512", "1024", "3000", "16384", "0512"})
        EXPECT_TRUE(isAcceptableKeyLength(text)) << text;
    for (const char* text :
         {"511", "16385", "0", "2048 ", "+2048", "2048;rm", "1e4", "２０４８", "184467440737095516160"})
        EXPECT_FALSE(isAcceptableKeyLength(text)) << text;
}
