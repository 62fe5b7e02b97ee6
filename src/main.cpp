// RX-907: a real-time first-person squad shooter.
#include "app/startup.h"

int main(int argc, char** argv) { return runprogram(argc, argv); }
