#include "palette/SysColorHooks.h"

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <map>
#include <mutex>
#include <optional>

#include "base/WinHandles.h"
#include "graphics/Color.h"
#include "palette/Palette.h"

namespace {

// A function whose entry jumps to a replacement. The replacement reaches the
// system's function by putting its first bytes back for the call. When the
// jump lies inside one aligned 8-byte block (functions start aligned), the
// block is swapped in one store, so another thread entering at that moment
// runs either the jump or the original code, never a mix of both.
class EntryPatch {
 public:
  EntryPatch() { InitializeCriticalSection(&FLock); }
  ~EntryPatch() { DeleteCriticalSection(&FLock); }
  EntryPatch(const EntryPatch&) = delete;
  EntryPatch& operator=(const EntryPatch&) = delete;

  bool Install(void* Target, void* Replacement) {
    uint8_t* target = static_cast<uint8_t*>(Target);
    void* jumpTo = Replacement;
    if (!InRel32(target + kJumpSize, Replacement)) {
      FStub = AllocateNear(target);
      if (!FStub) return false;
      WriteAbsoluteJump(FStub, Replacement);
      jumpTo = FStub;
    }
    if (!VirtualProtect(target, kJumpSize, PAGE_EXECUTE_READWRITE, &FOldProtect)) {
      FreeStub();
      return false;
    }
    FTarget = target;
    std::memcpy(FOriginal, FTarget, kJumpSize);
    FPatched[0] = 0xE9;
    const auto rel = static_cast<int32_t>(reinterpret_cast<intptr_t>(jumpTo) - reinterpret_cast<intptr_t>(FTarget + kJumpSize));
    std::memcpy(FPatched + 1, &rel, sizeof(rel));
    Store(FPatched);
    return true;
  }

  void Uninstall() {
    if (!FTarget) return;
    Store(FOriginal);
    DWORD ignored;
    VirtualProtect(FTarget, kJumpSize, FOldProtect, &ignored);
    FreeStub();
    FTarget = nullptr;
  }

  // Runs Call with the system's own code in place; calls from several
  // threads take turns, and a nested call on the same thread is allowed.
  template <class Call>
  auto CallOriginal(Call call) {
    EnterCriticalSection(&FLock);
    Store(FOriginal);
    const auto result = call();
    Store(FPatched);
    LeaveCriticalSection(&FLock);
    return result;
  }

 private:
  static constexpr size_t kJumpSize = 5;

  void Store(const uint8_t* bytes) {
    const auto address = reinterpret_cast<uintptr_t>(FTarget);
    auto* block = reinterpret_cast<uint64_t*>(address & ~uintptr_t{7});
    const size_t offset = address & 7;
    if (offset + kJumpSize <= sizeof(uint64_t)) {
      uint64_t value = *block;
      std::memcpy(reinterpret_cast<uint8_t*>(&value) + offset, bytes, kJumpSize);
      __atomic_store_n(block, value, __ATOMIC_SEQ_CST);
    } else {
      std::memcpy(FTarget, bytes, kJumpSize);
    }
    FlushInstructionCache(GetCurrentProcess(), FTarget, kJumpSize);
  }

  static bool InRel32(const uint8_t* from, const void* to) {
    const int64_t distance = static_cast<int64_t>(reinterpret_cast<intptr_t>(to) - reinterpret_cast<intptr_t>(from));
    return distance >= INT32_MIN && distance <= INT32_MAX;
  }

  // 64-bit only: a page within reach of a rel32 jump, for the absolute jump onwards.
  static uint8_t* AllocateNear(const uint8_t* target) {
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    const uintptr_t granularity = info.dwAllocationGranularity;
    const auto origin = reinterpret_cast<uintptr_t>(target) & ~(granularity - 1);
    const auto lowest = reinterpret_cast<uintptr_t>(info.lpMinimumApplicationAddress);
    const auto highest = reinterpret_cast<uintptr_t>(info.lpMaximumApplicationAddress);
    for (uintptr_t distance = granularity; distance < 0x7FF00000u; distance += granularity)
      for (const bool below : {true, false}) {
        if (below ? origin < lowest + distance : origin > highest - distance) continue;
        const uintptr_t candidate = below ? origin - distance : origin + distance;
        MEMORY_BASIC_INFORMATION region;
        if (!VirtualQuery(reinterpret_cast<void*>(candidate), &region, sizeof(region)) || region.State != MEM_FREE)
          continue;
        if (void* page = VirtualAlloc(reinterpret_cast<void*>(candidate), info.dwPageSize, MEM_RESERVE | MEM_COMMIT,
                                      PAGE_EXECUTE_READWRITE))
          return static_cast<uint8_t*>(page);
      }
    return nullptr;
  }

  // jmp [rip + 0] followed by the address.
  static void WriteAbsoluteJump(uint8_t* at, const void* to) {
    const uint8_t jump[6] = {0xFF, 0x25, 0, 0, 0, 0};
    std::memcpy(at, jump, sizeof(jump));
    const auto address = static_cast<uint64_t>(reinterpret_cast<uintptr_t>(to));
    std::memcpy(at + sizeof(jump), &address, sizeof(address));
    FlushInstructionCache(GetCurrentProcess(), at, sizeof(jump) + sizeof(address));
  }

  void FreeStub() {
    if (FStub) VirtualFree(FStub, 0, MEM_RELEASE);
    FStub = nullptr;
  }

