// Window timers: the restart rule, switching on and off, ticks during a modal show.
#include "ui/toolkit/timer.h"

#include <gtest/gtest.h>

#include <memory>

#include "ui/toolkit/controls.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/testing/time.h"
#include "ui/toolkit/testing/user_actions.h"

namespace toolkit {
namespace {

// Periods are long enough for real timers to keep their order under load.
constexpr uint32_t kPeriod = 400;

TEST(TimerTest, SameIntervalKeepsThePeriodAndAChangedOneRestartsIt) {
  Timer timer;
  int ticks = 0;
  timer.onTimer = [&] { ++ticks; };
  timer.SetInterval(kPeriod);
  timer.SetEnabled(true);
  test::PumpMessages(kPeriod * 5 / 8);
  timer.SetInterval(kPeriod);
  timer.SetEnabled(true);
  test::PumpMessages(kPeriod * 5 / 8);
  EXPECT_EQ(ticks, 1) << "an unchanged interval must not restart the period";

  test::PumpMessages(kPeriod * 5 / 8);  // 1.5 periods from the start of the second
  timer.SetInterval(kPeriod * 2);
  test::PumpMessages(kPeriod * 3 / 2);
  EXPECT_EQ(ticks, 1) << "a changed interval starts its period anew";
  test::PumpMessages(kPeriod);
  EXPECT_EQ(ticks, 2);
}

TEST(TimerTest, StoppedAtCreationAndSilentWhenSwitchedOffOrDestroyed) {
  int ticks = 0;
  Timer kept;
  kept.onTimer = [&] { ++ticks; };
  kept.SetInterval(50);
  test::PumpMessages(200);
  EXPECT_EQ(ticks, 0);
  EXPECT_FALSE(kept.Running());

  kept.SetEnabled(true);
  test::PumpMessages(120);
  EXPECT_GE(ticks, 1);
  kept.SetEnabled(false);
  const int afterStop = ticks;
  {
    auto dropped = std::make_unique<Timer>();
    dropped->onTimer = [&] { ++ticks; };
    dropped->SetInterval(50);
    dropped->SetEnabled(true);
  }
  test::PumpMessages(200);
  EXPECT_EQ(ticks, afterStop);
}

TEST(TimerTest, ModalShowStillDeliversTicks) {
  Form owner;
  owner.SetClientSize(200, 100);
  owner.Show();
  Form modal;
  modal.SetClientSize(150, 80);
  Button& ok = modal.Adopt(std::make_unique<Button>());
  ok.SetBounds(Rect::FromBounds(8, 8, 75, 25));
  ok.SetParent(&modal);
  ok.onClick = [&] { modal.Close(); };

  Timer timer;
  int ticks = 0;
  bool modalWhileTicking = false;
  timer.onTimer = [&] {
    if (++ticks != 2) return;
    modalWhileTicking = modal.IsModal();
    toolkit::test::Click(ok);
  };
  timer.SetInterval(30);
  timer.SetEnabled(true);
  modal.ShowModal();
  // Headless, showing returns at once and time has to be let pass by hand.
  test::PumpMessages(60);

  EXPECT_GE(ticks, 2);
  EXPECT_TRUE(modalWhileTicking);
  EXPECT_FALSE(modal.IsShown());
  EXPECT_FALSE(modal.IsModal());
}

}  // namespace
}  // namespace toolkit
