#include "ui/desktopconventions.h"

DesktopConventions DesktopConventions::system()
{
    return macOS();
}
