#pragma once

#include "gui/tooltips/ToolTipWindow.h"

#include <QColor>
#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <array>

namespace z3d {

// One window's tooltips: controls registered as tools, each with its text, and one tip window
// owned by the form that shows the text of the tool under the mouse.
//
// A tip appears once the mouse has stayed on a tool for the initial delay, whether or not the
// window is active: the tools' own enter and leave events drive it, not Qt's tooltip events,
// which an inactive window never gets. It goes when the mouse leaves the tool, a button or key
// is pressed on it, the tool is hidden, or the auto-pop delay has passed. Moving onto another
// tool while a tip shows (or within the reshow delay of leaving a shown tip's tool) brings that
// tool's tip after the reshow delay instead.
//
// A text is shown as given: CR LF (or a lone LF or CR) breaks the line, and a line wider than
// maxTipWidth wraps at a word boundary. An empty text shows nothing. A control has at most one
// tool; the tool goes with its control. The tip window lives as long as the object.
class ToolTips : public QObject
{
    Q_OBJECT

public:
    enum class Delay
    {
        Reshow = 1,
        AutoPop = 2,
        Initial = 3
    };
    enum class Side
    {
        Left = 0,
        Top = 1,
        Right = 2,
        Bottom = 3
    };

    // The tips of form's controls. Until changed: the platform's tip colours, the tip window's
    // font, no header, lines never wrapped, no margins, initial 500 ms, reshow 100 ms,
    // auto-pop 5 s.
    explicit ToolTips(QWidget& form);
    ~ToolTips() override;

    // form's tips: the one instance a form keeps, made (with the defaults) on first use.
    static ToolTips& of(QWidget& form);

    // The look every window of the launcher gives its tips: lines wrapped at 240 pixels,
    // margins of 5 (left, right) and 2 (top, bottom), initial 300 ms, reshow 800 ms, auto-pop
    // 20 s, no header.
    void useLauncherLook();

    // Registers control with text (the header first when shown). False, changing nothing, for
    // no control or one that already has a tool.
    bool addTool(QWidget* control, const QString& text);
    // False when control has no tool.
    bool removeTool(QWidget* control);
    bool hasToolTip(const QWidget* control) const;
    int toolCount() const;

    // The tool's text as shown (header included); empty for a control without a tool.
    QString toolText(const QWidget* control) const;
    // Replaces the text of control's tool (the header first when shown); a control without a
    // tool is left alone. An empty text removes the tool.
    void setToolText(QWidget* control, const QString& text);

    // A first line put above every text added or set while the header is shown and not empty.
    // Texts already registered keep the form they were given.
    QString toolTipHeader() const { return m_header; }
    void setToolTipHeader(const QString& header) { m_header = header; }
    bool toolTipHeaderShow() const { return m_headerShown; }
    void setToolTipHeaderShow(bool shown) { m_headerShown = shown; }

    int delayTime(Delay kind) const;
    // Milliseconds; a negative value counts as 0.
    void setDelayTime(Delay kind, int milliseconds);
    // The widest a line may be before it wraps (pixels); 0 or less: never wrapped.
    int maxTipWidth() const { return m_maxTipWidth; }
    void setMaxTipWidth(int pixels);
    // Room between the tip's border and its text (pixels).
    int margin(Side side) const;
    void setMargin(Side side, int pixels);
    QColor backColor() const;
    void setBackColor(const QColor& colour);
    QColor foreColor() const;
    void setForeColor(const QColor& colour);

    // The tip window, made on first need (nullptr until a tip has been shown).
    const ToolTipWindow* tipWindow() const { return m_window; }
    // The tip window with the tips' look, made now if there is none yet: for tips drawn by
    // their control's own code (the map list's pictures), which hide it again themselves.
    ToolTipWindow& window();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString withHeader(const QString& text) const;
    void enterTool(QWidget* control);
    void leaveTool();
    void showTip();
    void hideTip();
    void applyLook();

    QWidget& m_form;
    QHash<QWidget*, QString> m_tools;
    QString m_header;
    bool m_headerShown = false;
    // Milliseconds by Delay, the first (Reshow) at 0.
    std::array<int, 3> m_delays{100, 5000, 500};
    int m_maxTipWidth = 0;
    // Pixels by Side: left, top, right, bottom.
    std::array<int, 4> m_margins{};
    QColor m_back;
    QColor m_fore;
    // The tool the mouse is on, waiting for or showing its tip.
    QPointer<QWidget> m_hovered;
    QTimer m_showTimer;
    QTimer m_popTimer;
    // Running from when the mouse left a tool whose tip showed: a tool entered within the
    // reshow delay after that shows its tip after the reshow delay, not the initial one.
    QElapsedTimer m_sinceTipLeft;
    QPointer<ToolTipWindow> m_window;
};

} // namespace z3d
