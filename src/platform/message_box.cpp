#include "message_box.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace {

MessageBoxSink& CurrentSink() {
  static MessageBoxSink sink;
  return sink;
}

SaveChangesAnswerer& CurrentAnswerer() {
  static SaveChangesAnswerer answerer;
  return answerer;
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

SaveChangesAnswer AskSaveChanges(QWidget* parent, const QString& text) {
  if (CurrentAnswerer()) return CurrentAnswerer()(text);
  QMessageBox box(QMessageBox::Question, QCoreApplication::applicationName(), text,
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
  box.setDefaultButton(QMessageBox::Save);
  box.setEscapeButton(QMessageBox::Cancel);
  switch (box.exec()) {
    case QMessageBox::Save:
      return SaveChangesAnswer::Save;
    case QMessageBox::Discard:
      return SaveChangesAnswer::Discard;
    default:
      return SaveChangesAnswer::Cancel;
  }
}

SaveChangesAnswerer SetSaveChangesAnswerer(SaveChangesAnswerer answerer) {
  SaveChangesAnswerer previous = std::move(CurrentAnswerer());
  CurrentAnswerer() = std::move(answerer);
  return previous;
}
