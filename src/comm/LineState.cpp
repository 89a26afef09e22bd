#include "LineState.h"

using namespace Comm;

void PutParity(termios &tio, TParity parity)
{
    tio.c_cflag &= ~(PARENB | PARODD);
#ifdef CMSPAR
    tio.c_cflag &= ~CMSPAR;
#endif
    tio.c_iflag &= ~INPCK;
    switch (parity) {
    case None:
        return;
    case Odd:
        tio.c_cflag |= PARENB | PARODD;
        break;
    case Even:
        tio.c_cflag |= PARENB;
        break;
    case Mark:
        tio.c_cflag |= PARENB | PARODD;
#ifdef CMSPAR
        tio.c_cflag |= CMSPAR;
#endif
        break;
    case Space:
        tio.c_cflag |= PARENB;
#ifdef CMSPAR
        tio.c_cflag |= CMSPAR;
#endif
        break;
    }
    tio.c_iflag |= INPCK;
}

void PutByteSize(termios &tio, TByteSize size)
{
    static const tcflag_t sizes[] = {CS5, CS6, CS7, CS8};
    tio.c_cflag = (tio.c_cflag & ~CSIZE) | sizes[size];
}

void PutStopBits(termios &tio, TStopBits bits)
{
    // Terminals know one or two stop bits; a UART set to two stop bits with
    // five data bits sends one and a half.
    if (bits == _1bit)
        tio.c_cflag &= ~CSTOPB;
    else
        tio.c_cflag |= CSTOPB;
}

void PutFlowControl(termios &tio, TFlowControl flow)
{
    tio.c_iflag &= ~(IXON | IXOFF | IXANY);
#ifdef CRTSCTS
    tio.c_cflag &= ~CRTSCTS;
#endif
    if (flow == XonXoff)
        tio.c_iflag |= IXON | IXOFF;
#ifdef CRTSCTS
    if (flow == RtsCts)
        tio.c_cflag |= CRTSCTS;
#endif
    tio.c_cc[VSTART] = kXonChar;
    tio.c_cc[VSTOP] = kXoffChar;
}
