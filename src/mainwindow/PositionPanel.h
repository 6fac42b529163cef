#pragma once
// The "Position and Size" panel: the selected item's corner, width and height
// in the user's unit. Enter in any of its boxes places the item as typed, one
// step of the label's history like a drag. A text's box fits its text, so only
// its corner can be typed; a picture keeps its aspect ratio as when resizing.
// It follows the active label: the selection, drags, undo, another window.
#include <QDockWidget>
#include <QPointer>

#include "document/LabelDocument.h"

class QLabel;
class QLineEdit;
class frmDocument;
class DocumentHost;
struct AppContext;

class PositionPanel : public QDockWidget, public DocumentObserver {
    Q_OBJECT
public:
    enum Field { X, Y, Width, Height };

    PositionPanel(AppContext& ctx, DocumentHost& host, QWidget* parent);
    ~PositionPanel() override;

    // Shows this label's selection from now on (null: no label is open).
    void follow(frmDocument* doc);
    // Shows the selection again (another unit, a changed item).
    void refresh();
    // Places the item as the boxes say; false (and why, in the panel) when a
    // box holds no length or the size is not above 0.
    bool apply();

    QLineEdit* box(Field f) const { return m_boxes[f]; }
    QLabel* errorLabel() const { return m_error; }

    // DocumentObserver
    void contentShown() override { refresh(); }
    void restored() override { refresh(); }

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void showError(const QString& text);

    AppContext& m_ctx;
    DocumentHost& m_host;
    QPointer<frmDocument> m_doc;
    QWidget* m_body = nullptr;
    QLineEdit* m_boxes[4] = {};
    QLabel* m_units[4] = {};
    QString m_shown[4]; // what each box showed of the item, to tell a typed value from a shown one
    QLabel* m_error = nullptr;
};
