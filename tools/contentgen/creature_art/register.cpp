#include "pictures.h"

namespace contentgen {

namespace creatures {

const std::vector<Picture>& pictures() {
  static const std::vector<Picture> list = [] {
    std::vector<Picture> v;
    auto add = [&](const std::string& file, Generator g) { v.push_back({"data\\gfx\\" + file, std::move(g)}); };
    auto n = [](int i) { return std::to_string(i); };
    for (int i = 1; i <= 3; ++i) add("alien_" + n(i) + ".png", [i] { return warrior_walk(i); });
    for (int i = 1; i <= 2; ++i) add("alien_a" + n(i) + ".png", [i] { return warrior_attack(i); });
    for (int i = 1; i <= 4; ++i) add("alien_c" + n(i) + ".png", [i] { return warrior_corpse(i); });
    for (int i = 1; i <= 5; ++i) add("alien_d" + n(i) + ".png", [i] { return warrior_death(i); });
    for (int i = 1; i <= 3; ++i) add("hugger_" + n(i) + ".png", [i] { return hugger_walk(i); });
    add("hugger_a1.png", [] { return hugger_attack(); });
    for (int i = 1; i <= 3; ++i) add("hugger_c" + n(i) + ".png", [i] { return hugger_corpse(i); });
    for (int i = 1; i <= 4; ++i) add("hugger_d" + n(i) + ".png", [i] { return hugger_death(i); });
    for (int i = 1; i <= 3; ++i) add("queen_" + n(i) + ".png", [i] { return queen_walk(i); });
    for (int i = 1; i <= 2; ++i) add("queen_a" + n(i) + ".png", [i] { return queen_attack(i); });
    for (int i = 1; i <= 5; ++i) add("queen_d" + n(i) + ".png", [i] { return queen_death(i); });
    add("egg.png", [] { return egg(); });
    for (int i = 1; i <= 3; ++i) add("egg_c" + n(i) + ".png", [i] { return egg_hatch(i); });
    add("wren.png", [] { return colonist(); });
    add("colonist_1.png", [] { return cocoon(false); });
    add("colonist_2.png", [] { return cocoon(true); });
    add("colonist_big.png", [] { return colonist_closeup(); });
    add("alien_head.png", [] { return warrior_head(); });
    return v;
  }();
  return list;
}

}  // namespace creatures

void register_creature_art(Registry& reg) {
  for (const auto& p : creatures::pictures()) reg.add(p.name, p.make);
  for (const auto& p : creatures::effect_pictures()) reg.add(p.name, p.make);
}

}  // namespace contentgen
