#pragma once

#include <functional>

#include <QObject>
#include <QPoint>
#include <QPointer>

class CTagDisplayWindow;
class QWidget;

// Opens the modal "Tag Display" window over the six tag flags (numbered 1-6:
// artist, name, genre, date, comment, source) and keeps the window's place
// for the whole run. The flags live in their own store, reached through the
// two functions given; a click changes the flag at once, so closing with
// cancel undoes nothing.
class CTagDisplayEditor : public QObject {
  Q_OBJECT

 public:
  using GetFlag = std::function<int(int number)>;
  using SetFlag = std::function<void(int number, int value)>;

  // parent owns the window while it is open.
  CTagDisplayEditor(GetFlag getFlag, SetFlag setFlag, QWidget* parent = nullptr);
  ~CTagDisplayEditor() override;

  // The window's top-left corner on the screen; it keeps its size.
  QPoint GetWindowPos() const { return m_ptWindow; }
  void SetWindowPos(QPoint pos) { m_ptWindow = pos; }

  // Runs the window modally; 1 for OK, 0 for cancel (nothing differs).
  int RunModal();
  // The same without waiting: the window opens modal and the call returns.
  // Both do nothing (RunModal returns 0) while the window is open.
  void Open();
  bool WindowExists() const;
  CTagDisplayWindow* Window() const;

  // The window's events.
  void OnInitDialog();
  // The box of flag number was clicked: the flag turns 1 if it was 0, else 0.
  void OnCheck(int number);
  void OnClose();

 private:
  void CreateWindow();

  GetFlag m_getFlag;
  SetFlag m_setFlag;
  QWidget* m_pParent;
  QPoint m_ptWindow{10, 10};
  QPointer<CTagDisplayWindow> m_pWindow;
};
