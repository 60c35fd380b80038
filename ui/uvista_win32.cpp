#include "ui/uvista_win32.h"

#include "ui/uvista.h"

DWORD WindowsMajorVersion() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  GetVersionExA(&version);
  return version.dwMajorVersion;
}

void AdjustWindowStyle(HWND window) {
  if (!IsVistaOrLater()) {
    return;
  }
  LONG style = GetWindowLongA(window, GWL_EXSTYLE);
  style &= ~WS_EX_TOOLWINDOW;
  style |= WS_EX_APPWINDOW;
  SetWindowLongA(window, GWL_EXSTYLE, style);
}

// The toolkit has no hidden application window holding the taskbar button, so unlike the
// classic form there is nothing to hide after the command.
bool HandleSystemCommand(const MSG& message, LRESULT* result) {
  if (message.message != WM_SYSCOMMAND || !IsVistaOrLater()) {
    return false;
  }
  switch (message.wParam & 0xFFF0) {
    case SC_MINIMIZE:
    case SC_MAXIMIZE:
    case SC_RESTORE:
      *result = DefWindowProcA(message.hwnd, message.message, message.wParam, message.lParam);
      return true;
    default:
      return false;
  }
}
