// The console: five lines, five commands, buttons filled from the right.
#include <gtest/gtest.h>

#include "runtime/console.h"
#include "support/fake_host.h"

namespace zemra {
namespace {

using testing::GameFixture;
using ConsoleTest = GameFixture;

int g_ran = 0;
void Count() { ++g_ran; }

void SixLines() {
  for (int i = 1; i <= 6; ++i) AddMainText("line " + std::to_string(i));
}
void SixCommands() {
  for (int i = 1; i <= 6; ++i) AddCommand("c" + std::to_string(i), Count);
}
void WanderAndSword() {
  AddCommand("徘徊", Count);
  AddCommand("剣", Count);
}
void InsertAfterOne() {
  AddMainText("a");
  InsertMainText(1, "t");
}
void InsertAfterThree() {
  AddMainText("a");
  AddMainText("b");
  AddMainText("c");
  InsertMainText(1, "t");
}
void InsertIntoFull() {
  for (int i = 0; i < 5; ++i) AddMainText("x");
  InsertMainText(0, "t");
}
void TextOnly() { AddMainText("only"); }

TEST_F(ConsoleTest, ASixthLineIsDroppedWithAnError) {
  host.TakeBoxes();
  ExecuteCommand(SixLines);
  EXPECT_EQ(host.Text(Control::LabMainText), "line 1\r\nline 2\r\nline 3\r\nline 4\r\nline 5\r\n");
  EXPECT_EQ(host.TakeBoxes(), std::vector<std::string>{"error in AddMainText"});
}

TEST_F(ConsoleTest, ASixthCommandIsDroppedWithAnError) {
  host.TakeBoxes();
  ExecuteCommand(SixCommands);
  EXPECT_EQ(host.TakeBoxes(), std::vector<std::string>{"error in AddCommand"});
  EXPECT_EQ(host.Text(CommandButton(4)), "c1");
  EXPECT_EQ(host.Text(CommandButton(0)), "c5");
}

TEST_F(ConsoleTest, TheFirstCommandStandsOnTheRightmostButton) {
  ExecuteCommand(WanderAndSword);
  EXPECT_EQ(host.Text(CommandButton(4)), "徘徊");
  EXPECT_EQ(host.Text(CommandButton(3)), "剣");
  for (int b = 0; b < 5; ++b) EXPECT_EQ(host.Visible(CommandButton(b)), b >= 3) << b;
  g_ran = 0;
  BtnMainCommandClick(3);
  EXPECT_EQ(g_ran, 1);
}

TEST_F(ConsoleTest, InsertMainTextPushesLaterLinesDown) {
  ExecuteCommand(InsertAfterOne);
  EXPECT_EQ(host.Text(Control::LabMainText), "a\r\nt\r\n");
  ExecuteCommand(InsertAfterThree);
  EXPECT_EQ(host.Text(Control::LabMainText), "a\r\nt\r\nb\r\nc\r\n");
  host.TakeBoxes();
  ExecuteCommand(InsertIntoFull);
  EXPECT_EQ(host.TakeBoxes(), std::vector<std::string>{"error in InsertMainText"});
  EXPECT_EQ(Console().text_count, 5);
}

TEST_F(ConsoleTest, AScreenWithoutCommandsHidesEveryButton) {
  ExecuteCommand(WanderAndSword);
  ExecuteCommand(TextOnly);
  for (int b = 0; b < 5; ++b) EXPECT_FALSE(host.Visible(CommandButton(b))) << b;
  EXPECT_TRUE(host.Visible(Control::PanelMainIF));
  EXPECT_FALSE(host.Visible(Control::PanelMainSwordInfo));
}

TEST_F(ConsoleTest, AWarningIsShownOnceFromTheSchedulerAfterTheHandler) {
  host.TakeBoxes();
  ShowWarningMessage("first");
  ShowWarningMessage("second");  // joins the pending one: neither is lost, one box
  EXPECT_TRUE(host.TakeBoxes().empty());
  Tick(10);
  EXPECT_EQ(host.TakeBoxes(), (std::vector<std::string>{"first\nsecond"}));
  Tick(100);
  EXPECT_TRUE(host.TakeBoxes().empty());
}

}  // namespace
}  // namespace zemra
