#pragma once
// "Stock": finding the label sheet a user bought by its maker, product code or
// description, as they type. The catalogue is the program's one
// (Catalogue::standard), read the first time a picker is shown or a print
// needs it; the dialog decides what choosing a product does.
#include <QGroupBox>
#include <functional>
#include <memory>
#include <vector>

#include "printing/StockCatalogue.h"

class QLabel;
class QLineEdit;
class QTreeView;
class StockModel;

class StockPicker : public QGroupBox {
    Q_OBJECT
public:
    // dataDir: the program's data folder (AppPaths::dataDir).
    StockPicker(QString dataDir, QWidget* parent);
    ~StockPicker() override;

    // The catalogue of the data folder, read once per run (reading it now if
    // neither a picker nor a print has needed it yet).
    const catalogue::Catalogue& stock();
    bool loaded() const { return m_catalogue != nullptr; }

    void search(const QString& text);
    // The products listed, in order.
    std::vector<const catalogue::Product*> listed() const;
    const catalogue::Product* currentProduct() const;
    // Chooses the product listed on that row, as a click or Enter does.
    void choose(int row);
    // The product of the highlighted row; nullptr when none is.
    const catalogue::Product* highlighted() const;
    // Highlights the product's row when it is listed, else no row: the dialog
    // keeps the highlight on the sheet its page describes.
    void highlight(const catalogue::Product* p);

    void setCaption(const QString& text);
    QLineEdit* searchBox() const { return m_search; }
    QTreeView* list() const { return m_list; }
    QLabel* captionLabel() const { return m_caption; }

    // A product was chosen.
    std::function<void(const catalogue::Product&)> chosen;
    // The catalogue has just been read.
    std::function<void()> catalogueLoaded;

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QString m_dataDir;
    const catalogue::Catalogue* m_catalogue = nullptr;
    QLineEdit* m_search = nullptr;
    QTreeView* m_list = nullptr;
    QLabel* m_caption = nullptr;
    StockModel* m_model = nullptr;
};
