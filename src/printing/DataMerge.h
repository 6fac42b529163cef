#pragma once
// A print whose labels differ: each label's texts have their fields filled in
// (its running number, the print's total and date, its sheet, its data row).
// The print job asks for one label's content at a time and draws it: the
// items without a field are shared by every label, so nothing is kept per
// label and a print of thousands of labels needs no more memory than one.
#include <QDate>
#include <QStringList>
#include <memory>
#include <vector>

#include "document/CsvReader.h"
#include "document/Fields.h"
#include "document/LabelContent.h"

class TextMeasurer;

namespace merge {

// What the print fills fields from, besides the label itself.
struct Source {
    // The data rows, each making as many labels as its copies say; null: none.
    std::shared_ptr<const csv::Table> data;
    long long numberFrom = 1; // ${n} of the print's first label
    QDate date;               // ${date}; invalid: the day it prints
    // Refits a filled text's box as the label view fits a typed one; null:
    // the screen's metrics, as the document's own measurer takes them.
    const TextMeasurer* measurer = nullptr;
};

class Run {
public:
    Run(const LabelContent& content, const Source& source);
    ~Run();

    // The labels differ (a text holds a field) or the data sets their number.
    bool active() const { return m_active; }
    bool hasData() const { return bool(m_source.data); }
    // The labels the data makes (the sum of the rows' copies).
    long long dataLabels() const { return m_ends.empty() ? 0 : m_ends.back(); }
    // Every field that cannot be filled, for fields::problemsMessage.
    QStringList problems() const;

    // ${total}: the labels the print makes, once the job knows them.
    void setTotal(long long total) { m_total = total; }
    // The content of the print's label `index` (from 0), on sheet `sheet` (from 1).
    LabelContent label(long long index, long long sheet) const;
    // The data row label `index` prints; -1 without data.
    long long rowOf(long long index) const;
    // Why a QR code of label `index` cannot be made; empty when all can.
    QString qrProblem(long long index, long long sheet) const;
    // Whether a QR code's data holds a field (each label has its own code).
    bool qrFields() const { return !m_qrs.empty(); }

private:
    struct FieldText {
        size_t position; // in the content's items
        fields::Text text;
    };
    TextItem filled(const TextItem& typed, const QString& text) const;
    fields::Values values(long long index, long long sheet) const;

    LabelContent m_content;
    Source m_source;
    std::unique_ptr<TextMeasurer> m_ownMeasurer;
    const TextMeasurer* m_measurer;
    std::vector<FieldText> m_texts;
    std::vector<FieldText> m_qrs; // QR codes whose data holds a field
    std::vector<long long> m_ends; // labels made by the rows up to and including each
    QDate m_date;
    long long m_total = 0;
    bool m_active = false;
};

} // namespace merge
