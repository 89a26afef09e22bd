// Pseudo-terminal pairs for the serial tests: the test plays the far end on
// the master side and hands the slave path to the component.
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class TestPty {
public:
    TestPty();
    ~TestPty();
    TestPty(const TestPty &) = delete;
    TestPty &operator=(const TestPty &) = delete;

    bool IsValid() const { return master_ >= 0; }
    int Master() const { return master_; }
    QString SlavePath() const { return slavePath_; }

    // Writes all of bytes on the far end.
    bool Write(const QByteArray &bytes);
    // Reads from the far end until count bytes have come or timeoutMs has
    // passed without a new byte; returns what came.
    QByteArray Read(int count, int timeoutMs = 5000);
    // Hangs the line up, as a far end that goes away does.
    void CloseMaster();

private:
    int master_ = -1;
    QString slavePath_;
};

// Points "COMn" (environment VXL_R381_COMn) at a device while it lives.
class ScopedCommDevice {
public:
    ScopedCommDevice(int portNumber, const QString &path);
    ~ScopedCommDevice();
    ScopedCommDevice(const ScopedCommDevice &) = delete;
    ScopedCommDevice &operator=(const ScopedCommDevice &) = delete;

private:
    QByteArray variable_;
    QByteArray previous_;
    bool hadPrevious_;
};

// Checks condition every few milliseconds until it holds or timeoutMs pass.
bool WaitUntil(const std::function<bool()> &condition, int timeoutMs = 5000);
