#pragma once
// A stand-in for the main window: answers a document's questions from plain
// fields and records what the document tells it and asks of it.
#include <QStringList>
#include <functional>

#include "document/DocumentHost.h"
#include "document/frmDocument.h"

class FakeHost : public DocumentHost {
public:
    bool grid = false, snap = true, guides = false, aspect = false;
    TextFormat format;
    QStringList calls;
    TextItem shownText;
    QPoint popupAt;
    std::function<void(frmDocument&)> onSave;

    bool gridShown() const override { return grid; }
    bool snapToGrid() const override { return snap; }
    bool guidesShown() const override { return guides; }
    bool maintainAspectRatio() const override { return aspect; }
    TextFormat currentTextFormat() const override { return format; }
    void enableItemCommands(frmDocument& d) override
    {
        calls << QString("enable %1 %2").arg(d.activeTextItemSelected()).arg(d.activeItemSelected());
    }
    void textFormatShown(frmDocument&, const TextItem& item) override
    {
        calls << "format " + item.text;
        shownText = item;
    }
    void borderStyleShown(frmDocument&, const QString& s) override { calls << "border " + s; }
    void labelTypeShown(frmDocument&, int16_t type) override { calls << QString("type %1").arg(type); }
    void popupEditMenu(frmDocument&, const QPoint& at) override
    {
        calls << "popup";
        popupAt = at;
    }
    void saveDocument(frmDocument& d) override
    {
        calls << "save";
        if (onSave)
            onSave(d);
    }
    void editText(frmDocument& d) override { calls << "edit text " + d.getTextText(); }
    void editActivePicture(frmDocument&) override { calls << "edit picture"; }
};
