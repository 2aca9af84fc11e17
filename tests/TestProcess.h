#pragma once

#include <string>
#include <windows.h>

// A child process for a test, in a job object that ends it when the test ends,
// whatever way the test ends.
class TestProcess {
public:
    TestProcess() = default;
    ~TestProcess();
    TestProcess(const TestProcess&) = delete;
    TestProcess& operator=(const TestProcess&) = delete;

    // Starts a program that lies beside the test executable, with a command line.
    DWORD Start(const wchar_t* programName, const std::wstring& arguments);
    // Waits for the end; returns false after the time-out.
    bool Wait(DWORD timeoutMs, DWORD* exitCode);

    HANDLE Process() const { return process; }

private:
    HANDLE job = nullptr;
    HANDLE process = nullptr;
};

// The folder of the running test executable, with a trailing backslash.
std::wstring TestProgramFolder();
