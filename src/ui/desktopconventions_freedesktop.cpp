#include "desktopconventions.h"

DesktopConventions DesktopConventions::system()
{
    return freedesktop();
}
