#include "DataMerge.h"

#include <algorithm>

#include "app/Units.h"
#include "document/QrCode.h"
#include "document/TextMeasure.h"

namespace merge {

Run::Run(const LabelContent& content, const Source& source)
    : m_content(content), m_source(source), m_measurer(source.measurer)
{
    if (!m_measurer) {
        m_ownMeasurer = std::make_unique<QtTextMeasurer>();
        m_measurer = m_ownMeasurer.get();
    }
    m_date = source.date.isValid() ? source.date : QDate::currentDate();
    const QStringList noColumns;
    const QStringList& columns = source.data ? source.data->columns : noColumns;
    for (size_t i = 0; i < m_content.items.size(); ++i)
        if (const auto* t = std::get_if<TextItem>(m_content.items[i].get()); t && fields::mayHaveFields(t->text)) {
            fields::Text text(t->text, columns);
            if (!text.plain())
                m_texts.push_back({i, std::move(text)});
        } else if (const auto* q = std::get_if<QrItem>(m_content.items[i].get());
                   q && fields::mayHaveFields(q->data)) {
            fields::Text data(q->data, columns);
            if (!data.plain())
                m_qrs.push_back({i, std::move(data)});
        }
    if (source.data) {
        m_ends.reserve(source.data->rows.size());
        long long sum = 0;
        for (size_t r = 0; r < source.data->rows.size(); ++r)
            m_ends.push_back(sum += source.data->rowCopies(r));
    }
    m_active = !m_texts.empty() || !m_qrs.empty() || hasData();
}

Run::~Run() = default;

QStringList Run::problems() const
{
    QStringList all;
    for (const FieldText& t : m_texts)
        all << t.text.problems();
    for (const FieldText& q : m_qrs)
        all << q.text.problems();
    return all;
}

long long Run::rowOf(long long index) const
{
    if (m_ends.empty())
        return -1;
    const auto it = std::upper_bound(m_ends.begin(), m_ends.end(), index);
    return it == m_ends.end() ? -1 : it - m_ends.begin();
}

fields::Values Run::values(long long index, long long sheet) const
{
    fields::Values v;
    v.number = m_source.numberFrom + index;
    v.total = m_total;
    v.sheet = sheet;
    v.date = m_date;
    const long long row = rowOf(index);
    if (row >= 0)
        v.row = &m_source.data->rows[size_t(row)];
    return v;
}

QString Run::qrProblem(long long index, long long sheet) const
{
    const fields::Values v = values(index, sheet);
    for (const ItemPtr& p : m_content.items) {
        const auto* q = std::get_if<QrItem>(p.get());
        if (!q)
            continue;
        const size_t at = size_t(&p - m_content.items.data());
        const auto own = std::find_if(m_qrs.begin(), m_qrs.end(), [at](const FieldText& f) { return f.position == at; });
        const QString problem = qrcode::encodeProblem(own == m_qrs.end() ? q->data : own->text.fill(v), q->level);
        if (!problem.isEmpty())
            return problem;
    }
    return {};
}

LabelContent Run::label(long long index, long long sheet) const
{
    LabelContent c = m_content;
    if (m_texts.empty() && m_qrs.empty())
        return c;
    const fields::Values v = values(index, sheet);
    for (const FieldText& q : m_qrs) {
        QrItem own = std::get<QrItem>(*m_content.items[q.position]);
        own.data = q.text.fill(v);
        c.items[q.position] = std::make_shared<const LabelItem>(std::move(own));
    }
    for (const FieldText& t : m_texts) {
        const auto& typed = std::get<TextItem>(*m_content.items[t.position]);
        c.items[t.position] = std::make_shared<const LabelItem>(filled(typed, t.text.fill(v)));
    }
    return c;
}

// The box fitted to the filled text as to a typed one, standing where the
// alignment holds it: a left-aligned text keeps its left edge, a right-aligned
// one its right edge, a centred one its centre. A line that would run off the
// label is wrapped as autofit wraps a new text.
TextItem Run::filled(const TextItem& typed, const QString& text) const
{
    TextItem t = typed;
    t.text = text;
    auto fit = [&] {
        const QSizeF m = m_measurer->measure(t.text, t.font);
        t.width = m.width() + 60;
        t.height = m.height() + 60;
        if (t.alignment == labelcode::AlignRight)
            t.left = typed.left + typed.width - t.width;
        else if (t.alignment == labelcode::AlignCentre)
            t.left = typed.left + (typed.width - t.width) / 2;
    };
    fit();
    const double labelWidth = units::inchesToTwips(m_content.label.LabelWidth);
    if (t.left >= 0 && t.left + t.width <= labelWidth)
        return t;
    QStringList lines = textlayout::splitLines(t.text);
    for (QString& line : lines)
        if (m_measurer->measure(line, t.font).width() + 60 > labelWidth)
            line = textlayout::autofitWrap(line, m_content.label.LabelWidth, [&](const QString& s) {
                return m_measurer->measure(s, t.font).width();
            });
    t.text = lines.join(QStringLiteral("\r\n"));
    fit();
    // Kept on the label where it fits on it, else centred across it.
    t.left = t.width <= labelWidth ? std::clamp(t.left, 0.0, labelWidth - t.width) : (labelWidth - t.width) / 2;
    return t;
}

} // namespace merge
