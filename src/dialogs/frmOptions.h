#pragma once
// "Options": the label size and sheet layout of the active document (or of new
// documents) and the program-wide defaults for border, grid, guides and file
// locations, on four pages. Apply commits only the page whose tab is selected;
// OK commits that page and every other page the user changed something on.
//
// Split by concern:
//   frmOptions.cpp         controls and their layout
//   frmOptions_Pages.cpp   load, the numeric boxes, the border, grid and locations pages, apply
//   frmOptions_Sheet.cpp   the sheet miniature, label type, orientation, printer set-up and test page
//   frmOptions_Stock.cpp   the label sheet chosen by maker and product code (StockPicker)
#include <QDialog>
#include <QLabel>
#include <QList>
#include <functional>

#include "app/OptionsRules.h"
#include "printing/SheetMiniature.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPrinter;
class QPushButton;
class QRadioButton;
class QTabWidget;
class LabelDocument;
class StockPicker;
struct AppContext;
struct LabelSpec;
namespace catalogue {
struct Product;
}

// The sheet miniature `Page`: the paper at one sixth, drawn in twips.
class SheetPicture : public QWidget {
public:
    explicit SheetPicture(QWidget* parent);
    void setPageTwips(QSizeF size);
    void setDrawing(miniature::Drawing d);
    const miniature::Drawing& drawing() const { return m_drawing; }
    QSizeF pageTwips() const { return m_page; }
    int redraws() const { return m_redraws; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QSizeF m_page;
    miniature::Drawing m_drawing;
    int m_redraws = 0;
};

// The grid preview `picPage`: one dot at every grid point.
class GridPicture : public QWidget {
public:
    explicit GridPicture(QWidget* parent);
    void setSteps(int w, int h);
    QSize twips() const;
    int dotCount() const { return int(m_dots.size()); }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QList<QPoint> m_dots;
};

// The border colour swatch `picBorderColor`: a click opens the colour chooser.
class ColorSwatch : public QLabel {
public:
    explicit ColorSwatch(QWidget* parent);
    void setColor(uint32_t c);
    uint32_t color() const { return m_color; }
    std::function<void()> clicked;

protected:
    void mousePressEvent(QMouseEvent*) override;

private:
    uint32_t m_color = 0;
};

class frmOptions : public QDialog {
    Q_OBJECT
public:
    // The page keys, in tab order.
    static const QStringList TabKeys;

    // doc: the active document, or nullptr. printer: whose paper and
    // orientation the first page shows and sets.
    frmOptions(AppContext& ctx, LabelDocument* doc, QPrinter& printer, QWidget* parent);

    // Shows the dialog modally on the given page (with stockSearch, on the
    // label page with the keyboard in the stock search); the caller then
    // reads the program-wide settings-changed flag.
    static void showOptions(AppContext& ctx, LabelDocument* doc, QPrinter& printer, QWidget* parent, int tab = 0,
                            bool stockSearch = false);

    void Form_Load();

    // Tabs.
    QTabWidget* tabStrip() const { return m_tabs; }
    QString selectedTabKey() const;
    // The user changed something on the page since loading or its last Apply.
    bool pageEdited(int index) const { return m_edited[index]; }
    void selectTab(int index);
    void nextTab(int direction);

    // Label specs page.
    // The unit the length boxes show: their texts are rewritten in it.
    void cboUnits_Click();
    lengths::Unit unit() const { return m_unit; }
    QComboBox* cboUnits() const { return m_cboUnits; }
    void optLabelType_Click(int index);
    void optOrientation_Click(int index);
    void optCutmarks_Click(int index);
    void SetupButton_Click();
    void cmdPrintTest_Click();
    void txtCustomWidth_LostFocus() { leaveBox(options::Box::CustomWidth); }
    void txtCustomHeight_LostFocus() { leaveBox(options::Box::CustomHeight); }
    void txtTopMargin_LostFocus() { leaveBox(options::Box::TopMargin); }
    void txtLeftMargin_LostFocus() { leaveBox(options::Box::LeftMargin); }
    void txtRowSpace_LostFocus() { leaveBox(options::Box::RowSpace); }
    void txtColumnSpace_LostFocus() { leaveBox(options::Box::ColumnSpace); }
    // Stock, on the label specs page: choosing a product fills the page from
    // it (or says why it cannot be printed on).
    static const QString CustomSheetCaption;
    void chooseStock(const catalogue::Product& p);
    void focusStockSearch();
    StockPicker* stockPicker() const { return m_stock; }
    // The product the page still describes; empty once a box differs from it.
    QString stockProduct() const;
    // Border page.
    void chkBorder_Click();
    void picBorderColor_Click();
    void cboBorderWidth_Validate();
    // Grid page.
    void txtGridWidth_LostFocus() { leaveBox(options::Box::GridWidth); }
    void txtGridHeight_LostFocus() { leaveBox(options::Box::GridHeight); }
    void cmdDefaults_Click();
    void drawGridPreview();
    // Locations page.
    void cmdChgDir_Click(int index);
    bool locationsChanged() const { return m_locationsChanged; }
    // Foot.
    void cmdApply_Click();
    void cmdOK_Click();
    void cmdCancel_Click() { reject(); }

