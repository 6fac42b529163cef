#include "LabelsPageWidget.h"

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/Units.h"

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
    // The adjustment is kept in hundredths of an inch: in millimetres a step
    // is a quarter of one (0.01 in = 0.254 mm).
    m_mm = page.unit == lengths::Unit::Millimetres;
    auto length = [this](const char* name, double inches) {
        auto* box = new QDoubleSpinBox(this);
        box->setObjectName(name);
        box->setDecimals(2);
        box->setRange(shown(-0.5), shown(0.5));
        box->setSingleStep(m_mm ? 0.25 : 0.01);
        box->setSuffix(m_mm ? tr(" mm") : tr(" in"));
        box->setValue(shown(inches));
        return box;
    };
    m_right = length("txtMoveRight", page.right);
    m_down = length("txtMoveDown", page.down);
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
    m_right->setValue(shown(right));
    m_down->setValue(shown(down));
    *shownFor = name;
}

void LabelsPageWidget::readInto(LabelsPage& page) const
{
    page.start = m_start->value();
    page.right = inches(m_right->value());
    page.down = inches(m_down->value());
}

double LabelsPageWidget::shown(double inches) const { return m_mm ? units::inchesToMillimetres(inches) : inches; }
double LabelsPageWidget::inches(double shown) const { return m_mm ? units::millimetresToInches(shown) : shown; }
