// The new-run screen: roll the player's swords and offer them until accepted.
#pragma once

namespace zemra {

void OfferStatus();
void RejectStatus();
void AcceptStatus();

}  // namespace zemra
