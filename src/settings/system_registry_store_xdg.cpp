#include "settings/file_registry_store.h"
#include "settings/xdg_config.h"

std::unique_ptr<RegistryStore> systemRegistryStore(RegistryNotice notice)
{
    return std::make_unique<FileRegistryStore>(xdgConfigHome() + "/callwise", std::move(notice));
}
