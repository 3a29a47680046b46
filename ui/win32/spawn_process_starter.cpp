#include "ui/win32/spawn_process_starter.h"

#include <process.h>
#include <windows.h>

#include <cerrno>
#include <string>

#include "wordlist/input_file.h"

namespace lexi {

namespace {

bool isFile(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// The full path of `program` in the Windows folder, else along PATH; empty
// when it is in neither.
std::wstring findProgram(const std::wstring& program) {
  wchar_t folder[MAX_PATH];
  const UINT length = GetWindowsDirectoryW(folder, MAX_PATH);
  if (length > 0 && length < MAX_PATH) {
    std::wstring path(folder, length);
    if (path.back() != L'\\') path += L'\\';
    path += program;
    if (isFile(path)) return path;
  }
  const DWORD pathSize = GetEnvironmentVariableW(L"PATH", nullptr, 0);
  if (pathSize == 0) return {};
  std::wstring searchPath(pathSize, L'\0');
  searchPath.resize(GetEnvironmentVariableW(L"PATH", searchPath.data(), pathSize));
  std::wstring found(32768, L'\0');
  const DWORD size = SearchPathW(searchPath.c_str(), program.c_str(), nullptr,
                                 static_cast<DWORD>(found.size()), found.data(), nullptr);
  if (size == 0 || size >= found.size()) return {};
  found.resize(size);
  return isFile(found) ? found : std::wstring();
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
