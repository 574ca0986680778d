// The effect of every drive: continuations bound by the dispatch and run
// when the player presses the drive's command.
#pragma once

#include <cstdint>

namespace zemra {

// Card drives.
void Snap();
void BloodSnap();
void WhiteSnap();
void HappyPierce();
void Redraw();
void Flat();
void Boost();
void Plus();

// Potions.
void HealUser(std::int32_t amount);
void DamageUser(std::int32_t amount);
void TakeMedicine();
void TakeStrongMedicine();
void TakePoison();
void TakeStrongPoison();
void HurtSelf();

// Shots.
void ShotHit();
void ShotMystery();
void ShotBoth();
void ShotDrain();
void ShotBlocked();
void ShotKnockedDown();

// Other battle drives.
void ChangeCards();
void TraceCards();
void SmokeEscape();
void GreenLight();
void MariRise();
void Barrier();
void BSS();
void NullDrive();

// Field events and the drives that act outside the cards.
void Inn();  // the full heal of the inn and of 大服薬
void DescendStairs();
void EnterAnother();
void Teleport();
void SaveConsole();
void SaveGiveUp();
void ChurchMenu();
void ChurchPick();
void ChurchPurify();
void ChurchLeave();
void Duel();
void Hint();
void Hint2();
void MemoryChapter();

}  // namespace zemra
