#pragma once
// The preview's page picture, shared by its files.
#include <QPainter>
#include <QWidget>

#include "frmPreview.h"

// One page picture: shows the image the print job drew.
class frmPreview::PageImage : public QWidget {
public:
    explicit PageImage(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }
    QImage image;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        if (image.isNull())
            p.fillRect(rect(), Qt::white);
        else
            p.drawImage(QPoint(0, 0), image);
    }
};
