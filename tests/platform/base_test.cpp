#include "platform/base.h"
#include "platform/services.h"

#include <gtest/gtest.h>

TEST(Abort, RaisesSilentAbort) { EXPECT_THROW(Abort(), EAbort); }
