// Placeholder: the serial component is being built.
#include "HComm.h"

struct THComm::Impl {};
THComm::THComm() : d(new Impl) {}
THComm::~THComm() { delete d; }
void THComm::SetCommPort(TCommPort) {}
void THComm::SetBaudRate(TBaudRate) {}
void THComm::SetParity(TParity) {}
void THComm::SetByteSize(TByteSize) {}
void THComm::SetStopBits(TStopBits) {}
void THComm::SetFlowControl(TFlowControl) {}
void THComm::SetEventType(TEventType) {}
void THComm::SetInBuffSize(uint32_t) {}
void THComm::SetOutBuffSize(uint32_t) {}
void THComm::SetRxThreshold(uint32_t) {}
void THComm::SetXonSendSize(uint16_t) {}
void THComm::SetXoffSendSize(uint16_t) {}
void THComm::SetEventChar(uint16_t) {}
