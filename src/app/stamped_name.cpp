#include "app/stamped_name.h"

std::string stampedname(const char* dir, const char* prefix, std::time_t when, int repeat, const char* extension) {
  std::tm local{};
  localtime_r(&when, &local);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
  std::string name = std::string(dir) + "/" + prefix + stamp;
  if (repeat > 1) name += "-" + std::to_string(repeat);
  return name + extension;
}
