// A stand-in for the main window as the host of the document: the record
// editors and the transfer windows run against it without any other window.
// The selected rows are set by the test; the VFO list rows follow the radio
// type as the main window's do. It counts what it was asked to do.
#pragma once

#include "data/BandPlan.h"
#include "data/ChannelDocument.h"
#include "data/DocumentHost.h"
#include "data/Settings.h"

#include <QList>
#include <QString>
#include <QStringList>

class FakeDocumentHost : public TDocumentHost {
public:
    FakeDocumentHost() { RebuildVfoRows(); }

    // The document as a new main window starts it: the stored radio type
    // and band limits (and port), then the default records.
    void StartLikeTheMainWindow()
    {
        document = TChannelDocument();
        const TLoadedSettings settings = LoadSettings(document);
        commPort = settings.commPort == QLatin1String("COM2") ? QStringLiteral("COM2") : QStringLiteral("COM1");
        ApplyDefaultRecords(document);
        RebuildVfoRows();
        selectedRows[0] = selectedRows[1] = selectedRows[2] = selectedRows[3] = 1;
        modified = 0;
    }

    TChannelDocument &Document() override { return document; }
    int SelectedRow(int list) const override
    {
        return list >= 1 && list <= 4 ? selectedRows[list - 1] : 1;
    }
    int VfoBandOfRow(int row) const override
    {
        return row >= 1 && row <= vfoBands.size() ? vfoBands[row - 1] : -1;
    }
    QString CommPort() const override { return commPort; }
    void SetModified(int value) override { modified = value; }
    void RefreshGrids() override { ++refreshes; }
    void RecordChange(const QString &name) override { changes << name; }
    void RebuildVfoRows() override
    {
        vfoBands = VfoListBands(document);
        ++rebuilds;
    }

    // Selects a data row (1-based) of list 1..4, as a click in the list does.
    void SelectRow(int list, int row)
    {
        if (list >= 1 && list <= 4)
            selectedRows[list - 1] = row;
    }
    int Modified() const { return modified; }

    TChannelDocument document;
    QString commPort = QStringLiteral("COM1");
    int modified = 0;
    int refreshes = 0;
    int rebuilds = 0;
    int selectedRows[4] = {1, 1, 1, 1};
    QList<int> vfoBands;
    QStringList changes; // names of the recorded steps
};
