// A program that runs for a while and does nothing: scripts/e2e-wine-ctl copies it to a host's
// executable path and starts it, so that the host runs. It ends by itself after 120 seconds
// (or the number of seconds given), should the script not end it first.
#include <windows.h>

#include <cwchar>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
    long seconds = commandLine != nullptr && commandLine[0] != L'\0' ? std::wcstol(commandLine, nullptr, 10) : 0;
    Sleep(static_cast<DWORD>(seconds > 0 && seconds <= 600 ? seconds : 120) * 1000);
    return 0;
}
