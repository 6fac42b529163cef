#pragma once
// Printing on a product of the catalogue: its paper, exactly its labels where
// it has them, and whether the label in hand still belongs on it.
#include <QPageLayout>
#include <QString>

#include "StockCatalogue.h"

class SettingsStore;
struct LabelSpec;

namespace printjob {
struct Request;
}

namespace catalogue {

// How far a label's layout may be from a product's and still be printed as it:
// the options dialog keeps three decimals of an inch.
constexpr double LayoutSlack = 0.001;

// The label's size, margins and spacing are the product's.
bool layoutMatches(const Product& p, const LabelSpec& label, double columnSpace, double rowSpace);

// The product remembered in the settings while the request's label is still
// laid out for it (and it can be printed on); nullptr otherwise. The catalogue
// is read only when a product is remembered.
const Product* rememberedFor(const printjob::Request& request, const SettingsStore& store, const QString& dataDir);

// The request prints the product's labels: exactly across x down of them, the
// first at the product's corner and the rest at its steps. The label keeps its
// own size and is drawn at each label's top-left corner.
void applyTo(const Product& p, printjob::Request& request);

// The product's paper, turned as the product lays it out: the standard size
// nearest to it, so that a printer's driver knows it by name.
QPageLayout paperLayout(const Product& p);

// Told before printing a label larger than the product's labels (it is cut at
// its own edges as always, so it runs over onto the neighbours); empty when it fits.
QString labelLargerMessage(const Product& p, double labelWidth, double labelHeight);

} // namespace catalogue
