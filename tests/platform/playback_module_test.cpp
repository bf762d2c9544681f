// The program's playback window comes from a module loaded at run time.
#include "playback_module.h"

#include <QWidget>
#include <gtest/gtest.h>

#include "message_box.h"
#include "riff_builder.h"
#include "temp_dir.h"

namespace {

TEST(PlaybackModule, TheBuiltModuleGivesARealWindowThatPlaysAndWithoutItNothingOpens) {
  CMessageBoxRecorder boxes;
  TempDir folder;
  QWidget owner;
  const std::unique_ptr<MciWindow> mci = CreatePlaybackWindow(&owner, 30, 40);

  auto* window = dynamic_cast<QWidget*>(mci.get());
  ASSERT_NE(window, nullptr);
  // A window of its own, hidden until a video shows.
  EXPECT_TRUE(window->isWindow() && !window->isVisible() && window->parentWidget() == &owner);
  // 0.5 s of silence, 8 kHz mono 16-bit.
  const Bytes wave = RiffBuilder().Chunk("fmt ", PcmFormat(1, 8000, 16)).Chunk("data", Bytes(8000, 0)).Build();
  EXPECT_EQ(mci->Open(folder.Write("half.wav", wave)), 1);
  EXPECT_EQ(std::tuple(mci->GetLength(), boxes.Texts()), std::tuple(500, QStringList()));

  // From a folder without the module the user is told and nothing opens.
  const std::unique_ptr<MciWindow> none =
      CreatePlaybackWindowFrom({QString::fromStdString(folder.Path())}, nullptr, 30, 40);
  ASSERT_EQ(boxes.Texts().size(), 1);
  EXPECT_TRUE(boxes.Texts().front().startsWith(
      QStringLiteral("Cannot load the playback module \"velmora-playback\", so nothing can be played.\n")));
  EXPECT_EQ((std::tuple{none->Open(folder.File("half.wav")), none->GetLength()}), std::tuple(0, 0));
  // Its place is kept, to be saved with the settings.
  EXPECT_EQ(none->GetWindowPos().x, 30);
  none->Move(7, 9, MciWindow::kInitialWidth, 0);
  EXPECT_EQ(std::tuple(none->GetWindowPos().x, none->GetWindowPos().y), std::tuple(7, 9));
}

}  // namespace
