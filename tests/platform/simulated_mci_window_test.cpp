#include "simulated_mci_window.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "position_recorder.h"

namespace {

using ::testing::ElementsAre;

class SimulatedMciWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    mci.AddMedium("/music/a.wav", 1200);
    mci.AddMedium("/films/b.avi", 10000, true);
    mci.SetPositionListener(&recorder);
  }

  SimulatedMciWindow mci;
  PositionRecorder recorder;
};

// Held in one place (paused, stopped) it notifies nothing.
TEST_F(SimulatedMciWindowTest, NotifiesEveryHalfSecondWhileThePositionMoves) {
  ASSERT_EQ(mci.Open("/films/b.avi"), 1);
  mci.Play();
  mci.Advance(500);
  mci.Pause();
  mci.Advance(2000);
  mci.Resume();
  mci.Advance(500);
  mci.Stop();
  mci.Advance(2000);
  mci.Play();
  mci.Advance(500);
  EXPECT_THAT(recorder.positions, ElementsAre(500, 1000, 1500));
}

TEST_F(SimulatedMciWindowTest, TheEndIsNotifiedOnceWithTheExactLength) {
  mci.Open("/music/a.wav");
  mci.Play();
  mci.Advance(3000);
  mci.Play();  // at the end Play stays there
  mci.Advance(1000);
  EXPECT_THAT(recorder.positions, ElementsAre(500, 1000, 1200));
}

// Forward search lands on the length: the next notification is the end.
TEST_F(SimulatedMciWindowTest, ASeekStopsPlayingAndIsNotifiedOnce) {
  mci.Open("/films/b.avi");
  mci.Play();
  mci.Advance(1000);
  mci.Seek(MciWindow::kStart);
  mci.Advance(1000);
  mci.Seek(10000);
  mci.Play();
  mci.Advance(500);
  EXPECT_THAT(recorder.positions, ElementsAre(500, 1000, 0, 10000));
}

TEST_F(SimulatedMciWindowTest, AnUnknownPathClosesTheMediumAndOpensNothing) {
  mci.Open("/music/a.wav");
  EXPECT_EQ(mci.Open("/music/missing.wav"), 0);
  EXPECT_EQ(mci.GetLength(), 0);
  mci.Play();
  mci.Advance(2000);
  EXPECT_TRUE(recorder.positions.empty());
}

}  // namespace
