#include "message_box.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace {

MessageBoxSink& CurrentSink() {
  static MessageBoxSink sink;
  return sink;
}

}  // namespace

void ShowMessageBox(QWidget* parent, const QString& text) {
  const QString caption = QCoreApplication::applicationName();
  if (CurrentSink()) {
    CurrentSink()(caption, text);
    return;
  }
  QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::Ok, parent);
  box.exec();
}

MessageBoxSink SetMessageBoxSink(MessageBoxSink sink) {
  MessageBoxSink previous = std::move(CurrentSink());
  CurrentSink() = std::move(sink);
  return previous;
}

CMessageBoxRecorder::CMessageBoxRecorder()
    : m_previous(SetMessageBoxSink([this](const QString& caption, const QString& text) {
        m_shown.append({caption, text});
      })) {}

CMessageBoxRecorder::~CMessageBoxRecorder() { SetMessageBoxSink(std::move(m_previous)); }

QStringList CMessageBoxRecorder::Texts() const {
  QStringList texts;
  for (const Shown& shown : m_shown) texts.append(shown.text);
  return texts;
}