    int16_t labelType() const { return m_labelType; }
    int16_t cutmarks() const { return m_cutmarks; }
    bool loading() const { return m_loading; }
    QLineEdit* box(options::Box b) const { return m_boxes[int(b)]; }
    SheetPicture* page() const { return m_page; }
    GridPicture* gridPreview() const { return m_picPage; }
    QLabel* lblPaperSize() const { return m_lblPaperSize; }

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void buildLabelPage(QWidget* page);
    void buildBorderPage(QWidget* page);
    void buildGridPage(QWidget* page);
    void buildLocationsPage(QWidget* page);
    void tabChanged(int index);
    void watchEdits();
    void applyPage(const QString& key);

    void leaveBox(options::Box b);
    // A length box's value in inches (whatever unit it shows), a grid box's in twips.
    double boxValue(options::Box b) const;
    // Inches as a length box shows them in the chosen unit.
    QString lengthText(double inches) const;
    // Shows inches in a length box; while the box still shows them, its
    // value is exactly these inches (millimetres are shown rounded).
    void showLength(options::Box b, double inches);
    options::Paper paper() const;
    double paperWidthTwips() const;
    double paperHeightTwips() const;
    int printerOrientation() const;
    void setPrinterOrientation(int orientation);
    void showPage(double widthInches, double heightInches);
    void showPageFromBoxes();
    void drawMiniature(double widthTwips, double heightTwips);
    StockPicker* buildStockPicker(QWidget* page);
    const catalogue::Product* stockMatch() const;
    void showStockCaption();
    void usePaperOf(const catalogue::Product& p, bool tellMissing);
    void takeRememberedPaper(const LabelSpec& label, double columnSpace, double rowSpace);
    bool takeHighlightedStock();
    void applyStock();

    void applyLabelSpecs();
    void applyBorder();
    void applyGrid();
    void applyLocations();

    AppContext& m_ctx;
    LabelDocument* m_doc;
    QPrinter& m_printer;
    QChar m_sep;
    lengths::Unit m_unit;

    int16_t m_labelType = 0;
    int16_t m_cutmarks = 2;
    bool m_loading = false;
    bool m_locationsChanged = false;
    bool m_edited[4] = {};

    QTabWidget* m_tabs = nullptr;
    QLineEdit* m_boxes[8] = {};
    QString m_lengthShown[8];
    double m_lengthInches[8] = {};
    QRadioButton* m_optLabelType[3] = {};
    QRadioButton* m_optOrientation[3] = {}; // indices 1 and 2
    QRadioButton* m_optCutmarks[4] = {};
    QRadioButton* m_optGuide[3] = {};
    QLabel* m_lblPaperSize = nullptr;
    QComboBox* m_cboUnits = nullptr;
    SheetPicture* m_page = nullptr;
    QCheckBox* m_chkBorder = nullptr;
    QComboBox* m_cboBorderStyle = nullptr;
    QComboBox* m_cboBorderWidth = nullptr;
    ColorSwatch* m_picBorderColor = nullptr;
    QLabel* m_lblStyle = nullptr;
    QLabel* m_lblWidth = nullptr;
    QLabel* m_lblColor = nullptr;
    GridPicture* m_picPage = nullptr;
    QLineEdit* m_txtDir[5] = {};
    StockPicker* m_stock = nullptr;
    QString m_stockProduct; // chosen, or remembered from the last time
    bool m_stockOval = false; // the oval frame was accepted for it
};
