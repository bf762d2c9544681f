#pragma once

// What the colour window needs of the main window: the lit state of the
// element being edited, pushing a colour to the skin, and knowing that the
// window is open (the searches stand still meanwhile, so lighting the
// forward or reverse search button for editing starts no search).
class ColorElementHost {
 public:
  virtual ~ColorElementHost() = default;

  // Lit state of element k (0-24); 0 for elements that have none.
  virtual int GetElementState(int k) const = 0;
  virtual void SetElementState(int k, int on) = 0;
  // Pushes colour element k to the skin, or every element with -1.
  virtual void ApplyColor(int k) = 0;
  virtual void SetColorDlgOpen(bool open) = 0;
};
