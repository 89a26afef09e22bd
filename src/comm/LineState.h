// The component's line items written into a termios line state. Each
// function changes only its own items.
#pragma once

#include "HComm.h"

#include <termios.h>

constexpr unsigned char kXonChar = 0x11;
constexpr unsigned char kXoffChar = 0x13;

void PutParity(termios &tio, TParity parity);
void PutByteSize(termios &tio, TByteSize size);
void PutStopBits(termios &tio, TStopBits bits);
// Clears every handshake, then sets the chosen one; XON/XOFF characters
// are always 0x11 and 0x13.
void PutFlowControl(termios &tio, TFlowControl flow);
