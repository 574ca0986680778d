// The scheduler's job rules: due strictly after the interval, insertion
// order, deletion at the next pass, one instance, a clock that wraps.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/scheduler.h"

namespace zemra {
namespace {

struct ManualClock {
  std::uint32_t now = 0;
};

class SchedulerTest : public ::testing::Test {
 protected:
  ManualClock clock;
  std::vector<std::string> ran;
  int beeps = 0;
  TVorbTimer timer{[this] { return clock.now; }, [this] { ++beeps; }};

  TVorbTimer::Procedure Record(std::string name) {
    return [this, name] { ran.push_back(name); };
  }
  void PassAt(std::uint32_t t) {
    clock.now = t;
    timer.RunPass();
  }
};

TEST_F(SchedulerTest, RunsOnlyWhenTheIntervalIsStrictlyExceeded) {
  timer.AddThread(Record("a"), 50, "a");
  PassAt(50);
  EXPECT_TRUE(ran.empty());
  PassAt(51);
  EXPECT_EQ(ran.size(), 1u);
  // The next run is measured from the pass's clock reading.
  PassAt(101);
  EXPECT_EQ(ran.size(), 1u);
  PassAt(102);
  EXPECT_EQ(ran.size(), 2u);
}

TEST_F(SchedulerTest, ZeroOrNegativeIntervalNeverRuns) {
  timer.AddThread(Record("zero"), 0, "zero");
  timer.AddThread(Record("negative"), -5, "negative");
  for (std::uint32_t t = 1; t < 1000; t += 97) PassAt(t);
  EXPECT_TRUE(ran.empty());
  EXPECT_FALSE(timer.MsUntilNextDue().has_value());
}

TEST_F(SchedulerTest, JobsRunInInsertionOrderOncePerPass) {
  timer.AddThread(Record("first"), 10, "x");
  timer.AddThread(Record("second"), 10, "y");
  PassAt(1000);
  EXPECT_EQ(ran, (std::vector<std::string>{"first", "second"}));
}

TEST_F(SchedulerTest, DeleteRemovesOnlyTheFirstJobOfTheName) {
  timer.AddThread(Record("one"), 10, "same");
  timer.AddThread(Record("two"), 10, "same");
  timer.DeleteThread("same");
  PassAt(11);
  EXPECT_EQ(ran, (std::vector<std::string>{"two"}));
  EXPECT_EQ(timer.JobCount(), 1u);
}

TEST_F(SchedulerTest, DeleteMatchesTheExactName) {
  timer.AddThread(Record("title"), 10, "タイトル");
  timer.DeleteThread("タイトル ");
  timer.DeleteThread("たいとる");
  PassAt(11);
  EXPECT_EQ(ran.size(), 1u);
}

TEST_F(SchedulerTest, AJobThatDeletesItselfRunsOnce) {
  timer.AddThread(
      [this] {
        ran.push_back("once");
        timer.DeleteThread("once");
      },
      1, "once");
  for (std::uint32_t t = 2; t < 50; t += 2) PassAt(t);
  EXPECT_EQ(ran.size(), 1u);
  EXPECT_EQ(timer.JobCount(), 0u);
}

TEST_F(SchedulerTest, AJobDeletedEarlierInThePassStillRunsInThatPass) {
  timer.AddThread([this] { timer.DeleteThread("victim"); }, 10, "killer");
  timer.AddThread(Record("victim"), 10, "victim");
  PassAt(11);
  EXPECT_EQ(ran.size(), 1u);
  PassAt(22);
  EXPECT_EQ(ran.size(), 1u);
}

TEST_F(SchedulerTest, AJobAddedDuringAPassWaitsForTheNextPass) {
  timer.AddThread([this] { timer.AddThread(Record("late"), 1, "late"); }, 10, "adder");
  PassAt(11);
  EXPECT_TRUE(ran.empty());
}

TEST_F(SchedulerTest, TheClockWrappingNeitherStopsNorSpeedsJobs) {
  clock.now = 0xFFFFFFF0u;
  timer.AddThread(Record("w"), 50, "w");
  PassAt(0xFFFFFFF0u + 50);  // wrapped value: 50 elapsed, not yet due
  EXPECT_TRUE(ran.empty());
  PassAt(0xFFFFFFF0u + 51);
  EXPECT_EQ(ran.size(), 1u);
  EXPECT_EQ(timer.MsUntilNextDue(), 51u);
}

TEST_F(SchedulerTest, WaitUntilDueCountsFromTheLastRun) {
  timer.AddThread(Record("a"), 50, "a");
  clock.now = 20;
  EXPECT_EQ(timer.MsUntilNextDue(), 31u);
  clock.now = 80;
  EXPECT_EQ(timer.MsUntilNextDue(), 0u);
}

TEST_F(SchedulerTest, ASecondSchedulerBeepsAndStaysInert) {
  TVorbTimer second([this] { return clock.now; }, [this] { ++beeps; });
  EXPECT_EQ(beeps, 1);
  EXPECT_FALSE(second.IsActive());
  second.AddThread(Record("never"), 1, "never");
  clock.now = 100;
  second.RunPass();
  EXPECT_TRUE(ran.empty());
  EXPECT_TRUE(timer.IsActive());
}

}  // namespace
}  // namespace zemra
