#include "frmPrintSeveral.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/AppContext.h"
#include "app/CommandLine.h"
#include "app/ProgramTitle.h"
#include "document/CkmFormat.h"
#include "document/LabelDocument.h"
#include "platform/Platform.h"
#include "platform/SettingsStore.h"

frmPrintSeveral::frmPrintSeveral(AppContext& ctx, QWidget* parent, const std::vector<Offered>& open)
    : QDialog(parent), m_ctx(ctx)
{
    setObjectName("frmPrintSeveral");
    setWindowTitle(tr("Print Several Labels"));
    auto* hint = new QLabel(tr("How many of each label to print. The sheets fill in this order, one label after "
                               "another; the labels must be the same size."),
                            this);
    hint->setWordWrap(true);
    m_list = new QTableWidget(0, 2, this);
    m_list->setObjectName("lstLabels");
    m_list->setHorizontalHeaderLabels({tr("Label"), tr("Labels")});
    m_list->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_list->verticalHeader()->hide();
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    m_list->setMinimumWidth(380);
    auto* add = new QPushButton(tr("&Add File..."), this);
    add->setObjectName("cmdAddFile");
    connect(add, &QPushButton::clicked, this, &frmPrintSeveral::cmdAddFile_Click);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* print = buttons->addButton(tr("&Print..."), QDialogButtonBox::AcceptRole);
    print->setObjectName("OKButton");
    print->setDefault(true);
    QPushButton* preview = buttons->addButton(tr("Pre&view"), QDialogButtonBox::ActionRole);
    preview->setObjectName("cmdPreview");
    buttons->addButton(QDialogButtonBox::Cancel)->setObjectName("CancelButton");
    connect(print, &QPushButton::clicked, this, [this] { finish(false); });
    connect(preview, &QPushButton::clicked, this, [this] { finish(true); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addWidget(m_list);
    layout->addWidget(add, 0, Qt::AlignLeft);
    layout->addWidget(buttons);
    for (const Offered& o : open)
        addRow(o, 0);
}

frmPrintSeveral::~frmPrintSeveral() = default;

QSpinBox* frmPrintSeveral::countAt(int row) const { return qobject_cast<QSpinBox*>(m_list->cellWidget(row, 1)); }

void frmPrintSeveral::addRow(const Offered& label, int count)
{
    m_labels.push_back(label);
    const int row = m_list->rowCount();
    m_list->insertRow(row);
    auto* name = new QTableWidgetItem(label.name);
    name->setFlags(Qt::ItemIsEnabled);
    m_list->setItem(row, 0, name);
    auto* spin = new QSpinBox(m_list);
    spin->setObjectName(QString("txtCount%1").arg(row));
    spin->setRange(0, int(CommandLine::MaxDesignLabels));
    spin->setValue(count);
    m_list->setCellWidget(row, 1, spin);
}

void frmPrintSeveral::cmdAddFile_Click()
{
    Platform::OwnedBy own(m_ctx.platform, this);
    FileDialogRequest req;
    req.title = tr("Add Label File");
    req.initialDir = m_ctx.store.read("Open", "File Path", m_ctx.values.labelFolder);
    req.filter = tr("Corkcrafter Files (*.ckm)|*.ckm|All Files (*.*)|*.*");
    req.mustExist = true;
    const auto r = m_ctx.platform.openFile(req);
    if (!r || r->path.isEmpty())
        return;
    // Loading tells what is wrong with a file; one whose header cannot be read
    // leaves the document as it was, so it is checked here first.
    QFile f(r->path);
    const bool readable = f.open(QIODevice::ReadOnly) && CKM_Header::parse(f, true).failure == CKM_Header::ParsedLabel::None;
    f.close();
    // The content is a value of its own: it outlives the document it was read by.
    LabelDocument doc(m_ctx.values, m_ctx.platform, m_ctx.measurer);
    doc.saveFileName = r->path;
    doc.saveTitle = r->fileTitle;
    doc.LoadFile(r->path);
    if (readable)
        addRow({doc.content(), r->fileTitle}, 1);
}

void frmPrintSeveral::finish(bool preview)
{
    Platform::OwnedBy own(m_ctx.platform, this);
    Answer a;
    for (int row = 0; row < m_list->rowCount(); ++row)
        if (const int n = countAt(row)->value(); n > 0)
            a.designs.push_back({m_labels[size_t(row)].content, n, m_labels[size_t(row)].name});
    QString why = a.designs.empty() ? tr("Please give at least one label a number of labels to print.")
                                    : printjob::designsMismatch(a.designs);
    if (!why.isEmpty()) {
        why.remove(" " + QCoreApplication::translate("printjob", "Nothing was printed."));
        m_ctx.platform.message(why, MsgIcon::Exclamation, ProgramTitle);
        return;
    }
    a.preview = preview;
    m_answer = std::move(a);
    accept();
}

std::optional<frmPrintSeveral::Answer> frmPrintSeveral::ask(AppContext& ctx, QWidget* parent,
                                                            const std::vector<Offered>& open)
{
    frmPrintSeveral dlg(ctx, parent, open);
    dlg.exec();
    return dlg.m_answer;
}
