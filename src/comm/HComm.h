// THComm: one serial port over POSIX termios, with a receive thread that
// drains the device into the component's own input queue and raises
// OnCommEvent.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

class ECommError : public std::runtime_error {
public:
    explicit ECommError(const char *message) : std::runtime_error(message) {}
    explicit ECommError(const std::string &message) : std::runtime_error(message) {}
    explicit ECommError(const QString &message) : std::runtime_error(message.toStdString()) {}
    // Format text with one integer argument ("... ErrorMask=%d"): the
    // errno of the failure, kept as Code().
    ECommError(const char *format, int value);
    // A fixed message that stands for an errno (kept as Code()): "Write
    // data Timeout" is ETIMEDOUT, the line held by flow control too long.
    ECommError(int code, const char *message);
    QString Message() const { return QString::fromStdString(what()); }
    int Code() const { return code_; } // 0 when the message has none

private:
    int code_ = 0;
};

// The component's property values, kept apart from every other name in
// the program (None, Disable, _1bit ... would clash otherwise).
namespace Comm {
enum TCommPort { Com1, Com2, Com3, Com4 };
enum TBaudRate {
    ____600bps, ___1200bps, ___2400bps, ___4800bps, ___9600bps, __14400bps,
    __19200bps, __38400bps, __56000bps, __57600bps, _115200bps, _128000bps
};
enum TParity { None, Odd, Even, Mark, Space };
enum TByteSize { _5bit, _6bit, _7bit, _8bit };
enum TStopBits { _1bit, _1_5bit, _2bit };
enum TFlowControl { Disable, DtrDsr, XonXoff, RtsCts };
enum TEventType { RxEvent, CharEvent };
} // namespace Comm

using Comm::TBaudRate;
using Comm::TByteSize;
using Comm::TCommPort;
using Comm::TEventType;
using Comm::TFlowControl;
using Comm::TParity;
using Comm::TStopBits;

class THComm;
class TReadThread;

// Raised on the receive thread; size = bytes waiting in the input queue.
using TCommEvent = std::function<void(THComm *sender, uint32_t &size)>;

// Where the message of an exception that escapes an OnCommEvent handler
// goes. Called on the receive thread; the default writes a warning to the
// log. The application installs one that shows the message on its GUI
// thread.
using TCommErrorReport = std::function<void(const QString &message)>;
void SetCommErrorReport(TCommErrorReport report);

// Device of "COM1".."COM4" when nobody has handed the component one: the
// environment VXL_R381_COMn, else /dev/ttyS(n-1). Any other name is used as
// a device path as it stands. (The settings layer adds the stored devices:
// CommDevicePath in data/Settings.h.)
QString DefaultCommDevice(const QString &name);

// Threads: OnCommEvent runs on the component's receive thread, one call at
// a time, never while the component holds a lock. Every operation may be
// called from any thread, CloseCommport (and the destructor) even from
// inside OnCommEvent. A handler must not block waiting for the thread that
// closes the port (that thread waits for the handler to return).
class THComm {
public:
    THComm();
    virtual ~THComm();
    THComm(const THComm &) = delete;
    THComm &operator=(const THComm &) = delete;

