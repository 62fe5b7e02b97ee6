// RX-907: a real-time first-person squad shooter.
#include <cstring>

#include "app/demo.h"
#include "app/startup.h"

int main(int argc, char** argv) {
  // --demo: a demo starts as soon as MAIN MENU shows.
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "--demo") == 0) requestdemo();
  return runprogram();
}
