#pragma once
#include <windows.h>

#include <functional>

// What an option group of the skin manager may ask of its manager when one
// of its values changes. The manager fills it with its own answers; tests
// with recording ones.
struct TacManagerLink {
  std::function<bool()> IsLoading;         // reading its stored definition
  std::function<bool()> HoldsUpdates;      // between BeginUpdate and EndUpdate
  std::function<bool()> HasActiveSkin;
  std::function<bool()> IsDefaultManager;  // the manager every control follows
  std::function<void(bool DoLockForms)> Repaint;
  std::function<void(int Command, LPARAM lParam)> Broadcast;
  // Announces the skin again, so that every control binds to it anew.
  std::function<void(bool Repaint)> Reskin;
  std::function<void(bool On)> SwitchSystemColors;
};
