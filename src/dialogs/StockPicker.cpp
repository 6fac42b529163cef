// The stock picker: a search box over a list of label sheets.
#include "StockPicker.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>
#include <set>

using catalogue::Product;
using catalogue::Shape;

namespace {

QString number(double v, int decimals)
{
    QString s = QString::number(v, 'f', decimals);
    while (s.contains('.') && (s.endsWith('0') || s.endsWith('.')))
        s.chop(1);
    return s;
}

// Sheets sold by the millimetre are shown in millimetres.
QString labelSize(const Product& p)
{
    if (p.paperId.startsWith("US-"))
        return StockPicker::tr("%1 x %2 in").arg(number(p.width, 3), number(p.height, 3));
    return StockPicker::tr("%1 x %2 mm").arg(number(p.width * 25.4, 1), number(p.height * 25.4, 1));
}

QString shapeName(Shape s)
{
    switch (s) {
    case Shape::Round: return StockPicker::tr("Round");
    case Shape::Ellipse: return StockPicker::tr("Oval");
    case Shape::CD: return "CD";
    default: return StockPicker::tr("Rectangle");
    }
}

} // namespace

class StockModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;
    std::vector<const Product*> rows;

    void show(std::vector<const Product*> r)
    {
        beginResetModel();
        rows = std::move(r);
        endResetModel();
    }
    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : int(rows.size()); }
    int columnCount(const QModelIndex& = {}) const override { return 6; }
    QVariant headerData(int section, Qt::Orientation o, int role) const override
    {
        static const char* titles[] = {QT_TRANSLATE_NOOP("StockPicker", "Product"), QT_TRANSLATE_NOOP("StockPicker", "Description"),
                                       QT_TRANSLATE_NOOP("StockPicker", "Label"), QT_TRANSLATE_NOOP("StockPicker", "Across x down"),
                                       QT_TRANSLATE_NOOP("StockPicker", "Paper"), QT_TRANSLATE_NOOP("StockPicker", "Shape")};
        if (o == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < 6)
            return StockPicker::tr(titles[section]);
        return {};
    }
    QVariant data(const QModelIndex& i, int role) const override
    {
        if (!i.isValid() || i.row() >= int(rows.size()))
            return {};
        const Product& p = *rows[size_t(i.row())];
        if (role == Qt::ToolTipRole)
            return p.refusal().isEmpty() ? catalogue::caption(p) : p.refusal();
        if (role == Qt::ForegroundRole && !p.refusal().isEmpty())
            return QApplication::palette().brush(QPalette::Disabled, QPalette::Text);
        if (role != Qt::DisplayRole)
            return {};
        switch (i.column()) {
        case 0: return p.name();
        case 1: return p.description;
        case 2: return labelSize(p);
        case 3: return p.layouts > 1 ? StockPicker::tr("several") : QString("%1 x %2").arg(p.across).arg(p.down);
        case 4: return p.paperName;
        default: return shapeName(p.shape);
        }
    }
};

StockPicker::StockPicker(QString dataDir, QWidget* parent)
    : QGroupBox(tr("Stock"), parent), m_dataDir(std::move(dataDir))
{
    setObjectName("fraStock");
    m_search = new QLineEdit(this);
    m_search->setObjectName("txtStockSearch");
    m_search->setPlaceholderText(tr("Maker, product code or description, e.g. Avery L7165 or wine"));
    m_search->setClearButtonEnabled(true);
    m_search->installEventFilter(this);
    m_model = new StockModel(this);
    m_list = new QTreeView(this);
    m_list->setObjectName("lstStock");
    m_list->setModel(m_model);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setMinimumSize(720, 130);
    m_list->installEventFilter(this);
    m_caption = new QLabel(tr("Custom sheet"), this);
    m_caption->setObjectName("lblStock");
    m_caption->setTextInteractionFlags(Qt::TextSelectableByMouse);
    connect(m_search, &QLineEdit::textChanged, this, [this](const QString& t) { search(t); });
    // A click is choosing, as the user sees it; the second click of a double
    // click chooses what the first one did.
    connect(m_list, &QTreeView::clicked, this, [this](const QModelIndex& i) { choose(i.row()); });

    auto* v = new QVBoxLayout(this);
    v->addWidget(m_search);
    v->addWidget(m_list, 1);
    v->addWidget(m_caption);
}

