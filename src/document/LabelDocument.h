#pragma once
// One label design: its size and sheet layout, border, background, items, flags and
// every public operation other windows call on it. The document window mirrors
// this model; nothing here needs a widget.
#include <QCoreApplication>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QUndoStack>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "LabelContent.h"

class Platform;
class SettingsStore;
class TextMeasurer;

// Told about changes so a window can repaint and the main window can follow.
// A document has any number of listeners; each one overrides what it needs.
class DocumentObserver {
public:
    virtual ~DocumentObserver() = default;
    // This part of the label (twips) looks different now; empty: all of it.
    virtual void areaChanged(const QRectF& /*twips*/) {}
    virtual void labelResized() {}
    // Another item (or none) is active.
    virtual void selectionChanged() {}
    // The whole content was put back (undo, redo).
    virtual void restored() {}
    virtual void activeTextShown(const TextItem&) {}
    virtual void statusPanels(const QString& /*file*/, const QString& /*x*/, const QString& /*y*/) {}
    virtual void borderStyleShown(const QString&) {}
    virtual void captionChanged(const QString&) {}
    virtual void labelTypeShown(int16_t) {}
    // The changed flag was set or cleared.
    virtual void changedShown(bool) {}
    // Every area of a change has been told: what shows the content some other
    // way (filled fields) compares what it showed with content() now.
    virtual void contentShown() {}
};

class LabelDocument {
    Q_DECLARE_TR_FUNCTIONS(LabelDocument)

public:
    static constexpr int MaxItemIndex = 32767;

    LabelDocument(ProgramValues& app, Platform& platform, const TextMeasurer& measurer);
    // The history goes quietly: nobody may be told about a half-destroyed document.
    virtual ~LabelDocument() { m_history.blockSignals(true); }

    void addObserver(DocumentObserver* o) { m_observers.push_back(o); }
    void removeObserver(DocumentObserver* o) { std::erase(m_observers, o); }

    // --- label size and sheet layout --------------------------------------
    void setLabelDimensions(int16_t type, double height, double width);
    int16_t getLabelType() const { return m_content.label.LabelType; }
    double getLabelHeight() const { return m_content.label.LabelHeight; }
    double getLabelWidth() const { return m_content.label.LabelWidth; }
    double getTopMargin() const { return m_content.label.TopMargin; }
    void setTopMargin(double v) { m_content.label.TopMargin = v; }
    double getLeftMargin() const { return m_content.label.LeftMargin; }
    void setLeftMargin(double v) { m_content.label.LeftMargin = v; }
    double getRowSpace() const { return m_content.label.RowSpace; }
    void setRowSpace(double v) { m_content.label.RowSpace = v; }
    double getColumnSpace() const { return m_content.label.ColumnSpace; }
    void setColumnSpace(double v) { m_content.label.ColumnSpace = v; }
    int16_t getCutmarks() const { return m_content.label.Cutmarks; }
    void setCutmarks(int16_t v) { m_content.label.Cutmarks = v; }
    const LabelSpec& labelSpec() const { return m_content.label; }

    // Everything the label holds, as one value (what is saved, painted and undone).
    const LabelContent& content() const { return m_content; }

    // Surface (label) size in twips, and the inset border frame.
    int surfaceWidth() const { return m_surfaceW; }
    int surfaceHeight() const { return m_surfaceH; }
    QRectF borderRect() const;
    // Fits surface and frame to the label size (the window follows via the
    // observer); a new size puts the guides on its centre, shown or not.
    void resizeLabel();

    // --- border and background ------------------------------------------
    BorderSpec& border() { return m_content.frame; }
    const BorderSpec& border() const { return m_content.frame; }
    // The frame style's name and the aspect flag: names the windows use for
    // two fields of the content.
    QString& valBorderStyle = m_content.frameStyle;
    // Each a step of the history of its own (the width's steps merge while it is typed).
    void setBorderStyle(const QString& style); // name and shape code together
    void setBorderVisible(bool visible);
    void setBorderColor(ColorValue c);
    void setBorderWidth(int16_t width);
    ColorValue backColor() const { return m_content.backColor; }
    void setBackColor(ColorValue c);

