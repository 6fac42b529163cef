#pragma once
// What the label view shows of a label whose texts or QR codes hold fields:
// the first label of its print, filled from the label's data (or numbered
// only), so the user designs with real values in place. The items without a
// field are the document's own; a filled item is made once and kept while
// its typed item is unchanged, so the view's changed-area comparison (items
// by pointer) still finds only what an edit touched.
#include <map>
#include <memory>

#include "document/CsvReader.h"
#include "document/LabelContent.h"

class TextMeasurer;

namespace merge {

class FirstLabel {
public:
    explicit FirstLabel(const TextMeasurer& measurer) : m_measurer(measurer) {}

    // The rows label 1 comes from; null: numbering only. Fills every field again.
    void setData(std::shared_ptr<const csv::Table> data);
    const std::shared_ptr<const csv::Table>& data() const { return m_data; }

    // Label 1 of the print of `typed` (typed itself when nothing in it holds a
    // field). Valid until the next call.
    const LabelContent& of(const LabelContent& typed);

private:
    void refill(const LabelContent& typed);

    const TextMeasurer& m_measurer;
    std::shared_ptr<const csv::Table> m_data;
    bool m_valid = false;
    bool m_fields = false;
    std::vector<ItemPtr> m_typedItems; // what m_filled was made from
    double m_labelWidth = 0;           // wrapping of a filled text depends on it
    LabelContent m_filled;
    // Each typed item holding a field (kept alive, so its address is not
    // reused) and its filled copy.
    std::map<const LabelItem*, std::pair<ItemPtr, ItemPtr>> m_made;
};

} // namespace merge
