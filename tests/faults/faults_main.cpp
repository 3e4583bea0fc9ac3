#include "private_mounts.h"

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // Before anything can start a thread: a process with two cannot unshare.
    enterPrivateMounts();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
