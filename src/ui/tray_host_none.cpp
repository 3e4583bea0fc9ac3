#include "ui/tray_host.h"

bool iconServedOverDBus()
{
    return false;
}
