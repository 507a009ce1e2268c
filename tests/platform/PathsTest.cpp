#include "platform/Paths.h"

#include <gtest/gtest.h>

TEST(Paths, SeparatorMatchesTheSystem)
{
#ifdef _WIN32
    EXPECT_EQ(velmora::platform::pathSeparator(), '\\');
#else
    EXPECT_EQ(velmora::platform::pathSeparator(), '/');
#endif
}
