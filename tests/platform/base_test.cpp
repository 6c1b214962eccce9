#include "platform/base.h"

#include <gtest/gtest.h>

#include "platform/services.h"

TEST(Abort, RaisesSilentAbort) {
    EXPECT_THROW(Abort(), EAbort);
}
