// Creatures and slime put into the complex when a game starts.
#pragma once

// The colonist in a random room (not the base or nest, nor a room holding a
// warrior, hugger or egg); clears the colonist-lost state. Returns its room.
int placestartcolonist();
// Every wall slot of the nest room and the north and west walls of the
// generator room get slime.
void slimekeyrooms();
// Fifty rooms get one slimed wall each; the first nine of them also hold a
// cocooned colonist on that wall. The colonist's room is left out so that a
// cocoon never takes its place.
void slimestartrooms(int colonistroom);
