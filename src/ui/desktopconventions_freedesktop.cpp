#include "ui/desktopconventions.h"

DesktopConventions DesktopConventions::system()
{
    return freedesktop();
}
