// The document's undo history. A step keeps the label's content as it was
// before and after, as two values that share every item the step did not
// change: a step costs a pointer per item, never the item records or pixels.
// Consecutive steps share the content between them when nothing happened in
// between.
#include <QUndoCommand>
#include <map>

#include "LabelDocument.h"

using ContentPtr = std::shared_ptr<const LabelContent>;

class ContentStep : public QUndoCommand {
public:
    ContentStep(LabelDocument& doc, ContentPtr before, ContentPtr after, const QString& name, const QString& key)
        : QUndoCommand(name), m_doc(doc), m_before(std::move(before)), m_after(std::move(after)), m_key(key)
    {
    }

    // The change is already on the label when the step is recorded.
    void redo() override
    {
        if (m_recorded)
            m_doc.restoreStep(*m_after);
        m_recorded = true;
    }
    void undo() override { m_doc.restoreStep(*m_before); }

    int id() const override { return m_key.isEmpty() ? -1 : 1; }
    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = static_cast<const ContentStep*>(other);
        if (next->m_key != m_key)
            return false;
        m_after = next->m_after;
        // Moved there and back again: nothing is left to undo.
        setObsolete(*m_before == *m_after);
        return true;
    }

    ContentPtr& before() { return m_before; }
    ContentPtr& after() { return m_after; }

private:
    LabelDocument& m_doc;
    ContentPtr m_before, m_after;
    QString m_key;
    bool m_recorded = false;
};

void LabelDocument::beginStep(const QString& name, const QString& mergeKey)
{
    if (m_stepDepth++ > 0 || !m_recording)
        return;
    m_stepBefore = std::make_shared<const LabelContent>(snapshot());
    m_stepName = name;
    m_stepKey = mergeKey;
}

void LabelDocument::endStep()
{
    if (m_stepDepth == 0 || --m_stepDepth > 0)
        return;
    // From here on the history alone says whether the label changed.
    struct Settle {
        LabelDocument& doc;
        ~Settle()
        {
            doc.m_editUnderWay = false;
            doc.showChanged();
        }
    } settle{*this};
    ContentPtr before = std::move(m_stepBefore);
    m_stepBefore.reset();
    if (!before)
        return;
    auto after = std::make_shared<const LabelContent>(snapshot());
    if (*after == *before)
        return;
    m_blank = false;
    // Share the snapshot with the step before when the label did not change in between.
    if (m_history.index() > 0)
        if (auto* last = dynamic_cast<ContentStep*>(const_cast<QUndoCommand*>(m_history.command(m_history.index() - 1))))
            if (*last->after() == *before)
                before = last->after();
    m_history.push(new ContentStep(*this, std::move(before), std::move(after), m_stepName, m_stepKey));
}

void LabelDocument::undoStep()
{
    settleEditing();
    if (m_stepDepth == 0)
        m_history.undo();
}

void LabelDocument::redoStep()
{
    settleEditing();
    if (m_stepDepth == 0)
        m_history.redo();
}

void LabelDocument::restoreStep(const LabelContent& s)
{
    restore(s);
    m_blank = false;
    refreshStatus();
}

void LabelDocument::rewriteHistory(const std::function<void(LabelContent&)>& change)
{
    // Contents shared by neighbouring steps stay shared.
    // (The old ones are kept alive until the end, so no address is reused.)
    std::map<const LabelContent*, std::pair<ContentPtr, ContentPtr>> done;
    auto rewrite = [&](ContentPtr& p) {
        auto it = done.find(p.get());
        if (it == done.end()) {
            auto copy = std::make_shared<LabelContent>(*p);
            change(*copy);
            it = done.emplace(p.get(), std::make_pair(p, ContentPtr(std::move(copy)))).first;
        }
        p = it->second.second;
    };
    for (int i = 0; i < m_history.count(); ++i) {
        if (auto* step = dynamic_cast<ContentStep*>(const_cast<QUndoCommand*>(m_history.command(i)))) {
            rewrite(step->before());
            rewrite(step->after());
        }
    }
    if (m_stepBefore) {
        ContentPtr open = m_stepBefore;
        rewrite(open);
        m_stepBefore = open;
    }
}
