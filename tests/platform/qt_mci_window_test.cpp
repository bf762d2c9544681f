// These tests play real media through Qt Multimedia in real time, offscreen
// and with or without a sound device.
#include "qt_mci_window.h"

#include <cstdlib>
#include <memory>

#include <QTest>
#include <QVideoFrame>
#include <QVideoFrameFormat>
#include <QVideoSink>
#include <QWidget>
#include <gtest/gtest.h>

#include "message_box.h"
#include "position_recorder.h"
#include "riff_builder.h"
#include "temp_dir.h"

namespace {

constexpr int kPlayTimeoutMs = 15000;

// 1.5 s of silence, 8 kHz mono 16-bit.
Bytes ShortWave() {
  return RiffBuilder().Chunk("fmt ", PcmFormat(1, 8000, 16)).Chunk("data", Bytes(24000, 0)).Build();
}

class QtMciWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    mci = std::make_unique<QtMciWindow>(&owner, 30, 40);
    mci->SetPositionListener(&recorder);
  }

  bool WaitForEnd() {
    return QTest::qWaitFor([this] { return recorder.Count(mci->GetLength()) > 0; }, kPlayTimeoutMs);
  }

  // No test may wait for a click on a real message box.
  CMessageBoxRecorder boxes;
  TempDir folder;
  QWidget owner;
  std::unique_ptr<QtMciWindow> mci;
  PositionRecorder recorder;
};

// The same rules whether a medium is opened as any medium or as sound only
// (which plays through the path that joins media).
class QtMciWindowOpenTest : public QtMciWindowTest, public ::testing::WithParamInterface<bool> {
 protected:
  int OpenAs(const std::string& path) { return GetParam() ? mci->OpenAudio(path) : mci->Open(path); }
};

INSTANTIATE_TEST_SUITE_P(Paths, QtMciWindowOpenTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "SoundOnly" : "AnyMedium"; });

// Forward search may land exactly on the length, which is the end; Home
// rewinds from there and the medium plays to its end again, notified every
// half second. (Stop keeping the place is seen through the media controls.)
TEST_P(QtMciWindowOpenTest, SeeksToTheLengthAsToTheEndAndPlaysToTheEnd) {
  ASSERT_EQ(OpenAs(folder.Write("short.wav", ShortWave())), 1);
  ASSERT_EQ(mci->GetLength(), 1500);
  mci->Seek(1500);
  mci->Play();
  ASSERT_TRUE(WaitForEnd());
  mci->Seek(MciWindow::kStart);
  EXPECT_LT(mci->GetPosition(), 100);
  recorder.positions.clear();
  mci->Play();
  ASSERT_TRUE(WaitForEnd());
  QTest::qWait(1000);  // nothing may follow the end

  EXPECT_EQ(std::tuple(recorder.positions.back(), recorder.Count(1500), std::ranges::is_sorted(recorder.positions)),
            std::tuple(1500, 1, true));
  // 1.5 s at one notification per 500 ms, the first at 0 or soon after start.
  EXPECT_TRUE(recorder.positions.size() >= 3u && recorder.positions.size() <= 6u) << recorder.positions.size();
  EXPECT_TRUE(boxes.Texts().isEmpty());
}

TEST_P(QtMciWindowOpenTest, AFileThatCannotPlayIsReportedAndOpensNothing) {
  // A missing file, and one that holds no medium.
  for (const std::string& path : {folder.File("missing.wav"), folder.Write("text.wav", std::string("no medium\n"))}) {
    ASSERT_EQ(OpenAs(folder.Write("short.wav", ShortWave())), 1) << boxes.Texts().join(' ').toStdString();
    EXPECT_EQ((std::tuple{OpenAs(path), mci->GetLength()}), std::tuple(0, 0));
    mci->Play();
    EXPECT_TRUE(boxes.Texts().last().startsWith(QStringLiteral("Cannot play \"%1\".\n").arg(path.c_str())));
  }
  QTest::qWait(700);
  EXPECT_EQ(std::tuple(boxes.Texts().size(), recorder.positions.empty()), std::tuple(2, true));
}

// The test below makes its medium with a tool and skips only when the tool is
// missing: a pipeline that fails is a failure.
TEST_F(QtMciWindowTest, TakesTheSizeOfAVideo) {
  if (std::system("command -v gst-launch-1.0 >/dev/null") != 0) GTEST_SKIP() << "no gst-launch-1.0";
  const std::string path = folder.File("bars.avi");
  ASSERT_EQ(std::system(("gst-launch-1.0 -q videotestsrc num-buffers=20 ! video/x-raw,width=160,height=120,"
                         "framerate=10/1 ! avimux ! filesink location='" + path + "'").c_str()), 0);
  ASSERT_EQ(mci->Open(path), 1) << boxes.Texts().join(' ').toStdString();
  EXPECT_EQ(mci->GetLength(), 2000);
  EXPECT_TRUE(QTest::qWaitFor([this] { return mci->size() == QSize(160, 120); }, 5000)) << mci->height();
  mci->Move(70, 80, 348, 0);  // a height of 0 keeps the video's
  EXPECT_EQ(mci->geometry(), QRect(70, 80, 348, 120));

  // A frame of another size, as a stream may change mid-way, once the first
  // real frame is in. The sink announces it while holding its own lock:
  // answering at once would hang.
  ASSERT_TRUE(QTest::qWaitFor([this] { return mci->videoSink()->videoSize() == QSize(160, 120); }, 5000));
  mci->videoSink()->setVideoFrame(QVideoFrame(QVideoFrameFormat(QSize(64, 48), QVideoFrameFormat::Format_BGRA8888)));
  EXPECT_TRUE(QTest::qWaitFor([this] { return mci->size() == QSize(64, 48); }, 5000)) << mci->height();
}

}  // namespace
