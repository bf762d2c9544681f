#include "first_paint.h"

#include <QEvent>
#include <cstdio>
#include <cstdlib>

namespace {

class FirstPaintFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      // Let the paint run, then report on the way back to the event loop.
      const bool handled = QObject::eventFilter(watched, event);
      static_cast<QWidget*>(watched)->removeEventFilter(this);
      QMetaObject::invokeMethod(
          this,
          [] {
            std::fputs("painted\n", stdout);
            std::fflush(stdout);
            std::_Exit(0);
          },
          Qt::QueuedConnection);
      return handled;
    }
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

void ReportFirstPaint(QWidget* widget) { widget->installEventFilter(new FirstPaintFilter(widget)); }
