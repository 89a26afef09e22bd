// The program's one instance of each window, reachable from every other.
#pragma once

class TWelcome;
class TMainForm;
class TMemory;
class TVFO;
class TCALL;
class TDTMF;
class TReadForm;
class TWriteForm;
class TAboutBox;

struct TForms {
    TWelcome *Welcome = nullptr;
    TMainForm *MainForm = nullptr;
    TMemory *Memory = nullptr;
    TVFO *VFO = nullptr;
    TCALL *CALL = nullptr;
    TDTMF *DTMF = nullptr;
    TReadForm *ReadForm = nullptr;
    TWriteForm *WriteForm = nullptr;
    TAboutBox *AboutBox = nullptr;
};

TForms &Forms();
