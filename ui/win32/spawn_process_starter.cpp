#include "ui/win32/spawn_process_starter.h"

#include <process.h>
#include <windows.h>

#include <cerrno>
#include <string>

#include "wordlist/input_file.h"

namespace lexi {

namespace {

// `program`'s full path in the Windows folder, else along PATH; empty when it
// is in neither.
std::wstring findProgram(const std::wstring& program) {
  wchar_t windows[MAX_PATH] = L"";
  std::wstring folders(windows, GetWindowsDirectoryW(windows, MAX_PATH));
  const DWORD pathSize = GetEnvironmentVariableW(L"PATH", nullptr, 0);
  std::wstring path(pathSize, L'\0');
  path.resize(GetEnvironmentVariableW(L"PATH", path.data(), pathSize));
  folders += L';' + path;
  std::wstring found(32768, L'\0');  // the longest path the system knows
  const DWORD size = SearchPathW(folders.c_str(), program.c_str(), nullptr,
                                 static_cast<DWORD>(found.size()), found.data(), nullptr);
  found.resize(size < found.size() ? size : 0);
  return found;
}

}  // namespace

int SpawnProcessStarter::start(const char* program, const char* argument) {
  const std::wstring name = wideFromUtf8(program);
  const std::wstring path = findProgram(name);
  if (path.empty()) return ENOENT;
  errno = 0;
  const intptr_t process =
      _wspawnl(_P_NOWAIT, path.c_str(), name.c_str(), wideFromUtf8(argument).c_str(), nullptr);
  if (process == -1) return errno != 0 ? errno : ENOENT;
  CloseHandle(reinterpret_cast<HANDLE>(process));
  return 0;
}

}  // namespace lexi
