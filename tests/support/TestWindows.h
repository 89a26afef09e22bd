// The windows the main window opens, for the tests of the main window and
// the windows it opens. Header only: it needs the windows, which only the
// test_ui_* programs link.
#pragma once

#include "data/Settings.h"
#include "ui/editors/CALL.h"
#include "ui/editors/DTMF.h"
#include "ui/editors/Memory.h"
#include "ui/editors/VFO.h"
#include "ui/main/MainWindowServices.h"
#include "ui/transfer/ReadForm.h"
#include "ui/transfer/WriteForm.h"

#include <initializer_list>

// The windows wired to the main window as the application shell wires
// them; each test creates the ones it needs on the main window. The about
// box, help and the end of the program are only counted.
class TestWindows : public TMainWindowServices {
public:
    ~TestWindows() override { Clear(); }

    void Clear()
    {
        for (QDialog *window : std::initializer_list<QDialog *>{read, write, memory, vfo, call, dtmf})
            delete window;
        read = nullptr;
        write = nullptr;
        memory = nullptr;
        vfo = nullptr;
        call = nullptr;
        dtmf = nullptr;
    }

    void EditRecord(int list) override
    {
        QDialog *editors[] = {memory, vfo, call, dtmf};
        if (list >= 1 && list <= 4 && editors[list - 1])
            editors[list - 1]->exec();
    }
    bool PortValid(const QString &port, bool writeWindow) override
    {
        // As the application does: the port's device as the settings name
        // it now. The window's serial component still holds the device of
        // its last transfer under the port's name, which may be gone.
        TTransferForm *window = writeWindow ? static_cast<TTransferForm *>(write) : read;
        return window && window->HComm1->CheckCommportValid(CommDevicePath(port));
    }
    bool RunRead() override { return read && read->exec() == QDialog::Accepted; }
    bool RunWrite() override
    {
        if (!write)
            return false;
        write->exec();
        return write->FailedPartWay();
    }
    void ShowAbout() override { ++abouts; }
    void ShowHelp() override { ++helps; }
    void MainWindowClosed() override { ++closes; }

    TReadForm *read = nullptr;
    TWriteForm *write = nullptr;
    TMemory *memory = nullptr;
    TVFO *vfo = nullptr;
    TCALL *call = nullptr;
    TDTMF *dtmf = nullptr;
    int abouts = 0;
    int helps = 0;
    int closes = 0;
};
