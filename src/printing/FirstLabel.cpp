#include "FirstLabel.h"

#include "DataMerge.h"

namespace merge {

void FirstLabel::setData(std::shared_ptr<const csv::Table> data)
{
    m_data = std::move(data);
    m_valid = false;
    m_made.clear();
}

const LabelContent& FirstLabel::of(const LabelContent& typed)
{
    if (!m_valid || typed.items != m_typedItems || typed.label.LabelWidth != m_labelWidth)
        refill(typed);
    if (!m_fields)
        return typed;
    // Everything but the items is the document's as it is now: the whole
    // content is taken, so a field it gains later is not left behind.
    std::vector<ItemPtr> items = std::move(m_filled.items);
    m_filled = typed;
    m_filled.items = std::move(items);
    return m_filled;
}

void FirstLabel::refill(const LabelContent& typed)
{
    if (typed.label.LabelWidth != m_labelWidth)
        m_made.clear();
    m_valid = true;
    m_typedItems = typed.items;
    m_labelWidth = typed.label.LabelWidth;
    Source source;
    source.data = m_data;
    source.measurer = &m_measurer;
    Run run(typed, source);
    // The print's total is known once its copies are; with data it is the data's.
    run.setTotal(run.hasData() ? run.dataLabels() : 1);
    m_filled = run.label(0, 1);
    std::map<const LabelItem*, std::pair<ItemPtr, ItemPtr>> made;
    for (size_t i = 0; i < typed.items.size(); ++i) {
        const ItemPtr& t = typed.items[i];
        if (m_filled.items[i] == t)
            continue;
        if (const auto was = m_made.find(t.get()); was != m_made.end())
            m_filled.items[i] = was->second.second;
        made.emplace(t.get(), std::make_pair(t, m_filled.items[i]));
    }
    m_fields = !made.empty();
    m_made = std::move(made);
}

} // namespace merge