    // --- flags -----------------------------------------------------------
    // The label is changed exactly when its content is not the one last saved
    // or opened: the history is away from its clean state, or an edit is under
    // way that its step has not recorded yet. Undoing back to the saved state
    // makes it unchanged again.
    bool getIsBlankForm() const { return m_blank; }
    bool isChanged() const { return m_editUnderWay || !m_history.isClean(); }
    // An edit: the window is no longer blank. Inside a step the step records
    // the change; outside one, no state the history can reach is the saved one.
    void setChanged();
    // False: the content as it is now is the saved one.
    void setFlags(bool changed, bool blank) { m_changed = changed; m_blank = blank; }

    bool& valMaintainAspectRatioFlag = m_content.keepAspect;
    QString saveFileName;
    QString saveTitle;

    // --- selection ---------------------------------------------------------
    // The active item, whatever its kind; null when none is.
    ItemId activeId() const { return m_active; }
    const LabelItem* activeItem() const { return m_content.item(m_active); }
    // For a change to an item (copied first when the history shares it).
    LabelItem* editItem(ItemId id) { return m_content.edit(id); }
    LabelItem* editActive() { return m_content.edit(m_active); }
    bool activeItemSelected() const { return m_active.kind == kindOf<GraphicItem>; }
    bool activeTextItemSelected() const { return m_active.kind == kindOf<TextItem>; }
    int activeTextIndex() const { return activeTextItemSelected() ? m_active.index : 0; }
    int activeGraphicIndex() const { return activeItemSelected() ? m_active.index : 0; }
    // Makes the item active (nothing when there is no such item).
    void select(ItemId id);
    void selectText(int index) { select({kindOf<TextItem>, index}); }
    void selectGraphic(int index) { select({kindOf<GraphicItem>, index}); }
    void SelectNothing();

    // --- text items --------------------------------------------------------
    // The formatting new and restyled texts take: the program-wide current
    // formatting here; a document in a window asks its host's boxes instead.
    virtual TextFormat currentTextFormat() const;
    bool createNewText(const QString& newText, int16_t newRotation);
    void showActiveText();
    ColorValue getTextColor() const;
    void setTextColor(ColorValue c);
    QString getTextFontSize() const;
    void setTextFontSize(const QString& fontSize);
    QString getTextFontName() const;
    void setTextFontName(const QString& name);
    int16_t getTextWidth() const;
    int16_t getTextHeight() const;
    QString getTextText() const;
    void setTextText(const QString& s);
    // The dialog's answer: a new text and its rotation, one step.
    void setTextText(const QString& s, int16_t rotation);
    void setTextAlignment(int16_t a);
    void setTextPosition(double left, double top);
    TextItem* activeText();
    ItemsOf<TextItem> texts() const { return m_content.all<TextItem>(); }
    // For a change to the item (copied first when the history shares it).
    TextItem* textAt(int index) { return m_content.edit<TextItem>(index); }
    int textCounter() const { return m_content.textCounter; }

    // --- picture items -----------------------------------------------------
    bool createNewGraphic(const QString& fileName);
    QString getActiveGraphicSpecs() const;
    void refreshGraphic(const QString& fileName);
    void adjustToAspectRatio();
    void setGraphicAspectFlag(bool flag);
    GraphicItem* activeGraphic();
    ItemsOf<GraphicItem> graphics() const { return m_content.all<GraphicItem>(); }
    GraphicItem* graphicAt(int index) { return m_content.edit<GraphicItem>(index); }
    int findGraphicByRank(int rank) const;
    int graphicCounter() const { return m_content.graphicCounter; }
    int lastGraphicIndex() const { return m_content.lastGraphic; }
    double activeAspect() const { return m_activeAspect; }

