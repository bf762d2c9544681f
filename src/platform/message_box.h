#pragma once

#include <functional>

#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

// Shows a text the user must see: exclamation icon, one OK button, and the
// program's name (QCoreApplication::applicationName) as caption. Returns when
// the user has dismissed it.
void ShowMessageBox(QWidget* parent, const QString& text);

// Where message boxes go instead of the screen; tests install a recorder.
using MessageBoxSink = std::function<void(const QString& caption, const QString& text)>;

// Replaces the sink (an empty one restores the real message box) and returns
// the previous one.
MessageBoxSink SetMessageBoxSink(MessageBoxSink sink);

// Collects every message box shown while it lives, in order, and puts back
// the previous sink when it goes.
class CMessageBoxRecorder {
 public:
  struct Shown {
    QString caption;
    QString text;
  };

  CMessageBoxRecorder();
  ~CMessageBoxRecorder();
  CMessageBoxRecorder(const CMessageBoxRecorder&) = delete;
  CMessageBoxRecorder& operator=(const CMessageBoxRecorder&) = delete;

  const QList<Shown>& All() const { return m_shown; }
  QStringList Texts() const;

 private:
  QList<Shown> m_shown;
  MessageBoxSink m_previous;
};

// The user's answer to "Save changes to FILE?".
enum class SaveChangesAnswer { Save, Discard, Cancel };

// Asks whether typed work is to be saved before it would be lost: question
// icon, Save, Discard and Cancel buttons, the program's name as caption.
SaveChangesAnswer AskSaveChanges(QWidget* parent, const QString& text);

// Where the question goes instead of the screen; tests answer for the user.
// Replaces the answerer (an empty one restores the real box) and returns the
// previous one.
using SaveChangesAnswerer = std::function<SaveChangesAnswer(const QString& text)>;
SaveChangesAnswerer SetSaveChangesAnswerer(SaveChangesAnswerer answerer);
