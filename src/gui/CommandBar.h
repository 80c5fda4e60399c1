#pragma once

#include "gui/ControlArray.h"

#include <QObject>

class QToolButton;

namespace z3d {

// The row of command buttons (AuxButton_0..8) with their pictures: which of them each layout
// offers, and the states the lists and the launcher preferences give the shortcut (2), the
// zip-library location (7) and the cleanup (8) buttons.
class CommandBar : public QObject
{
    Q_OBJECT

public:
    // The buttons by index.
    enum Button
    {
        Install,
        Documentation,
        Shortcut,
        EditLog,
        EngineLog,
        IwadLocations,
        Font,
        ZipLocation,
        ModelCleanup,
    };
    static constexpr int kCount = 9;

    // The buttons of form, with their pictures; the shortcut, edit-log and zip-library buttons
    // hidden.
    explicit CommandBar(QWidget& form);

    QToolButton* button(int index) const { return m_buttons.at(index); }

    // The compact layout offers only the first two buttons; the advanced one the logs, the
    // IWAD locations and the fonts, and the shortcut button with "Shortcut creation".
    void offerForLayout(bool advanced, bool shortcutCreation);
    void offerShortcut(bool offered);
    void setShortcutEnabled(bool enabled);
    bool shortcutEnabled() const;
    // Offered in the zip library's view unless the edit log's viewer (3) takes its place.
    void offerZipLibraryLocation(bool offered);
    void hideCleanup();

signals:
    void clicked(int index);

private:
    ControlArray<QToolButton, kCount> m_buttons;
};

} // namespace z3d