    // --- QR codes ------------------------------------------------------------
    // A new QR code, centred and as large as the frame comfortably holds (at
    // most an inch); refused with a message when its data cannot be kept.
    bool createNewQr(const QString& data, char level, ColorValue color = 0);
    // The active QR code's data, level and (given one) colour: one step;
    // false when refused.
    bool setActiveQr(const QString& data, char level, std::optional<ColorValue> color = std::nullopt);
    const QrItem* activeQr() const { return m_content.get<QrItem>(m_active.kind == kindOf<QrItem> ? m_active.index : 0); }
    ItemsOf<QrItem> qrCodes() const { return m_content.all<QrItem>(); }
    // The code alone as a picture (for the clipboard).
    QImage qrPicture(const QrItem& q) const;

    // --- item commands -----------------------------------------------------
    void deleteSelectedObject(bool verifyFlag = true);
    void bringForwardActive();
    void sendBackActive();
    // Aligns the active item on the guides (a labelcode::AlignMode).
    void horizontalAlign(int mode);
    void verticalAlign(int mode);
    // Arrow keys: the active item moves 15 twips.
    void nudge(int dx, int dy);
    // The active picture's corner to a place / its size (200 twips on from
    // where it was, as a pasted copy lands); texts are left alone.
    void moveSelected(int16_t left, int16_t top);
    void resizeSelected(int16_t width, int16_t height);
    // The active item's box as typed (twips), one step like a drag: a text
    // only moves (its box fits its text); a QR code stays square.
    void placeActive(const QRectF& box);
    // Turns the selected text by `degrees` counter-clockwise (kept from 0 to
    // 359). Pictures are not rotated or mirrored; the commands only say so.
    void rotateObject(int16_t degrees);
    void mirrorObject();

    // --- clipboard -----------------------------------------------------------
    // Copies the active item (a text as text; a picture as its descriptor and
    // the picture itself), deleting it without a question when cutting. False
    // when nothing was active.
    bool copySelectedToClipboard(bool cutFlag);
    // Pastes what the clipboard holds: text first, then a picture. False when
    // it holds nothing that can be pasted.
    bool pasteFromClipboard();

    // --- guides ------------------------------------------------------------
    void showGuides(bool visible);
    bool guidesVisible() const { return m_guidesVisible; }
    double vGuideX() const { return m_vGuideX; }
    double hGuideY() const { return m_hGuideY; }
    // Dragged guides go wherever the pointer takes them, unsnapped.
    void setGuidePositions(double x, double y);

    // --- files ---------------------------------------------------------------
    // Writes the label; returns false with a reason when the file could not be
    // written (the previous file is then left as it was).
    bool SaveLabelToFile(const QString& fileName, QString* error = nullptr);
    void LoadFile(const QString& fileName);
    // A label that is only printed (the batch mode) keeps the pictures it
    // loads at no more than `dpi` pixels an inch of their boxes, as they are
    // printed: the memory of a print is then bounded by its pictures at print
    // resolution, not at their files' (one full picture at a time while loading).
    void holdPicturesForPrint(double dpi) { m_pictureDpiLimit = dpi; }
    // The characters of the texts that a label file cannot keep (each once):
    // saving would write them as '?'.
    QStringList textCharactersNotKept() const;

    // The document's status panels (file, X%, Y%) for the active picture.
    void refreshStatus();
    // Tells the listeners what looks different since they were last told
    // (changedAreas, and the boxes of the items selected and no longer
    // selected), and about a new selection.
    void repaint();

    // --- whole content ---------------------------------------------------------
    // A copy of everything the label holds (items are shared, not copied), and
    // putting such a copy back. Selection, flags and guides are not content;
    // restoring leaves nothing selected.
    using Snapshot = LabelContent;
    LabelContent snapshot() const { return m_content; }
    void restore(const LabelContent& s);

