// A dialog made again for each DPI it is moved to: its controls' font and
// places as its template made them, scaled. Windows 10 1703 and later would
// scale a per-monitor (V2) dialog themselves, but Windows 8.1 and 10 1607 tell
// the program and leave the rest to it; done here, the dialog looks the same on
// each, and a dialog procedure that handles WM_DPICHANGED is not scaled twice.
#pragma once

#include <windows.h>

#include <vector>

namespace lexi {

class DpiLayout {
 public:
  // Records the font and places of `dialog`'s controls as they are now, at the
  // DPI of its monitor.
  explicit DpiLayout(HWND dialog);
  ~DpiLayout();
  DpiLayout(const DpiLayout&) = delete;
  DpiLayout& operator=(const DpiLayout&) = delete;

  // For WM_DPICHANGED: puts the dialog in `frame`, the rectangle the system
  // suggests, and gives each control the recorded font and place scaled to `dpi`.
  void scaleTo(int dpi, const RECT& frame);

 private:
  struct Place {
    HWND control;
    RECT rect;  // in the dialog's client area
  };
  HWND dialog_;
  int dpi_;
  LOGFONTW font_{};
  std::vector<Place> places_;
  HFONT scaled_ = nullptr;  // ours, once the DPI has changed
};

}  // namespace lexi
