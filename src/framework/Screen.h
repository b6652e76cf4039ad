#pragma once
#include <cstddef>
#include <vector>

class TCustomForm;

// The display and the forms that exist, in creation order.
class TScreen {
 public:
  size_t CustomFormCount() const { return FCustomForms.size(); }
  TCustomForm* CustomForms(size_t index) const { return FCustomForms[index]; }
  // The logical pixels per inch of the screen.
  int PixelsPerInch() const;
  int Width() const;
  int Height() const;
  // The form owning the active window, or nullptr.
  TCustomForm* ActiveCustomForm() const;

  void AddForm(TCustomForm* form) { FCustomForms.push_back(form); }
  void RemoveForm(TCustomForm* form) { std::erase(FCustomForms, form); }

 private:
  std::vector<TCustomForm*> FCustomForms;
};

TScreen& Screen();
