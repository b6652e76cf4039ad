#pragma once
// Owners of Win32 handles. Each one gives back what it holds at the end of
// its scope, in the one way the system wants that kind of handle given back,
// so that no function pairs a Create or Get call with its release by hand.
// Windows only.
#include <windows.h>

#include <utility>

// Sole ownership of one handle; Free is the call that releases it.
template <class Handle, auto Free>
class TacScopedHandle {
 public:
  TacScopedHandle() = default;
  explicit TacScopedHandle(Handle handle) : FHandle(handle) {}
  ~TacScopedHandle() { Reset(); }
  TacScopedHandle(TacScopedHandle&& other) noexcept : FHandle(other.Release()) {}
  TacScopedHandle& operator=(TacScopedHandle&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  TacScopedHandle(const TacScopedHandle&) = delete;
  TacScopedHandle& operator=(const TacScopedHandle&) = delete;

  Handle Get() const { return FHandle; }
  explicit operator bool() const { return FHandle != nullptr; }
  // Gives the handle up without releasing it.
  Handle Release() { return std::exchange(FHandle, nullptr); }
  void Reset(Handle handle = nullptr) {
    const Handle old = std::exchange(FHandle, handle);
    if (old && old != handle) Free(old);
  }

 private:
  Handle FHandle = nullptr;
};

namespace acs_handles {
inline void DeleteGdiObject(HGDIOBJ object) { DeleteObject(object); }
inline void DeleteMemoryDC(HDC dc) { DeleteDC(dc); }
inline void DestroyIconHandle(HICON icon) { DestroyIcon(icon); }
inline void UnhookHook(HHOOK hook) { UnhookWindowsHookEx(hook); }
inline void RemoveMemoryFont(HANDLE font) { RemoveFontMemResourceEx(font); }
inline void UnloadModule(HMODULE module) { FreeLibrary(module); }
}  // namespace acs_handles

// GDI objects: brushes, pens, fonts, bitmaps and regions.
template <class Handle>
using TacGdiObject = TacScopedHandle<Handle, acs_handles::DeleteGdiObject>;
using TacScopedBrush = TacGdiObject<HBRUSH>;
using TacScopedPen = TacGdiObject<HPEN>;
using TacScopedFont = TacGdiObject<HFONT>;
using TacScopedBitmap = TacGdiObject<HBITMAP>;
using TacScopedRegion = TacGdiObject<HRGN>;

// A memory device context from CreateCompatibleDC.
using TacMemoryDC = TacScopedHandle<HDC, acs_handles::DeleteMemoryDC>;
using TacScopedIcon = TacScopedHandle<HICON, acs_handles::DestroyIconHandle>;
using TacScopedHook = TacScopedHandle<HHOOK, acs_handles::UnhookHook>;
// A font installed for this process from memory (AddFontMemResourceEx).
using TacFontResource = TacScopedHandle<HANDLE, acs_handles::RemoveMemoryFont>;
using TacScopedModule = TacScopedHandle<HMODULE, acs_handles::UnloadModule>;

// The device context of a window (null: the screen) from GetDC, or of the
// whole window, frame included, from GetWindowDC; released to that window.
class TacWindowDC {
 public:
  explicit TacWindowDC(HWND window, bool wholeWindow = false)
      : FWindow(window), FDC(wholeWindow ? GetWindowDC(window) : GetDC(window)) {}
  ~TacWindowDC() {
    if (FDC) ReleaseDC(FWindow, FDC);
  }
  TacWindowDC(const TacWindowDC&) = delete;
  TacWindowDC& operator=(const TacWindowDC&) = delete;

  HDC Get() const { return FDC; }
  explicit operator bool() const { return FDC != nullptr; }

 private:
  HWND FWindow;
  HDC FDC;
};

// An object selected into a device context; the one it replaced goes back
// at the end of the scope. A null object selects nothing.
class TacSelectedObject {
 public:
  TacSelectedObject(HDC dc, HGDIOBJ object) : FDC(dc), FPrevious(dc && object ? SelectObject(dc, object) : nullptr) {}
  ~TacSelectedObject() {
    if (FPrevious) SelectObject(FDC, FPrevious);
  }
  TacSelectedObject(const TacSelectedObject&) = delete;
  TacSelectedObject& operator=(const TacSelectedObject&) = delete;

 private:
  HDC FDC;
  HGDIOBJ FPrevious;
};

// The whole state of a device context (clipping, origins, selections, modes),
// put back as it was at the end of the scope.
class TacSavedDC {
 public:
  explicit TacSavedDC(HDC dc) : FDC(dc), FSaved(dc ? SaveDC(dc) : 0) {}
  ~TacSavedDC() {
    if (FSaved) RestoreDC(FDC, FSaved);
  }
  TacSavedDC(const TacSavedDC&) = delete;
  TacSavedDC& operator=(const TacSavedDC&) = delete;

 private:
  HDC FDC;
  int FSaved;
};

// A timer of a window (SetTimer with an identifier), killed when stopped,
// restarted or destroyed.
class TacWindowTimer {
 public:
  TacWindowTimer() = default;
  ~TacWindowTimer() { Stop(); }
  TacWindowTimer(TacWindowTimer&& other) noexcept
      : FWindow(std::exchange(other.FWindow, nullptr)), FId(std::exchange(other.FId, 0)) {}
  TacWindowTimer& operator=(TacWindowTimer&& other) noexcept {
    if (this != &other) {
      Stop();
      FWindow = std::exchange(other.FWindow, nullptr);
      FId = std::exchange(other.FId, 0);
    }
    return *this;
  }
  TacWindowTimer(const TacWindowTimer&) = delete;
  TacWindowTimer& operator=(const TacWindowTimer&) = delete;

  // False when the system has no timer left; the timer is stopped then.
  bool Start(HWND window, UINT_PTR id, UINT milliseconds) {
    Stop();
    if (!window || !SetTimer(window, id, milliseconds, nullptr)) return false;
    FWindow = window;
    FId = id;
    return true;
  }
  void Stop() {
    if (FId) KillTimer(FWindow, FId);
    FWindow = nullptr;
    FId = 0;
  }
  bool Running() const { return FId != 0; }

 private:
  HWND FWindow = nullptr;
  UINT_PTR FId = 0;
};
