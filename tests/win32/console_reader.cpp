// Runs a console program in a console of its own, 200 columns wide, and writes
// as UTF-8 to OUTPUT the rows it left on the console's screen, what a user
// sees; exits with the program's status.
// Usage: console_reader.exe OUTPUT PROGRAM [ARGUMENT...]
#include <windows.h>

#include <cstdio>
#include <string>

#include "wordlist/input_file.h"

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) return 100;
  std::wstring command;
  for (int i = 2; i < argc; ++i) command += std::wstring(L"\"") + argv[i] + L"\" ";
  FreeConsole();
  if (!AllocConsole()) return 101;
  const HANDLE screen =
      CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  nullptr, OPEN_EXISTING, 0, nullptr);
  constexpr SHORT kColumns = 200;
  SetConsoleScreenBufferSize(screen, {kColumns, 100});
  STARTUPINFOW start{};
  start.cb = sizeof start;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start,
                      &process)) {
    return 102;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD status = 0;
  GetExitCodeProcess(process.hProcess, &status);
  CONSOLE_SCREEN_BUFFER_INFO info{};
  GetConsoleScreenBufferInfo(screen, &info);
  std::FILE* out = _wfopen(argv[1], L"wb");
  if (out == nullptr) return 103;
  for (SHORT row = 0; row < info.dwCursorPosition.Y; ++row) {
    wchar_t line[kColumns];
    DWORD read = 0;
    ReadConsoleOutputCharacterW(screen, line, kColumns, {0, row}, &read);
    while (read > 0 && line[read - 1] == L' ') --read;
    const std::string text = lexi::utf8FromWide({line, read});
    std::fwrite(text.data(), 1, text.size(), out);
    std::fputc('\n', out);
  }
  std::fclose(out);
  return static_cast<int>(status);
}
