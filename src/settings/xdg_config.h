#pragma once

#include <string>

// $XDG_CONFIG_HOME when it is an absolute path, else ~/.config: where the
// desktop keeps per-user settings and autostart entries.
std::string xdgConfigHome();
