// While the game runs it holds a named mutex, which its installer and
// uninstaller look for (cmake/windows/brastola.nsi.in): Windows keeps a
// running program's files locked, so they neither replace nor remove any
// file then. In the global namespace, so that a game running in another
// user's session counts too. Windows closes the handle when the process
// ends, however it ends.

#include <windows.h>

namespace {

const HANDLE running = CreateMutexW(nullptr, FALSE, L"Global\\" BRASTOLA_RUNNING_MUTEX);

}  // namespace
