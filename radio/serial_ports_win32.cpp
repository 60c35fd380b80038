#include <windows.h>

#include <devguid.h>
#include <setupapi.h>

#include <string>
#include <string_view>
#include <vector>

#include "radio/com_ports.h"
#include "radio/serial_ports.h"

namespace {

std::string Utf8(std::wstring_view text) {
  if (text.empty()) {
    return {};
  }
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), size,
                      nullptr, nullptr);
  return utf8;
}

// A string read into a buffer one null longer than its stored size, since the one who
// stored it need not have stored the null.
std::string StoredString(const std::wstring& buffer) {
  return Utf8(buffer.c_str());
}

// A string value of an open key; empty when there is none.
std::string StringValue(HKEY key, const wchar_t* name) {
  DWORD type = 0;
  DWORD bytes = 0;
  if (RegQueryValueExW(key, name, nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS ||
      type != REG_SZ) {
    return {};
  }
  std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
  bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &bytes) !=
      ERROR_SUCCESS) {
    return {};
  }
  return StoredString(text);
}

// The COM names of the serial-port map, which each port's driver enters while it runs.
std::vector<std::string> MappedPorts() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_QUERY_VALUE,
                    &key) != ERROR_SUCCESS) {
    return {};
  }
  DWORD nameLength = 0;
  DWORD dataBytes = 0;
  RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &nameLength,
                   &dataBytes, nullptr, nullptr);
  std::vector<std::string> ports;
  std::wstring name(nameLength + 1, L'\0');
  for (DWORD index = 0;; ++index) {
    std::wstring data(dataBytes / sizeof(wchar_t) + 1, L'\0');
    DWORD nameSize = static_cast<DWORD>(name.size());
    DWORD dataSize = static_cast<DWORD>(data.size() * sizeof(wchar_t));
    DWORD type = 0;
    const LONG result = RegEnumValueW(key, index, name.data(), &nameSize, nullptr, &type,
                                      reinterpret_cast<BYTE*>(data.data()), &dataSize);
    if (result != ERROR_SUCCESS) {
      break;
    }
    if (type == REG_SZ) {
      ports.push_back(StoredString(data));
    }
  }
  RegCloseKey(key);
  return ports;
}

std::string FriendlyName(HDEVINFO set, SP_DEVINFO_DATA& device) {
  DWORD bytes = 0;
  SetupDiGetDeviceRegistryPropertyW(set, &device, SPDRP_FRIENDLYNAME, nullptr, nullptr, 0, &bytes);
  if (bytes == 0) {
    return {};
  }
  std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
  if (!SetupDiGetDeviceRegistryPropertyW(
          set, &device, SPDRP_FRIENDLYNAME, nullptr, reinterpret_cast<BYTE*>(text.data()),
          static_cast<DWORD>(text.size() * sizeof(wchar_t)), nullptr)) {
    return {};
  }
  return StoredString(text);
}

// The port's name, which the ports class installer keeps in the device's hardware key.
std::string PortName(HDEVINFO set, SP_DEVINFO_DATA& device) {
  const HKEY key =
      SetupDiOpenDevRegKey(set, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_QUERY_VALUE);
  if (key == INVALID_HANDLE_VALUE) {
    return {};
  }
  std::string name = StringValue(key, L"PortName");
  RegCloseKey(key);
  return name;
}

}  // namespace

std::vector<ComPortDevice> PresentComPortDevices() {
  const HDEVINFO set = SetupDiGetClassDevsW(&GUID_DEVCLASS_PORTS, nullptr, nullptr, DIGCF_PRESENT);
  if (set == INVALID_HANDLE_VALUE) {
    return {};
  }
  std::vector<ComPortDevice> devices;
  SP_DEVINFO_DATA device{};
  device.cbSize = sizeof device;
  for (DWORD index = 0; SetupDiEnumDeviceInfo(set, index, &device); ++index) {
    devices.push_back({PortName(set, device), FriendlyName(set, device)});
  }
  SetupDiDestroyDeviceInfoList(set);
  return devices;
}

std::vector<SerialPortEntry> AvailableSerialPorts() {
  return ListComPorts(MappedPorts(), PresentComPortDevices());
}
