// TMainWindowServices: the other windows the main window opens. Whoever
// creates the main window (the application shell) supplies them, so the
// main window needs none of their headers.
#pragma once

#include <QString>

class TMainWindowServices {
public:
    virtual ~TMainWindowServices() = default;

    // Runs the editor of list 1..4 (memory, VFO, CALL, DTMF) on the list's
    // selected row; the editor stores its record, sets Modified and
    // refreshes the lists.
    virtual void EditRecord(int list) = 0;
    // Whether the read (or write) window's serial component can open the
    // port ("COM1", "COM2").
    virtual bool PortValid(const QString &port, bool writeWindow) = 0;
    // After PortValid failed: one line naming the port's device and why it
    // failed (empty when unknown).
    virtual QString PortProblem(const QString &port, bool writeWindow)
    {
        (void)port;
        (void)writeWindow;
        return QString();
    }
    // Runs the read window, which resets and fills the document; true when
    // the whole radio was read.
    virtual bool RunRead() = 0;
    // Runs the write window. True when the write failed part way, so that
    // the radio now holds old and new memory mixed.
    virtual bool RunWrite() = 0;
    // Runs the serial port window with the COM entry port (1 or 2) preset;
    // true when it stored a device for an entry.
    virtual bool ChooseSerialPort(int port)
    {
        (void)port;
        return false;
    }
    virtual void ShowAbout() = 0;
    // Shows the channel table window over the document.
    virtual void ShowChannelTable() {}
    // Shows the help window at its table of contents.
    virtual void ShowHelp() = 0;
    // Shows the help window at one topic (an anchor of the manual).
    virtual void ShowHelpTopic(const QString &topic)
    {
        (void)topic;
        ShowHelp();
    }
    // The main window has closed: the program ends.
    virtual void MainWindowClosed() = 0;
};
