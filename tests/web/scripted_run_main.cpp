// Plays a scripted run through zemra6-text in the given folder and leaves its
// recording and save there, for the page's tests to play again: with the
// queued lucky rolls to the ending and its save, or on the seed's own luck.
// usage: zemra_scripted_run FOLDER SEED lucky|plain ACTION_LIMIT [ja|en]
#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/scripted_player.h"

int main(int argc, char** argv) {
  const auto language = argc == 6 ? zemra::ParseLanguage(argv[5]) : zemra::Language::kJapanese;
  if ((argc != 5 && argc != 6) || !language) {
    std::fprintf(stderr, "usage: zemra_scripted_run FOLDER SEED lucky|plain ACTION_LIMIT [ja|en]\n");
    return 2;
  }
  zemra::testing::ScriptedPlayer player(argv[1], std::atoi(argv[2]), std::string(argv[3]) == "lucky", *language);
  const zemra::testing::RunFigures figures = player.Play(std::atoi(argv[4]));
  std::printf("%d actions, %d battles, ending %d\n", figures.actions, figures.battles, figures.reached_ending ? 1 : 0);
  return 0;
}
