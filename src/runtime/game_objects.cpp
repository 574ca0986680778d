// The one home of the objects the game start makes.
#include "runtime/game_objects.h"

#include <string>

namespace zemra {

GameObjects& Objects() {
  static GameObjects objects;
  return objects;
}

bool GameStarted() { return Objects().scheduler != nullptr; }

Host& TheHost() { return *Objects().screen; }
ScreenRecord& Screen() { return *Objects().screen; }
TVorbTimer& Scheduler() { return *Objects().scheduler; }
TVorbWave& Wave() { return *Objects().wave; }
const GameLocations& Locations() { return Objects().locations; }
std::uint32_t GameClock() { return Objects().clock; }

bool AskYesNo(std::string_view text) {
  TheHost().ShowQuestion(text);
  std::deque<bool>& answers = Objects().answers;
  if (answers.empty()) return true;
  const bool yes = answers.front();
  answers.pop_front();
  return yes;
}

void QueueAnswer(bool yes) { Objects().answers.push_back(yes); }

void PlayWave(Sound sound, bool loop) { Wave().Play(SoundPath(sound), loop); }

}  // namespace zemra
