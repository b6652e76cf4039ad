#pragma once
#include <functional>
#include <string>

// bkWarning: a warning about misuse, with the caption "Warning".
enum class TacBoxKind { bkError, bkPlain, bkWarning };

// Every error box of the engine goes through here so that tests can record
// the text instead of blocking on a modal dialog.
using TacErrorBoxProc = std::function<void(const std::string& text, TacBoxKind kind)>;

void ShowErrorBox(const std::string& text, TacBoxKind kind = TacBoxKind::bkError);

// Returns the previous procedure; an empty procedure restores the default.
TacErrorBoxProc SetErrorBoxProc(TacErrorBoxProc proc);

// Shown by the default procedure; a system dialog on Windows, standard error elsewhere.
void DefaultErrorBox(const std::string& text, TacBoxKind kind);
