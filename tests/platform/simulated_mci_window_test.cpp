// The controller's tests play on this window's virtual clock, so it must
// notify as the real back end does.
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

// Held in one place (paused, stopped) it notifies nothing; Play goes on from
// where Stop held; a seek stops playing and is notified once, and a seek to
// the length is the end.
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
  mci.Seek(MciWindow::kStart);
  mci.Advance(1000);
  mci.Seek(10000);
  mci.Play();
  mci.Advance(500);
  EXPECT_THAT(recorder.positions, ElementsAre(500, 1000, 1500, 0, 10000));
}

TEST_F(SimulatedMciWindowTest, TheEndIsNotifiedOnceWithTheExactLength) {
  ASSERT_EQ(mci.Open("/music/a.wav"), 1);
  mci.Play();
  mci.Advance(3000);
  mci.Play();  // at the end Play stays there
  mci.Advance(1000);
  EXPECT_THAT(recorder.positions, ElementsAre(500, 1000, 1200));
}

}  // namespace