    // --- undo history ------------------------------------------------------------
    // Everything done while the outermost Step lives is one step of the
    // document's history, named after that Step, and recorded only when the
    // content changed. Consecutive steps with the same non-empty merge key
    // become one (the arrow keys on one item). Steps nest: an operation made of
    // other operations is one step under the outer name.
    class Step {
    public:
        Step(LabelDocument& doc, const QString& name, const QString& mergeKey = {}) : m_doc(doc)
        {
            doc.beginStep(name, mergeKey);
        }
        ~Step() { m_doc.endStep(); }
        Step(const Step&) = delete;
        Step& operator=(const Step&) = delete;

    private:
        LabelDocument& m_doc;
    };
    void beginStep(const QString& name, const QString& mergeKey = {});
    void endStep();
    bool stepOpen() const { return m_stepDepth > 0; }
    static constexpr int HistoryLimit = 100;
    QUndoStack& history() { return m_history; }
    const QUndoStack& history() const { return m_history; }
    // Puts the label back as it was before the last step (after the next one):
    // the whole content, nothing selected, the document changed. A drag still
    // under way ends first.
    void undoStep();
    void redoStep();
    void clearHistory() { m_history.clear(); }

    ProgramValues& app() { return m_app; }
    Platform& platform() { return m_platform; }

protected:
    // Ends whatever the mouse is doing to the label before the history moves.
    virtual void settleEditing() {}

private:
    friend class ContentStep;
    void restoreStep(const LabelContent& s);
    // Applies `change` to every label the history holds (a picture file reloaded,
    // a pasted picture given its file), so undoing never brings back stale data.
    void rewriteHistory(const std::function<void(LabelContent&)>& change);
    // A new picture from `pic`, placed and sized to fit the frame; null when the label holds no more.
    GraphicItem* addGraphic(const struct PictureData& pic, const QString& path);
    void applyCurrentTextFormat(TextItem& item);
    void fitTextBox(TextItem& item);
    // The same, with the whole label (what no content records: the guides).
    void repaintAll();
    // The active item to the front or the back of its own layer (one step).
    void restack(const QString& name, bool front);

    ProgramValues& m_app;
    Platform& m_platform;
    const TextMeasurer& m_measurer;
    std::vector<DocumentObserver*> m_observers;
    // Tells every listener.
    template <class F> void notify(F f)
    {
        for (DocumentObserver* o : m_observers)
            f(*o);
    }
    ItemId m_shownActive; // the selection the listeners were last told of
    LabelContent m_shown; // the content they were last told of (items shared)

    LabelContent m_content;
    int m_surfaceW = 0, m_surfaceH = 0;

    // A view of the changed flag: assigning false makes the current content the
    // saved one (the history's clean state), assigning true leaves no clean state.
    class ChangedFlag {
    public:
        explicit ChangedFlag(LabelDocument& doc) : m_doc(doc) {}
        ChangedFlag& operator=(bool changed)
        {
            m_doc.markContent(changed);
            return *this;
        }
        operator bool() const { return m_doc.isChanged(); }

    private:
        LabelDocument& m_doc;
    };
    void markContent(bool changed);
    // Tells the observer when the changed flag flipped, whatever flipped it.
    void showChanged();
    ChangedFlag m_changed{*this};
    bool m_changedShown = false;
    bool m_editUnderWay = false; // changed inside the open step
    bool m_blank = true;

    ItemId m_active;
    double m_activeAspect = 1.0;

    bool m_guidesVisible = false;
    double m_vGuideX = 0, m_hGuideY = 0;

    QUndoStack m_history;
    int m_stepDepth = 0;
    bool m_recording = true; // false while a file is read
    double m_pictureDpiLimit = 0;
    std::shared_ptr<const LabelContent> m_stepBefore;
    QString m_stepName, m_stepKey;
};
