// Bit rates without a standard termios constant (14400, 56000, 128000)
// are set through the driver's arbitrary-speed interface.
#pragma once

#include <cstdint>

// Sets the input and output speed of the open terminal fd to bps, leaving
// every other line setting as it is. False when the platform cannot.
bool SetArbitraryLineSpeed(int fd, uint32_t bps);

// The output speed in bit/s that the driver holds for fd (works on the
// master side of a pseudo-terminal too); 0 when unknown.
uint32_t LineSpeedOf(int fd);
