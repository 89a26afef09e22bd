#include "PortList.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSerialPortInfo>

#include <algorithm>

namespace {

QString Field(QString text)
{
    for (QChar &c : text) {
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            c = QLatin1Char(' ');
    }
    return text;
}

QString Hex4(quint16 value)
{
    return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0'));
}

} // namespace

QString ByIdPath(const QString &path, const QString &byIdDir)
{
    const QString target = QFileInfo(path).canonicalFilePath();
    if (target.isEmpty())
        return QString();
    const QDir dir(byIdDir);
    const QStringList links = dir.entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &link : links) {
        if (QFileInfo(dir.filePath(link)).canonicalFilePath() == target)
            return dir.filePath(link);
    }
    return QString();
}

QList<TPortInfo> ListSerialPorts()
{
    QList<TPortInfo> ports;
    const QList<QSerialPortInfo> found = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : found) {
        TPortInfo port;
        port.path = info.systemLocation();
        port.byIdPath = ByIdPath(port.path);
        port.description = info.description();
        port.manufacturer = info.manufacturer();
        if (info.hasVendorIdentifier() && info.hasProductIdentifier())
            port.usbId = Hex4(info.vendorIdentifier()) + QLatin1Char(':') + Hex4(info.productIdentifier());
        port.serialNumber = info.serialNumber();
        ports.append(port);
    }
    std::sort(ports.begin(), ports.end(),
              [](const TPortInfo &a, const TPortInfo &b) { return a.path < b.path; });
    return ports;
}

QString PortLine(const TPortInfo &port)
{
    const QStringList fields = {Field(port.path),         Field(port.byIdPath),
                                Field(port.description),  Field(port.manufacturer),
                                Field(port.usbId),        Field(port.serialNumber)};
    return fields.join(QLatin1Char('\t'));
}

QByteArray PortsJson(const QList<TPortInfo> &ports)
{
    QJsonArray array;
    for (const TPortInfo &port : ports) {
        QJsonObject object;
        object.insert(QStringLiteral("path"), port.path);
        object.insert(QStringLiteral("byId"), port.byIdPath);
        object.insert(QStringLiteral("description"), port.description);
        object.insert(QStringLiteral("manufacturer"), port.manufacturer);
        object.insert(QStringLiteral("usbId"), port.usbId);
        object.insert(QStringLiteral("serialNumber"), port.serialNumber);
        array.append(object);
    }
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

TPortListModel::TPortListModel(TPortEnumeration enumerate, QObject *parent)
    : QAbstractTableModel(parent), enumerate_(std::move(enumerate))
{
    Refresh();
}

bool TPortListModel::Refresh()
{
    QList<TPortInfo> now = enumerate_ ? enumerate_() : QList<TPortInfo>();
    if (now == ports_)
        return false;
    beginResetModel();
    ports_ = std::move(now);
    endResetModel();
    return true;
}

int TPortListModel::RowOfPath(const QString &path) const
{
    for (int row = 0; row < ports_.size(); ++row) {
        if (ports_[row].path == path || (!path.isEmpty() && ports_[row].byIdPath == path))
            return row;
    }
    return -1;
}

void TPortListModel::SetRadioPath(const QString &path)
{
    if (path == radioPath_)
        return;
    radioPath_ = path;
    if (!ports_.isEmpty())
        emit dataChanged(index(0, ColRadio), index(int(ports_.size()) - 1, ColRadio));
}

void TPortListModel::SetOutcome(const QString &path, const QString &text)
{
    if (outcomes_.value(path) == text)
        return;
    outcomes_.insert(path, text);
    const int row = RowOfPath(path);
    if (row >= 0)
        emit dataChanged(index(row, ColRadio), index(row, ColRadio));
}

void TPortListModel::ClearOutcomes()
{
    outcomes_.clear();
    if (!ports_.isEmpty())
        emit dataChanged(index(0, ColRadio), index(int(ports_.size()) - 1, ColRadio));
}

int TPortListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(ports_.size());
}

int TPortListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColCount;
}

QVariant TPortListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= ports_.size())
        return QVariant();
    const TPortInfo &port = ports_[index.row()];
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        switch (index.column()) {
        case ColPath: return port.path;
        case ColById: return port.byIdPath;
        case ColDescription: return port.description;
        case ColManufacturer: return port.manufacturer;
        case ColUsbId: return port.usbId;
        case ColSerial: return port.serialNumber;
        case ColRadio: {
            const QString outcome = outcomes_.value(port.path);
            if (!outcome.isEmpty())
                return outcome;
            return !radioPath_.isEmpty() && port.path == radioPath_ ? tr("answered: QV-R381") : QString();
        }
        }
    }
    if (role == Qt::AccessibleTextRole && index.column() == ColPath)
        return port.path + QLatin1String(", ") + port.description;
    return QVariant();
}

QVariant TPortListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case ColPath: return QCoreApplication::translate("Comm", "Device");
    case ColById: return QCoreApplication::translate("Comm", "Stable path");
    case ColDescription: return QCoreApplication::translate("Comm", "Description");
    case ColManufacturer: return QCoreApplication::translate("Comm", "Manufacturer");
    case ColUsbId: return QCoreApplication::translate("Comm", "USB ID");
    case ColSerial: return QCoreApplication::translate("Comm", "Serial number");
    case ColRadio: return QCoreApplication::translate("Comm", "Find radio");
    }
    return QVariant();
}
