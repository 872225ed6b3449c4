#include "selection/picked_cards.h"

#include "program/program.h"
#include "selection/qso_selection.h"
#include "settings/settings_keys.h"
#include "settings/settings_store.h"

EmptiedPicks savePickedCards(Program& program, QsoSelection& selection, const PickingWindowMoves& window)
{
    const QStringList picked = selection.picked().lines();
    if (picked.isEmpty()) {
        window.showCount();
        return {};
    }
    SettingsBatch batch(program.store(), program.dialogs());
    batch.write(Key::LaQsl, picked.first());
    window.hide();
    program.setMsgQslEnregistrees(1);
    const CardExport cards = program.exportPickedCards();
    if (cards.refused) {
        window.show();
        return {};
    }
    if (picked.size() > 1)
        batch.write(Key::LaQsl, picked.last());
    if (!cards.unsavedLines.isEmpty()) {
        selection.picked().replaceAll(cards.unsavedLines);
        window.showCount();
        window.show();
        return {};
    }
    selection.clearPicked();
    window.showCount();
    return {picked, cards.created};
}
