// The controller's tests play on this window's virtual clock, so it must
// notify as the real back end does.
#include "simulated_mci_window.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "position_recorder.h"

namespace {

using ::testing::ElementsAre;

// Every half second while the position moves, nothing while it is held
// (paused, stopped), and the end once with the exact length, even when Play
// is asked again there.
TEST(SimulatedMciWindow, NotifiesTheEndOnceWithTheExactLengthAndNothingWhileHeld) {
  SimulatedMciWindow mci;
  PositionRecorder recorder;
  mci.AddMedium("/music/a.wav", 2200);
  mci.SetPositionListener(&recorder);
  ASSERT_EQ(mci.Open("/music/a.wav"), 1);
  mci.Play();
  mci.Advance(500);
  mci.Pause();
  mci.Advance(2000);
  mci.Resume();
  mci.Advance(500);
  mci.Stop();
  mci.Advance(2000);
  EXPECT_THAT(recorder.positions, ElementsAre(500, 1000));
  mci.Play();
  mci.Advance(3000);
  mci.Play();
  mci.Advance(1000);
  EXPECT_THAT(recorder.positions, ElementsAre(500, 1000, 1500, 2000, 2200));
}

}  // namespace
