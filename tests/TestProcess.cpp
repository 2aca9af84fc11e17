#include "TestProcess.h"

#include <vector>

std::wstring TestProgramFolder()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

TestProcess::~TestProcess()
{
    if (job != nullptr)
        CloseHandle(job);
    if (process != nullptr)
        CloseHandle(process);
}

DWORD TestProcess::Start(const wchar_t* programName, const std::wstring& arguments)
{
    job = CreateJobObjectW(nullptr, nullptr);
    if (job == nullptr)
        return GetLastError();
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof(limits));

    const std::wstring program = TestProgramFolder() + programName;
    std::wstring commandLine = L"\"" + program + L"\" " + arguments;
    std::vector<wchar_t> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back(L'\0');
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(program.c_str(), buffer.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, nullptr,
                        &startup, &info))
        return GetLastError();
    AssignProcessToJobObject(job, info.hProcess);
    ResumeThread(info.hThread);
    CloseHandle(info.hThread);
    process = info.hProcess;
    return ERROR_SUCCESS;
}

bool TestProcess::Wait(DWORD timeoutMs, DWORD* exitCode)
{
    if (WaitForSingleObject(process, timeoutMs) != WAIT_OBJECT_0)
        return false;
    GetExitCodeProcess(process, exitCode);
    return true;
}
