// A stand-in for the help viewer: after a pause, so that a caller that waits
// for it would be seen waiting, it appends its arguments to hh-args.txt.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  Sleep(1000);
  std::FILE* out = std::fopen("hh-args.txt", "a");
  if (out == nullptr) return 1;
  for (int i = 0; i < __argc; ++i)
    std::fprintf(out, "%s%s", __argv[i], i + 1 < __argc ? "|" : "\n");
  return std::fclose(out) == 0 ? 0 : 1;
}
