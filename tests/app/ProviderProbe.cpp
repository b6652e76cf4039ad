// Starts Velmora.exe and asks it, from this other process, what a
// skin-aware program may ask of its windows: only questions whose answers
// are values. Waits for its window to appear and to be skinned, checks every
// answer, then closes the window and waits for the program to end.
//   provider_probe VELMORA_EXE
// Exit code 0 when every answer was as expected.
#include <windows.h>

#include <cstdio>
#include <string>
#include <string_view>

#include "messages/SkinCommand.h"

namespace {

LRESULT Ask(HWND window, int command) {
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutW(window, SM_SKINCOMMAND, MakeSkinCommand(command), 0, SMTO_ABORTIFHUNG, 5000, &answer))
    return -1;
  return static_cast<LRESULT>(answer);
}

// Polls every 50 ms for up to Seconds.
template <class Condition>
bool WaitFor(Condition condition, int Seconds) {
  for (int i = 0; i < Seconds * 20; ++i) {
    if (condition()) return true;
    Sleep(50);
  }
  return false;
}

int failures = 0;

struct TacWindowSearch {
  DWORD ProcessId;
  HWND Found = nullptr;
};

BOOL CALLBACK FindProcessWindow(HWND window, LPARAM param) {
  auto& search = *reinterpret_cast<TacWindowSearch*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  wchar_t caption[16] = {};
  GetWindowTextW(window, caption, 16);
  if (process != search.ProcessId || !IsWindowVisible(window) || std::wstring_view(caption) != L"Velmora") return TRUE;
  search.Found = window;
  return FALSE;
}

// The window's border window: the layered window it owns, which shows its frame.
BOOL CALLBACK FindBorderWindow(HWND window, LPARAM param) {
  auto& search = *reinterpret_cast<TacWindowSearch*>(param);
  if (GetWindow(window, GW_OWNER) != search.Found || !(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED))
    return TRUE;
  search.Found = window;
  return FALSE;
}

void Expect(const char* what, long long actual, long long expected) {
  const bool ok = actual == expected;
  std::printf("%-44s %lld%s\n", what, actual, ok ? "" : " (unexpected)");
  if (!ok) ++failures;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::printf("usage: provider_probe VELMORA_EXE\n");
    return 2;
  }
  std::string command = std::string("\"") + argv[1] + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
    std::printf("cannot start %s\n", argv[1]);
    return 1;
  }
  CloseHandle(started.hThread);
  TacWindowSearch search{started.dwProcessId};
  const bool shown = WaitFor([&] { return EnumWindows(FindProcessWindow, reinterpret_cast<LPARAM>(&search)), search.Found; }, 60);
  const HWND window = search.Found;
  if (!shown) {
    std::printf("no Velmora window appeared\n");
    ++failures;
  } else if (!WaitFor([&] { return Ask(window, SK_IS_SKINNED) == 1; }, 60)) {
    std::printf("the window was never skinned\n");
    ++failures;
  } else {
    Expect("skinned (SK_IS_SKINNED)", Ask(window, SK_IS_SKINNED), 1);
    Expect("default kind (SK_GET_DEFAULT_KIND)", Ask(window, SK_GET_DEFAULT_KIND), 13);
    // The frame bitmap is the border window's image: the client lies where the frame leaves its hole.
    TacWindowSearch border{started.dwProcessId, window};
    WaitFor([&] { return EnumWindows(FindBorderWindow, reinterpret_cast<LPARAM>(&border)), border.Found != window; }, 60);
    RECT bounds{};
    GetWindowRect(border.Found, &bounds);
    POINT client{0, 0};
    ClientToScreen(window, &client);
    Expect("client offset (SK_GET_CLIENT_OFFSET)", Ask(window, SK_GET_CLIENT_OFFSET),
           MAKELONG(client.x - bounds.left, client.y - bounds.top));
    Expect("WS_SYSMENU in the window style", (GetWindowLongPtrW(window, GWL_STYLE) & WS_SYSMENU) != 0, 0);
    Expect("\"ACSDATA\" property present", GetPropW(window, kAcsDataProperty) != nullptr, 1);
    // A pointer is never handed to another process.
    Expect("provider pointer (SK_GET_PROVIDER)", Ask(window, SK_GET_PROVIDER), 0);
    Expect("application pointer (SK_GET_APPLICATION)", Ask(window, SK_GET_APPLICATION), 0);
    PostMessageW(window, WM_CLOSE, 0, 0);
  }
  if (WaitForSingleObject(started.hProcess, shown ? 30000 : 0) != WAIT_OBJECT_0) {
    if (shown) {
      std::printf("Velmora.exe did not end after its window was closed\n");
      ++failures;
    }
    TerminateProcess(started.hProcess, 1);
  }
  CloseHandle(started.hProcess);
  return failures == 0 ? 0 : 1;
}
