// TDocumentHost: what the record editors and the transfer windows need from
// the window that owns the document (the main window): the document, the
// selected list rows, the port, the Modified flag and the redrawing of the
// lists. No widgets, so the windows that use it can be built and tested
// with a stand-in host.
#pragma once

#include <QString>

class TChannelDocument;

// The commands on the whole document that the owning window offers; other
// windows over the document route them to it. Help opens the manual at the
// channel table's topic.
enum class TDocumentCommand { New, Open, Save, SaveAs, Read, Write, Help };

class TDocumentHost {
public:
    virtual ~TDocumentHost() = default;

    // The one document.
    virtual TChannelDocument &Document() = 0;
    // Current data row (1-based) of list 1..4 (memory, VFO, CALL, DTMF).
    virtual int SelectedRow(int list) const = 0;
    // Band index of a VFO list row, -1 when the row has none.
    virtual int VfoBandOfRow(int row) const = 0;
    // The port the transfers use: "COM1" or "COM2".
    virtual QString CommPort() const = 0;
    // The unsaved-changes flag (0 or 1).
    virtual void SetModified(int value) = 0;
    // The lists show the document again.
    virtual void RefreshGrids() = 0;
    // The VFO list's rows follow the document's radio type again.
    virtual void RebuildVfoRows() = 0;
    // Every change of the document is one step that Undo takes back: after
    // changing the document, name the step ("Edit 005", "Paste 012"). A
    // call that changed nothing records nothing.
    virtual void RecordChange(const QString &name) = 0;
    // Runs a document command as the owning window's own menu item does
    // (questions, file dialogs and all). A host without them ignores it.
    virtual void RunDocumentCommand(TDocumentCommand command) { (void)command; }
};
