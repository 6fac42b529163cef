#include "LabelsPageWidget.h"

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

LabelsPageWidget::LabelsPageWidget(const LabelsPage& page, QWidget* parent) : QWidget(parent)
{
    setObjectName("Labels");
    setWindowTitle(tr("Labels"));
    auto* outer = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    outer->addLayout(form);
    m_start = new QSpinBox(this);
    m_start->setObjectName("txtStartLabel");
    m_start->setRange(1, std::max(1, page.lastStart));
    m_start->setValue(page.start);
    form->addRow(tr("Start at label:"), m_start);
    auto inches = [this](const char* name, double value) {
        auto* box = new QDoubleSpinBox(this);
        box->setObjectName(name);
        box->setDecimals(2);
        box->setRange(-0.5, 0.5);
        box->setSingleStep(0.01);
        box->setSuffix(tr(" in"));
        box->setValue(value);
        return box;
    };
    m_right = inches("txtMoveRight", page.right);
    m_down = inches("txtMoveDown", page.down);
    form->addRow(tr("Move right:"), m_right);
    form->addRow(tr("Move down:"), m_down);
    // A wrapped label inside a form row is given the height of one short line
    // by the print dialog's tab, cutting the explanation off: it stands below
    // the form instead, never lower than its wrapped text needs.
    auto* help = new QLabel(page.help, this);
    help->setObjectName("lblAdjustHelp");
    help->setWordWrap(true);
    help->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    constexpr int width = 380;
    help->setMinimumWidth(width);
    help->setMinimumHeight(help->heightForWidth(width));
    outer->addWidget(help);
    outer->addStretch(1);
}

void LabelsPageWidget::showPrinter(const LabelsPage& page, const QString& name, QString* shownFor)
{
    if (!page.adjustmentFor || name.isEmpty())
        return;
    const auto [right, down] = page.adjustmentFor(name);
    m_right->setValue(right);
    m_down->setValue(down);
    *shownFor = name;
}

void LabelsPageWidget::readInto(LabelsPage& page) const
{
    page.start = m_start->value();
    page.right = m_right->value();
    page.down = m_down->value();
}
