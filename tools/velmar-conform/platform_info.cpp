#include "platform_info.h"

#include <windows.h>

namespace {

// RTL_OSVERSIONINFOW, which the SDK keeps in the driver kit's headers.
struct KernelVersion {
    ULONG size;
    ULONG major;
    ULONG minor;
    ULONG build;
    ULONG platform;
    WCHAR servicePack[128];
};
using RtlGetVersionFunction = LONG(WINAPI*)(KernelVersion*);
using WineGetVersionFunction = const char*(CDECL*)();

template <typename Function>
Function NtdllFunction(const char* name) {
    const HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
    return ntdll
               ? reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(ntdll, name)))
               : nullptr;
}

std::string Narrow(const WCHAR* text) {
    std::string narrow;
    for (std::size_t i = 0; i < 127 && text[i]; ++i)
        narrow += text[i] < 0x80 ? static_cast<char>(text[i]) : '?';
    return narrow;
}

}  // namespace

std::string ProgramName() {
    return std::string("velmar-conform ") + VELMAR_VERSION +
           (sizeof(void*) == 8 ? " (x64)" : " (x86)");
}

RecordingPlatform ThisPlatform() {
    RecordingPlatform platform;
    platform.program = ProgramName();
    platform.processor = sizeof(void*) == 8 ? "x64" : "x86";
    KernelVersion version{};
    version.size = sizeof version;
    const auto getVersion = NtdllFunction<RtlGetVersionFunction>("RtlGetVersion");
    if (getVersion && getVersion(&version) == 0) {
        platform.windowsMajor = version.major;
        platform.windowsMinor = version.minor;
        platform.windowsBuild = version.build;
        platform.servicePack = Narrow(version.servicePack);
    }
    if (const auto wineVersion = NtdllFunction<WineGetVersionFunction>("wine_get_version"))
        platform.wine = wineVersion();
    return platform;
}
