#pragma once
// "QR Code": asks for the data a QR code holds, its error-correction level and
// its colour.
#include <QDialog>
#include <optional>

#include "document/LabelTypes.h"

class QComboBox;
class QLineEdit;
class QPushButton;
struct AppContext;

class frmQrInput : public QDialog {
    Q_OBJECT
public:
    struct Answer {
        QString data;
        char level = 'M';
        ColorValue color = 0;
    };
    frmQrInput(AppContext& ctx, QWidget* parent, const QString& data, char level, ColorValue color);

    // Shows the dialog modally; nothing when the user cancelled.
    static std::optional<Answer> ask(AppContext& ctx, QWidget* parent, const QString& data = {}, char level = 'M',
                                     ColorValue color = 0);

    QLineEdit* txtQrData() const { return m_data; }
    QComboBox* cboQrLevel() const { return m_level; }
    // The colour swatch: a click opens the colour chooser.
    QPushButton* cmdQrColor() const { return m_colorButton; }
    ColorValue color() const { return m_color; }
    void cmdQrColor_Click();
    // Data a label file cannot keep is refused here, and the dialog stays open.
    void OKButton_Click();

private:
    AppContext& m_ctx;
    QLineEdit* m_data;
    QComboBox* m_level;
    QPushButton* m_colorButton;
    ColorValue m_color;
    void showColor();
    std::optional<Answer> m_answer;
};
