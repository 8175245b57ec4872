#include "runtime/PlayerRun.h"

#include "model/CElement.h"
#include "runtime/CPlayerDlg.h"

namespace dw {

void RunPlayer(const PlayerRequest& request) {
    if (request.elements == nullptr || request.store == nullptr) return;
    CPlayerDlg player(request);
    request.elements->SetRunMode(&player, true);
    player.RunModal(request.gaugeName);
    request.elements->SetRunMode(request.editorOwner, false);
}

}  // namespace dw
