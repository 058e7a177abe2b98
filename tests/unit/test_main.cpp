#include <gtest/gtest.h>

#include <windows.h>

int main(int argc, char** argv)
{
    // A crashing test must fail the run, not wait for someone to close a crash dialog.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
