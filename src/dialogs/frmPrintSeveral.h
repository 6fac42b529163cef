#pragma once
// "Print Several Labels": the open labels and any label files added from
// disk, each with how many labels of it print; the sheets fill in the order
// of the list, one label after another.
#include <QDialog>
#include <optional>
#include <vector>

#include "printing/PrintJob.h"

class QPushButton;
class QSpinBox;
class QTableWidget;
struct AppContext;

class frmPrintSeveral : public QDialog {
    Q_OBJECT
public:
    // A label the list offers: its content and the name it is known by.
    struct Offered {
        LabelContent content;
        QString name;
    };
    struct Answer {
        std::vector<printjob::Request::Design> designs; // those with a count, in order
        bool preview = false;                             // Preview rather than Print
    };
    frmPrintSeveral(AppContext& ctx, QWidget* parent, const std::vector<Offered>& open);
    ~frmPrintSeveral() override;

    // Shows the dialog modally; nothing when the user cancelled.
    static std::optional<Answer> ask(AppContext& ctx, QWidget* parent, const std::vector<Offered>& open);

    QTableWidget* lstLabels() const { return m_list; }
    QSpinBox* countAt(int row) const;
    // Asks for a label file and adds it to the list; a file that cannot be
    // read is told and not added.
    void cmdAddFile_Click();
    // Labels of another size than the first counted one, or no label at all,
    // are told and the dialog stays open.
    void finish(bool preview);

private:
    void addRow(const Offered& label, int count);

    AppContext& m_ctx;
    QTableWidget* m_list;
    std::vector<Offered> m_labels;
    std::optional<Answer> m_answer;
};
