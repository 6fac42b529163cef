#pragma once
// Sheet database files in the shared database's XML form, for the catalogue's tests.
#include <QByteArray>
#include <QList>

namespace stockxml {

// A whole templates file around `body`.
inline QByteArray templates(const QByteArray& body)
{
    return "<?xml version=\"1.0\"?>\n<Glabels-templates>\n" + body + "</Glabels-templates>\n";
}

// One <Template> with `attributes`; `label` is the label element's kind and its
// attributes ("rectangle width=\"1in\" ..."), with a <Layout> of each of `layouts`.
// Without a label it is an entry that only names another (equiv="...").
inline QByteArray sheet(const QByteArray& attributes, const QByteArray& label = {},
                        const QList<QByteArray>& layouts = {})
{
    if (label.isEmpty())
        return "  <Template " + attributes + "/>\n";
    const QByteArray kind = label.left(label.indexOf(' '));
    QByteArray s = "  <Template " + attributes + ">\n    <Label-" + label + ">\n";
    for (const QByteArray& l : layouts)
        s += "      <Layout " + l + "/>\n";
    return s + "    </Label-" + kind + ">\n  </Template>\n";
}

} // namespace stockxml
