// The library entry: on Windows, process attach turns off per-thread notifications.
// Linux needs nothing: static initialisers build the registration and thumbnail.
#ifdef _WIN32
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) DisableThreadLibraryCalls(instance);
    return TRUE;
}
#endif
