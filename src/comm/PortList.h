// The serial devices present on this machine, for the port picker and
// "vxl-r381-cli ports". Enumeration only: the transfers open ports through
// THComm.
#pragma once

#include <QAbstractTableModel>
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <functional>

struct TPortInfo {
    QString path;         // /dev/ttyUSB0
    QString byIdPath;     // /dev/serial/by-id/usb-...; empty when none
    QString description;  // as the driver names it
    QString manufacturer;
    QString usbId;        // "0403:6001"; empty for a port that is not USB
    QString serialNumber;

    bool operator==(const TPortInfo &other) const
    {
        return path == other.path && byIdPath == other.byIdPath && description == other.description
            && manufacturer == other.manufacturer && usbId == other.usbId
            && serialNumber == other.serialNumber;
    }
};

using TPortEnumeration = std::function<QList<TPortInfo>()>;

// The serial devices the system reports, sorted by path.
QList<TPortInfo> ListSerialPorts();
// The link under byIdDir that points at path, or empty.
QString ByIdPath(const QString &path, const QString &byIdDir = QStringLiteral("/dev/serial/by-id"));

// One port a line: path, by-id path, description, manufacturer, USB
// vendor:product, serial number, separated by tabs (tabs and line breaks
// inside a field become spaces).
QString PortLine(const TPortInfo &port);
// The list as a JSON array of objects with the keys path, byId,
// description, manufacturer, usbId, serialNumber.
QByteArray PortsJson(const QList<TPortInfo> &ports);

// The picker's table: one row a port, fed by an enumeration (the system's,
// or a test's). The second column shows what each port did when "Find
// radio" tried it ("answered: QV-R381", "no reply", "busy", ...).
class TPortListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { ColPath, ColRadio, ColById, ColDescription, ColManufacturer, ColUsbId, ColSerial, ColCount };

    explicit TPortListModel(TPortEnumeration enumerate, QObject *parent = nullptr);

    // Enumerates again; the model changes (and its views reset) only when
    // the list did. Returns true when it changed.
    bool Refresh();
    const QList<TPortInfo> &Ports() const { return ports_; }
    // Row of a device path, or -1.
    int RowOfPath(const QString &path) const;
    // Marks the port that answered as the radio (empty: none).
    void SetRadioPath(const QString &path);
    QString RadioPath() const { return radioPath_; }
    // What the search made of a port, shown in its row (kept while the
    // device stays listed); ClearOutcomes empties the column.
    void SetOutcome(const QString &path, const QString &text);
    void ClearOutcomes();
    QString Outcome(const QString &path) const { return outcomes_.value(path); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    TPortEnumeration enumerate_;
    QList<TPortInfo> ports_;
    QString radioPath_;
    QHash<QString, QString> outcomes_; // by device path
};
