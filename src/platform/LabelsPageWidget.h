#pragma once
// The print dialog's "Labels" page: where to start on a partly used sheet and
// the printer's adjustment. Numbers are shown and typed in the user's locale.
#include <QWidget>

#include "Platform.h"

class QDoubleSpinBox;
class QSpinBox;

class LabelsPageWidget : public QWidget {
    Q_OBJECT

public:
    explicit LabelsPageWidget(const LabelsPage& page, QWidget* parent = nullptr);
    // Another printer was chosen in the dialog: show its own adjustment.
    void showPrinter(const LabelsPage& page, const QString& name, QString* shownFor);
    void readInto(LabelsPage& page) const;

private:
    // The adjustment in the unit the page shows, and back in inches.
    double shown(double inches) const;
    double inches(double shown) const;

    bool m_mm = false;
    QSpinBox* m_start;
    QDoubleSpinBox *m_right, *m_down;
};
