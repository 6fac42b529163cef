#pragma once
// "QR Code": asks for the data a QR code holds and its error-correction level.
#include <QDialog>
#include <optional>

class QComboBox;
class QLineEdit;
struct AppContext;

class frmQrInput : public QDialog {
    Q_OBJECT
public:
    struct Answer {
        QString data;
        char level = 'M';
    };
    frmQrInput(AppContext& ctx, QWidget* parent, const QString& data, char level);

    // Shows the dialog modally; nothing when the user cancelled.
    static std::optional<Answer> ask(AppContext& ctx, QWidget* parent, const QString& data = {}, char level = 'M');

    QLineEdit* txtQrData() const { return m_data; }
    QComboBox* cboQrLevel() const { return m_level; }
    // Data a label file cannot keep is refused here, and the dialog stays open.
    void OKButton_Click();

private:
    AppContext& m_ctx;
    QLineEdit* m_data;
    QComboBox* m_level;
    std::optional<Answer> m_answer;
};
