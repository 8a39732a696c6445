#include "desktopconventions.h"

DesktopConventions DesktopConventions::system()
{
    return macOS();
}
