#include "ui/win32/spawn_process_starter.h"

#include <process.h>
#include <windows.h>

#include <cerrno>

namespace lexi {

int SpawnProcessStarter::start(const char* program, const char* argument) {
  errno = 0;
  const intptr_t process = _spawnlp(_P_NOWAIT, program, program, argument, nullptr);
  if (process == -1) return errno != 0 ? errno : ENOENT;
  CloseHandle(reinterpret_cast<HANDLE>(process));
  return 0;
}

}  // namespace lexi
