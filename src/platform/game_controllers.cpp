#include "platform/game_controllers.h"

#include <SDL.h>

#include <algorithm>

namespace {

// Shuts SDL down entirely once its last subsystem is gone; the sound keeps it
// alive while it plays.
void quitSdlIfUnused() {
    if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0) SDL_Quit();
}

bool pressed(SDL_GameController* pad, SDL_GameControllerButton button) {
    return SDL_GameControllerGetButton(pad, button) != 0;
}

}  // namespace

GameControllers::~GameControllers() { close(); }

bool GameControllers::open() {
    if (opened) return true;
    // SDL's signal handlers would swallow SIGINT and SIGTERM: the game never
    // reads SDL's event queue. Idempotent, whoever initialises SDL first.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // The game's window is GLUT's, not SDL's, so SDL never sees it focused.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        quitSdlIfUnused();
        return false;
    }
    // Nobody reads the queue: controllers are polled, and plugging is seen
    // in the device list, so their events would only pile up.
    SDL_JoystickEventState(SDL_IGNORE);
    SDL_GameControllerEventState(SDL_IGNORE);
    opened = true;
    return true;
}

void GameControllers::close() {
    if (!opened) return;
    for (SDL_GameController* pad : handles) SDL_GameControllerClose(pad);
    handles.clear();
    states.clear();
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    quitSdlIfUnused();
    opened = false;
}

const std::vector<ControllerState>& GameControllers::poll() {
    if (!opened) return states;
    SDL_GameControllerUpdate();
    closeDetached();
    openNewControllers();
    states.resize(handles.size());
    for (std::size_t i = 0; i < handles.size(); ++i) {
        SDL_GameController* pad = handles[i];
        ControllerState& state = states[i];
        state.dpadUp = pressed(pad, SDL_CONTROLLER_BUTTON_DPAD_UP);
        state.dpadDown = pressed(pad, SDL_CONTROLLER_BUTTON_DPAD_DOWN);
        state.dpadLeft = pressed(pad, SDL_CONTROLLER_BUTTON_DPAD_LEFT);
        state.dpadRight = pressed(pad, SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
        state.buttonA = pressed(pad, SDL_CONTROLLER_BUTTON_A);
        state.buttonY = pressed(pad, SDL_CONTROLLER_BUTTON_Y);
        state.buttonStart = pressed(pad, SDL_CONTROLLER_BUTTON_START);
        state.leftStickX = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTX);
        state.leftStickY = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTY);
        state.rightTrigger = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_TRIGGERRIGHT);
    }
    return states;
}

void GameControllers::rumble(int lowStrength, int highStrength, int milliseconds) {
    for (SDL_GameController* pad : handles) {
        // -1 only means this controller has no motor.
        SDL_GameControllerRumble(pad, static_cast<Uint16>(lowStrength), static_cast<Uint16>(highStrength),
                                 static_cast<Uint32>(milliseconds));
    }
}

void GameControllers::closeDetached() {
    const auto detached = std::remove_if(handles.begin(), handles.end(), [](SDL_GameController* pad) {
        if (SDL_GameControllerGetAttached(pad)) return false;
        SDL_GameControllerClose(pad);
        return true;
    });
    handles.erase(detached, handles.end());
}

void GameControllers::openNewControllers() {
    const int count = SDL_NumJoysticks();
    for (int device = 0; device < count; ++device) {
        if (!SDL_IsGameController(device)) continue;
        const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(device);
        const bool known = std::any_of(handles.begin(), handles.end(), [id](SDL_GameController* pad) {
            return SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad)) == id;
        });
        if (known) continue;
        if (SDL_GameController* pad = SDL_GameControllerOpen(device)) handles.push_back(pad);
    }
}
