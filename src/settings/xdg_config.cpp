#include "settings/xdg_config.h"

#include <cstdlib>

std::string xdgConfigHome()
{
    // A relative value is to be ignored, as the desktop's own tools do.
    const char *config = std::getenv("XDG_CONFIG_HOME");
    if (config && config[0] == '/')
        return config;
    const char *home = std::getenv("HOME");
    return std::string(home ? home : "") + "/.config";
}
