// The other program of a drag-and-drop check: a small window titled
// "Drag source" that, when the left button goes down on it, drags the files
// named on its command line, as a file manager would. It tells the script
// how the drag goes, one line at a time on standard output:
//   "started"          the drag holds the pointer; moves now go to it
//   "action copy"      the window under the pointer will take the files
//   "action none"      ... or will not
//   "ended copy"       the drag is over; the files were taken ("ended none":
//                      they were not)
//   drag_source FILE...
#include <QApplication>
#include <QDrag>
#include <QList>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <cstdio>
#include <utility>

namespace {

const char* ActionName(Qt::DropAction action) { return action == Qt::CopyAction ? "copy" : "none"; }

void Say(const char* what, const char* detail = nullptr) {
  if (detail != nullptr) {
    std::printf("%s %s\n", what, detail);
  } else {
    std::printf("%s\n", what);
  }
  // The script polls the file this goes to while the drag still runs.
  std::fflush(stdout);
}

class DragSource : public QWidget {
 public:
  explicit DragSource(QList<QUrl> urls) : m_urls(std::move(urls)) {
    setWindowTitle(QStringLiteral("Drag source"));
    resize(120, 80);
  }

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() != Qt::LeftButton) return;
    auto* data = new QMimeData;
    data->setUrls(m_urls);
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    QObject::connect(drag, &QDrag::actionChanged, [](Qt::DropAction action) { Say("action", ActionName(action)); });
    // Said from inside the drag's own event loop, once it holds the pointer.
    QTimer::singleShot(0, [] { Say("started"); });
    // Returns once the button is released: the drop, or the drag given up.
    Say("ended", ActionName(drag->exec(Qt::CopyAction)));
  }

 private:
  QList<QUrl> m_urls;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QList<QUrl> urls;
  for (const QString& path : QApplication::arguments().mid(1)) urls.push_back(QUrl::fromLocalFile(path));
  DragSource source(std::move(urls));
  source.show();
  return QApplication::exec();
}
