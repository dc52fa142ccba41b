// Load entry of the Windows module: nothing to set up or tear down, so every
// notification (process or thread, attach or detach) simply succeeds.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