StockPicker::~StockPicker() = default;

const catalogue::Catalogue& StockPicker::stock()
{
    if (!m_catalogue) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_catalogue = &catalogue::Catalogue::standard(m_dataDir);
        QApplication::restoreOverrideCursor();
        // Told once a run, however often the dialog opens.
        static std::set<const catalogue::Catalogue*> told;
        if (told.insert(m_catalogue).second)
            for (const QString& w : m_catalogue->warnings)
                qWarning("Label sheets: %s", qPrintable(w));
        if (!m_catalogue->warnings.isEmpty())
            m_list->setToolTip(m_catalogue->warnings.join('\n'));
        search(m_search->text());
        // Sized once, for the whole catalogue: typing does not make the columns jump.
        for (int c = 0; c < m_model->columnCount(); ++c)
            m_list->resizeColumnToContents(c);
        // The description takes what the others leave, so every column shows
        // whole without a sideways scroll (the tooltip has the whole caption).
        m_list->header()->setStretchLastSection(false);
        m_list->header()->setMinimumSectionSize(60);
        m_list->header()->setSectionResizeMode(1, QHeaderView::Stretch);
        if (catalogueLoaded)
            catalogueLoaded();
    }
    return *m_catalogue;
}

void StockPicker::showEvent(QShowEvent* e)
{
    QGroupBox::showEvent(e);
    stock();
}

void StockPicker::search(const QString& text)
{
    if (!m_catalogue)
        return;
    m_model->show(m_catalogue->search(text));
    // The best match is ready for Enter once something is typed.
    if (!m_model->rows.empty() && !text.trimmed().isEmpty())
        m_list->setCurrentIndex(m_model->index(0, 0));
}

std::vector<const Product*> StockPicker::listed() const { return m_model->rows; }

const Product* StockPicker::currentProduct() const
{
    const int row = m_list->currentIndex().row();
    return row >= 0 && row < int(m_model->rows.size()) ? m_model->rows[size_t(row)] : nullptr;
}

void StockPicker::choose(int row)
{
    if (row >= 0 && row < int(m_model->rows.size()) && chosen)
        chosen(*m_model->rows[size_t(row)]);
}

const Product* StockPicker::highlighted() const
{
    const QModelIndexList rows = m_list->selectionModel()->selectedRows();
    if (rows.isEmpty() || rows.first().row() >= int(m_model->rows.size()))
        return nullptr;
    return m_model->rows[size_t(rows.first().row())];
}

void StockPicker::highlight(const Product* p)
{
    const auto at = std::find(m_model->rows.begin(), m_model->rows.end(), p);
    if (!p || at == m_model->rows.end()) {
        m_list->selectionModel()->clear();
        return;
    }
    const QModelIndex i = m_model->index(int(at - m_model->rows.begin()), 0);
    m_list->selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_list->scrollTo(i);
}

void StockPicker::setCaption(const QString& text) { m_caption->setText(text); }

bool StockPicker::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() != QEvent::KeyPress)
        return QGroupBox::eventFilter(o, e);
    const int key = static_cast<QKeyEvent*>(e)->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (o == m_search) {
        // Enter after typing chooses the best match (if any) instead of
        // closing the dialog; with nothing typed it is the dialog's OK as ever.
        if (enter && !m_search->text().trimmed().isEmpty()) {
            if (currentProduct())
                choose(m_list->currentIndex().row());
            return true;
        }
        // Down goes on to the list, onto the best match.
        if (key == Qt::Key_Down && m_model->rowCount() > 0) {
            m_list->setFocus(Qt::TabFocusReason);
            return true;
        }
    } else if (o == m_list && enter && currentProduct()) {
        choose(m_list->currentIndex().row());
        return true;
    }
    return QGroupBox::eventFilter(o, e);
}
