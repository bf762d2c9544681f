// Shows the tracklist window and the dictionary editor on a few made-up
// tracks and records, for a look under a display:
//   library_windows_preview [seconds]
#include <QApplication>
#include <QListView>
#include <QTimer>

#include "dictionary_dlg.h"
#include "dictionary_window.h"
#include "riff_builder.h"
#include "temp_dir.h"
#include "tracklist_dlg.h"
#include "tracklist_window.h"

namespace {

class PreviewController : public TracklistController {
 public:
  explicit PreviewController(CDictionaryDlg& dictionary) : m_dictionary(dictionary) {}
  void SetScanning(bool) override {}
  int LookUpDictionary(MediaEntry& entry) override { return m_dictionary.Lookup(entry); }
  void OpenCurrentTrack() override {}

 private:
  CDictionaryDlg& m_dictionary;
};

void AddRecord(CDictionaryDlg& dictionary, const std::string& key, const std::string& name,
               const std::string& artist) {
  MediaEntry record = DictionaryStore::MakeRecord(key);
  record.m_strName = name;
  record.m_strArtist = artist;
  record.m_strGenre = "Ambient";
  record.m_strDate = "1997";
  record.m_strSource = "Field recordings";
  dictionary.Entries().Add(record);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  app.setApplicationName(QStringLiteral("Velmora"));
  TempDir dir;
  CDictionaryDlg dictionary(nullptr, dir.File("default.dic"));
  AddRecord(dictionary, "rain.avi", "Rain on the roof", "Unknown");
  AddRecord(dictionary, "harbour.wav", "Harbour at dawn", "M. Keel");
  AddRecord(dictionary, "birds.mid", "Birds", "Anon");
  PreviewController controller(dictionary);
  CTracklistDlg tracklist(&controller, nullptr, dir.File("default.alb"));
  const auto wave = [](const std::string& name, const std::string& artist, const std::string& genre) {
    return CanonicalWave(SampleBytes(64), {{"INAM", name}, {"IART", artist}, {"IGNR", genre}, {"ICRD", "2001"},
                                           {"ISRC", "Night sessions"}, {"ICMT", "Recorded live"}});
  };
  tracklist.AddPath(dir.Write("music/night/01 opening.wav", wave("Opening", "The Lanterns", "Jazz")));
  tracklist.AddPath(dir.Write("music/night/02 slow river.wav", wave("Slow river", "The Lanterns", "Jazz")));
  tracklist.AddPath(dir.Write("music/harbour.wav", ToBytes("not a wave")));
  tracklist.AddPath(dir.Write("music/clips/rain.avi", ToBytes("x")));
  tracklist.AddPath(dir.File("music/gone.mp3"));
  tracklist.SetWindowRect(QRect(20, 20, 300, 420));
  tracklist.OpenWindow();
  tracklist.SetCurrentIndex(1);
  dictionary.SetWindowPos(QPoint(360, 20));
  dictionary.OpenWindow();
  QListView& keys = dictionary.Window()->List();
  keys.selectionModel()->setCurrentIndex(keys.model()->index(1, 0), QItemSelectionModel::ClearAndSelect);
  const int seconds = argc > 1 ? std::atoi(argv[1]) : 0;
  if (seconds > 0) QTimer::singleShot(seconds * 1000, &app, &QApplication::quit);
  return app.exec();
}
