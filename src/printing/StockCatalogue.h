#pragma once
// The label sheets a user can buy, by maker and product code: read at run time
// from the sheet database other label designers share (XML template files) and
// from the program's own small catalogue of bottle-label sheets, same format.
// Lengths are kept in inches, measured from the paper's top-left edge.
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class SettingsStore;

namespace catalogue {

enum class Shape { Rectangle, Round, Ellipse, CD };

struct Product {
    QString maker, code;      // "Avery", "L7165"
    QString description;      // "Shipping labels"
    QString aliasOf;          // "Avery 7165" when the entry borrows another's geometry
    QString paperId;          // "A4", "US-Letter", "Other"
    QString paperName;        // "A4", "US Letter", or the size for "Other"
    double paperWidth = 0, paperHeight = 0; // as the template lays the sheet out
    Shape shape = Shape::Rectangle;
    double width = 0, height = 0; // one label (a round one: its diameter both ways)
    double cornerRadius = 0;
    int layouts = 0;              // more than one: labels in several groups, refused
    int across = 0, down = 0;     // of the first (only) layout
    int labels = 0;               // on one sheet, every layout counted
    double left = 0, top = 0;     // first label's top-left corner on the paper
    double stepX = 0, stepY = 0;  // from one label's corner to the next one's
    QString source;               // the file it was read from

    QString name() const { return maker + ' ' + code; }
    double columnSpace() const { return stepX - width; }
    double rowSpace() const { return stepY - height; }
    bool landscape() const { return paperWidth > paperHeight; }
    // Why the program cannot print on it (CD labels, several layouts, a
    // layout with no label, labels more than a millimetre off the paper);
    // empty when it can.
    QString refusal() const;
    // Round and elliptical labels print as rectangles with an oval frame.
    bool wantsOvalFrame() const { return shape == Shape::Round || shape == Shape::Ellipse; }
};

// "Avery L7165 — 99.1 x 67.7 mm, 2 x 4 on A4"
QString caption(const Product& p);

struct Catalogue {
    std::vector<Product> products; // sorted by maker, then code
    QStringList warnings;          // one line per unreadable file or entry, naming the path
    // What search() looks in, one lower-case line a product; built on the first
    // search after products change, so each keystroke only compares text.
    mutable std::vector<QString> haystacks;

    // Every *-templates.xml (and paper-sizes.xml) in the folders; a folder
    // that is missing is passed over quietly, a file that cannot be read is a
    // warning and the rest still loads.
    static Catalogue load(const QStringList& folders);

    // Products whose maker, code or description hold every word of the text,
    // case-insensitive; all of them for an empty text.
    std::vector<const Product*> search(const QString& text) const;
    // "Avery L7165", case-insensitive; nullptr when there is none.
    const Product* find(const QString& makerAndCode) const;
    // Up to `most` names close to one that was not found, closest first.
    QStringList closeMatches(const QString& makerAndCode, int most = 5) const;

    // The catalogue of standardFolders(dataDir), read on the first call for
    // that folder (the picker's first opening, a print on a chosen product)
    // and kept for the rest of the run.
    static const Catalogue& standard(const QString& dataDir);
};

// A length of the sheet database in inches: "210mm", "8.5in", "12pt", "1cm",
// or a bare number of points; nothing for anything else.
std::optional<double> parseLength(const QString& text);

// The program's own catalogue in its data folder, then the shared database
// where the system keeps it.
QStringList standardFolders(const QString& dataDir);

// The product chosen last, remembered in the settings; empty when none.
QString rememberedProduct(const SettingsStore& store);
void rememberProduct(SettingsStore& store, const QString& makerAndCode);

} // namespace catalogue
