#pragma once
// What a document window needs from the window that hosts it. The document
// never knows the main window's class: it asks through this interface, and the
// answers come from the host's controls at the moment of asking, so a check
// mark or a box changed a moment ago is already what the document sees.
#include <QPoint>
#include <QString>
#include <cstdint>

#include "LabelTypes.h"

class frmDocument;

class DocumentHost {
public:
    virtual ~DocumentHost() = default;

    // --- queries: read the host's controls now ---------------------------
    virtual bool gridShown() const = 0;
    virtual bool snapToGrid() const = 0;
    virtual bool guidesShown() const = 0;
    virtual bool maintainAspectRatio() const = 0;
    // View > Show Field Values: the label view shows label 1 of the print
    // (fields filled) rather than the fields as typed.
    virtual bool fieldValuesShown() const { return true; }
    virtual TextFormat currentTextFormat() const = 0;

    // --- notifications ---------------------------------------------------
    // Another item (or none) is active: the item commands (delete, stacking,
    // edit text, edit picture) follow the selection.
    virtual void enableItemCommands(frmDocument& doc) = 0;
    // A text item was pressed or created: the formatting controls show its format.
    virtual void textFormatShown(frmDocument& doc, const TextItem& item) = 0;
    virtual void borderStyleShown(frmDocument& doc, const QString& style) = 0;
    virtual void labelTypeShown(frmDocument& doc, int16_t type) = 0;
    // The document's zoom changed: the host shows it.
    virtual void zoomShown(frmDocument&) {}

    // --- requests --------------------------------------------------------
    virtual void popupEditMenu(frmDocument& doc, const QPoint& globalPos) = 0;
    // Saves the document (asking for a name when it has none); the document's
    // changed flag tells whether it worked.
    virtual void saveDocument(frmDocument& doc) = 0;
    virtual void editText(frmDocument& doc) = 0;
    virtual void editActivePicture(frmDocument& doc) = 0;
    // Double-click on a QR code: its data and level.
    virtual void editQrCode(frmDocument&) {}
};
