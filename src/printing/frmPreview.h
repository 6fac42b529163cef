#pragma once
// The print preview: the sheet the printer would get for the active label,
// drawn by the print job onto an image of the printer's page, at a chosen
// zoom inside a scrollable viewport; it prints that sheet or saves it as PDF.
#include <QImage>
#include <QMainWindow>
#include <QMap>
#include <functional>

#include "PrintJob.h"

class DrawingSurface;

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QScrollBar;
class LabelDocument;
struct AppContext;

class frmPreview : public QMainWindow {
    Q_OBJECT
public:
    using DocumentFn = std::function<LabelDocument*()>;

    // activeDocument answers the main window's active label at the moment of
    // asking; status writes the main window's status panel.
    frmPreview(AppContext& ctx, QPrinter& printer, DocumentFn activeDocument, printjob::StatusFn status,
               QWidget* parent = nullptr);
    ~frmPreview() override;

    void printReport(int16_t ReportNum, bool printToPrinter);
    // Shows, prints and saves these labels together instead of the active
    // label; none: the active label again.
    void showDesigns(std::vector<printjob::Request::Design> designs);
    const std::vector<printjob::Request::Design>& designs() const { return m_designs; }
    void setScrollValues(int16_t& PageCount);

    void mnuFilePrint_Click();
    void mnuFileSave_Click();
    void mnuFileClose_Click();
    void mnuViewPrevious_Click();
    void mnuViewNext_Click();
    // Shows sheet n (from 1) of those the print makes; nothing for one there is not.
    void showPage(int n);
    int currentPage() const { return m_currentPage; }
    int pageCount() const { return m_pageCount; }
    void mnuHelpContents_Click();
    void mnuHelpIndex_Click();
    void tbToolbar_ButtonClick(const QString& key);
    // listIndex: the entry chosen, or -1 for a typed value.
    void cboViewSize_Click(int listIndex);
    void HScrollBar_Change(int value);
    void VScrollBar_Change(int value);

    // Controls, for tests and tools too.
    QAction* action(const QString& name) const { return m_actions.value(name); }
    QAction* button(const QString& key) const { return m_buttons.value(key); }
    QComboBox* cboViewSize() const { return m_cboViewSize; }
    QLineEdit* txtPageNum() const { return m_txtPageNum; }
    // "12 labels on 3 sheets": what the print makes.
    QLabel* lblRunSize() const { return m_lblRunSize; }
    // The request the sheet on screen is drawn with (its data, its onlySheet).
    const printjob::Request& shownRequest() const { return m_shown; }
    QScrollBar* HScrollBar() const { return m_hScroll; }
    QScrollBar* VScrollBar() const { return m_vScroll; }
    QWidget* picViewPort() const { return m_viewPort; }
    QWidget* picPageImage(int index) const;
    const QImage& pageImage(int index) const;

    int16_t rememberedZoom() const { return m_rememberedZoom; }
    int16_t viewMode() const { return m_viewMode; }
    double ratio() const { return m_ratio; }
    int16_t pageLeft() const { return m_pageLeft; }
    int16_t pageTop() const { return m_pageTop; }
    double twipsPerPixel() const;

protected:
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    class PageImage;

    void buildMenus();
    void buildToolbar();
    void Form_Load();
    void Form_Resize();
    void Form_Unload();
    void layoutViewPort();
    void renderPage();
    // The label shown: several together, else the active one (null: none).
    LabelDocument* shownDocument() const;
    bool showsLabels() const { return !m_designs.empty() || m_activeDocument(); }
    // The print of the label or labels shown on the sheet of the remembered product.
    printjob::Request baseRequest(const LabelDocument* doc) const;
    printjob::Request request(const LabelDocument* doc, bool onPrinter);
    // Adds the label's data to r; false when it cannot be read (the user is
    // told, with `outcome` saying what becomes of it; a drawing tells once).
    // Labels shown together have no data.
    bool withData(const LabelDocument* doc, printjob::Request& r, const QString& outcome, bool drawing);
    std::vector<printjob::Request::Design> m_designs;
    void showRunSize(const printjob::Extent& e);
    int m_shownStart = 1; // the first label of the sheet on screen
    void placePage(double widthTwips, double heightTwips);
    void enableNavigation(bool previous, bool next);
    QSizeF paperTwips() const;

    AppContext& m_ctx;
    QPrinter& m_printer;
    DocumentFn m_activeDocument;
    printjob::StatusFn m_status;

    QMap<QString, QAction*> m_actions;
    QMap<QString, QAction*> m_buttons;
    QComboBox* m_cboViewSize = nullptr;
    QLineEdit* m_txtPageNum = nullptr;
    QLabel* m_lblRunSize = nullptr;
    printjob::Request m_shown;
    QString m_toldData; // the last data problem told while drawing: told once
    QWidget* m_viewPort = nullptr;
    QScrollBar* m_hScroll = nullptr;
    QScrollBar* m_vScroll = nullptr;
    QList<PageImage*> m_pages; // picPageImage(1) first

    int16_t m_reportNum = 0;
    bool m_printing = false;
    int m_pageCount = 1, m_currentPage = 1;
    int16_t m_pageLeft = 250, m_pageTop = 250;
    int16_t m_pageHeight = 0;
    int16_t m_viewMode = 0;
    int16_t m_rememberedZoom = 0;
    double m_ratio = 1.0;
    bool m_loaded = false;
};
