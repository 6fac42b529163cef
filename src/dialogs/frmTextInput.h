#pragma once
// "Text Input": asks for a text, its rotation and whether to wrap it to the label.
#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
struct AppContext;

class frmTextInput : public QDialog {
    Q_OBJECT
public:
    frmTextInput(AppContext& ctx, QWidget* parent);

    // Shows the dialog modally with the program-wide dialog text and rotation;
    // afterwards the dialog text is empty when the user cancelled.
    static void ask(AppContext& ctx, QWidget* parent);

    QPlainTextEdit* txtInput() const { return m_text; }
    QComboBox* cboRotation() const { return m_rotation; }
    QCheckBox* chkAutoFit() const { return m_autofit; }
    // The note under the text naming the characters a label file cannot keep
    // (hidden while there are none); those characters are also underlined.
    QLabel* lblNotKept() const { return m_notKept; }
    void OKButton_Click();
    void CancelButton_Click() { close(); }

protected:
    void closeEvent(QCloseEvent*) override;
    void reject() override { close(); }

private:
    void markCharactersNotKept();

    AppContext& m_ctx;
    QPlainTextEdit* m_text;
    QComboBox* m_rotation;
    QCheckBox* m_autofit;
    QLabel* m_notKept;
    bool m_cancelled = true;
    bool m_closed = false;
};
