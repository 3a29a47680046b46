#include "ui/win32/dpi_layout.h"

namespace lexi {

namespace {

// The call `name` of user32, or null on a system that has none.
template <typename Function>
Function fromUser32(const char* name) {
  return reinterpret_cast<Function>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

// The DPI `window` was made for: its monitor's from Windows 10 1607 on, the
// system's before, when dialogs were made at that one.
int windowDpi(HWND window) {
  const auto getDpi = fromUser32<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
  if (getDpi != nullptr) return static_cast<int>(getDpi(window));
  const HDC dc = GetDC(window);
  const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(window, dc);
  return dpi;
}

using SetDpiBehavior = BOOL(WINAPI*)(HWND, int, int);

}  // namespace

DpiLayout::DpiLayout(HWND dialog) : dialog_(dialog), dpi_(windowDpi(dialog)) {
  // From Windows 10 1703 the dialog manager would scale the dialog and its
  // controls' fonts too, on top of scaleTo: it is told not to (DDC_DISABLE_ALL,
  // DCDC_DISABLE_FONTUPDATE and _RELAYOUT). Older systems have neither call,
  // nor that scaling.
  const auto forDialog = fromUser32<SetDpiBehavior>("SetDialogDpiChangeBehavior");
  const auto forControl = fromUser32<SetDpiBehavior>("SetDialogControlDpiChangeBehavior");
  if (forDialog != nullptr) forDialog(dialog, 1, 1);
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)), sizeof font_, &font_);
  for (HWND control = GetWindow(dialog, GW_CHILD); control != nullptr;
       control = GetWindow(control, GW_HWNDNEXT)) {
    if (forControl != nullptr) forControl(control, 3, 3);
    Place place{control, {}};
    GetWindowRect(control, &place.rect);
    // A combo box's height holds its drop-down list, which its frame leaves out.
    RECT dropped{};
    if (SendMessageW(control, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped))) {
      place.rect.bottom = dropped.bottom;
    }
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place.rect), 2);
    places_.push_back(place);
  }
}

DpiLayout::~DpiLayout() {
  if (scaled_ != nullptr) DeleteObject(scaled_);
}

void DpiLayout::scaleTo(int dpi, const RECT& frame) {
  SetWindowPos(dialog_, nullptr, frame.left, frame.top, frame.right - frame.left,
               frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
  LOGFONTW font = font_;
  font.lfHeight = MulDiv(font_.lfHeight, dpi, dpi_);
  // Without a new font the controls keep the one they have.
  const HFONT scaled = CreateFontIndirectW(&font);
  const auto at = [&](LONG length) { return MulDiv(length, dpi, dpi_); };
  for (const Place& place : places_) {
    if (scaled != nullptr) {
      SendMessageW(place.control, WM_SETFONT, reinterpret_cast<WPARAM>(scaled), FALSE);
    }
    const RECT& rect = place.rect;
    SetWindowPos(place.control, nullptr, at(rect.left), at(rect.top),
                 at(rect.right) - at(rect.left), at(rect.bottom) - at(rect.top),
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  InvalidateRect(dialog_, nullptr, TRUE);
  if (scaled == nullptr) return;
  if (scaled_ != nullptr) DeleteObject(scaled_);
  scaled_ = scaled;
}

}  // namespace lexi
