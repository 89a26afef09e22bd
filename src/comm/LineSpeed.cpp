// Kept apart from the rest of the component: the kernel's termios2 header
// clashes with the C library's <termios.h>.
#include "LineSpeed.h"

#if defined(__linux__)
#include <asm/ioctls.h>
#include <asm/termbits.h>

extern "C" int ioctl(int fd, unsigned long request, ...);

bool SetArbitraryLineSpeed(int fd, uint32_t bps)
{
    struct termios2 tio;
    if (ioctl(fd, TCGETS2, &tio) != 0)
        return false;
    tio.c_cflag &= ~(CBAUD | (CBAUD << IBSHIFT));
    tio.c_cflag |= BOTHER | (BOTHER << IBSHIFT);
    tio.c_ispeed = bps;
    tio.c_ospeed = bps;
    return ioctl(fd, TCSETS2, &tio) == 0;
}

uint32_t LineSpeedOf(int fd)
{
    struct termios2 tio;
    if (ioctl(fd, TCGETS2, &tio) != 0)
        return 0;
    return tio.c_ospeed;
}

#else
#include <termios.h>

bool SetArbitraryLineSpeed(int, uint32_t) { return false; }

uint32_t LineSpeedOf(int fd)
{
    struct termios tio;
    if (tcgetattr(fd, &tio) != 0)
        return 0;
    switch (cfgetospeed(&tio)) {
    case B600: return 600;
    case B1200: return 1200;
    case B2400: return 2400;
    case B4800: return 4800;
    case B9600: return 9600;
    case B19200: return 19200;
    case B38400: return 38400;
    case B57600: return 57600;
    case B115200: return 115200;
    default: return 0;
    }
}
#endif