    // Properties (defaults as constructed).
    TCommPort CommPort() const;
    TBaudRate BaudRate() const;
    TParity Parity() const;
    TByteSize ByteSize() const;
    TStopBits StopBits() const;
    TFlowControl FlowControl() const;
    TEventType EventType() const;
    uint32_t InBuffSize() const;
    uint32_t OutBuffSize() const;
    uint32_t RxThreshold() const;
    uint16_t RxStartSize() const;
    uint16_t RxStopSize() const;
    uint16_t EventChar() const;
    QString DeviceName() const; // "COM1".."COM4"
    // The device OpenCommport opens for DeviceName(); empty means
    // DefaultCommDevice(DeviceName()). SetCommPort forgets it.
    QString DevicePath() const;
    void SetDevicePath(const QString &path);
    // The path actually opened or last tried, and the errno of the last
    // failed open or probe (0 when it succeeded; EBUSY when another opener
    // holds the lock, ENOTTY when the path is no terminal).
    QString OpenedPath() const;
    int LastOpenError() const;
    // errno of a failed line on the open port (EIO once the far end hung
    // up); 0 while the line is fine or the port is closed.
    int LineError() const;
    // XON/XOFF limits as the line state would hold them: XON when the
    // input queue has drained to RxStartSize bytes, XOFF when only
    // InBuffSize - RxStopSize (16-bit arithmetic) bytes are free. Terminals
    // have no such setting; the values are kept and reported only.
    uint16_t XonLimit() const;
    uint16_t XoffLimit() const;
    // How long WriteData waits at most for the far end to release a line it
    // holds with flow control (XOFF), in ms. 0, the default, leaves the wait
    // to the port time-outs alone (n x 100 ms); a longer hold lets a write
    // wait that long whatever its size.
    uint32_t FlowHoldLimit() const;
    void SetFlowHoldLimit(uint32_t milliseconds);
    // Raised on the receive thread with the bytes waiting in the input
    // queue: with CharEvent when a chunk of input held the event character
    // (several lines arriving together give one event), with RxEvent when at
    // least RxThreshold bytes wait. Set it before OpenCommport.
    TCommEvent OnCommEvent;

    virtual void SetCommPort(TCommPort value);
    virtual void SetBaudRate(TBaudRate value);
    virtual void SetParity(TParity value);
    virtual void SetByteSize(TByteSize value);
    virtual void SetStopBits(TStopBits value);
    virtual void SetFlowControl(TFlowControl value);
    virtual void SetEventType(TEventType value);
    virtual void SetInBuffSize(uint32_t value);
    virtual void SetOutBuffSize(uint32_t value);
    virtual void SetRxThreshold(uint32_t value);
    virtual void SetXonSendSize(uint16_t value);  // RxStartSize
    virtual void SetXoffSendSize(uint16_t value); // RxStopSize
    virtual void SetEventChar(uint16_t value);

    void OpenCommport();
    void CloseCommport();
    // True when the port of name ("COMn", DeviceName() with its handed-in
    // device, or any device path) could be opened now, or when name is
    // DeviceName() and that port is open.
    bool CheckCommportValid(const QString &name) const;
    bool GetPortStatus() const;

    // Takes n bytes from the input queue, waiting for them without using
    // CPU. Returns fewer when the time-outs end the wait after some bytes
    // (min(5 ms x n + 1000 ms, n x 100 ms) in all, 1000 ms after the last
    // byte); "Read data Timeout" when none came. After the far end has hung
    // up, the bytes still queued are returned first, then the read fails
    // with "Communication Read Error  ErrorMask=<errno>". Inside
    // OnCommEvent only bytes already queued can arrive.
    uint32_t ReadData(void *buffer, uint32_t n);
    std::string ReadStringData(uint32_t n); // as many characters as were read
    // Hands all n bytes to the driver or raises: "Too much write data" when
    // OutBuffSize minus the driver's queue is not greater than n, "Write data
    // Timeout" (Code() ETIMEDOUT) when flow control holds the line past
    // min(5 ms x n + 1000 ms, n x 100 ms) or FlowHoldLimit(), whichever is
    // longer, "Communication Write Error  ErrorMask=<errno>".
    void WriteData(const void *buffer, uint32_t n);
    void WriteStringData(const std::string &text);
    void WriteStop();
    void WriteRestart();
    void ClearInBuff();  // empties the input queue and the driver's
    void ClearOutBuff();
    int32_t CountInBuff() const;  // bytes in the input queue; -1 when closed
    int32_t CountOutBuff() const; // bytes in the driver's output queue; -1 when closed

    // Called by the receive thread.
    void CreateCommEvent();

private:
    struct Impl;
    Impl *d;
    friend class TReadThread;
};