  CRITICAL_SECTION FLock;
  uint8_t* FTarget = nullptr;
  uint8_t* FStub = nullptr;
  uint8_t FOriginal[kJumpSize] = {};
  uint8_t FPatched[kJumpSize] = {};
  DWORD FOldProtect = 0;
};

struct HookState {
  TacCurrentPaletteProc CurrentPalette = nullptr;
  TacActiveFormVisibleProc ActiveFormVisible = nullptr;
  EntryPatch GetSysColorPatch, GetSysColorBrushPatch, CreatePenPatch;
  decltype(&GetSysColor) SysGetSysColor = nullptr;
  decltype(&GetSysColorBrush) SysGetSysColorBrush = nullptr;
  decltype(&CreatePen) SysCreatePen = nullptr;
  // Callers never free what GetSysColorBrush gives them, so one brush per
  // colour is made and kept until the substitution ends.
  std::map<COLORREF, TacScopedBrush> Brushes;
  std::mutex BrushesLock;
  TacSysColorQuery PreviousQuery = nullptr;
  bool Installed = false;
};

// Never destroyed: a call that arrives after static destruction still finds it.
HookState& State() {
  static HookState& state = *new HookState;
  return state;
}

const TacSkinPalette* SubstitutePalette() {
  const HookState& s = State();
  return s.CurrentPalette ? s.CurrentPalette() : nullptr;
}

DWORD SystemSysColor(int Index) {
  HookState& s = State();
  return s.GetSysColorPatch.CallOriginal([&] { return s.SysGetSysColor(Index); });
}

uint32_t SystemSysColorQuery(int Index) { return SystemSysColor(Index); }

DWORD WINAPI SkinGetSysColor(int Index) {
  const HookState& s = State();
  if (const TacSkinPalette* palette = SubstitutePalette(); palette && s.ActiveFormVisible && s.ActiveFormVisible())
    if (const std::optional<TColor> color = palette->SysColor(Index)) return static_cast<DWORD>(*color);
  return SystemSysColor(Index);
}

HBRUSH WINAPI SkinGetSysColorBrush(int Index) {
  HookState& s = State();
  if (const TacSkinPalette* palette = SubstitutePalette())
    if (const std::optional<TColor> color = palette->SysBrushColor(Index)) {
      const auto rgb = static_cast<COLORREF>(*color & 0x00FFFFFF);
      const std::lock_guard<std::mutex> guard(s.BrushesLock);
      TacScopedBrush& brush = s.Brushes[rgb];
      // A caller that deleted the brush after all gave its handle back to
      // the system, which may have reused it: it is not ours to delete.
      if (brush && GetObjectType(brush.Get()) != OBJ_BRUSH) brush.Release();
      if (!brush) brush.Reset(CreateSolidBrush(rgb));
      if (brush) return brush.Get();
    }
  return s.GetSysColorBrushPatch.CallOriginal([&] { return s.SysGetSysColorBrush(Index); });
}

HPEN WINAPI SkinCreatePen(int Style, int Width, COLORREF Color) {
  HookState& s = State();
  if (const TacSkinPalette* palette = SubstitutePalette())
    Color = static_cast<COLORREF>(palette->PenColor(static_cast<TColor>(Color)));
  return s.CreatePenPatch.CallOriginal([&] { return s.SysCreatePen(Style, Width, Color); });
}

template <class Function>
Function Export(const wchar_t* Module, const char* Name) {
  HMODULE module = GetModuleHandleW(Module);
  if (!module) module = LoadLibraryW(Module);
  return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, Name))) : nullptr;
}

template <class Function>
void* Code(Function f) {
  return reinterpret_cast<void*>(f);
}
}  // namespace

bool InstallSysColorHooks(TacCurrentPaletteProc CurrentPalette, TacActiveFormVisibleProc ActiveFormVisible) {
  HookState& s = State();
  s.CurrentPalette = CurrentPalette;
  s.ActiveFormVisible = ActiveFormVisible;
  if (s.Installed) return true;
  s.SysGetSysColor = Export<decltype(&GetSysColor)>(L"user32.dll", "GetSysColor");
  s.SysGetSysColorBrush = Export<decltype(&GetSysColorBrush)>(L"user32.dll", "GetSysColorBrush");
  s.SysCreatePen = Export<decltype(&CreatePen)>(L"gdi32.dll", "CreatePen");
  if (!s.SysGetSysColor || !s.SysGetSysColorBrush || !s.SysCreatePen) return false;
  if (!s.GetSysColorPatch.Install(Code(s.SysGetSysColor), Code(&SkinGetSysColor))) return false;
  if (!s.GetSysColorBrushPatch.Install(Code(s.SysGetSysColorBrush), Code(&SkinGetSysColorBrush))) {
    s.GetSysColorPatch.Uninstall();
    return false;
  }
  if (!s.CreatePenPatch.Install(Code(s.SysCreatePen), Code(&SkinCreatePen))) {
    s.GetSysColorBrushPatch.Uninstall();
    s.GetSysColorPatch.Uninstall();
    return false;
  }
  s.PreviousQuery = SetSysColorQuery(SystemSysColorQuery);
  s.Installed = true;
  return true;
}

void UninstallSysColorHooks() {
  HookState& s = State();
  if (!s.Installed) return;
  SetSysColorQuery(s.PreviousQuery);
  s.CreatePenPatch.Uninstall();
  s.GetSysColorBrushPatch.Uninstall();
  s.GetSysColorPatch.Uninstall();
  const std::lock_guard<std::mutex> guard(s.BrushesLock);
  s.Brushes.clear();
  s.Installed = false;
}

bool SysColorHooksInstalled() { return State().Installed; }
