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
    // Format text with one integer argument ("... ErrorMask=%d").
    ECommError(const char *format, int value);
    QString Message() const { return QString::fromStdString(what()); }
};

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

// Device path for "COM1".."COM4": the environment VXL_R381_COMn, else the
// stored setting "ComnDevice", else /dev/ttyS(n-1). Any other name is used
// as a device path as it stands.
QString CommDevicePath(const QString &name);

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
    // XON/XOFF limits as the line state would hold them: XON when the
    // input queue has drained to RxStartSize bytes, XOFF when only
    // InBuffSize - RxStopSize (16-bit arithmetic) bytes are free. Terminals
    // have no such setting; the values are kept and reported only.
    uint16_t XonLimit() const;
    uint16_t XoffLimit() const;
    TCommEvent OnCommEvent;     // set before OpenCommport

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
    bool CheckCommportValid(const QString &name);
    bool GetPortStatus() const;

    uint32_t ReadData(void *buffer, uint32_t n);
    std::string ReadStringData(uint32_t n);
    void WriteData(const void *buffer, uint32_t n);
    void WriteStringData(const std::string &text);
    void WriteStop();
    void WriteRestart();
    void ClearInBuff();
    void ClearOutBuff();
    int32_t CountInBuff() const;
    int32_t CountOutBuff() const;

    // Called by the receive thread.
    void CreateCommEvent();

private:
    struct Impl;
    Impl *d;
    friend class TReadThread;
};
