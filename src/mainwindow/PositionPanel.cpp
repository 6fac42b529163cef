#include "PositionPanel.h"

#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/AppContext.h"
#include "app/Lengths.h"
#include "document/DocumentHost.h"
#include "document/frmDocument.h"
#include "editing/ResizeRules.h"

PositionPanel::PositionPanel(AppContext& ctx, DocumentHost& host, QWidget* parent)
    : QDockWidget(tr("Position and Size"), parent), m_ctx(ctx), m_host(host)
{
    setObjectName("dckPosition");
    m_body = new QWidget(this);
    m_body->setObjectName("fraPosition");
    auto* form = new QFormLayout;
    const char* names[] = {"txtPositionX", "txtPositionY", "txtPositionWidth", "txtPositionHeight"};
    const QString captions[] = {tr("&X:"), tr("&Y:"), tr("&Width:"), tr("&Height:")};
    for (int i = 0; i < 4; ++i) {
        m_boxes[i] = new QLineEdit(m_body);
        m_boxes[i]->setObjectName(names[i]);
        m_boxes[i]->setMaximumWidth(90);
        m_boxes[i]->installEventFilter(this);
        m_units[i] = new QLabel(m_body);
        auto* row = new QHBoxLayout;
        row->addWidget(m_boxes[i]);
        row->addWidget(m_units[i]);
        row->addStretch();
        auto* caption = new QLabel(captions[i], m_body);
        caption->setBuddy(m_boxes[i]);
        form->addRow(caption, row);
        connect(m_boxes[i], &QLineEdit::returnPressed, this, [this] { apply(); });
    }
    m_error = new QLabel(m_body);
    m_error->setObjectName("lblPositionError");
    m_error->setWordWrap(true);
    m_error->hide();
    auto* column = new QVBoxLayout(m_body);
    column->addLayout(form);
    column->addWidget(m_error);
    column->addStretch();
    setWidget(m_body);
    refresh();
}

PositionPanel::~PositionPanel()
{
    if (m_doc)
        m_doc->removeObserver(this);
}

void PositionPanel::follow(frmDocument* doc)
{
    if (m_doc != doc) {
        if (m_doc)
            m_doc->removeObserver(this);
        m_doc = doc;
        if (doc)
            doc->addObserver(this);
    }
    refresh();
}

void PositionPanel::refresh()
{
    const LabelItem* item = m_doc ? m_doc->activeItem() : nullptr;
    m_body->setEnabled(item != nullptr);
    showError({});
    const lengths::Unit unit = m_ctx.values.unit;
    const QRectF b = item ? bounds(*item) : QRectF();
    const double values[] = {b.left(), b.top(), b.width(), b.height()};
    for (int i = 0; i < 4; ++i) {
        m_shown[i] = item ? lengths::format(values[i], unit, m_ctx.values.decimalSeparator) : QString();
        m_boxes[i]->setText(m_shown[i]);
        m_units[i]->setText(lengths::unitSymbol(unit));
    }
    // A text's box is as large as its text: its size is only shown.
    const bool sized = item && resizable(*item);
    for (QLineEdit* b : {m_boxes[Width], m_boxes[Height]}) {
        b->setReadOnly(!sized);
        // Shown, not typed in: it looks like a read-out and Tab passes it by.
        b->setFocusPolicy(sized ? Qt::StrongFocus : Qt::NoFocus);
        QPalette pal = palette();
        if (!sized)
            pal.setColor(QPalette::Base, pal.color(QPalette::Window));
        b->setPalette(pal);
    }
}

bool PositionPanel::apply()
{
    const LabelItem* item = m_doc ? m_doc->activeItem() : nullptr;
    if (!item)
        return false;
    const QRectF now = bounds(*item);
    const double was[] = {now.left(), now.top(), now.width(), now.height()};
    double v[4];
    for (int i = 0; i < 4; ++i) {
        // A box still showing the item's value keeps it exactly (it shows it rounded).
        if (m_boxes[i]->text() == m_shown[i]) {
            v[i] = was[i];
            continue;
        }
        const lengths::Parsed p = lengths::parse(m_boxes[i]->text(), m_ctx.values.unit, m_ctx.values.decimalSeparator);
        if (!p.ok) {
            showError(p.error);
            m_boxes[i]->setFocus();
            m_boxes[i]->selectAll();
            return false;
        }
        v[i] = p.twips;
    }
    QRectF typed(v[X], v[Y], v[Width], v[Height]);
    if (!resizable(*item))
        typed.setSize(now.size());
    const bool square = alwaysSquare(*item);
    const auto placed = resize::typedBox(now, typed, square || m_host.maintainAspectRatio(),
                                         square ? 1.0 : m_doc->activeAspect());
    if (!placed) {
        showError(tr("The width and height must be greater than 0"));
        return false;
    }
    // Typed numbers can send an item where no drag can: some of it stays on the label.
    if (!QRectF(0, 0, m_doc->surfaceWidth(), m_doc->surfaceHeight()).intersects(*placed)) {
        showError(tr("The item must stay at least partly on the label"));
        return false;
    }
    m_doc->placeActive(*placed);
    refresh();
    return true;
}

void PositionPanel::showError(const QString& text)
{
    m_error->setText(text);
    m_error->setVisible(!text.isEmpty());
}

bool PositionPanel::eventFilter(QObject* o, QEvent* e)
{
    // Escape puts back what the item has.
    if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) {
        for (QLineEdit* b : m_boxes)
            if (o == b) {
                refresh();
                return true;
            }
    }
    return QDockWidget::eventFilter(o, e);
}
