// The window's fit into the Windows taskbar.
#include <QEvent>

#include "ui/unit_mainform.h"
#include "ui/uvista_win32.h"

bool Tmainform::event(QEvent* event) {
  // Each time the native window is created.
  if (event->type() == QEvent::WinIdChange && internalWinId() != 0) {
    AdjustWindowStyle(reinterpret_cast<HWND>(internalWinId()));
  }
  return QWidget::event(event);
}

bool Tmainform::nativeEvent(const QByteArray& eventType, void* message, qintptr* result) {
  LRESULT handled = 0;
  if (eventType == "windows_generic_MSG" &&
      HandleSystemCommand(*static_cast<const MSG*>(message), &handled)) {
    *result = handled;
    return true;
  }
  return QWidget::nativeEvent(eventType, message, result);
}
