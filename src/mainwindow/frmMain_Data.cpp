// File > Data...: the data file whose rows a label prints, one label a row
// (or as many as its copies column says), remembered next to the label in
// the settings.
#include <QAction>

#include "app/AppContext.h"
#include "app/Module1.h"
#include "document/frmDocument.h"
#include "frmMain.h"
#include "platform/Platform.h"
#include "platform/SettingsStore.h"
#include "printing/DataMerge.h"
#include "printing/LabelData.h"
#include "printing/frmPreview.h"

void frmMain::mnuFileData_Click()
{
    frmDocument* doc = activeDocument();
    if (!doc)
        return;
    // The choice is kept by the label file's name: a label without one has none to keep it by.
    if (!Module1::fileExists(doc->saveFileName)) {
        m_ctx.platform.message(tr("Save the label first: the data file it prints from is remembered with the label file."),
                               MsgIcon::Information);
        return;
    }
    const QString earlier = labeldata::remembered(m_ctx.store, doc->saveFileName);
    if (!earlier.isEmpty()) {
        const MsgAnswer a = m_ctx.platform.messageBox(
            tr("%1 prints a label for each row of \"%2\".\n\nYes: choose another data file.\nNo: forget it; the "
               "label prints as before.\nCancel: keep it.")
                .arg(Module1::pathFileName(doc->saveFileName), earlier),
            MsgButtons::YesNoCancel, MsgIcon::Question, tr("Data"));
        if (a == MsgAnswer::No) {
            labeldata::remember(m_ctx.store, doc->saveFileName, {});
            dataChanged(*doc);
        }
        if (a != MsgAnswer::Yes)
            return;
    }
    FileDialogRequest req;
    req.title = tr("Data for %1").arg(Module1::pathFileName(doc->saveFileName));
    req.filter = tr("CSV Files (*.csv)|*.csv|All Files (*.*)|*.*");
    req.filterIndex = 1;
    req.initialDir = Module1::pathFolder(earlier.isEmpty() ? doc->saveFileName : earlier);
    req.mustExist = true;
    const auto r = m_ctx.platform.openFile(req);
    if (!r || r->path.isEmpty())
        return;
    QString why;
    if (!labeldata::load(r->path, &why)) {
        m_ctx.platform.message(why + "\n" + tr("The label prints as before."), MsgIcon::Exclamation);
        return;
    }
    labeldata::remember(m_ctx.store, doc->saveFileName, r->path);
    dataChanged(*doc);
}

// The label view shows the first row's values; an open preview shows the
// labels the data makes now, from the first sheet.
void frmMain::dataChanged(frmDocument& doc)
{
    doc.fieldsShownChanged();
    if (auto* preview = findChild<frmPreview*>("frmPreview", Qt::FindDirectChildrenOnly))
        preview->printReport(1, false);
}

bool frmMain::dataForPrint(const LabelDocument& doc, merge::Source& source)
{
    QString why;
    if (labeldata::forPrint(m_ctx.store, doc.saveFileName, source, &why))
        return true;
    m_ctx.platform.message(why + "\n" + tr("Nothing was printed."), MsgIcon::Exclamation);
    return false;
}

bool frmMain::fieldValuesShown() const
{
    const QAction* a = action("mnuViewFieldValues");
    return !a || a->isChecked();
}

// Every label view shows its fields filled (label 1 of its print) or as typed.
void frmMain::mnuViewFieldValues_Click()
{
    for (frmDocument* d : documents())
        d->fieldsShownChanged();
}
