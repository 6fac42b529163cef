#pragma once
// Prints sheets of the document's label onto a surface, one sheet a copy.
#include <QString>
#include <functional>

class DrawingSurface;
class LabelDocument;

namespace sheet {
struct Plan;
}

namespace printjob {

// Told instead of printing a sheet that would hold more labels than any real one.
QString sheetTooBigMessage(const sheet::Plan& plan);

using StatusFn = std::function<void(const QString&)>;

// Returns false when the job ended on an error (the user has been told).
bool printLabels(LabelDocument& doc, DrawingSurface& surface, double ratio, int numCopies,
                 const StatusFn& status = {});

} // namespace printjob
