#include "job/KeyLength.h"
#include "job/SiteAddress.h"

#include <gtest/gtest.h>

using namespace velmora::job;

TEST(SiteAddress, SiteNameDropsHttpThenHttpsInAnyCase)
{
    const std::pair<const char*, const char*> cases[] {
        {"http://https://host", "host"},
        {"https://http://host", "http://host"}, // http:// is looked for first
        {"https://", ""},
        {"https://例子.測試", "例子.測試"}, // UTF-8 is left whole
        {"HTTP://AZ.Test@[`", "az.test@[`"}, // the ASCII letters and no neighbour
    };
    for (const auto& [address, siteName] : cases)
        EXPECT_EQ(siteNameFromAddress(address), siteName) << address;
    EXPECT_EQ(trimSpaces("\t a b  "), "\t a b"); // blanks only
}

TEST(SiteAddress, SaveLocationAndOutputFolderOnBothSeparators)
{
    // The save location, the separator, the location tidied and the output folder in it.
    const std::tuple<const char*, char, const char*, const char*> cases[] {
        {"C:\\certs\\", '\\', "C:\\certs", "C:\\certs\\site"},
        {"C:\\", '\\', "C:", "C:\\site"},
        {"C:\\certs\\\\", '\\', "C:\\certs\\", "C:\\certs\\\\site"},
        {"/", '/', "/", "/site"}, // the root alone stays, or the box would empty itself
    };
    for (const auto& [location, separator, tidied, folder] : cases) {
        EXPECT_EQ(withoutTrailingSeparator(location, separator), tidied);
        EXPECT_EQ(outputFolderPath(tidied, separator, "site"), folder);
    }
}

TEST(KeyLength, EmptyOrDigitsInRange)
{
    for (const char* text : {"", "512", "3000", "16384"})
        EXPECT_TRUE(isAcceptableKeyLength(text)) << text;
    for (const char* text : {"511", "16385", "2048 ", "+2048", "1e4", "184467440737095516160"})
        EXPECT_FALSE(isAcceptableKeyLength(text)) << text;
}
