#include "gfx/overlay.h"

#include "gfx/notice_line.h"


namespace {
std::unique_ptr<Overlay> theOverlay;
constexpr float kTitleShipPitch = -20.0f;
}  // namespace

Overlay* createOverlay() {
    theOverlay = std::make_unique<Overlay>();
    return theOverlay.get();
}

Overlay* getOverlay() { return theOverlay.get(); }

void destroyOverlay() { theOverlay.reset(); }

Overlay::Overlay() : titleShip(std::make_unique<PlayerShip>()) {
    titleShip->pitch(kTitleShipPitch);
    titleShip->rememberFrame();
}

void Overlay::drawOverlay(int width, int height, const OverlayPicture& picture) const {
    if (picture.title) {
        drawTitle(width, height, picture.fraction);
    } else {
        drawHud(width, height, picture);
    }
    drawNoticeLine(width, height);
}
